#include "qt/windows/Cont.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <filesystem>
#include <fstream>

#include "app/FileListing.h"
#include "app/SlideShow.h"
#include "core/Bmp.h"
#include "qt/QtCanvas.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"

namespace nimbara {
namespace {

class SlideShowWindow : public ::testing::Test {
 protected:
  SlideShowWindow() : m_previous(CurrentDirectory()) {
    std::filesystem::create_directories(m_folder / "sub");
    const Picture picture{1, 1, {0xFF808080u}};
    for (const char* name : {"a.txt", "b.TXT", "c.cnt"}) std::ofstream(m_folder / name) << "x";
    for (const char* name : {"ir1.bmp", "ir2.bmp"}) std::ofstream(m_folder / name, std::ios::binary) << EncodeBmp(picture);
    SetCurrentDirectory(m_folder.string());
  }
  ~SlideShowWindow() override { SetCurrentDirectory(m_previous); }
  void Open(SlideShowKind kind) {
    state.slideShowKind = kind;
    window.show();
  }
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (int i = 0; i < window.FileCont->count(); ++i) names.push_back(window.FileCont->item(i)->text().toStdString());
    return names;
  }

  testing::TempFolder m_scratch;
  std::filesystem::path m_folder{m_scratch.Path()};
  std::string m_previous;
  AppState state;
  QtCanvas canvas{400, 400};
  testing::ScriptedUi ui;
  Cont window{{state, canvas, ui}, nullptr};
};

TEST_F(SlideShowWindow, DataFilesOpenWithTheirPatternInTheCurrentFolder) {
  Open(SlideShowKind::DataFiles);
  EXPECT_EQ(window.windowTitle().toStdString(), "天気図データ連続表示");
  EXPECT_FALSE(window.OptCont[0]->isVisible());
  EXPECT_FALSE(window.OptCont[1]->isVisible());
  EXPECT_EQ(window.OptCont[2]->text().toStdString(), "*.txt 観測ﾃﾞｰﾀ");
  EXPECT_TRUE(window.OptCont[2]->isChecked());
  EXPECT_EQ(window.OptCont[3]->text().toStdString(), "*.* すべてのﾌｧｲﾙ");
  EXPECT_EQ(window.TxtCont->text().toStdString(), "*.txt");
  EXPECT_TRUE(window.chkCont->isChecked());
  EXPECT_EQ(window.Labels[0]->text().toStdString(), "ファイルを複数選んで");
  EXPECT_EQ(Files(), (std::vector<std::string>{"a.txt", "b.TXT"}));
  EXPECT_EQ(window.DirCont->findItems("sub", Qt::MatchExactly).size(), 1);
  EXPECT_TRUE(window.isModal());
}

TEST_F(SlideShowWindow, PicturesOfferFourPatterns) {
  Open(SlideShowKind::Pictures);
  EXPECT_EQ(window.windowTitle().toStdString(), "気象衛星画像の連続表示");
  EXPECT_TRUE(window.OptCont[0]->isVisible());
  EXPECT_TRUE(window.OptCont[3]->isChecked());
  EXPECT_EQ(Files().size(), 5u);
  window.OptCont[1]->click();
  EXPECT_EQ(window.TxtCont->text().toStdString(), "*.bmp");
  EXPECT_EQ(Files(), (std::vector<std::string>{"ir1.bmp", "ir2.bmp"}));
}

TEST_F(SlideShowWindow, TypingAPatternFiltersTheList) {
  Open(SlideShowKind::IsobarFiles);
  EXPECT_EQ(Files(), std::vector<std::string>{"c.cnt"});
  window.TxtCont->clear();
  for (const char* typed : {"*", "*.", "*.t", "*.tx"}) {
    window.TxtCont->setText(typed);
    emit window.TxtCont->textEdited(typed);
  }
  EXPECT_EQ(Files(), (std::vector<std::string>{}));
  window.TxtCont->setText("*.txt");
  emit window.TxtCont->textEdited("*.txt");
  EXPECT_EQ(Files().size(), 2u);
}

TEST_F(SlideShowWindow, SelectAllAndClearSelection) {
  Open(SlideShowKind::Pictures);
  window.cmdSelectAll->click();
  EXPECT_EQ(window.FileCont->selectedItems().size(), 5);
  window.cmdDelete->click();
  EXPECT_TRUE(window.FileCont->selectedItems().empty());
}

TEST_F(SlideShowWindow, StartWithoutSelectionExplains) {
  Open(SlideShowKind::Pictures);
  window.cmdHyouzi->click();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].title, "連続表示のファイル選択について");
  EXPECT_TRUE(window.isVisible());
}

TEST_F(SlideShowWindow, RunPlaysTheSelectionAndKeepsItAfterwards) {
  Open(SlideShowKind::Pictures);
  state.slideShowPause = 0.0f;
  window.chkCont->setChecked(false);
  window.OptCont[1]->click();
  window.cmdSelectAll->click();
  window.cmdHyouzi->click();
  EXPECT_EQ(ui.windowEvents, (std::vector<std::string>{"hide Cont", "show Cont"}));
  EXPECT_TRUE(canvas.HasPicture());
  EXPECT_EQ(ui.processEventsCalls, 2);
  EXPECT_EQ(window.FileCont->selectedItems().size(), 2);
  EXPECT_EQ(state.clickMode, ClickMode::None);
}

TEST_F(SlideShowWindow, ChangingFolderMakesItCurrent) {
  Open(SlideShowKind::DataFiles);
  auto items = window.DirCont->findItems("sub", Qt::MatchExactly);
  ASSERT_EQ(items.size(), 1);
  emit window.DirCont->itemActivated(items[0]);
  EXPECT_EQ(std::filesystem::path(CurrentDirectory()), std::filesystem::canonical(m_folder / "sub"));
  EXPECT_TRUE(Files().empty());
}

TEST_F(SlideShowWindow, ClosingEmptiesTheClickMode) {
  Open(SlideShowKind::DataFiles);
  state.clickMode = ClickMode::SlideShow;
  window.cmdEnd->click();
  EXPECT_EQ(state.clickMode, ClickMode::None);
  EXPECT_FALSE(window.isVisible());
  Open(SlideShowKind::DataFiles);
  state.clickMode = ClickMode::SlideShow;
  window.close();
  EXPECT_EQ(state.clickMode, ClickMode::None);
}

}  // namespace
}  // namespace nimbara
