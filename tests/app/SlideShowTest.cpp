#include "app/SlideShow.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "app/DropCommands.h"
#include "app/FileCommands.h"
#include "app/FileListing.h"
#include "support/TempFolder.h"
#include "core/Bmp.h"
#include "io/FileIo.h"
#include "io/FileNames.h"
#include "support/TestApp.h"

namespace nimbara {
namespace {

using testing::TempFolder;
using testing::ScriptedUi;
using testing::TestDataPath;

// A Ui whose event processing runs a hook, as a click on the map would run
// inside a slide show's wait.
class RunUi : public ScriptedUi {
 public:
  std::function<void()> onEvents;
  void ProcessEvents() override {
    ScriptedUi::ProcessEvents();
    if (onEvents) onEvents();
  }
};

struct RunApp {
  AppState state;
  RecordingCanvas canvas;
  RunUi ui;
  std::vector<std::string> seen;  // the current file path at each event processing
  RunApp() {
    ui.onEvents = [this] { seen.push_back(state.currentFilePath); };
  }
  AppContext Context() { return {state, canvas, ui}; }
  // Stops the run as a click on the map does, at the n-th event processing.
  void ClickMapAt(int n) {
    ui.onEvents = [this, n] {
      seen.push_back(state.currentFilePath);
      if (ui.processEventsCalls == n) {
        state.slideShowRunning = false;
        state.clickMode = ClickMode::None;
      }
    };
  }
};

void CopyData(const std::string& to) {
  std::filesystem::copy_file(TestDataPath("data_realistic.txt"), to,
                             std::filesystem::copy_options::overwrite_existing);
}

// Keeps the current directory of the test process as it was.
class InFolder {
 public:
  explicit InFolder(const std::string& folder) : m_previous(CurrentDirectory()) { SetCurrentDirectory(folder); }
  ~InFolder() { SetCurrentDirectory(m_previous); }

 private:
  std::string m_previous;
};

TEST(ContLayout, EachKindShowsItsOptionsAndPattern) {
  const ContLayout data = ContLayoutForKind(SlideShowKind::DataFiles);
  EXPECT_EQ(data.caption, "天気図データ連続表示");
  EXPECT_FALSE(data.options[0].visible);
  EXPECT_FALSE(data.options[1].visible);
  EXPECT_EQ(data.options[2].caption, "*.txt 観測ﾃﾞｰﾀ");
  EXPECT_EQ(data.selectedOption, 2);
  EXPECT_EQ(data.pattern, "*.txt");

  const ContLayout isobars = ContLayoutForKind(SlideShowKind::IsobarFiles);
  EXPECT_EQ(isobars.caption, "等圧線連続表示");
  EXPECT_EQ(isobars.options[2].caption, "*.cnt 等圧線ﾃﾞｰﾀ");
  EXPECT_EQ(isobars.pattern, "*.cnt");

  const ContLayout pictures = ContLayoutForKind(SlideShowKind::Pictures);
  EXPECT_EQ(pictures.caption, "気象衛星画像の連続表示");
  EXPECT_TRUE(pictures.options[0].visible);
  EXPECT_EQ(pictures.options[2].caption, "*.jpg");
  EXPECT_EQ(pictures.selectedOption, 3);
  EXPECT_EQ(pictures.pattern, "*.*");
}

TEST(ContLayout, OptionsChooseThePattern) {
  const std::pair<SlideShowKind, std::array<const char*, 4>> byKind[] = {
      {SlideShowKind::DataFiles, {"*.*", "*.*", "*.txt", "*.*"}},
      {SlideShowKind::IsobarFiles, {"*.*", "*.*", "*.cnt", "*.*"}},
      {SlideShowKind::Pictures, {"*.gif", "*.bmp", "*.jpg", "*.*"}},
      {SlideShowKind::PracticeFiles, {"*.*", "*.*", "*.practice.txt", "*.*"}}};
  for (const auto& [kind, patterns] : byKind)
    for (int option = 0; option < 4; ++option)
      EXPECT_EQ(ContOptionPattern(kind, option), patterns[static_cast<std::size_t>(option)]) << option;
}

TEST(SlideShowMenu, CommandsSetKindAndFlavourAndShowCont) {
  testing::TestApp app;
  app.state.fullDataMode = true;
  mnuTenkiRenzoku_Click(app.Context());
  EXPECT_EQ(app.state.slideShowKind, SlideShowKind::DataFiles);
  EXPECT_FALSE(app.state.fullDataMode);
  cntRenzoku_Click(app.Context());
  EXPECT_EQ(app.state.slideShowKind, SlideShowKind::IsobarFiles);
  EXPECT_FALSE(app.state.fullDataMode);
  mnuDataRenzoku_Click(app.Context());
  EXPECT_TRUE(app.state.fullDataMode);
  cntGRenzoku_Click(app.Context());
  EXPECT_EQ(app.state.slideShowKind, SlideShowKind::Pictures);
  EXPECT_EQ(app.ui.windowEvents, (std::vector<std::string>(4, "show Cont")));
}

TEST(SlideShowPause, AcceptsZeroToTenAndAsksAgainOtherwise) {
  testing::TestApp app;
  app.ui.inputAnswers = {"11", "abc", "-1", "２．５"};
  AskSlideShowPause(app.Context());
  EXPECT_FLOAT_EQ(app.state.slideShowPause, 2.5f);
  ASSERT_EQ(app.ui.inputPrompts.size(), 4u);
  EXPECT_EQ(app.ui.inputPrompts[0],
            "表示時間の設定|表示する時間は1秒ごとです。\r\n何秒間隔で表示しますか？\r\n（0から10）");
  ASSERT_EQ(app.ui.messages.size(), 3u);
  EXPECT_EQ(app.ui.messages[0].title, "連続表示の注意");
  EXPECT_EQ(app.ui.messages[0].text, "正しい数値を入力して下さい（０～１０）");

  for (const char* edge : {"0", "10"}) {
    app.ui.inputAnswers = {edge};
    AskSlideShowPause(app.Context());
    EXPECT_FLOAT_EQ(app.state.slideShowPause, std::stof(edge));
  }
  EXPECT_EQ(app.ui.inputPrompts.back(),
            "表示時間の設定|表示する時間は0秒ごとです。\r\n何秒間隔で表示しますか？\r\n（0から10）");
}

TEST(SlideShowPause, CancelOrEmptyKeepsThePause) {
  testing::TestApp app;
  app.state.slideShowPause = 3.0f;
  app.ui.inputAnswers = {std::string()};
  AskSlideShowPause(app.Context());
  AskSlideShowPause(app.Context());  // cancelled
  EXPECT_FLOAT_EQ(app.state.slideShowPause, 3.0f);
  EXPECT_TRUE(app.ui.messages.empty());
}

TEST(SlideShowStart, OneFileDoesNothing) {
  RunApp app;
  EXPECT_EQ(PlaySlideShow(app.Context(), {{"a.txt"}, {true}}, [] { return false; }),
            SlideShowOutcome::TooFewFiles);
  EXPECT_TRUE(app.ui.messages.empty());
  EXPECT_TRUE(app.ui.windowEvents.empty());
  EXPECT_FALSE(app.state.slideShowRunning);
}

TEST(SlideShowStart, NothingSelectedExplainsHowToSelect) {
  RunApp app;
  EXPECT_EQ(PlaySlideShow(app.Context(), {{"a.txt", "b.txt"}, {false, false}}, [] { return false; }),
            SlideShowOutcome::NothingSelected);
  ASSERT_EQ(app.ui.messages.size(), 1u);
  EXPECT_EQ(app.ui.messages[0].title, "連続表示のファイル選択について");
  EXPECT_EQ(app.ui.messages[0].text,
            "ファイルを複数選択して下さい。\r\n\r\n「全ファイルを選択」のボタンを押すか、\r\n"
            "表示させたいファイルをクリックしてして下さい。\r\n\r\nShiftキーやCtrlキーを押しながらクリックすると\r\n"
            "ファイル選択が便利になります。");
  EXPECT_TRUE(app.ui.windowEvents.empty());
}

TEST(SlideShowRun, PlaysSelectedDataFilesInListOrderWithPauseZero) {
  TempFolder folder;
  InFolder inside(folder.Path());
  for (const char* name : {"01.txt", "02.txt", "03.txt"}) CopyData(name);
  RunApp app;
  app.state.slideShowPause = 0.0f;
  app.state.fullDataMode = false;
  // A missing file is passed over without a word.
  const SlideShowList list{{"01.txt", "02.txt", "gone.txt", "03.txt"}, {true, false, true, true}};
  EXPECT_EQ(PlaySlideShow(app.Context(), list, [] { return false; }), SlideShowOutcome::Played);

  // Pause 0: events processed exactly once after each file. The file is
  // remembered by its full path, so that the next start finds it.
  EXPECT_EQ(app.seen, (std::vector<std::string>{folder.File("01.txt"), folder.File("01.txt"), folder.File("03.txt")}));
  EXPECT_EQ(app.ui.windowEvents.front(), "hide Cont");
  EXPECT_EQ(app.ui.windowEvents.back(), "show Cont");
  EXPECT_EQ(app.state.store.observationDate, "2024年1月15日 9時");
  EXPECT_FALSE(app.state.slideShowRunning);
  EXPECT_EQ(app.state.clickMode, ClickMode::None);
  EXPECT_TRUE(app.ui.messages.empty());
}

TEST(SlideShowRun, WaitsThePauseWhileProcessingEvents) {
  TempFolder folder;
  InFolder inside(folder.Path());
  CopyData("a.txt");
  CopyData("b.txt");
  RunApp app;
  app.state.slideShowPause = 1.0f;  // four clock steps of 0.25 s, plus the final processing
  PlaySlideShow(app.Context(), {{"a.txt", "b.txt"}, {true, true}}, [] { return false; });
  EXPECT_EQ(app.ui.processEventsCalls, 2 * 5);
}

TEST(SlideShowRun, ClockGoingBackAtMidnightEndsTheWait) {
  TempFolder folder;
  InFolder inside(folder.Path());
  CopyData("a.txt");
  CopyData("b.txt");
  RunApp app;
  app.state.slideShowPause = 10.0f;
  app.ui.clock = 86399.0;
  app.ui.onEvents = [&app] {
    if (app.ui.clock > 86000.0) app.ui.clock = 0.0;  // midnight during the first wait
  };
  PlaySlideShow(app.Context(), {{"a.txt", "b.txt"}, {true, true}}, [] { return false; });
  // First wait: one processing, then the clock is found gone back; second wait: 10 s in 0.25 s steps.
  EXPECT_EQ(app.ui.processEventsCalls, (1 + 1) + (40 + 1));
}

TEST(SlideShowRun, RepeatsUntilTheMapIsClicked) {
  TempFolder folder;
  InFolder inside(folder.Path());
  CopyData("a.txt");
  CopyData("b.txt");
  RunApp app;
  app.state.slideShowPause = 0.0f;
  app.ClickMapAt(7);
  int passes = 0;
  PlaySlideShow(app.Context(), {{"a.txt", "b.txt"}, {true, true}}, [&passes] { return ++passes, true; });
  const std::string a = folder.File("a.txt"), b = folder.File("b.txt");
  EXPECT_EQ(app.seen, (std::vector<std::string>{a, b, a, b, a, b, a}));
  EXPECT_EQ(passes, 3);
  EXPECT_EQ(app.ui.windowEvents.back(), "show Cont");
}

TEST(SlideShowRun, IsobarFilesRedrawTheIsobarMapAndUnreadableOnesAreSkipped) {
  RunApp app;
  app.state.slideShowKind = SlideShowKind::IsobarFiles;
  app.state.slideShowPause = 0.0f;
  app.state.store.shipCount = 5;
  PlaySlideShow(app.Context(), {{TestDataPath("isobar_small.cnt"), "missing.cnt"}, {true, true}},
                [] { return false; });
  EXPECT_EQ(app.state.store.shipCount, 0);
  EXPECT_EQ(app.state.field.grid.At(0, 0), 101000);
  ASSERT_FALSE(app.canvas.Lines().empty());
  EXPECT_EQ(app.canvas.Lines().front(), "clear");
  EXPECT_TRUE(app.ui.messages.empty());
}

TEST(SlideShowRun, PracticeDrawingsShowOnTheirMapsWithTheAnswer) {
  testing::TempFolder folder;
  std::filesystem::copy_file(std::string(NIMBARA_SAMPLES) + "/20240115_06.txt", folder.File("map.txt"));
  ASSERT_TRUE(WriteFileAtomically(folder.File("map.practice.txt"), "1012,100,100,150,120\r\n"));
  RunApp app;
  mnuRenshuuRenzoku_Click(app.Context());
  EXPECT_EQ(ContLayoutForKind(app.state.slideShowKind).caption, "等圧線の練習の連続表示");
  app.state.slideShowPause = 0.0f;
  app.ui.yesNoAnswers.assign(4, true);
  PlaySlideShow(app.Context(), {{folder.File("map.practice.txt"), folder.File("gone.practice.txt")}, {true, true}},
                [] { return false; });
  EXPECT_EQ(app.state.currentFilePath, folder.File("map.txt"));
  EXPECT_TRUE(app.state.practice.answerShown);
  const auto& log = app.canvas.Lines();
  const auto pupil = std::find(log.begin(), log.end(), "polyline 2 #0000A0 100 100 150 120");
  ASSERT_NE(pupil, log.end());
  EXPECT_NE(std::find_if(pupil, log.end(), [](const std::string& l) { return l.starts_with("polyline 1 #E60078"); }),
            log.end());
}

TEST(SlideShowRun, PicturesReplaceTheBackgroundOnly) {
  TempFolder folder;
  const Picture picture{1, 1, {0xFF808080u}};
  std::ofstream(folder.File("ir.bmp"), std::ios::binary) << EncodeBmp(picture);
  std::ofstream(folder.File("notes.gif")) << "not a picture";
  RunApp app;
  app.state.slideShowKind = SlideShowKind::Pictures;
  app.state.slideShowPause = 0.0f;
  PlaySlideShow(app.Context(), {{folder.File("ir.bmp"), folder.File("notes.gif")}, {true, true}},
                [] { return false; });
  EXPECT_EQ(app.canvas.GetPicture(), picture);
  EXPECT_TRUE(app.canvas.Lines().empty());
}

class Browse : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"2024011509.txt", "2024011512.txt", "2024011515.txt"}) CopyData(m_folder.File(name));
    std::ofstream(m_folder.File("notes.dat")) << "other";
  }
  std::string InFolderPath(const std::string& name) const { return m_folder.Path() + "/" + name; }
  void Press(BrowseButton button) { cmdPlay_Click(m_app.Context(), button); }

  TempFolder m_folder;
  InFolder m_inside{m_folder.Path()};
  RunApp m_app;
};

TEST_F(Browse, FirstAndLastLoadTheEndsOfTheNameOrder) {
  m_app.state.fullDataMode = false;
  Press(BrowseButton::Last);
  EXPECT_EQ(m_app.state.currentFilePath, InFolderPath("2024011515.txt"));
  EXPECT_TRUE(m_app.state.fullDataMode);
  Press(BrowseButton::First);
  EXPECT_EQ(m_app.state.currentFilePath, InFolderPath("2024011509.txt"));
}

TEST_F(Browse, NextAndPreviousStopAtTheEnds) {
  m_app.state.currentFilePath = InFolderPath("2024011509.txt");
  Press(BrowseButton::Previous);
  EXPECT_EQ(m_app.state.currentFilePath, InFolderPath("2024011509.txt"));
  EXPECT_TRUE(m_app.canvas.Lines().empty());
  Press(BrowseButton::Next);
  Press(BrowseButton::Next);
  EXPECT_EQ(m_app.state.currentFilePath, InFolderPath("2024011515.txt"));
  m_app.canvas.ClearLog();
  Press(BrowseButton::Next);
  EXPECT_EQ(m_app.state.currentFilePath, InFolderPath("2024011515.txt"));
  EXPECT_TRUE(m_app.canvas.Lines().empty());
  Press(BrowseButton::Previous);
  EXPECT_EQ(m_app.state.currentFilePath, InFolderPath("2024011512.txt"));
}

TEST_F(Browse, FileOutsideTheFolderCountsAsTheFirst) {
  m_app.state.currentFilePath = "/elsewhere/2024011512.txt";
  Press(BrowseButton::Previous);
  EXPECT_EQ(m_app.state.currentFilePath, "/elsewhere/2024011512.txt");
  Press(BrowseButton::Next);
  EXPECT_EQ(m_app.state.currentFilePath, InFolderPath("2024011512.txt"));
}

TEST_F(Browse, OneFileDoesNothing) {
  std::filesystem::remove(m_folder.File("2024011512.txt"));
  std::filesystem::remove(m_folder.File("2024011515.txt"));
  for (BrowseButton button : {BrowseButton::First, BrowseButton::Previous, BrowseButton::Stop, BrowseButton::Run,
                              BrowseButton::Next, BrowseButton::Last})
    Press(button);
  EXPECT_EQ(m_app.state.currentFilePath, "");
  EXPECT_TRUE(m_app.canvas.Lines().empty());
  EXPECT_TRUE(m_app.ui.messages.empty());
}

TEST_F(Browse, RunGoesRoundFromTheNextFileUntilStopped) {
  m_app.state.currentFilePath = InFolderPath("2024011512.txt");
  m_app.ui.onEvents = [this] {
    m_app.seen.push_back(FileNameOf(m_app.state.currentFilePath));
    EXPECT_EQ(m_app.state.clickMode, ClickMode::SlideShow);
    if (m_app.ui.processEventsCalls == 4) Press(BrowseButton::Stop);
  };
  Press(BrowseButton::Run);
  EXPECT_EQ(m_app.seen,
            (std::vector<std::string>{"2024011515.txt", "2024011509.txt", "2024011512.txt", "2024011515.txt"}));
  EXPECT_FALSE(m_app.state.slideShowRunning);
  EXPECT_EQ(m_app.state.clickMode, ClickMode::None);
}

TEST_F(Browse, StopOnlyEndsASlideShowMode) {
  m_app.state.clickMode = ClickMode::NorthSouth;
  Press(BrowseButton::Stop);
  EXPECT_EQ(m_app.state.clickMode, ClickMode::NorthSouth);
}

TEST(FileList, NamesRunInCodePointOrder) {
  TempFolder folder;
  for (const char* name : {"𠀋.txt", "ａ.txt", "a.txt", "B.txt", "notes.dat"}) std::ofstream(folder.File(name)) << "x";
  EXPECT_EQ(ListFiles(folder.Path(), "*.txt"), (std::vector<std::string>{"B.txt", "a.txt", "ａ.txt", "𠀋.txt"}));
}

TEST(FilePattern, WildcardsWithoutCase) {
  EXPECT_TRUE(MatchesFilePattern("2024.TXT", "*.txt"));
  EXPECT_FALSE(MatchesFilePattern("2024.txt.bak", "*.txt"));
  EXPECT_TRUE(MatchesFilePattern("README", "*.*"));
  EXPECT_TRUE(MatchesFilePattern("ir01.jpg", "ir??.jpg;*.gif"));
  EXPECT_TRUE(MatchesFilePattern("a.gif", "*.jpg;*.gif"));
  EXPECT_FALSE(MatchesFilePattern("ir1.jpg", "ir??.jpg"));
  EXPECT_FALSE(MatchesFilePattern("a.gif", ""));
}

// Every way of putting other observations in place of unsaved ones asks first,
// as the end does: Cancel keeps them, No goes on.
struct ReplacingWay {
  const char* name;
  const char* title;
  std::function<void(const AppContext&)> replace;  // puts 02.txt in place of 01.txt
};

void PrintTo(const ReplacingWay& way, std::ostream* out) { *out << way.name; }

class ReplacingUnsavedObservations : public ::testing::TestWithParam<ReplacingWay> {};

TEST_P(ReplacingUnsavedObservations, AsksFirstAndCancelKeepsThem) {
  TempFolder folder;
  InFolder inside(folder.Path());
  for (const char* name : {"01.txt", "02.txt"}) CopyData(name);
  for (const YesNoCancel answer : {YesNoCancel::Cancel, YesNoCancel::No}) {
    RunApp app;
    app.state.slideShowPause = 0.0f;
    ASSERT_TRUE(LoadDataFileAt(app.Context(), folder.File("01.txt")));
    app.state.store.stationRecords[0].temperature = 99;
    app.ui.yesNoCancelAnswers = {answer};
    app.ui.chooserAnswers = {folder.File("02.txt")};
    GetParam().replace(app.Context());
    ASSERT_EQ(app.ui.questions.size(), 1u);
    EXPECT_TRUE(app.ui.questions[0].starts_with(std::string(GetParam().title) + "|観測データが保存されていません。"));
    EXPECT_EQ(app.state.store.stationRecords[0].temperature == 99, answer == YesNoCancel::Cancel);
  }
}

INSTANTIATE_TEST_SUITE_P(
    EveryWay, ReplacingUnsavedObservations,
    ::testing::Values(
        ReplacingWay{"LoadMenu", "データファイル読み込み", cntLoad_Click},
        ReplacingWay{"Drop", "データファイル読み込み",
                     [](const AppContext& app) { DropFiles(app, {"02.txt"}); }},
        ReplacingWay{"BrowseNext", "データファイル読み込み",
                     [](const AppContext& app) { cmdPlay_Click(app, BrowseButton::Next); }},
        ReplacingWay{"SlideShow", "連続表示",
                     [](const AppContext& app) {
                       PlaySlideShow(app, {{"01.txt", "02.txt"}, {false, true}}, [] { return false; });
                     }}),
    [](const ::testing::TestParamInfo<ReplacingWay>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace nimbara
