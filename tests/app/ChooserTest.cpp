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
  OkDecision Ok(const char* caption, const std::string& text, const std::string& selected = "") {
    return DecideOk({caption, "*.txt", {}}, text, selected, folder, "*.txt");
  }
  testing::TempFolder temp;
  std::string folder;
};

TEST_F(ChooserRules, APatternTypedChangesTheListAndStaysOpen) {
  const OkDecision decision = Ok(kLoadData, "*.bmp");
  EXPECT_EQ(decision.step, OkStep::ShowList);
  EXPECT_EQ(decision.pattern, "*.bmp");
  EXPECT_EQ(decision.folder, folder);
}

TEST_F(ChooserRules, APatternWithAFolderMovesTheListToo) {
  const OkDecision decision = Ok(kLoadData, folder + "/sub/*.gif");
  EXPECT_EQ(decision.step, OkStep::ShowList);
  EXPECT_EQ(decision.folder, folder + "/sub");
  EXPECT_EQ(decision.pattern, "*.gif");
  EXPECT_EQ(Ok(kLoadData, "nowhere/*.gif").warning, kPathNotFoundWarning);
}

TEST_F(ChooserRules, AFolderNameMovesTheListKeepingThePattern) {
  const OkDecision decision = Ok(kLoadData, "sub");
  EXPECT_EQ(decision.step, OkStep::ShowList);
  EXPECT_EQ(decision.folder, folder + "/sub");
  EXPECT_EQ(decision.pattern, "*.txt");
}

TEST_F(ChooserRules, AnExistingFileIsAskedAboutOnlyWhenSaving) {
  const OkDecision saving = Ok(kSaveData, "map.txt");
  EXPECT_EQ(saving.step, OkStep::AskOverwrite);
  EXPECT_EQ(saving.path, folder + "/map.txt");
  const OkDecision loading = Ok(kLoadData, "map.txt");
  EXPECT_EQ(loading.step, OkStep::Accept);
  EXPECT_EQ(loading.path, folder + "/map.txt");
}

TEST_F(ChooserRules, ASaveAsksAboutTheFileItsExtensionRuleNames) {
  std::ofstream(folder + "/notes.dat") << "x";
  const ChooserRequest save{kSaveData, "*.txt", {}, false, [](const std::string& path) {
                              return WithExtension(path, "txt");
                            }};
  const struct {
    const char* typed;
    OkStep step;
  } cases[] = {{"map", OkStep::AskOverwrite}, {"map.dat", OkStep::AskOverwrite}, {"notes.dat", OkStep::Accept}};
  for (const auto& c : cases) {
    const OkDecision decision = DecideOk(save, c.typed, "", folder, "*.txt");
    EXPECT_EQ(decision.step, c.step) << c.typed;
    EXPECT_EQ(decision.path, folder + "/" + c.typed);
  }
  EXPECT_EQ(DecideOk(save, "map", "", folder, "*.txt").question, "map.txt\r\nファイルを上書きしますか？");
}

TEST_F(ChooserRules, AnEmptyBoxTakesTheSelectedName) {
  EXPECT_EQ(Ok(kLoadData, "", "map.txt").path, folder + "/map.txt");
}

TEST_F(ChooserRules, NothingNamedIsAMissingFile) {
  EXPECT_EQ(Ok(kLoadData, "").warning, kMissingFileWarning);
}

TEST_F(ChooserRules, LoadingANameThatDoesNotExistWarns) {
  const OkDecision decision = Ok(kLoadData, "new.txt");
  EXPECT_EQ(decision.step, OkStep::Warn);
  EXPECT_EQ(decision.warning, kMissingFileWarning);
  EXPECT_EQ(Ok(kLoadSettings, "new.ini").warning, kMissingFileWarning);
}

TEST_F(ChooserRules, SavingUnderANewNameIsAccepted) {
  for (const char* caption : {kSaveData, "等圧線データ保存", "画像の保存", kSaveSettings}) {
    const OkDecision decision = Ok(caption, "new.txt");
    EXPECT_EQ(decision.step, OkStep::Accept) << caption;
    EXPECT_EQ(decision.path, folder + "/new.txt");
  }
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
