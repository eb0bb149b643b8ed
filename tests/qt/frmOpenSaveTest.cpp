#include "qt/windows/frmOpenSave.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <filesystem>
#include <fstream>

#include "app/ChooserRequests.h"
#include "io/FileNames.h"
#include "support/ModalAnswers.h"
#include "support/PermissionsEnforced.h"
#include "support/TempFolder.h"

namespace nimbara {
namespace {

namespace fs = std::filesystem;
using testing::AnswerNextBox;
using testing::SeenBox;
using testing::WhenModalOpens;

const ChooserRequest& kLoadData = kLoadDataChooser;
const ChooserRequest& kSaveData = kSaveDataChooser;

// A folder with two data files and a picture, made current for the test.
class ChooserWindow : public ::testing::Test {
 protected:
  ChooserWindow()
      : folder(temp.Path()), before(QDir::currentPath()) {
    fs::remove_all(folder);
    fs::create_directories(folder + "/sub");
    for (const char* name : {"b.txt", "a.txt", "c.bmp"}) std::ofstream(folder + "/" + name) << "x";
    QDir::setCurrent(QString::fromStdString(folder));
  }
  ~ChooserWindow() override {
    QDir::setCurrent(before);
    fs::remove_all(folder);
  }
  // Runs the chooser; `script` acts on it while it is open.
  std::optional<std::string> Choose(const ChooserRequest& request, std::function<void(frmOpenSave*)> script) {
    WhenModalOpens<frmOpenSave>(std::move(script));
    return chooser.Choose(request);
  }
  static QStringList Listed(const QListWidget* list) {
    QStringList names;
    for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
    return names;
  }
  testing::TempFolder temp;
  std::string folder;
  QString before;
  frmOpenSave chooser;
};

TEST_F(ChooserWindow, OpensOnTheCurrentFolderWithThePatternInNameOrder) {
  QStringList files;
  QString label;
  const auto chosen = Choose(kLoadData, [&](frmOpenSave* c) {
    files = Listed(c->filOpenSave);
    label = c->lblOpenSave[2]->text();
    c->cmdOpenSave[1]->click();
  });
  EXPECT_FALSE(chosen.has_value());
  EXPECT_EQ(files, (QStringList{"a.txt", "b.txt"}));
  EXPECT_EQ(label.toStdString(), folder);
  EXPECT_EQ(chooser.windowTitle().toStdString(), "観測データ読みこみ");
}

TEST_F(ChooserWindow, ListsNamesInTheSlideShowsOrder) {
  for (const char* name : {"𠀋.txt", "ａ.txt", "B.txt"}) std::ofstream(folder + "/" + name) << "x";
  QStringList files;
  Choose(kLoadData, [&](frmOpenSave* c) {
    files = Listed(c->filOpenSave);
    c->cmdOpenSave[1]->click();
  });
  EXPECT_EQ(files, (QStringList{"B.txt", "a.txt", "b.txt", "ａ.txt", "𠀋.txt"}));
}

TEST_F(ChooserWindow, LabelsAndButtonsCarryTheirCaptions) {
  EXPECT_EQ(chooser.lblOpenSave[0]->text().toStdString(), "ﾄﾞﾗｲﾌﾞ(&V):");
  EXPECT_EQ(chooser.lblOpenSave[1]->text().toStdString(), "ﾃﾞｨﾚｸﾄﾘ(&D)");
  EXPECT_EQ(chooser.cmdOpenSave[0]->text().toStdString(), "OK");
  EXPECT_EQ(chooser.cmdOpenSave[1]->text().toStdString(), "ｷｬﾝｾﾙ");
  const char* images[] = {"gifﾌｧｲﾙ", "bmpﾌｧｲﾙ", "jpgﾌｧｲﾙ", "pngﾌｧｲﾙ"};
  ASSERT_EQ(chooser.Options.size(), std::size(images));
  for (std::size_t i = 0; i < std::size(images); ++i) EXPECT_EQ(chooser.Options[i]->text().toStdString(), images[i]);
}

TEST_F(ChooserWindow, APatternTypedChangesTheListAndStaysOpen) {
  QStringList files;
  bool stillOpen = false;
  Choose(kLoadData, [&](frmOpenSave* c) {
    c->txtOpenSave->setText("*.bmp");
    c->cmdOpenSave[0]->click();
    files = Listed(c->filOpenSave);
    stillOpen = c->isVisible();
    c->cmdOpenSave[1]->click();
  });
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(files, QStringList{"c.bmp"});
}

TEST_F(ChooserWindow, AFolderTypedMovesTheListAndTheCurrentDirectory) {
  QString current;
  Choose(kLoadData, [&](frmOpenSave* c) {
    c->txtOpenSave->setText("sub");
    c->cmdOpenSave[0]->click();
    current = QDir::currentPath();
    c->cmdOpenSave[1]->click();
  });
  EXPECT_EQ(current.toStdString(), folder + "/sub");
}

TEST_F(ChooserWindow, LoadingAMissingFileWarnsAndStaysOpen) {
  SeenBox warning;
  bool stillOpen = false;
  Choose(kLoadData, [&](frmOpenSave* c) {
    c->txtOpenSave->setText("missing.txt");
    AnswerNextBox(warning, QMessageBox::Ok);
    c->cmdOpenSave[0]->click();
    stillOpen = c->isVisible();
    c->cmdOpenSave[1]->click();
  });
  EXPECT_EQ(warning.text.toStdString(), "ファイルが存在しません。");
  EXPECT_TRUE(warning.title.isEmpty());
  EXPECT_TRUE(stillOpen);
}

// "a" saves as a.txt, which exists: the question names it.
TEST_F(ChooserWindow, ASaveThatWouldReplaceAFileAsksWithNoAsDefaultAndNoCancels) {
  SeenBox question;
  const auto chosen = Choose(kSaveData, [&](frmOpenSave* c) {
    c->txtOpenSave->setText("a");
    AnswerNextBox(question, QMessageBox::No);
    c->cmdOpenSave[0]->click();
  });
  EXPECT_FALSE(chosen.has_value());
  EXPECT_EQ(question.title.toStdString(), kSaveData.caption) << "the save's own caption";
  EXPECT_EQ(question.text.toStdString(), "a.txt\nファイルを上書きしますか？");
  EXPECT_EQ(question.defaultButton, QMessageBox::No);
}

// A name to read or a new name to save is chosen at once; a save that would
// replace a file is chosen after Yes.
TEST_F(ChooserWindow, OkChoosesTheNamedFile) {
  const std::pair<const ChooserRequest*, const char*> cases[] = {
      {&kLoadData, "b.txt"}, {&kSaveData, "new.txt"}, {&kSaveData, "b.txt"}};
  SeenBox question;
  AnswerNextBox(question, QMessageBox::Yes);
  for (const auto& [request, typed] : cases) {
    const auto chosen = Choose(*request, [typed](frmOpenSave* c) {
      c->txtOpenSave->setText(typed);
      c->cmdOpenSave[0]->click();
    });
    EXPECT_EQ(chosen, folder + "/" + typed);
  }
  EXPECT_EQ(question.text.toStdString(), "b.txt\nファイルを上書きしますか？");
}

TEST_F(ChooserWindow, ADoubleClickOpensAtOnceButAsksBeforeASaveReplacesTheFile) {
  const auto doubleClickFirst = [](frmOpenSave* c) {
    emit c->filOpenSave->itemDoubleClicked(c->filOpenSave->item(0));
  };
  EXPECT_EQ(Choose(kLoadData, doubleClickFirst), folder + "/a.txt");
  SeenBox question;
  AnswerNextBox(question, QMessageBox::No);
  EXPECT_FALSE(Choose(kSaveData, doubleClickFirst).has_value());
  EXPECT_EQ(question.text.toStdString(), "a.txt\nファイルを上書きしますか？");
}

TEST_F(ChooserWindow, AKeyboardMoveOrAClickFillsTheNameBox) {
  QStringList names;
  Choose(kLoadData, [&](frmOpenSave* c) {
    c->filOpenSave->setCurrentRow(1);
    QTest::keyClick(c->filOpenSave, Qt::Key_Up);
    names << c->txtOpenSave->text();
    emit c->filOpenSave->itemClicked(c->filOpenSave->item(1));
    names << c->txtOpenSave->text();
    c->cmdOpenSave[1]->click();
  });
  EXPECT_EQ(names, (QStringList{"a.txt", "b.txt"}));
}

TEST_F(ChooserWindow, AFolderThatCannotBeEnteredIsReportedAndTheListStays) {
  fs::create_directories(folder + "/locked");
  fs::permissions(folder + "/locked", fs::perms::none);
  testing::PermissionsEnforced asNonRoot;
  SeenBox typed, vanished;
  QString typedLabel, vanishedLabel;
  Choose(kLoadData, [&](frmOpenSave* c) {
    fs::remove(folder + "/sub");
    AnswerNextBox(vanished, QMessageBox::Ok);
    emit c->dirOpenSave->itemActivated(c->dirOpenSave->findItems("sub", Qt::MatchEndsWith).at(0));
    vanishedLabel = c->lblOpenSave[2]->text();
    c->txtOpenSave->setText(QString::fromStdString(folder + "/locked"));
    AnswerNextBox(typed, QMessageBox::Ok);
    c->cmdOpenSave[0]->click();
    typedLabel = c->lblOpenSave[2]->text();
    c->cmdOpenSave[1]->click();
  });
  for (const SeenBox* box : {&typed, &vanished}) EXPECT_EQ(box->text.toStdString(), "このフォルダは開けません。");
  EXPECT_EQ(typedLabel.toStdString(), folder);
  EXPECT_EQ(vanishedLabel.toStdString(), folder);
  EXPECT_EQ(QDir::currentPath().toStdString(), folder);
}

TEST_F(ChooserWindow, ImageOptionsShowOnlyWhenAskedAndSetThePattern) {
  const ChooserRequest& images = kLoadPictureChooser;
  bool shown = false;
  bool firstChosen = false;
  QStringList bmpFiles, pngFiles;
  std::ofstream(folder + "/d.png") << "x";
  Choose(images, [&](frmOpenSave* c) {
    shown = c->Options[1]->isVisible();
    firstChosen = c->Options[0]->isChecked();
    c->Options[1]->click();
    bmpFiles = Listed(c->filOpenSave);
    c->Options[3]->click();
    pngFiles = Listed(c->filOpenSave);
    c->cmdOpenSave[1]->click();
  });
  EXPECT_TRUE(shown);
  EXPECT_TRUE(firstChosen);
  EXPECT_EQ(bmpFiles, QStringList{"c.bmp"});
  EXPECT_EQ(pngFiles, QStringList{"d.png"});
  EXPECT_FALSE(chooser.Options[1]->isVisible());
}

TEST_F(ChooserWindow, TheCloseControlCancelsAndTheApplicationGoesOn) {
  bool quitting = false;
  QObject watcher;
  QObject::connect(qApp, &QCoreApplication::aboutToQuit, &watcher, [&] { quitting = true; });
  const auto chosen = Choose(kLoadData, [](frmOpenSave* c) { c->close(); });
  QCoreApplication::processEvents();
  EXPECT_FALSE(chosen.has_value());
  EXPECT_FALSE(quitting);
}

}  // namespace
}  // namespace nimbara
