#include "app/Chooser.h"

#include "app/ChooserRequests.h"
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

class ChooserRules : public ::testing::Test {
 protected:
  ChooserRules() : folder(temp.Path()) {
    fs::remove_all(folder);
    fs::create_directories(folder + "/sub");
    std::ofstream(folder + "/map.txt") << "x";
  }
  ~ChooserRules() override { fs::remove_all(folder); }
  OkDecision Ok(const ChooserRequest& request, const std::string& text, const std::string& selected = "") {
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
    const OkDecision decision = Ok(kLoadDataChooser, c.typed);
    EXPECT_EQ(decision.step, OkStep::ShowList) << c.typed;
    EXPECT_EQ(decision.folder, c.folder);
    EXPECT_EQ(decision.pattern, c.pattern);
  }
  EXPECT_EQ(Ok(kLoadDataChooser, "nowhere/*.gif").warning, kPathNotFoundWarning);
}

// What OK does with a name: accept it, ask before a save replaces a file (the
// one the save writes: "map" saves as map.txt) or warn.
TEST_F(ChooserRules, ANameIsAcceptedAskedAboutOrWarnedOf) {
  std::ofstream(folder + "/notes.dat") << "x";
  const std::string map = folder + "/map.txt";
  const struct {
    const ChooserRequest& request;
    const char* typed;
    const char* selected;
    OkStep step;
    std::string pathOrWarning;
  } cases[] = {
      {kLoadDataChooser, "map.txt", "", OkStep::Accept, map},
      {kLoadDataChooser, "", "map.txt", OkStep::Accept, map},
      {kLoadDataChooser, "", "", OkStep::Warn, kMissingFileWarning},
      {kLoadDataChooser, "new.txt", "", OkStep::Warn, kMissingFileWarning},
      {kLoadSettingsChooser, "new.ini", "", OkStep::Warn, kMissingFileWarning},
      {kSaveDataChooser, "new.txt", "", OkStep::Accept, folder + "/new.txt"},
      {kSaveIsobarChooser, "new.txt", "", OkStep::Accept, folder + "/new.txt"},
      {kSavePictureChooser, "new.txt", "", OkStep::Accept, folder + "/new.txt"},
      {kSaveSettingsChooser, "new.txt", "", OkStep::Accept, folder + "/new.txt"},
      {kSaveMapChooser, "new.txt", "", OkStep::Accept, folder + "/new.txt"},
      {kSaveDataChooser, "map.txt", "", OkStep::AskOverwrite, map},
      {kSaveDataChooser, "map", "", OkStep::AskOverwrite, folder + "/map"},
      {kSaveDataChooser, "notes.dat", "", OkStep::Accept, folder + "/notes.dat"},
  };
  for (const auto& c : cases) {
    const OkDecision decision = Ok(c.request, c.typed, c.selected);
    EXPECT_EQ(decision.step, c.step) << c.request.caption << " " << c.typed;
    EXPECT_EQ(c.step == OkStep::Warn ? decision.warning : decision.path, c.pathOrWarning) << c.typed;
  }
  EXPECT_EQ(Ok(kSaveDataChooser, "map").question, "map.txt\r\nファイルを上書きしますか？");
}

TEST_F(ChooserRules, SavingIntoAFolderThatDoesNotExistWarns) {
  EXPECT_EQ(Ok(kSaveDataChooser, "gone/new.txt").warning, kPathNotFoundWarning);
  EXPECT_EQ(Ok(kSaveDataChooser, "gone/").warning, kPathNotFoundWarning);
}

TEST_F(ChooserRules, AnAbsoluteNameIgnoresTheListFolder) {
  EXPECT_EQ(Ok(kLoadDataChooser, folder + "/map.txt").path, folder + "/map.txt");
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
  const std::optional<std::string> mapOutput = ChooseMapOutputPath(app.Context(), kSaveMapChooser);
  EXPECT_EQ(mapOutput, app.ui.chooserRequests.at(0).savedName("/maps/x"));
}

TEST(MapOutput, FormatFollowsTheExtension) {
  EXPECT_EQ(ExportFormatFor("a.PNG"), ExportFormat::Png);
  EXPECT_EQ(ExportFormatFor("/x.y/a.svg"), ExportFormat::Svg);
  EXPECT_EQ(ExportFormatFor("a.pdf"), ExportFormat::Pdf);
  EXPECT_EQ(ExportFormatFor("a.bmp"), std::nullopt);
  EXPECT_EQ(ExportFormatFor("/x.png/a"), std::nullopt);
}

TEST(ChooserPaths, JoinAddsOneSlash) {
  EXPECT_EQ(JoinPath("/a", "b.txt"), "/a/b.txt");
  EXPECT_EQ(JoinPath("/", "b.txt"), "/b.txt");
}

}  // namespace
}  // namespace nimbara
