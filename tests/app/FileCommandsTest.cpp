#include "app/FileCommands.h"
#include "app/SavedObservations.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "app/SettingsCommands.h"
#include "core/Bmp.h"
#include "core/CodeTables.h"
#include "core/Rows.h"
#include "io/FileIo.h"
#include "support/Files.h"
#include "support/TempFolder.h"
#include "support/TestApp.h"

namespace nimbara {
namespace {

using testing::TempFolder;
using testing::TestApp;
using testing::TestDataPath;

constexpr int kNaha = 1;

void AllLayersOff(AppState& state) { state.layers = {false, false, false, false, false, true, false}; }

// A store with observations and the rows the entry windows would show;
// stations without an observation hold "不明", as they read back.
void Observe(AppState& state) {
  ObservationStore& store = state.store;
  for (int slot = 0; slot < store.stationCount; ++slot)
    store.stationRecords[slot].weather = WeatherCode("不明");
  store.observationDate = "2024年1月15日, 9時";
  store.stationRecords[0] = {DirectionCode("北北西"), 3, WeatherCode("くもり"), 1012, 25};
  store.stationRecords[kNaha] = {DirectionCode("西"), 12, WeatherCode("雨"), 998, -5};
  store.stations.names[2] = "\"南大東\"島";
  store.shipCount = 2;
  store.ships[0] = {40, 145, DirectionCode("西"), 6, WeatherCode("雪"), 992};
  store.ships[1] = {30, 130, DirectionCode("北"), 5, WeatherCode("くもり"), 1022};
  store.systemCount = 2;
  store.systems[0] = {"低気圧", 44, 150, 980};
  store.systems[1] = {"寒冷前線", 46, 154, 0};
  state.stationRows.rows.clear();
  for (int slot = 0; slot < store.stationCount; ++slot)
    state.stationRows.rows.push_back(FormatStationRow(store, slot));
  state.shipRows.rows = {FormatShipRow(store, 0), FormatShipRow(store, 1)};
  state.systemRows.rows = {FormatSystemRow(store, 0), FormatSystemRow(store, 1)};
  state.colours[ColourSlot::Background] = 0xC0FFC0;
  state.colours[ColourSlot::ColdFront] = 0x123456;
  state.view = {-10.0f, 20.0f, 300.0f, 310.0f};
  state.isobar = IsobarInterval::FromHectopascals(2.0f);
}

Picture SmallPicture(std::uint32_t colour) { return {2, 1, {colour, 0xFF000000}}; }

void WriteBmp(const std::string& path, const Picture& picture) {
  ASSERT_TRUE(WriteFileAtomically(path, EncodeBmp(picture)));
}

struct Saved {
  TempFolder folder;
  TestApp writer;

  explicit Saved(bool full, const std::string& name = "weather.dat") {
    Observe(writer.state);
    writer.canvas.SetPicture(SmallPicture(0xFF0000FF));
    writer.ui.chooserAnswers.push_back(folder.File(name));
    full ? cntSave_Click(writer.Context()) : cntKSave_Click(writer.Context());
  }
};

TEST(DataFileCommands, SavingReplacesTheExtensionAndWritesTheCompanions) {
  Saved saved(true);
  EXPECT_EQ(saved.writer.state.currentFilePath, saved.folder.File("weather.txt"));
  EXPECT_TRUE(FileExists(saved.folder.File("weather.txt")));
  EXPECT_TRUE(FileExists(saved.folder.File("weather.bmp")));
  EXPECT_TRUE(FileExists(saved.folder.File("weather.cnt")));
  EXPECT_FALSE(FileExists(saved.folder.File("weather.dat")));
  ASSERT_EQ(saved.writer.ui.chooserRequests.size(), 1u);
  const ChooserRequest& request = saved.writer.ui.chooserRequests[0];
  EXPECT_EQ(request.caption, "観測データ保存");
  EXPECT_EQ(request.pattern, "*.txt");
  EXPECT_EQ(request.background, 0xC0C0FF);
  EXPECT_TRUE(saved.writer.ui.messages.empty());
}

TEST(DataFileCommands, ObservationFileHasNoCompanions) {
  Saved saved(false, "weather");
  EXPECT_TRUE(FileExists(saved.folder.File("weather.txt")));
  EXPECT_FALSE(FileExists(saved.folder.File("weather.bmp")));
  EXPECT_FALSE(FileExists(saved.folder.File("weather.cnt")));
  EXPECT_FALSE(saved.writer.state.fullDataMode);
}

TEST(DataFileCommands, FullFileReadsBackStoreSettingsAndPicture) {
  Saved saved(true);
  TestApp reader;
  AllLayersOff(reader.state);
  reader.ui.chooserAnswers.push_back(saved.folder.File("weather.txt"));
  cntLoad_Click(reader.Context());
  const AppState& read = reader.state;
  const AppState& written = saved.writer.state;
  EXPECT_TRUE(read.fullDataMode);
  EXPECT_EQ(read.store, written.store);
  EXPECT_EQ(read.colours, written.colours);
  EXPECT_EQ(read.view, written.view);
  EXPECT_EQ(read.isobar, written.isobar);
  EXPECT_EQ(read.stationRows.rows, written.stationRows.rows);
  EXPECT_EQ(read.shipRows.rows, written.shipRows.rows);
  EXPECT_EQ(read.systemRows.rows, written.systemRows.rows);
  EXPECT_EQ(reader.canvas.GetPicture(), SmallPicture(0xFF0000FF));
  EXPECT_EQ(reader.canvas.Scale(), written.view);
  EXPECT_EQ(reader.canvas.BackColour(), 0xC0FFC0);
  EXPECT_EQ(reader.ui.chooserRequests[0].caption, "観測データ読みこみ");
  EXPECT_EQ(reader.ui.chooserRequests[0].background, 0xFFC0C0);
}

// A full data file with fractional view values and no companion picture,
// loaded over a picture with `command`.
void LoadFractionalView(TestApp& app, void (*command)(const AppContext&)) {
  AllLayersOff(app.state);
  app.canvas.SetPicture(SmallPicture(0xFF00FF00));
  app.ui.chooserAnswers.push_back(TestDataPath("data_fractional_view.txt"));
  command(app.Context());
}

TEST(DataFileCommands, ObservationFlavourSkipsTheSettingsBlock) {
  TestApp app;
  LoadFractionalView(app, cntKLoad_Click);
  EXPECT_FALSE(app.state.fullDataMode);
  EXPECT_EQ(app.state.colours, ColourSlots{});
  EXPECT_EQ(app.state.view, MapView{});
  EXPECT_EQ(app.state.store.observationDate, "2024年1月19日 9時");
  EXPECT_TRUE(app.canvas.HasPicture());
}

TEST(DataFileCommands, FullFlavourReadsFractionalViewRounded) {
  TestApp app;
  LoadFractionalView(app, cntLoad_Click);
  EXPECT_EQ(app.state.view, (MapView{12.0f, -7.0f, 390.0f, 381.0f}));
  EXPECT_EQ(app.state.colours[ColourSlot::Background], 0xC0FFC0);
  EXPECT_EQ(app.state.isobar, IsobarInterval::FromHectopascals(2.0f));
  EXPECT_FALSE(app.canvas.HasPicture());  // no companion picture
}

TEST(DataFileCommands, LaterCompanionPicturesReplaceEarlierOnes) {
  TempFolder folder;
  ASSERT_TRUE(std::filesystem::copy_file(TestDataPath("data_realistic.txt"), folder.File("map.txt")));
  WriteBmp(folder.File("map.bmp"), SmallPicture(0xFFFF0000));
  WriteBmp(folder.File("map.jpg"), SmallPicture(0xFF00FF00));  // read by its content
  TestApp app;
  AllLayersOff(app.state);
  app.state.currentFilePath = folder.File("map.txt");
  LoadSub2(app.Context());
  EXPECT_EQ(app.canvas.GetPicture(), SmallPicture(0xFF00FF00));
}

TEST(DataFileCommands, IntervalBelowOneHectopascalKeepsTheEarlierOne) {
  TempFolder folder;
  const auto text = ReadCp932File(TestDataPath("data_fractional_view.txt"));
  ASSERT_TRUE(text);
  std::string zero = *text;
  zero.replace(zero.find("等圧線の間隔= 2 "), std::string("等圧線の間隔= 2 ").size(), "等圧線の間隔= 0 ");
  ASSERT_TRUE(testing::WriteCp932Text(folder.File("zero.txt"), zero));
  TestApp app;
  AllLayersOff(app.state);
  app.state.isobar = IsobarInterval::FromHectopascals(3.0f);
  app.state.currentFilePath = folder.File("zero.txt");
  LoadSub2(app.Context());
  EXPECT_EQ(app.state.view.width, 390.0f);  // the rest of the settings block was read
  EXPECT_EQ(app.state.isobar, IsobarInterval::FromHectopascals(3.0f));
}

TEST(DataFileCommands, LoadingRebuildsRowsRefreshesWindowsAndRedraws) {
  TestApp app;
  app.state.layers = {false, false, false, false, false, true, false};
  app.state.stationRows.rows.assign(60, "old");
  app.state.shipRows = {{"ship"}, 0};
  app.state.field.grid.At(0, 0) = 101300;
  app.state.currentFilePath = TestDataPath("data_count_above_201.txt");
  LoadSub2(app.Context());
  const AppState& state = app.state;
  EXPECT_EQ(state.store.stationCount, 3);
  ASSERT_EQ(state.stationRows.Count(), 60);
  EXPECT_EQ(state.stationRows.rows[2], FormatStationRow(state.store, 2));
  EXPECT_EQ(state.stationRows.rows[3], "old");
  EXPECT_EQ(state.shipRows.Count(), 201);
  EXPECT_EQ(state.shipRows.selected, -1);
  ASSERT_EQ(state.systemRows.Count(), 1);
  EXPECT_EQ(state.systemRows.rows[0], FormatSystemRow(state.store, 0));
  EXPECT_FALSE(state.field.grid.IsValid());
  // The alignment window's numbers follow the view the file brought.
  const std::vector<std::string> refreshes = {"refresh Tenki1", "refresh Kaiyou1", "refresh Gyogyou",
                                              "refresh frmAdjust"};
  EXPECT_EQ(app.ui.windowEvents, refreshes);
  EXPECT_EQ(app.canvas.Lines(), std::vector<std::string>{"clear"});
}

TEST(DataFileCommands, AWrongFileChosenSaysWhyAndLosesNothing) {
  TempFolder folder;
  ASSERT_TRUE(WriteFileAtomically(folder.File("utf8.txt"), "2024年1月15日\r\n各地の天気, 0\r\n"));
  std::filesystem::create_directory(folder.File("folder.txt"));
  ASSERT_EQ(::mkfifo(folder.File("fifo.txt").c_str(), 0600), 0);
  std::ofstream(folder.File("big.txt")).close();
  std::filesystem::resize_file(folder.File("big.txt"), kMaxTextFileBytes + 1);
  const struct {
    std::string path;
    std::string reason;
  } cases[] = {
      {TestDataPath("data_not_a_data_file.txt"), "中身が別の種類のファイルです"},
      {TestDataPath("data_no_such_file.txt"), "ファイルがありません"},
      {folder.File("utf8.txt"), "UTF-8 で書かれたテキストです（このプログラムのファイルは Shift_JIS です）"},
      {folder.File("folder.txt"), "フォルダの名前です"},
      {folder.File("fifo.txt"), "ふつうのファイルではありません（パイプや装置など）"},
      {folder.File("big.txt"), "ファイルが大きすぎます"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    TestApp app;
    Observe(app.state);
    RememberSavedObservations(app.state);  // nothing to ask about
    app.state.currentFilePath = "/earlier/map.txt";
    app.state.clickMode = ClickMode::SlideShow;
    app.state.slideShowRunning = true;
    const ObservationStore store = app.state.store;
    const auto shipRows = app.state.shipRows.rows;
    app.ui.chooserAnswers.push_back(c.path);
    cntLoad_Click(app.Context());
    EXPECT_EQ(app.state.store, store);
    EXPECT_EQ(app.state.shipRows.rows, shipRows);
    EXPECT_EQ(app.state.systemRows.Count(), 2);
    EXPECT_EQ(app.state.currentFilePath, "/earlier/map.txt");
    EXPECT_EQ(app.state.clickMode, ClickMode::None);
    EXPECT_FALSE(app.state.slideShowRunning);
    EXPECT_TRUE(app.canvas.Lines().empty());
    ASSERT_EQ(app.ui.messages.size(), 1u);
    EXPECT_EQ(app.ui.messages[0].text, "観測データのファイルとして読みこめませんでした\r\n" + c.path + "\r\n" + c.reason);
  }
}

TEST(DataFileCommands, IsobarAndSettingsFilesThatCannotBeReadAreReported) {
  TempFolder folder;
  for (auto command : {LoadIsobarFile, cntLoadSettei_Click}) {
    TestApp app;
    app.ui.chooserAnswers.push_back(folder.Path());
    command(app.Context());
    ASSERT_EQ(app.ui.messages.size(), 1u);
    EXPECT_TRUE(app.ui.messages[0].text.ends_with(folder.Path() + "\r\nフォルダの名前です"));
    EXPECT_TRUE(app.canvas.Lines().empty());
  }
}

TEST(DataFileCommands, LoadingEmptiesShipsAndSystemsBeyondTheFile) {
  TestApp app;
  AllLayersOff(app.state);
  Observe(app.state);
  app.state.currentFilePath = TestDataPath("data_comma_in_date.txt");
  LoadSub2(app.Context());
  EXPECT_EQ(app.state.store.shipCount, 0);
  EXPECT_EQ(app.state.store.ships[1], (ShipRecord{30, 130, 0, 0, 0, 0}));
  EXPECT_EQ(app.state.store.systems[1], (SystemEntry{"寒冷前線", 46, 154, 0}));
  EXPECT_EQ(app.state.store.systems[0], (SystemEntry{"台風", 20, 130, 960}));
  EXPECT_EQ(app.state.store.observationDate, "2024年1月18日, 9時");
}

TEST(DataFileCommands, CancelledChooserDoesNothing) {
  TestApp app;
  Observe(app.state);
  RememberSavedObservations(app.state);
  const ObservationStore store = app.state.store;
  for (auto command :
       {cntSave_Click, cntKSave_Click, cntLoad_Click, cntKLoad_Click, SaveIsobarFile, LoadIsobarFile}) {
    command(app.Context());
  }
  EXPECT_EQ(app.state.store, store);
  EXPECT_EQ(app.state.currentFilePath, "");
  EXPECT_EQ(app.ui.chooserRequests.size(), 6u);
  EXPECT_TRUE(app.canvas.Lines().empty());
}

TEST(DataFileCommands, FailedSaveSaysWhyAndKeepsTheEarlierFilesAndPath) {
  TempFolder folder;
  std::filesystem::create_directory(folder.File("taken.txt"));
  ASSERT_TRUE(WriteFileAtomically(folder.File("locked.txt"), "earlier"));
  ::chmod(folder.File("locked.txt").c_str(), 0444);
  const struct {
    const char* name;
    const char* reason;
  } cases[] = {{"taken", "フォルダの名前です"}, {"locked", "読み出し専用のファイルなので書きかえません"}};
  for (const auto& c : cases) {
    TestApp app;
    Observe(app.state);
    RememberSavedObservations(app.state);  // nothing to ask about
    app.state.currentFilePath = "/earlier/map.txt";
    app.ui.chooserAnswers.push_back(folder.File(c.name));
    cntSave_Click(app.Context());
    ASSERT_EQ(app.ui.messages.size(), 1u);
    EXPECT_EQ(app.ui.messages[0].title, "注　意");
    EXPECT_EQ(app.ui.messages[0].text,
              "ファイルを保存できませんでした\r\n" + folder.File(std::string(c.name) + ".txt") + "\r\n" + c.reason);
    EXPECT_EQ(app.state.currentFilePath, "/earlier/map.txt");
    EXPECT_FALSE(FileExists(folder.File(std::string(c.name) + ".cnt")));
  }
  EXPECT_TRUE(std::filesystem::is_directory(folder.File("taken.txt")));
  EXPECT_EQ(ReadWholeFile(folder.File("locked.txt")), "earlier");
}

// Reloading never shows another day's satellite picture under this map.
TEST(DataFileCommands, AFullSaveLeavesExactlyItsOwnPictureBesideTheFile) {
  TempFolder folder;
  WriteBmp(folder.File("weather.gif"), SmallPicture(0xFF00FF00));
  WriteBmp(folder.File("weather.jpg"), SmallPicture(0xFF00FF00));
  TestApp writer;
  Observe(writer.state);
  for (const std::optional<Picture>& picture : {std::optional(SmallPicture(0xFF0000FF)), std::optional<Picture>()}) {
    picture ? writer.canvas.SetPicture(*picture) : writer.canvas.ClearPicture();
    writer.ui.chooserAnswers.push_back(folder.File("weather"));
    cntSave_Click(writer.Context());
    TestApp reader;
    AllLayersOff(reader.state);
    reader.canvas.SetPicture(SmallPicture(0xFFFFFFFF));
    reader.ui.chooserAnswers.push_back(folder.File("weather.txt"));
    cntLoad_Click(reader.Context());
    EXPECT_EQ(reader.canvas.GetPicture(), picture);
  }
}

TEST(DataFileCommands, CharactersWithoutACp932FormAreListedOnceAndTheFileIsStillWritten) {
  TempFolder folder;
  TestApp app;
  Observe(app.state);
  app.state.store.observationDate = "1月15日☃";
  app.state.store.stations.names[2] = "☃島😀";
  app.ui.chooserAnswers.push_back(folder.File("snow"));
  cntKSave_Click(app.Context());
  EXPECT_EQ(ReadCp932File(folder.File("snow.txt"))->substr(0, 12), "1月15日?\r\n");
  ASSERT_EQ(app.ui.messages.size(), 1u);
  EXPECT_EQ(app.ui.messages[0].text,
            "次の文字はファイルに書けないので「?」にして保存しました\r\n" + folder.File("snow.txt") + "\r\n「☃」「😀」");
  EXPECT_EQ(app.state.currentFilePath, folder.File("snow.txt"));
}

TEST(DataFileCommands, AnEarlierUpperCaseIsobarFileIsReplacedNotJoinedByASecond) {
  TempFolder folder;
  ASSERT_TRUE(WriteFileAtomically(folder.File("weather.CNT"), "earlier"));
  TestApp app;
  Observe(app.state);
  app.ui.chooserAnswers.push_back(folder.File("weather"));
  cntSave_Click(app.Context());
  EXPECT_NE(ReadWholeFile(folder.File("weather.CNT")), "earlier");
  EXPECT_FALSE(FileExists(folder.File("weather.cnt")));
}

TEST(DataFileCommands, ClearingKeepsStationNamesAndEmptiesEverythingElse) {
  TestApp app;
  Observe(app.state);
  app.state.field.grid.At(5, 5) = 101300;
  app.state.field.scratch.At(60, 60) = 7;
  cntNew2_Click(app.Context());
  const AppState& state = app.state;
  EXPECT_EQ(state.store.stationRecords[kNaha], StationRecord{});
  EXPECT_EQ(state.stationRows.rows[kNaha], "那覇");
  EXPECT_EQ(state.stationRows.rows[2], "\"南大東\"島");
  EXPECT_EQ(state.store.stationCount, 54);
  EXPECT_EQ(state.store.shipCount, 0);
  EXPECT_EQ(state.store.systemCount, 0);
  EXPECT_EQ(state.store.ships[0], (ShipRecord{40, 145, 0, 0, 0, 0}));
  EXPECT_EQ(state.store.systems[0].pressure, 0);
  EXPECT_TRUE(state.shipRows.rows.empty());
  EXPECT_TRUE(state.systemRows.rows.empty());
  EXPECT_EQ(state.field.grid, PressureGrid{});
  EXPECT_EQ(state.field.scratch, PressureGrid{});
  EXPECT_TRUE(app.canvas.Lines().empty());
}

TEST(IsobarFileCommands, SavingNamesTheFileCnt) {
  TempFolder folder;
  TestApp app;
  app.ui.chooserAnswers = {folder.File("map.old.txt"), folder.File(".cnt")};
  SaveIsobarFile(app.Context());
  SaveIsobarFile(app.Context());
  EXPECT_TRUE(FileExists(folder.File("map.cnt")));
  EXPECT_FALSE(FileExists(folder.File(".cnt")));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
  EXPECT_EQ(app.ui.chooserRequests[0].caption, "等圧線データ保存");
  EXPECT_EQ(app.ui.chooserRequests[0].pattern, "*.cnt");
  EXPECT_EQ(app.ui.chooserRequests[0].background, 0xC0C0FF);
}

TEST(IsobarFileCommands, LoadingTracesOverTheMapWithoutClearing) {
  TestApp app;
  app.ui.chooserAnswers.push_back(TestDataPath("isobar_small.cnt"));
  LoadIsobarFile(app.Context());
  EXPECT_EQ(app.ui.chooserRequests[0].caption, "等圧線データ読みこみ");
  EXPECT_EQ(app.ui.chooserRequests[0].background, 0xFFC0C0);
  EXPECT_EQ(app.state.field.grid.At(0, 0), 101000);
  EXPECT_EQ(app.state.store.systemCount, 3);
  ASSERT_FALSE(app.canvas.Lines().empty());
  EXPECT_EQ(std::count(app.canvas.Lines().begin(), app.canvas.Lines().end(), "clear"), 0);
}

TEST(IsobarFileCommands, TropicalDepressionHasNoMarkAfterLoading) {
  TempFolder folder;
  TestApp writer;
  ObservationStore& store = writer.state.store;
  store.systemCount = 2;
  store.systems[0] = {"熱帯低気圧", 20, 130, 1000};
  store.systems[1] = {"低気圧", 40, 140, 990};
  BuildPlotPoints(store, writer.state.plot, writer.state.field);
  writer.ui.chooserAnswers.push_back(folder.File("td"));
  SaveIsobarFile(writer.Context());
  TestApp reader;
  reader.ui.chooserAnswers.push_back(folder.File("td.cnt"));
  LoadIsobarFile(reader.Context());
  EXPECT_EQ(reader.state.store.systemCount, 1);
  EXPECT_EQ(PlotName(reader.state.store, 54), "低気圧");
}

}  // namespace
}  // namespace nimbara
