#include "qt/windows/Radio10.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QDropEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "ModalAnswers.h"
#include "WindowTesting.h"
#include "app/Guides.h"
#include "app/PasteReport.h"
#include "app/SlideShow.h"
#include "app/StartUp.h"
#include "app/StatusBar.h"
#include "qt/WidgetText.h"
#include "qt/windows/Cont.h"
#include "qt/windows/Teisei.h"
#include "qt/windows/frmAdjust.h"
#include "support/TempFolder.h"

namespace nimbara {
namespace {

namespace fs = std::filesystem;
using testing::AnswerNextBox;
using testing::SeenBox;

// The menu tree as lines: "name|caption", "name|caption{" ... "}" for a menu,
// "-" for a separator, " [x]" / " [ ]" after a check item.
void DescribeMenu(const QList<QAction*>& actions, std::vector<std::string>& lines) {
  for (const QAction* action : actions) {
    if (action->isSeparator()) {
      lines.push_back("-");
      continue;
    }
    const std::string line = action->objectName().toStdString() + "|" + action->text().toStdString();
    if (action->menu()) {
      lines.push_back(line + "{");
      DescribeMenu(action->menu()->actions(), lines);
      lines.push_back("}");
    } else {
      lines.push_back(line + (action->isCheckable() ? (action->isChecked() ? " [x]" : " [ ]") : ""));
    }
  }
}

const std::vector<std::string> kMenuTree = {
    "cntFile|ファイル(&F)　{",
    "cntLoad|データファイル読みこみ",
    "mnuDataRenzoku|データファイル連続表示",
    "cntSave|データファイル保存",
    "-",
    "cntKLoad|気象観測ファイル読み込み",
    "mnuTenkiRenzoku|気象観測（天気図）連続表示",
    "cntKSave|気象観測ファイル保存",
    "-",
    "cntHimawari|気象衛星画像ファイル読みこみ",
    "cntGRenzoku|気象衛星画像ファイル連続表示",
    "cntGazou|気象衛星画像ファイル保存",
    "cntMapSave|天気図を画像として保存",
    "cntMapPrint|天気図を印刷",
    "cntBlankPrint|白地図を印刷",
    "cntBlankSave|白地図を画像として保存",
    "-",
    "cntTLoad|等圧線ファイル読みこみ",
    "cntRenzoku|等圧線ファイル連続表示",
    "cntTSave|等圧線ファイル保存",
    "-",
    "cntLoadSettei|設定ファイル読み込み",
    "cntSaveSettei|設定ファイル保存",
    "-",
    "entEnd2|終了",
    "}",
    "cntInternet|ｲﾝﾀｰﾈｯﾄからﾃﾞｰﾀを入手(&I)　{",
    "cntInternetData06|各地の観測値ﾃﾞｰﾀ(午前６時)",
    "cntInternetData12|各地の観測値ﾃﾞｰﾀ(１２時)",
    "cntInternetData18|各地の観測値ﾃﾞｰﾀ(午後６時)",
    "-",
    "cntInternetTeikiatu06|低気圧や前線のﾃﾞｰﾀ(午前６時)",
    "cntInternetTeikiatu12|低気圧や前線のﾃﾞｰﾀ(１２時)",
    "cntInternetTeikiatu18|低気圧や前線のﾃﾞｰﾀ(午後６時)",
    "-",
    "cntInternetPictureIR|気象衛星画像　日本（赤外線）",
    "cntInternetPictureVisal|気象衛星画像　日本（可視光）",
    "cntInternetPictureVapor|気象衛星画像　日本（水蒸気）",
    "-",
    "cntPaste|データの貼り付け",
    "}",
    "cntEdit|観測データ確認・入力(&E)　　{",
    "cntTenki|各地の天気のデータ",
    "cntSenpaku|船舶の報告のデータ",
    "cntGyogyou|低気圧や前線の位置のデータ",
    "cntRadio|ラジオの気象通報から入力",
    "-",
    "cntNew|データを消す{",
    "cntNew2|ﾃﾞｰﾀを消しますよ　ｏｋ？",
    "}",
    "}",
    "cntLine|天気図(&W)　{",
    "cntDisplay|天気図を表示する",
    "cntSetting|表示の設定{",
    "cntTizu|地図を表示 [x]",
    "cntTouatu2|等圧線の表示 [x]",
    "cntKigou|天気記号の表示 [x]",
    "cntHuuryoku|風力の表示 [x]",
    "cntZensen|前線の表示 [x]",
    "-",
    "cntAllData|全観測地のデータを表示 [x]",
    "cntZoomUp|天気記号を拡大表示 [ ]",
    "-",
    "cntMitame|天気図の見た目：気象庁風 [ ]",
    "cntHanrei|凡例 [x]",
    "}",
    "-",
    "cntClsLine|天気図の表示を消す",
    "-",
    "cntRittai|気圧の立体表示",
    "cntTKankaku|等圧線の間隔の変更",
    "cntSyusei|等圧線の修正、保存",
    "cntRenshuu|等圧線を引く練習",
    "-",
    "cntColor|天気図の色の設定",
    "cntAdjust|地図と画像の位置調整",
    "}",
    "mnuKiatuClear|気圧の表示を消す(&P)",
    "cntHim|気象衛星画像(&S){",
    "cntDanmen|雲の断面図",
    "-",
    "cntCopy|画像をクリップボードにコピー",
    "cntMapCopy|天気図をクリップボードにコピー",
    "-",
    "cntClsBMP|気象衛星画像の表示を消す",
    "}",
    "cntHelp|説明する？(&H)",
};

// A main window started in a folder of its own (where Nimbara.ini goes).
class MainWindow : public ::testing::Test {
 protected:
  MainWindow()
      : folder(temp.Path()), before(QDir::currentPath()) {
    fs::remove_all(folder);
    fs::create_directories(folder);
    QDir::setCurrent(QString::fromStdString(folder));
  }
  ~MainWindow() override {
    QDir::setCurrent(before);
    fs::remove_all(folder);
  }
  // Start-up with the greeting answered.
  SeenBox Start() {
    SeenBox greeting;
    AnswerNextBox(greeting, QMessageBox::Ok);
    window.MDIForm_Load();
    return greeting;
  }
  // Triggers a menu item whose command shows one box, answering it.
  SeenBox Trigger(const char* name) {
    SeenBox seen;
    AnswerNextBox(seen, QMessageBox::Ok);
    window.MenuAction(name)->trigger();
    return seen;
  }
  testing::TempFolder temp;
  std::string folder;
  QString before;
  Radio10 window;
};

TEST_F(MainWindow, MenuTreeAndTicksAfterStartUp) {
  Start();
  std::vector<std::string> lines;
  DescribeMenu(window.menuBar()->actions(), lines);
  EXPECT_EQ(lines, kMenuTree);
}

TEST_F(MainWindow, KeysRunTheirMenuItems) {
  const std::pair<const char*, const char*> keys[] = {
      {"cntLoad", "Ctrl+O"},     {"cntSave", "Ctrl+S"},    {"cntPaste", "Ctrl+V"}, {"cntDisplay", "F5"},
      {"cntMapPrint", "Ctrl+P"}, {"cntMapCopy", "Ctrl+C"}, {"cntRadio", "Ctrl+R"}};
  for (const auto& [name, key] : keys) EXPECT_EQ(window.MenuAction(name)->shortcut().toString().toStdString(), key);

  window.MenuAction("cntTouatu2")->trigger();  // no isobars: the display asks nothing
  testing::Activate(window);
  QGuiApplication::clipboard()->clear();
  QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier);
  EXPECT_FALSE(QGuiApplication::clipboard()->image().isNull()) << "Ctrl+C copies the map";

  window.MenuAction("cntClsLine")->trigger();
  const QImage cleared = window.Canvas().Composite();
  QTest::keyClick(&window, Qt::Key_F5);
  EXPECT_NE(window.Canvas().Composite(), cleared) << "F5 draws the map";

  QGuiApplication::clipboard()->setText(QStringLiteral("x"));
  SeenBox paste;
  AnswerNextBox(paste, QMessageBox::Ok);
  QTest::keyClick(&window, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(paste.title.toStdString(), kPasteTitle) << "Ctrl+V pastes";

  testing::Activate(window);  // again, after the paste's message
  QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier);
  const QWidget* dictation = window.WindowUi().Window(WindowId::RadioDictation);
  EXPECT_TRUE(dictation && dictation->isVisible()) << "Ctrl+R opens the dictation window";
}

TEST_F(MainWindow, EveryMenuCommandIsAvailable) {
  for (const QAction* action : window.findChildren<QAction*>()) {
    if (action->objectName().isEmpty()) continue;
    EXPECT_TRUE(action->isEnabled()) << action->objectName().toStdString();
  }
}

TEST_F(MainWindow, StartUpGreetsWithTheExactText) {
  const SeenBox greeting = Start();
  EXPECT_EQ(greeting.title.toStdString(), "ごあいさつ");
  EXPECT_EQ(greeting.text, WidgetText(kGreetingText));
  EXPECT_EQ(window.State().settingsPath, folder + "/Nimbara.ini");
}

TEST_F(MainWindow, ACheckItemFollowsItsLayerSwitch) {
  window.MenuAction("cntTouatu2")->trigger();  // no isobars: the redraws ask nothing
  for (const auto& [name, layer] : {std::pair{"cntTizu", &LayerSwitches::map},
                                    std::pair{"cntMitame", &LayerSwitches::chartStyle},
                                    std::pair{"cntHanrei", &LayerSwitches::legend}}) {
    QAction* action = window.MenuAction(name);
    const bool before = window.State().layers.*layer;
    action->trigger();
    EXPECT_EQ(window.State().layers.*layer, !before) << name;
    EXPECT_EQ(action->isChecked(), !before) << name;
    action->trigger();
    EXPECT_EQ(window.State().layers.*layer, before) << name;
  }
}

TEST_F(MainWindow, EndingWritesTheSettingsInTheStartFolder) {
  Start();
  window.show();
  window.MenuAction("entEnd2")->trigger();
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(fs::exists(folder + "/Nimbara.ini"));
}

// 終了 during a run: the run stops, no window comes back and the
// application's event loop returns, so the process ends.
class EndingDuringARun : public MainWindow {
 protected:
  int EndDuring(const std::function<void()>& startRun) {
    for (const char* name : {"a.txt", "b.txt"})
      fs::copy_file(std::string(NIMBARA_SAMPLES) + "/20240115_06.txt", folder + "/" + name);
    Start();
    window.show();
    QTimer::singleShot(0, &window, startRun);
    QTimer::singleShot(200, &window, [this] { window.MenuAction("entEnd2")->trigger(); });
    // A run that outlives the window spins for ever: the alarm then ends the
    // test process as failed.
    alarm(kSecondsToEnd);
    const int code = QApplication::exec();
    alarm(0);
    return code;
  }
  static constexpr unsigned kSecondsToEnd = 20;
  static bool AnyWindowVisible() {
    for (const QWidget* top : QApplication::topLevelWidgets())
      if (top->isVisible()) return true;
    return false;
  }
};

TEST_F(EndingDuringARun, TheBrowseRunStops) {
  EXPECT_EQ(EndDuring([this] { window.cmdPlay[static_cast<std::size_t>(BrowseButton::Run)]->click(); }), 0);
  EXPECT_FALSE(AnyWindowVisible());
}

TEST_F(EndingDuringARun, TheSlideShowStopsAndItsWindowStaysClosed) {
  EXPECT_EQ(EndDuring([this] {
              window.MenuAction("mnuDataRenzoku")->trigger();
              Cont* cont = window.findChild<Cont*>();
              cont->cmdSelectAll->click();
              cont->cmdHyouzi->click();
            }),
            0);
  EXPECT_FALSE(AnyWindowVisible());
}

TEST_F(MainWindow, ClosingWithUnsavedObservationsAsksAndCancelStays) {
  Start();
  window.show();
  window.State().store.observationDate = "1/16";
  SeenBox question;
  AnswerNextBox(question, QMessageBox::Cancel);
  window.MenuAction("entEnd2")->trigger();
  EXPECT_EQ(question.title.toStdString(), "終了");
  EXPECT_EQ(question.text, WidgetText(kUnsavedQuestion));
  EXPECT_EQ(question.defaultButton, QMessageBox::Yes);
  EXPECT_TRUE(window.isVisible());
}

TEST_F(MainWindow, TheWindowAndItsBrowseButtonsCarryTheirCaptions) {
  EXPECT_EQ(window.windowTitle().toStdString(), "Nimbara2 「ニンバラ」（インターネットのデータ活用版)");
  const char* captions[] = {"最も古い画像を表示", "ひとつ前の画像", "連続表示を止める",
                            "連続表示",           "次の画像",       "いちばん新しい画像"};
  for (int i = 0; i < kBrowseButtonCount; ++i)
    EXPECT_EQ(window.cmdPlay[static_cast<std::size_t>(i)]->text().toStdString(), captions[i]);
  EXPECT_EQ(window.cmdFolder->text().toStdString(), "フォルダやファイルを選択");
}

TEST_F(MainWindow, AGuidePutsItsAddressOnTheClipboard) {
  const SeenBox guide = Trigger("cntInternetPictureIR");
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), GuideAddress(GuidePage::Infrared));
  EXPECT_EQ(guide.title.toStdString(), "赤外線画像の入手");
}

TEST_F(MainWindow, EntryWindowsAreLoadedHiddenAndShownByTheirMenuItems) {
  Start();
  QWidget* tenki = window.WindowUi().Window(WindowId::Tenki1);
  ASSERT_NE(tenki, nullptr);
  EXPECT_NE(window.WindowUi().Window(WindowId::Kaiyou1), nullptr);
  EXPECT_NE(window.WindowUi().Window(WindowId::Gyogyou), nullptr);
  EXPECT_FALSE(tenki->isVisible());
  window.MenuAction("cntTenki")->trigger();
  EXPECT_TRUE(tenki->isVisible());
}

TEST_F(MainWindow, OpenEntryWindowsShowADateThatAMenuCommandChanged) {
  Start();
  window.MenuAction("cntTenki")->trigger();
  window.State().store.observationDate = "1/17 18h";  // as a systems paste changes it
  window.MenuAction("cntClsLine")->trigger();
  const QWidget* tenki = window.WindowUi().Window(WindowId::Tenki1);
  EXPECT_EQ(tenki->findChild<QLineEdit*>("txtKansokubi")->text(), "1/17 18h");
}

TEST_F(MainWindow, TheCorrectionWindowReopenedFromTheMenuTellsItsReadMode) {
  window.show();
  window.MenuAction("cntSyusei")->trigger();
  auto* teisei = window.findChild<Teisei*>();
  ASSERT_NE(teisei, nullptr);
  teisei->cmdPlus->click();
  window.MenuAction("cntSyusei")->trigger();
  EXPECT_EQ(window.State().clickMode, ClickMode::Read);
  EXPECT_EQ(teisei->Text1->toPlainText().toStdString(), "気圧を調べます　地図をクリックしてください。");
}

TEST_F(MainWindow, TheAlignmentWindowOwnsTheClicksWhileOpen) {
  window.show();
  window.MenuAction("cntAdjust")->trigger();
  auto* adjust = window.findChild<frmAdjust*>();
  ASSERT_NE(adjust, nullptr);
  EXPECT_TRUE(adjust->isVisible());
  EXPECT_EQ(window.State().clickMode, ClickMode::Align);
  emit window.Picture1()->MousePressed(Qt::LeftButton, 100, 100);
  EXPECT_TRUE(adjust->isVisible());
  EXPECT_EQ(window.State().clickMode, ClickMode::Align);
  adjust->cmdClose->click();
  EXPECT_EQ(window.State().clickMode, ClickMode::None);
  EXPECT_FALSE(adjust->isVisible());
}

TEST_F(MainWindow, TheStatusBarSaysWhatAClickDoesAndWhatLiesUnderThePointer) {
  window.show();
  auto* mode = testing::Child<QLabel>(window, "lblClickMode");
  auto* pointer = testing::Child<QLabel>(window, "lblPointer");
  ASSERT_TRUE(mode && pointer);
  window.MenuAction("cntSyusei")->trigger();
  window.findChild<Teisei*>()->cmdPlus->click();
  QEventLoop idle;  // the mode is shown once the event loop waits for more
  QTimer::singleShot(1, &idle, &QEventLoop::quit);
  idle.exec();
  EXPECT_EQ(mode->text().toStdString(), ClickModeText(ClickMode::Raise));

  for (int c = 0; c <= kGridLast; ++c)
    for (int r = 0; r <= kGridLast; ++r) window.State().field.grid.At(c, r) = 101300;
  QTest::mouseMove(window.Picture1(), window.Picture1()->rect().center());
  EXPECT_TRUE(pointer->text().startsWith(QStringLiteral("北緯"))) << pointer->text().toStdString();
  EXPECT_TRUE(pointer->text().endsWith(QStringLiteral("　1013.0hPa"))) << pointer->text().toStdString();
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(window.Picture1(), &leave);
  EXPECT_TRUE(pointer->text().isEmpty());
}

// A data file (with the picture beside it) and a PNG picture dropped on the
// window as a file manager drops them.
TEST_F(MainWindow, FilesDroppedOnTheMapLoadAsTheMenusLoadThem) {
  window.show();
  const std::string sample = std::string(NIMBARA_SAMPLES) + "/20240115_06.txt";
  const std::string png = folder + "/ir.png";
  ASSERT_TRUE(QImage(40, 30, QImage::Format_ARGB32).save(QString::fromStdString(png)));
  for (const std::string& file : {sample, png}) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(file))});
    const QPoint at = window.Picture1()->geometry().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    if (file == sample) {
      EXPECT_EQ(window.State().currentFilePath, sample);
      EXPECT_GT(window.State().stationRows.Count(), 0);
      EXPECT_TRUE(window.Canvas().HasPicture());
    }
  }
  ASSERT_TRUE(window.Canvas().HasPicture());
  EXPECT_EQ(window.Canvas().GetPicture()->width, 40);
}

}  // namespace
}  // namespace nimbara
