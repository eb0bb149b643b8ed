#include "app/SettingsCommands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "io/FileIo.h"
#include "support/TempFolder.h"
#include "support/TestApp.h"

namespace nimbara {
namespace {

using testing::TempFolder;
using testing::TestApp;
using testing::TestDataPath;

// Restores the process's current folder when a test has changed it.
class CurrentFolderGuard {
 public:
  CurrentFolderGuard() : m_saved(std::filesystem::current_path()) {}
  ~CurrentFolderGuard() { std::filesystem::current_path(m_saved); }

 private:
  std::filesystem::path m_saved;
};

void Customise(AppState& state) {
  state.colours[ColourSlot::Background] = 0xC0FFC0;
  state.colours[ColourSlot::Text] = 0x0000FF;
  state.selectedColourSlot = 3;
  state.view = {-10.0f, 20.0f, 300.0f, 310.0f};
  state.isobar = IsobarInterval::FromHectopascals(2.0f);
  state.layers.chartStyle = true;
  state.layers.legend = false;
  state.windowPlaces = {{"断面図", {900, 60}}};
}

TEST(StartUpSettings, WithoutASettingsFileTheDefaultsApply) {
  TempFolder folder;
  TestApp app;
  Customise(app.state);
  app.state.currentFilePath = "x.txt";
  LoadStartUpSettings(app.Context(), folder.Path());
  EXPECT_EQ(app.state.settingsPath, folder.File("Nimbara.ini"));
  EXPECT_EQ(SettingsOf(app.state), Settings{});
  EXPECT_EQ(app.canvas.Scale(), MapView{});
  EXPECT_EQ(app.canvas.BackColour(), kWhite);
}

TEST(StartUpSettings, SettingsFileIsAppliedAndTheLastFilesFolderBecomesCurrent) {
  CurrentFolderGuard guard;
  TempFolder folder;
  std::filesystem::create_directory(folder.File("天気"));
  TestApp writer;
  Customise(writer.state);
  writer.state.currentFilePath = folder.File("天気/map.txt");
  writer.state.settingsPath = folder.File("Nimbara.ini");
  ASSERT_TRUE(WriteSettings(writer.state));

  TestApp app;
  LoadStartUpSettings(app.Context(), folder.Path());
  EXPECT_EQ(SettingsOf(app.state), SettingsOf(writer.state));
  EXPECT_EQ(app.canvas.Scale(), writer.state.view);
  EXPECT_EQ(app.canvas.BackColour(), 0xC0FFC0);
  EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(folder.File("天気")));
}

TEST(SettingsCommands, SavingWritesTheChosenFileAsIni) {
  TempFolder folder;
  TestApp app;
  Customise(app.state);
  app.state.currentFilePath = "/data/map.txt";
  app.state.settingsPath = folder.File("Nimbara.ini");
  app.ui.chooserAnswers.push_back(folder.File("mine.txt"));
  cntSaveSettei_Click(app.Context());
  EXPECT_TRUE(FileExists(folder.File("mine.ini")));
  EXPECT_FALSE(FileExists(folder.File("Nimbara.ini")));
  EXPECT_EQ(app.state.currentFilePath, "/data/map.txt");
  const ChooserRequest& request = app.ui.chooserRequests.at(0);
  EXPECT_EQ(request.caption, "設定（記号の色、地図の位置）データの保存");
  EXPECT_EQ(request.pattern, "*.ini");
  EXPECT_EQ(request.background, 0xC0C0FF);

  TestApp reader;
  reader.ui.chooserAnswers.push_back(folder.File("mine.ini"));
  cntLoadSettei_Click(reader.Context());
  EXPECT_EQ(SettingsOf(reader.state), SettingsOf(app.state));
  EXPECT_EQ(reader.canvas.Scale(), MapView{});  // applied only at start-up and with data files
  EXPECT_EQ(reader.ui.chooserRequests.at(0).caption, "設定（記号の色、地図の位置）データの読みこみ");
  EXPECT_EQ(reader.ui.chooserRequests.at(0).background, 0xC0C0C0);
}

TEST(SettingsCommands, CancelledChoosersChangeNothing) {
  TestApp app;
  Customise(app.state);
  const Settings before = SettingsOf(app.state);
  cntLoadSettei_Click(app.Context());
  cntSaveSettei_Click(app.Context());
  EXPECT_EQ(SettingsOf(app.state), before);
  EXPECT_EQ(app.ui.chooserRequests.size(), 2u);
}

TEST(SettingsCommands, FailedSaveSaysSo) {
  TempFolder folder;
  TestApp app;
  app.ui.chooserAnswers.push_back(folder.File("missing/mine"));
  cntSaveSettei_Click(app.Context());
  ASSERT_EQ(app.ui.messages.size(), 1u);
  EXPECT_NE(app.ui.messages[0].text.find("mine.ini"), std::string::npos);
}

TEST(SettingsCommands, ReadingAFileWithCommentsKeepsTheOtherValues) {
  TestApp app;
  app.ui.chooserAnswers.push_back(TestDataPath("settings_comments.ini"));
  cntLoadSettei_Click(app.Context());
  EXPECT_EQ(app.state.colours[ColourSlot::Background], 0xFF00);
  EXPECT_EQ(app.state.colours[ColourSlot::Wind], kLightBlue);
  EXPECT_EQ(app.state.view.height, 300.0f);
  EXPECT_EQ(app.state.isobar, IsobarInterval{});
}

}  // namespace
}  // namespace nimbara
