// Faults from outside and input nobody meant: each has its defined
// behaviour, earlier files stay intact, nothing crashes.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>
#include <thread>

#include "app/DisplayCommands.h"
#include "app/FileCommands.h"
#include "app/PasteCommands.h"
#include "app/SettingsCommands.h"
#include "io/Cp932.h"
#include "io/FileIo.h"
#include "render/BaseMap.h"
#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"
#include "support/TestApp.h"

namespace nimbara {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;
using testing::TestApp;
using testing::TestDataPath;

constexpr std::size_t kFiftyMegabytes = std::size_t{50} << 20;
constexpr std::size_t kTenMillion = 10'000'000;

class Robustness : public ::testing::Test {
 protected:
  void SetUp() override {
    app.state.tempFileDirectory = folder.Path();
    app.state.layers = {false, false, false, false, false, true, false};
  }
  void Load(const std::string& path, bool full = true) {
    app.state.currentFilePath = path;
    app.state.fullDataMode = full;
    LoadSub2(app.Context());
  }
  void Save(const std::string& path) {
    app.ui.chooserAnswers.push_back(path);
    SaveDataFile(app.Context());
  }
  void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }

  TempFolder folder;
  TestApp app;
};

TEST_F(Robustness, SavingIntoAFolderThatCannotBeWrittenSaysSoAndWritesNothing) {
  Save("/proc/nimbara-cannot-write/map.txt");
  ASSERT_EQ(app.ui.messages.size(), 1u);
  EXPECT_FALSE(fs::exists("/proc/nimbara-cannot-write/map.txt"));
}

// The full save writes a data file of about 4 KB, an isobar file of about
// 10 KB and a picture of 30 KB: a disk that fills up part of the way through
// leaves the earlier three files as they were.
TEST_F(Robustness, AFullDiskAtAnySizeLeavesTheEarlierSetIntact) {
  Load(TestDataPath("data_realistic.txt"));
  const std::string path = folder.File("map.txt");
  const std::vector<std::string> set = {path, folder.File("map.cnt"), folder.File("map.bmp")};
  app.canvas.SetPicture({100, 100, std::vector<std::uint32_t>(10000, 0xFF0000FF)});
  Save(path);
  ASSERT_TRUE(app.ui.messages.empty());
  std::vector<std::optional<std::string>> earlier;
  for (const std::string& file : set) earlier.push_back(ReadWholeFile(file));
  app.state.store.observationDate = "changed";
  app.state.field.grid.At(0, 0) = 7;
  for (const rlim_t size : {rlim_t{0}, rlim_t{64}, rlim_t{8192}, rlim_t{20000}}) {
    app.ui.messages.clear();
    {
      testing::FileSizeLimit limit(size);
      Save(path);
    }
    ASSERT_EQ(app.ui.messages.size(), 1u) << size;
    EXPECT_TRUE(app.ui.messages[0].text.ends_with("ディスクの空きが足りません")) << size;
    for (std::size_t i = 0; i < set.size(); ++i) EXPECT_EQ(ReadWholeFile(set[i]), earlier[i]) << set[i] << size;
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 3) << size;
  }
}

// Version v of the data file has the date "v" and the isobar file v at its
// first grid node.
int DataVersion(const std::string& path) { return std::stoi(ReadCp932File(path).value_or("-1")); }
int IsobarVersion(const std::string& path) { return std::stoi(ReadWholeFile(path).value_or("-1")); }

TEST_F(Robustness, AKilledSaveNeverPairsANewDataFileWithAnOlderIsobarFileAndItsLeftOversGo) {
  constexpr int kKills = 20;
  constexpr int kVersionsPerChild = 1'000'000;
  constexpr int kLongestDelayMicroseconds = 30'000;
  Load(TestDataPath("data_realistic.txt"));
  const std::string path = folder.File("map.txt");
  auto saveVersion = [&](int version) {
    app.state.store.observationDate = std::to_string(version);
    app.state.field.grid.At(0, 0) = version;
    Save(path);
  };
  saveVersion(0);
  for (int kill = 1; kill <= kKills; ++kill) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int version = kill * kVersionsPerChild;; ++version) saveVersion(version);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(kill * kLongestDelayMicroseconds / kKills));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_LE(DataVersion(path), IsobarVersion(folder.File("map.cnt"))) << kill;
  }
  // Left-overs older than a minute go with the next save into the folder; a
  // young one may belong to a save in progress.
  WriteBytes(folder.File(".map.txt.nimbara-save.AbCdEf"), "left over");
  WriteBytes(folder.File(".unrelated"), "kept");
  const auto twoMinutesAgo = fs::file_time_type::clock::now() - std::chrono::minutes(2);
  for (const auto& entry : fs::directory_iterator(folder.Path())) fs::last_write_time(entry.path(), twoMinutesAgo);
  WriteBytes(folder.File(".map.cnt.nimbara-save.GhIjKl"), "in progress");
  saveVersion(1);
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder.Path())) names.insert(entry.path().filename().string());
  EXPECT_EQ(names, (std::set<std::string>{"map.txt", "map.cnt", ".unrelated", ".map.cnt.nimbara-save.GhIjKl"}));
}

// Data, settings and isobar files are read as FileIoTest reads a FIFO.
TEST_F(Robustness, FifosNamedLikeCompanionPicturesAreSkippedWithoutWaiting) {
  fs::copy_file(TestDataPath("data_realistic.txt"), folder.File("map.txt"));
  for (const char* name : {"map.gif", "map.bmp"}) ASSERT_EQ(::mkfifo(folder.File(name).c_str(), 0600), 0);
  app.canvas.SetPicture({1, 1, {0xFF000000u}});
  Load(folder.File("map.txt"));
  EXPECT_FALSE(app.canvas.HasPicture());
  EXPECT_GT(app.state.store.stationRecords[0].pressure, 0);
}

TEST_F(Robustness, AFileThatVanishedBeforeReadingChangesNothing) {
  Load(TestDataPath("data_realistic.txt"));
  const ObservationStore before = app.state.store;
  const std::string path = folder.File("gone.txt");
  fs::copy_file(TestDataPath("data_realistic.txt"), path);
  app.ui.chooserAnswers.push_back(path);
  fs::remove(path);
  ChooseAndLoadDataFile(app.Context());
  EXPECT_EQ(app.state.store, before);
  EXPECT_EQ(app.state.shipRows.Count(), before.shipCount);
}

TEST_F(Robustness, ACompanionPictureThatIsNotAPictureIsDropped) {
  fs::copy_file(TestDataPath("data_realistic.txt"), folder.File("map.txt"));
  WriteBytes(folder.File("map.bmp"), "BM but not a picture");
  WriteBytes(folder.File("map.jpg"), std::string(1000, '\0'));
  app.canvas.SetPicture({1, 1, {0xFF000000u}});
  Load(folder.File("map.txt"));
  EXPECT_FALSE(app.canvas.HasPicture());
  EXPECT_GT(app.state.store.stationRecords[0].pressure, 0);
}

TEST_F(Robustness, ASettingsFileThatIsAFolderKeepsTheDefaults) {
  const std::string path = folder.File("Nimbara.ini");
  fs::create_directory(path);
  app.state.settingsPath = path;
  app.state.colours[ColourSlot::Map] = kBlack;
  ReadSettings(app.state);
  EXPECT_EQ(app.state.colours[ColourSlot::Map], kBlack);
  EXPECT_FALSE(WriteSettings(app.state));
  EXPECT_TRUE(fs::is_directory(path));
}

TEST_F(Robustness, AFiftyMegabytePasteImportsTheBulletinAtItsHead) {
  const auto bulletin = ReadWholeFile(std::string(NIMBARA_SAMPLES) + "/bulletins/winter_stations.txt");
  ASSERT_TRUE(bulletin);
  std::string text = DecodeCp932(*bulletin).text;
  const std::string filler = "ｘｘｘｘ,ｙｙｙｙ\r\n";
  text.reserve(kFiftyMegabytes + filler.size());
  while (text.size() < kFiftyMegabytes) text += filler;
  ImportBulletinText(app.Context(), text);
  EXPECT_GT(app.state.store.stationRecords[0].pressure, 900);
  EXPECT_EQ(app.state.stationRows.Count(), 53);
}

TEST_F(Robustness, ATenMillionCharacterLineWithoutBreaksIsReadInBoundedTime) {
  std::string line = "日時\r\n";
  line.reserve(kTenMillion * 3);
  for (std::size_t i = 0; i < kTenMillion; ++i) line += (i % 7 == 0) ? "(" : "Ｎ";
  ImportBulletinText(app.Context(), line);
  ImportBulletinText(app.Context(), "日時\r\n低気圧 " + std::string(kTenMillion, 'N') + "\r\n");
  EXPECT_EQ(app.state.store.systemCount, 0);
}

TEST_F(Robustness, CountsBeyondTheTablesAreClampedOnLoading) {
  for (const char* count : {"-5", "99999"}) {
    std::string text = "date\r\n各地の天気," + std::string(count) + "\r\nheader\r\n石垣島, 北 , 3 , 晴れ , 1012 , 20\r\n" +
                       "\r\n船舶の報告," + count + "\r\nheader\r\n\r\n漁業気象," + count + "\r\nheader\r\n";
    const std::string path = folder.File("counts.txt");
    WriteBytes(path, EncodeCp932(text).bytes);
    Load(path, false);
    EXPECT_GE(app.state.store.stationCount, 0) << count;
    EXPECT_LE(app.state.store.stationCount, kSlotCount) << count;
    EXPECT_LE(app.state.store.shipCount, kSlotCount) << count;
    EXPECT_LE(app.state.store.systemCount, kSlotCount) << count;
    EXPECT_EQ(app.state.shipRows.Count(), app.state.store.shipCount) << count;
  }
}

TEST_F(Robustness, NulBytesAndBrokenCp932ReadAsText) {
  std::string bytes = EncodeCp932("date\r\n各地の天気, 2 \r\nheader\r\n石垣島").bytes;
  bytes += std::string("\0\x81\x20\xff,\x82", 6);
  bytes += EncodeCp932(", 3 , 晴れ , 1012 , 20\r\n").bytes;
  const std::string path = folder.File("broken.txt");
  WriteBytes(path, bytes);
  Load(path, false);
  EXPECT_EQ(app.state.store.stationCount, 2);
  EXPECT_GE(app.state.stationRows.Count(), 2);
}

TEST_F(Robustness, MapViewsOfZeroOrHugeExtentStillDraw) {
  for (const char* value : {"0", "1e30", "-1e30"}) {
    const std::string path = folder.File("view.ini");
    WriteBytes(path, EncodeCp932(std::string("横拡大率=") + value + "\r\n縦拡大率=" + value + "\r\n").bytes);
    app.ui.chooserAnswers.push_back(path);
    cntLoadSettei_Click(app.Context());
    app.state.layers.map = true;
    ApplyMapView(app.canvas, app.state.view);
    cntDisplay_Click(app.Context());
    EXPECT_NE(app.canvas.Scale().width, 0.0f) << value;
    EXPECT_NE(app.canvas.Scale().height, 0.0f) << value;
  }
}

}  // namespace
}  // namespace nimbara
