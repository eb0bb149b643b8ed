#include "app/DropCommands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/Bmp.h"
#include "io/FileIo.h"
#include "support/TempFolder.h"
#include "support/TestApp.h"

namespace nimbara {
namespace {

using testing::TestApp;
using testing::TestDataPath;

constexpr const char* kAccepted = "読みこめるのは、データファイル（.txt）と画像（.gif .bmp .jpg .png）です。";

TEST(DropCommands, TheFileNamesDecideWhatADropLoads) {
  struct Case {
    std::vector<std::string> dropped;
    const char* dataFile;  // "": none
    const char* picture;   // "": none
    std::string refusal;   // "": the drop loads
  };
  const Case cases[] = {
      {{"/a/map.txt"}, "/a/map.txt", "", ""},
      {{"/a/MAP.TXT"}, "/a/MAP.TXT", "", ""},
      {{"ir.gif"}, "", "ir.gif", ""},
      {{"ir.Bmp"}, "", "ir.Bmp", ""},
      {{"ir.jpg"}, "", "ir.jpg", ""},
      {{"ir.jpeg"}, "", "ir.jpeg", ""},
      {{"ir.PNG"}, "", "ir.PNG", ""},
      {{"ir.png", "map.txt"}, "map.txt", "ir.png", ""},
      {{"a.txt", "b.txt"}, "", "", std::string("データファイルと画像は、ひとつずつドロップしてください。\r\n") + kAccepted},
      {{"a.png", "b.gif"}, "", "", std::string("データファイルと画像は、ひとつずつドロップしてください。\r\n") + kAccepted},
      {{"map.txt", "/a.b/notes"}, "", "", std::string("「notes」は読みこめません。\r\n") + kAccepted},
      {{"map.cnt"}, "", "", std::string("「map.cnt」は読みこめません。\r\n") + kAccepted},
  };
  for (const Case& c : cases) {
    const DropPlan plan = PlanDrop(c.dropped);
    EXPECT_EQ(plan.dataFile.value_or(""), c.dataFile) << c.dropped[0];
    EXPECT_EQ(plan.picture.value_or(""), c.picture) << c.dropped[0];
    EXPECT_EQ(plan.refusal, c.refusal) << c.dropped[0];
  }
}

TEST(DropCommands, ADataFileWithItsPictureLoadsBothAndKeepsTheMapOverThePicture) {
  testing::TempFolder folder;
  const Picture picture{1, 1, {0xFF112233u}};
  ASSERT_TRUE(WriteFileAtomically(folder.File("ir.bmp"), EncodeBmp(picture)));
  TestApp app;
  app.state.fullDataMode = false;
  app.state.layers.isobars = false;  // the display asks nothing
  DropFiles(app.Context(), {folder.File("ir.bmp"), TestDataPath("data_realistic.txt")});
  EXPECT_EQ(app.state.currentFilePath, TestDataPath("data_realistic.txt"));
  EXPECT_TRUE(app.state.fullDataMode) << "loaded as データファイル読みこみ";
  EXPECT_EQ(app.canvas.GetPicture(), picture);
  EXPECT_NE(app.canvas.Lines(), std::vector<std::string>{"clear"}) << "the map drawn stays";
  EXPECT_TRUE(app.ui.messages.empty());
}

TEST(DropCommands, AFileThatCannotBeLoadedIsReportedAsTheMenuReportsIt) {
  TestApp app;
  DropFiles(app.Context(), {TestDataPath("data_not_a_data_file.txt")});
  DropFiles(app.Context(), {"notes.doc"});
  ASSERT_EQ(app.ui.messages.size(), 2u);
  EXPECT_EQ(app.ui.messages[0].text, "観測データのファイルとして読みこめませんでした\r\n" +
                                         TestDataPath("data_not_a_data_file.txt") + "\r\n中身が別の種類のファイルです");
  EXPECT_EQ(app.ui.messages[1].title, "ドロップしたファイル");
  EXPECT_EQ(app.ui.messages[1].text, std::string("「notes.doc」は読みこめません。\r\n") + kAccepted);
  EXPECT_TRUE(app.canvas.Lines().empty());
}

}  // namespace
}  // namespace nimbara
