#include "app/Chooser.h"

#include "app/FileCommands.h"
#include "app/ImageCommands.h"
#include "app/MapOutput.h"
#include "app/SettingsCommands.h"
#include "io/FileNames.h"
#include "support/TempFolder.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace nimbara {
namespace {

namespace fs = std::filesystem;

constexpr const char* kLoadData = "観測データ読みこみ";
constexpr const char* kSaveData = "観測データ保存";
constexpr const char* kSaveSettings = "設定（記号の色、地図の位置）データの保存";
constexpr const char* kLoadSettings = "設定（記号の色、地図の位置）データの読みこみ";

class ChooserRules : public ::testing::Test {
 protected:
  ChooserRules() : folder(temp.Path()) {
    fs::remove_all(folder);
    fs::create_directories(folder + "/sub");
    std::ofstream(folder + "/map.txt") << "x";
  }
  ~ChooserRules() override { fs::remove_all(folder); }
  // Every save here writes its name with ".txt", as a data file does.
  OkDecision Ok(const char* caption, const std::string& text, const std::string& selected = "") {
    const ChooserRequest request{caption, "*.txt", {}, false,
                                 [](const std::string& path) { return WithExtension(path, "txt"); }};
    return DecideOk(request, text, selected, folder, "*.txt");
  }
  testing::TempFolder temp;
  std::string folder;
};

// A pattern (with or without a folder) or a folder changes the list and the
// chooser stays open.
TEST_F(ChooserRules, APatternOrAFolderChangesTheList) {
  const struct {
    std::string typed;
    std::string folder;
    const char* pattern;
  } cases[] = {{"*.bmp", folder, "*.bmp"}, {folder + "/sub/*.gif", folder + "/sub", "*.gif"}, {"sub", folder + "/sub", "*.txt"}};
  for (const auto& c : cases) {
    const OkDecision decision = Ok(kLoadData, c.typed);
    EXPECT_EQ(decision.step, OkStep::ShowList) << c.typed;
    EXPECT_EQ(decision.folder, c.folder);
    EXPECT_EQ(decision.pattern, c.pattern);
  }
  EXPECT_EQ(Ok(kLoadData, "nowhere/*.gif").warning, kPathNotFoundWarning);
}

// What OK does with a name: accept it, ask before a save replaces a file (the
// one the save writes: "map" saves as map.txt) or warn.
TEST_F(ChooserRules, ANameIsAcceptedAskedAboutOrWarnedOf) {
  std::ofstream(folder + "/notes.dat") << "x";
  const std::string map = folder + "/map.txt";
  const struct {
    const char* caption;
    const char* typed;
    const char* selected;
    OkStep step;
    std::string pathOrWarning;
  } cases[] = {
      {kLoadData, "map.txt", "", OkStep::Accept, map},
      {kLoadData, "", "map.txt", OkStep::Accept, map},
      {kLoadData, "", "", OkStep::Warn, kMissingFileWarning},
      {kLoadData, "new.txt", "", OkStep::Warn, kMissingFileWarning},
      {kLoadSettings, "new.ini", "", OkStep::Warn, kMissingFileWarning},
      {kSaveData, "new.txt", "", OkStep::Accept, folder + "/new.txt"},
      {"等圧線データ保存", "new.txt", "", OkStep::Accept, folder + "/new.txt"},
      {"画像の保存", "new.txt", "", OkStep::Accept, folder + "/new.txt"},
      {kSaveSettings, "new.txt", "", OkStep::Accept, folder + "/new.txt"},
      {kSaveData, "map.txt", "", OkStep::AskOverwrite, map},
      {kSaveData, "map", "", OkStep::AskOverwrite, folder + "/map"},
      {kSaveData, "notes.dat", "", OkStep::Accept, folder + "/notes.dat"},
  };
  for (const auto& c : cases) {
    const OkDecision decision = Ok(c.caption, c.typed, c.selected);
    EXPECT_EQ(decision.step, c.step) << c.caption << " " << c.typed;
    EXPECT_EQ(c.step == OkStep::Warn ? decision.warning : decision.path, c.pathOrWarning) << c.typed;
  }
  EXPECT_EQ(Ok(kSaveData, "map").question, "map.txt\r\nファイルを上書きしますか？");
}

TEST_F(ChooserRules, SavingIntoAFolderThatDoesNotExistWarns) {
  EXPECT_EQ(Ok(kSaveData, "gone/new.txt").warning, kPathNotFoundWarning);
  EXPECT_EQ(Ok(kSaveData, "gone/").warning, kPathNotFoundWarning);
}

TEST_F(ChooserRules, AnAbsoluteNameIgnoresTheListFolder) {
  EXPECT_EQ(Ok(kLoadData, folder + "/map.txt").path, folder + "/map.txt");
}

// The overwrite question is about the file each saving command then writes.
TEST(SavingCommands, NameInTheirRequestTheFileTheyWrite) {
  for (void (*save)(const AppContext&) : {cntKSave_Click, SaveIsobarFile, cntSaveSettei_Click, cntGazou_Click}) {
    testing::TempFolder temp;
    testing::TestApp app;
    app.canvas.SetPicture({1, 1, {0xFF000000u}});
    app.ui.chooserAnswers = {temp.File("x")};
    save(app.Context());
    ASSERT_EQ(app.ui.chooserRequests.size(), 1u);
    const std::string named = app.ui.chooserRequests[0].savedName(temp.File("x"));
    std::vector<std::string> written;
    for (const auto& entry : fs::directory_iterator(temp.Path())) written.push_back(entry.path().string());
    EXPECT_EQ(written, std::vector<std::string>{named});
  }
  testing::TestApp app;
  app.ui.chooserAnswers = {"/maps/x"};
  const std::optional<std::string> mapOutput = ChooseMapOutputPath(app.Context(), kMapSaveCaption);
  EXPECT_EQ(mapOutput, app.ui.chooserRequests.at(0).savedName("/maps/x"));
}

TEST(ChooserPaths, JoinAddsOneSlash) {
  EXPECT_EQ(JoinPath("/a", "b.txt"), "/a/b.txt");
  EXPECT_EQ(JoinPath("/", "b.txt"), "/b.txt");
}

}  // namespace
}  // namespace nimbara
