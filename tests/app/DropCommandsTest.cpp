#include "app/DropCommands.h"

#include <gtest/gtest.h>

#include "core/Bmp.h"
#include "io/FileIo.h"
#include "support/TempFolder.h"
#include "support/TestApp.h"

namespace nimbara {
namespace {

using testing::TestDataPath;

constexpr const char* kAccepted = "\r\n読みこめるのは、データファイル（.txt）と画像（.gif .bmp .jpg .png）です。";

TEST(DropCommands, TheFileNamesDecideWhatADropLoads) {
  const std::string tooMany = "データファイルと画像は、ひとつずつドロップしてください。";
  const struct {
    std::vector<std::string> dropped;
    std::string dataFile, picture, refusal;
  } cases[] = {
      {{"/a/MAP.TXT"}, "/a/MAP.TXT", "", ""}, {{"ir.gif", "map.txt"}, "map.txt", "ir.gif", ""},
      {{"ir.Bmp"}, "", "ir.Bmp", ""},         {{"ir.jpeg"}, "", "ir.jpeg", ""},
      {{"ir.PNG"}, "", "ir.PNG", ""},
      {{"a.txt", "b.txt"}, "", "", tooMany},  {{"a.png", "b.gif"}, "", "", tooMany},
      {{"map.txt", "/a.b/notes"}, "", "", "「notes」は読みこめません。"},
      {{"map.cnt"}, "", "", "「map.cnt」は読みこめません。"},
  };
  for (const auto& c : cases) {
    const DropPlan plan = PlanDrop(c.dropped);
    EXPECT_EQ(plan.dataFile.value_or(""), c.dataFile) << c.dropped[0];
    EXPECT_EQ(plan.picture.value_or(""), c.picture) << c.dropped[0];
    EXPECT_EQ(plan.refusal, c.refusal.empty() ? "" : c.refusal + kAccepted) << c.dropped[0];
  }
}

// A data file and its picture load both, the map drawn staying over the
// picture; a refusal is said.
TEST(DropCommands, ADropLoadsAsTheMenusLoadOrSaysWhyNot) {
  testing::TempFolder folder;
  const Picture picture{1, 1, {0xFF112233u}};
  ASSERT_TRUE(WriteFileAtomically(folder.File("ir.bmp"), EncodeBmp(picture)));
  testing::TestApp app;
  app.state.fullDataMode = false;
  DropFiles(app.Context(), {folder.File("ir.bmp"), TestDataPath("data_realistic.txt")});
  EXPECT_EQ(app.state.currentFilePath, TestDataPath("data_realistic.txt"));
  EXPECT_TRUE(app.state.fullDataMode) << "loaded as データファイル読みこみ";
  EXPECT_EQ(app.canvas.GetPicture(), picture);
  EXPECT_NE(app.canvas.Lines(), std::vector<std::string>{"clear"});
  EXPECT_TRUE(app.ui.messages.empty());

  DropFiles(app.Context(), {"notes.doc"});
  ASSERT_EQ(app.ui.messages.size(), 1u);
  EXPECT_EQ(app.ui.messages[0].title, "ドロップしたファイル");
  EXPECT_EQ(app.ui.messages[0].text, std::string("「notes.doc」は読みこめません。") + kAccepted);
}

}  // namespace
}  // namespace nimbara
