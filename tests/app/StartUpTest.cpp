#include "app/StartUp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "app/FileCommands.h"
#include "io/FileIo.h"
#include "support/Files.h"
#include "support/TempFolder.h"
#include "support/TestApp.h"

namespace nimbara {
namespace {

namespace fs = std::filesystem;
using testing::TestApp;

// A start directory of its own, and the current directory put back after.
class StartUpTest : public ::testing::Test {
 protected:
  StartUpTest()
      : start(temp.Path()), before(fs::current_path()) {
    fs::remove_all(start);
    fs::create_directories(start + "/data");
    options.startDirectory = start;
  }
  ~StartUpTest() override {
    fs::current_path(before);
    fs::remove_all(start);
  }
  void WriteSettingsWithLastFile(const std::string& lastFile) {
    testing::WriteCp932Text(start + "/Nimbara.ini", "最終表示ファイル=" + lastFile + "\r\n");
  }
  testing::TempFolder temp;
  std::string start;
  fs::path before;
  StartUpOptions options;
  TestApp app;
};

TEST_F(StartUpTest, GreetsWithSixteenLinesEndedByCrLf) {
  MDIForm_Load(app.Context(), options);
  ASSERT_EQ(app.ui.messages.size(), 1u);
  EXPECT_EQ(app.ui.messages[0].title, "ごあいさつ");
  const std::string& text = app.ui.messages[0].text;
  EXPECT_EQ(text.substr(0, text.find("\r\n")), "　ニンバラ「Nimbara2 (for インターネット)」を");
  std::size_t lines = 0;
  for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++lines;
  EXPECT_EQ(lines, 16u);
  EXPECT_EQ(text.substr(text.size() - 4), "\r\n\r\n");
}

TEST_F(StartUpTest, TicksEveryLayerButTheEnlargedSymbols) {
  app.state.layers = {false, false, false, false, false, false, true};
  MDIForm_Load(app.Context(), options);
  const LayerSwitches& layers = app.state.layers;
  EXPECT_TRUE(layers.map && layers.isobars && layers.weather && layers.wind && layers.fronts &&
              layers.allData);
  EXPECT_FALSE(layers.zoomUp);
}

TEST_F(StartUpTest, TheRememberedChartStyleDrawsTheChartsEmptyMap) {
  testing::WriteCp932Text(start + "/Nimbara.ini", "天気図の見た目=気象庁風\r\n凡例=非表示\r\n");
  MDIForm_Load(app.Context(), options);
  EXPECT_TRUE(app.state.layers.chartStyle);
  EXPECT_FALSE(app.state.layers.legend);
  const auto& lines = app.canvas.Lines();
  EXPECT_GT(std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("polyline", 0) == 0; }),
            100);
}

TEST_F(StartUpTest, SettingsPathIsInTheStartDirectory) {
  MDIForm_Load(app.Context(), options);
  EXPECT_EQ(app.state.settingsPath, start + "/Nimbara.ini");
  EXPECT_TRUE(app.state.fullDataMode);
}

TEST_F(StartUpTest, LoadsTheEntryWindowsBeforeDrawingTheBaseMap) {
  std::size_t linesWhenLoaded = 1;
  options.loadEntryWindows = [&] { linesWhenLoaded = app.canvas.Lines().size(); };
  MDIForm_Load(app.Context(), options);
  EXPECT_EQ(linesWhenLoaded, 0u);
  EXPECT_GT(app.canvas.Lines().size(), 200u);  // the coastline
}

TEST_F(StartUpTest, WithoutSettingsTheCurrentDirectoryStays) {
  const fs::path here = fs::current_path();
  MDIForm_Load(app.Context(), options);
  EXPECT_EQ(fs::current_path(), here);
  EXPECT_EQ(app.state.view, MapView{});
}

TEST_F(StartUpTest, TheFolderOfTheLastFileBecomesCurrent) {
  WriteSettingsWithLastFile(start + "/data/gone.txt");
  MDIForm_Load(app.Context(), options);
  EXPECT_EQ(fs::current_path(), fs::path(start + "/data"));
}

TEST_F(StartUpTest, AFirstStartShowsTheSampleButLaterStartsTheLastFile) {
  options.sample = SampleData{start + "/data/sample.txt", {}};
  MDIForm_Load(app.Context(), options);
  EXPECT_EQ(app.state.currentFilePath, "");

  WriteSettingsWithLastFile(start + "/data/last.txt");
  TestApp later;
  MDIForm_Load(later.Context(), options);
  EXPECT_EQ(later.state.currentFilePath, start + "/data/last.txt");
}

TEST_F(StartUpTest, UnloadStopsARunAndWritesTheSettings) {
  MDIForm_Load(app.Context(), options);
  app.state.currentFilePath = "/somewhere/map.txt";
  app.state.slideShowRunning = true;
  app.state.clickMode = ClickMode::SlideShow;
  MDIForm_Unload(app.Context());
  EXPECT_FALSE(app.state.slideShowRunning);
  EXPECT_EQ(app.state.clickMode, ClickMode::None);
  const std::optional<std::string> written = ReadCp932File(start + "/Nimbara.ini");
  ASSERT_TRUE(written.has_value());
  EXPECT_NE(written->find("最終表示ファイル=/somewhere/map.txt"), std::string::npos);
}

// Yes saves as データファイル保存 does (and stays when nothing was saved), No
// ends, Cancel stays.
TEST_F(StartUpTest, EndingAsksWhetherToSaveChangedObservations) {
  const std::string chosen = start + "/data/map";
  const struct {
    YesNoCancel answer;
    std::optional<std::string> chosen;
    bool ends;
  } cases[] = {{YesNoCancel::Cancel, {}, false},
               {YesNoCancel::No, {}, true},
               {YesNoCancel::Yes, std::nullopt, false},
               {YesNoCancel::Yes, chosen, true}};
  for (const auto& c : cases) {
    TestApp app;
    MDIForm_Load(app.Context(), options);
    EXPECT_TRUE(MDIForm_QueryUnload(app.Context()));
    EXPECT_TRUE(app.ui.questions.empty());
    app.state.store.observationDate = "changed";
    app.ui.yesNoCancelAnswers = {c.answer};
    app.ui.chooserAnswers = {c.chosen};
    EXPECT_EQ(MDIForm_QueryUnload(app.Context()), c.ends);
    EXPECT_EQ(app.ui.questions.size(), 1u);
  }
  EXPECT_TRUE(FileExists(chosen + ".txt"));
}

TEST_F(StartUpTest, ALoadedFileLeavesNothingUnsaved) {
  app.state.store.observationDate = "changed";
  app.state.currentFilePath = std::string(NIMBARA_SAMPLES) + "/20240115_06.txt";
  LoadSub2(app.Context());
  EXPECT_TRUE(MDIForm_QueryUnload(app.Context()));
  EXPECT_TRUE(app.ui.questions.empty());
}

// The desktop, the command line and the web page all start through it.
TEST(StartSession, EntryListsGetARowPerRecordAndTheCanvasTheViewAndBackground) {
  TestApp app;
  app.state.store.shipCount = 2;
  app.state.store.systemCount = 3;
  app.state.view = {10, 20, 400, 300};
  app.state.colours[ColourSlot::Background] = Rgb(1, 2, 3);
  StartSession(app.Context());
  EXPECT_EQ(app.state.stationRows.Count(), kBuiltInStationCount);
  EXPECT_EQ(app.state.shipRows.Count(), 2);
  EXPECT_EQ(app.state.systemRows.Count(), 3);
  EXPECT_EQ(app.canvas.Scale(), app.state.view);
  EXPECT_EQ(app.canvas.BackColour(), Rgb(1, 2, 3));
}

TEST(SampleLookup, TakesTheFirstDataFileOfTheFirstFolderThatHasOne) {
  const testing::TempFolder temp;
  const fs::path root = temp.Path();
  fs::remove_all(root);
  fs::create_directories(root / "empty");
  fs::create_directories(root / "samples");
  std::ofstream(root / "samples" / "a_bulletin.txt") << "not a data file\r\n";
  testing::WriteCp932Text((root / "samples" / "b_map.txt").string(), "\"2026/12/07 06\",\"各地の天気\"\r\n");
  std::ofstream(root / "samples" / "c_map.txt") << "\"x\",\""
                                                << "\r\n";
  const auto found =
      FindSampleData({(root / "missing").string(), (root / "empty").string(), (root / "samples").string()});
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(fs::path(found->dataFile).filename(), "b_map.txt");
  EXPECT_FALSE(FindSampleData({(root / "empty").string()}).has_value());
  fs::remove_all(root);
}

TEST(SampleLookup, TheBundledSamplesOfferADataFile) {
  const auto found = FindSampleData({NIMBARA_SAMPLES});
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(fs::path(found->dataFile).extension(), ".txt");
  EXPECT_TRUE(found->bulletins.empty());
}

TEST(SampleLookup, WithoutADataFileTakesTheFirstBulletinPair) {
  const testing::TempFolder temp;
  const fs::path folder = temp.Path();
  fs::remove_all(folder);
  fs::create_directories(folder / "bulletins");
  for (const char* name : {"summer_stations.txt", "summer_systems.txt", "winter_stations.txt"})
    fs::copy_file(fs::path(NIMBARA_SAMPLES) / "bulletins" / name, folder / "bulletins" / name);
  const auto found = FindSampleData({(folder / "missing").string(), folder.string()});
  fs::remove_all(folder);
  ASSERT_TRUE(found.has_value());
  EXPECT_TRUE(found->dataFile.empty());
  ASSERT_EQ(found->bulletins.size(), 2u);
  EXPECT_EQ(fs::path(found->bulletins[0]).filename(), "summer_stations.txt");
  EXPECT_EQ(fs::path(found->bulletins[1]).filename(), "summer_systems.txt");
}

TEST(SampleLookup, ExecutableDirectoriesCoverBuildTreeAndInstallation) {
  EXPECT_EQ(SampleDirectories("/opt/app/bin"),
            (std::vector<std::string>{"/opt/app/bin/../../samples", "/opt/app/bin/../share/nimbara/samples",
                                      "/opt/app/bin/samples"}));
}

// The sample is shown, not remembered: the next start stays in the folder it
// was started in instead of moving every chooser into the samples.
TEST_F(StartUpTest, AFirstStartShowsTheBundledSampleMapWithoutRememberingIt) {
  const fs::path here = fs::current_path();
  options.sample = FindSampleData({NIMBARA_SAMPLES});
  MDIForm_Load(app.Context(), options);
  EXPECT_GT(app.state.stationRows.Count(), 0);
  EXPECT_GT(app.state.systemRows.Count(), 0);
  EXPECT_TRUE(app.state.field.grid.IsValid());
  EXPECT_EQ(app.ui.messages.back().title, "ごあいさつ");
  MDIForm_Unload(app.Context());

  TestApp later;
  MDIForm_Load(later.Context(), options);
  EXPECT_EQ(later.state.currentFilePath, "");
  EXPECT_EQ(fs::current_path(), here);
}

TEST_F(StartUpTest, AFirstStartWithSampleBulletinsDrawsTheirMapWithoutWindows) {
  options.sample = SampleData{{}, {std::string(NIMBARA_SAMPLES) + "/bulletins/summer_stations.txt",
                                   std::string(NIMBARA_SAMPLES) + "/bulletins/summer_systems.txt"}};
  app.ui.yesNoAnswers = {true, true};
  MDIForm_Load(app.Context(), options);
  EXPECT_GT(app.state.stationRows.Count(), 0);
  EXPECT_GT(app.state.systemRows.Count(), 0);
  EXPECT_TRUE(app.state.field.grid.IsValid());
  EXPECT_EQ(app.ui.windowEvents.back(), "hide Gyogyou");
  EXPECT_TRUE(app.state.currentFilePath.empty());
  EXPECT_EQ(app.ui.messages.back().title, "ごあいさつ");
}

}  // namespace
}  // namespace nimbara
