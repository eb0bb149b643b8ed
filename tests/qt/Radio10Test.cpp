#include "qt/windows/Radio10.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QDropEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QScrollBar>
#include <QScrollArea>
#include <QTimer>

#include <unistd.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "app/Guides.h"
#include "app/PasteReport.h"
#include "app/SlideShow.h"
#include "app/StartUp.h"
#include "app/StatusBar.h"
#include "qt/MapSurface.h"
#include "qt/WidgetText.h"
#include "qt/windows/Cont.h"
#include "qt/windows/Teisei.h"
#include "qt/windows/frmAdjust.h"
#include "support/ModalAnswers.h"
#include "support/TempFolder.h"
#include "support/WindowTesting.h"

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
    "cntLoad|データファイル読みこみ(&O)",
    "mnuDataRenzoku|データファイル連続表示(&D)",
    "cntSave|データファイル保存(&S)",
    "-",
    "cntKLoad|気象観測ファイル読み込み(&K)",
    "mnuTenkiRenzoku|気象観測（天気図）連続表示(&T)",
    "cntKSave|気象観測ファイル保存(&V)",
    "-",
    "cntHimawari|気象衛星画像ファイル読みこみ(&G)",
    "cntGRenzoku|気象衛星画像ファイル連続表示(&H)",
    "cntGazou|気象衛星画像ファイル保存(&Z)",
    "cntMapSave|天気図を画像として保存(&M)",
    "cntMapPrint|天気図を印刷(&P)",
    "cntBlankPrint|白地図を印刷(&B)",
    "cntBlankSave|白地図を画像として保存(&W)",
    "-",
    "cntTLoad|等圧線ファイル読みこみ(&L)",
    "cntRenzoku|等圧線ファイル連続表示(&R)",
    "cntTSave|等圧線ファイル保存(&I)",
    "-",
    "cntLoadSettei|設定ファイル読み込み(&E)",
    "cntSaveSettei|設定ファイル保存(&C)",
    "-",
    "entEnd2|終了(&X)",
    "}",
    "cntInternet|ｲﾝﾀｰﾈｯﾄからﾃﾞｰﾀを入手(&I)　{",
    "cntInternetData06|各地の観測値ﾃﾞｰﾀ(午前６時)(&1)",
    "cntInternetData12|各地の観測値ﾃﾞｰﾀ(１２時)(&2)",
    "cntInternetData18|各地の観測値ﾃﾞｰﾀ(午後６時)(&3)",
    "-",
    "cntInternetTeikiatu06|低気圧や前線のﾃﾞｰﾀ(午前６時)(&4)",
    "cntInternetTeikiatu12|低気圧や前線のﾃﾞｰﾀ(１２時)(&5)",
    "cntInternetTeikiatu18|低気圧や前線のﾃﾞｰﾀ(午後６時)(&6)",
    "-",
    "cntInternetPictureIR|気象衛星画像　日本（赤外線）(&I)",
    "cntInternetPictureVisal|気象衛星画像　日本（可視光）(&V)",
    "cntInternetPictureVapor|気象衛星画像　日本（水蒸気）(&W)",
    "-",
    "cntPaste|データの貼り付け(&P)",
    "}",
    "cntEdit|観測データ確認・入力(&E)　　{",
    "cntTenki|各地の天気のデータ(&T)",
    "cntSenpaku|船舶の報告のデータ(&S)",
    "cntGyogyou|低気圧や前線の位置のデータ(&G)",
    "cntRadio|ラジオの気象通報から入力(&R)",
    "-",
    "cntNew|データを消す(&N){",
    "cntNew2|ﾃﾞｰﾀを消しますよ　ｏｋ？(&Y)",
    "}",
    "}",
    "cntLine|天気図(&W)　{",
    "cntDisplay|天気図を表示する(&D)",
    "cntSetting|表示の設定(&S){",
    "cntTizu|地図を表示(&M) [x]",
    "cntTouatu2|等圧線の表示(&I) [x]",
    "cntKigou|天気記号の表示(&W) [x]",
    "cntHuuryoku|風力の表示(&F) [x]",
    "cntZensen|前線の表示(&R) [x]",
    "-",
    "cntAllData|全観測地のデータを表示(&A) [x]",
    "cntZoomUp|天気記号を拡大表示(&Z) [ ]",
    "-",
    "cntMitame|天気図の見た目：気象庁風(&C) [ ]",
    "cntHanrei|凡例(&L) [x]",
    "}",
    "-",
    "cntClsLine|天気図の表示を消す(&E)",
    "-",
    "cntRittai|気圧の立体表示(&T)",
    "cntTKankaku|等圧線の間隔の変更(&K)",
    "cntSyusei|等圧線の修正、保存(&U)",
    "cntRenshuu|等圧線を引く練習(&P)",
    "-",
    "cntColor|天気図の色の設定(&O)",
    "cntAdjust|地図と画像の位置調整(&J)",
    "}",
    "mnuKiatuClear|気圧の表示を消す(&P)",
    "cntHim|気象衛星画像(&S){",
    "cntDanmen|雲の断面図(&D)",
    "-",
    "cntCopy|画像をクリップボードにコピー(&C)",
    "cntMapCopy|天気図をクリップボードにコピー(&M)",
    "-",
    "cntClsBMP|気象衛星画像の表示を消す(&E)",
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

// Alt and a letter reach every item, one letter per item in each menu.
TEST_F(MainWindow, EveryMenuItemHasAMnemonicOfItsOwn) {
  for (const QMenu* menu : window.menuBar()->findChildren<QMenu*>()) {
    std::set<QKeySequence> letters;
    for (const QAction* action : menu->actions()) {
      if (action->isSeparator()) continue;
      const QKeySequence mnemonic = QKeySequence::mnemonic(action->text());
      EXPECT_FALSE(mnemonic.isEmpty()) << action->objectName().toStdString();
      EXPECT_TRUE(letters.insert(mnemonic).second) << action->objectName().toStdString();
    }
  }
}

TEST_F(MainWindow, TheIntervalDialogShowsItsWholeTitle) {
  int width = 0;
  int title = 0;
  testing::WhenModalOpens<QInputDialog>([&](QInputDialog* dialog) {
    width = dialog->width();
    title = dialog->fontMetrics().horizontalAdvance(dialog->windowTitle());
    dialog->reject();
  });
  window.MenuAction("cntTKankaku")->trigger();
  EXPECT_GE(width, title + 160) << "room for the title bar's buttons beside the title";
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

// At the window's first size the map shows at its own size with scroll bars;
// 全体を表示 fits it to the window. Clicks are in map units either way.
TEST_F(MainWindow, TheWholeMapIsReachableByScrollingOrFittedToTheWindow) {
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  auto* scroll = testing::Child<QScrollArea>(window, "MapScroll");
  MapSurface* map = window.Picture1();
  QScrollBar* down = scroll->verticalScrollBar();
  ASSERT_GT(down->maximum(), 0) << "the southern part needs the scroll bar";
  down->setValue(down->maximum());
  QSignalSpy presses(map, &MapSurface::MousePressed);
  const QPoint southWest(10, map->height() - 5);
  EXPECT_TRUE(scroll->viewport()->rect().contains(map->mapTo(scroll->viewport(), southWest)));
  QTest::mouseClick(map, Qt::LeftButton, {}, southWest);
  const PointF expected = window.Canvas().FromPixels({10, static_cast<double>(window.Canvas().PixelHeight() - 5)});
  ASSERT_EQ(presses.size(), 1);
  EXPECT_NEAR(presses[0][2].toDouble(), expected.y, 1e-6);

  window.cmdZentai->click();
  QApplication::processEvents();  // the scroll area lays the map out again
  EXPECT_EQ(down->maximum(), 0);
  EXPECT_EQ(map->size(), scroll->viewport()->size());
  QTest::mouseClick(map, Qt::LeftButton, {}, QPoint(map->width() / 2, map->height() / 2));
  ASSERT_EQ(presses.size(), 2);
  EXPECT_LT(presses[1][2].toDouble(), expected.y) << "the middle of the whole map lies north of its southern edge";
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
