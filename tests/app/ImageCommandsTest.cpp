#include "app/ImageCommands.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/TempFolder.h"
#include "core/Bmp.h"
#include "core/Projection.h"
#include "imagery/CloudSection.h"
#include "io/FileIo.h"
#include "support/TestApp.h"

namespace nimbara {
namespace {

using testing::TempFolder;
using testing::TestApp;

const Picture kSatellite{2, 2, {0xFFFFFFFFu, 0xFF808080u, 0xFF202020u, 0xFF000000u}};
const Picture kOther{1, 1, {0xFF112233u}};

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

TEST(ImageCommands, LoadAsksForAPictureAndClearsTheDrawnLayers) {
  TempFolder folder;
  WriteBytes(folder.File("ir.bmp"), EncodeBmp(kSatellite));
  TestApp app;
  app.ui.chooserAnswers.push_back(folder.File("ir.bmp"));
  cntHimawari_Click(app.Context());

  ASSERT_EQ(app.ui.chooserRequests.size(), 1u);
  const ChooserRequest& request = app.ui.chooserRequests[0];
  EXPECT_EQ(request.caption, "画像読みこみ");
  EXPECT_EQ(request.pattern, "*.gif");
  EXPECT_TRUE(request.showImageOptions);
  EXPECT_FALSE(request.background.has_value());
  EXPECT_EQ(app.canvas.GetPicture(), kSatellite);
  EXPECT_EQ(app.canvas.Lines(), std::vector<std::string>{"clear"});
  EXPECT_TRUE(app.ui.messages.empty());
}

TEST(ImageCommands, LoadingSomethingElseKeepsTheOldPictureAndSaysWhy) {
  TempFolder folder;
  WriteBytes(folder.File("notes.gif"), "this is not a picture");
  TestApp app;
  app.canvas.SetPicture(kOther);
  app.ui.chooserAnswers = {folder.File("notes.gif"), folder.File("missing.gif"), std::nullopt};
  for (int i = 0; i < 3; ++i) cntHimawari_Click(app.Context());
  EXPECT_EQ(app.canvas.GetPicture(), kOther);
  EXPECT_TRUE(app.canvas.Lines().empty());
  ASSERT_EQ(app.ui.messages.size(), 2u);  // none for the cancelled chooser
  for (const auto& [message, file] : {std::pair{app.ui.messages[0].text, "notes.gif"}, {app.ui.messages[1].text, "missing.gif"}}) {
    EXPECT_NE(message.find("画像のファイルとして読みこめませんでした"), std::string::npos) << message;
    EXPECT_NE(message.find(file), std::string::npos) << message;
  }
}

TEST(ImageCommands, SaveWritesTheChosenNameWithBmpExtension) {
  TempFolder folder;
  TestApp app;
  app.canvas.SetPicture(kSatellite);
  app.ui.chooserAnswers = {folder.File("noon"), folder.File("evening.gif")};
  cntGazou_Click(app.Context());
  cntGazou_Click(app.Context());

  const ChooserRequest& request = app.ui.chooserRequests.at(0);
  EXPECT_EQ(request.caption, "画像の保存");
  EXPECT_EQ(request.pattern, "*.bmp");
  EXPECT_EQ(request.background, Colour{0xC0C0FF});
  for (const char* name : {"noon.BMP", "evening.BMP"}) {
    const auto bytes = ReadWholeFile(folder.File(name));
    ASSERT_TRUE(bytes) << name;
    EXPECT_EQ(DecodeBmp(*bytes), kSatellite) << name;
  }
  EXPECT_FALSE(FileExists(folder.File("evening.gif")));
  EXPECT_TRUE(app.ui.messages.empty());
}

TEST(ImageCommands, SaveWithoutPictureWarnsAndWritesNothing) {
  TempFolder folder;
  TestApp app;
  app.ui.chooserAnswers.push_back(folder.File("map.bmp"));
  cntGazou_Click(app.Context());
  ASSERT_EQ(app.ui.messages.size(), 1u);
  EXPECT_EQ(app.ui.messages[0].title, "画像の保存のエラー");
  EXPECT_EQ(app.ui.messages[0].text,
            "画像として保存できるのは、読みこんだ気象衛星画像だけです。等圧線や天気記号の図は保存できません。"
            "等圧線や天気記号の入った天気図は、同じメニューの「天気図を画像として保存」で保存してください。");
  EXPECT_EQ(app.ui.messages[0].icon, MessageIcon::Warning);
  EXPECT_FALSE(FileExists(folder.File("map.BMP")));
}

TEST(ImageCommands, SaveIntoAMissingFolderWarns) {
  TempFolder folder;
  TestApp app;
  app.canvas.SetPicture(kSatellite);
  app.ui.chooserAnswers.push_back(folder.File("no/such/folder/ir.gif"));
  cntGazou_Click(app.Context());
  ASSERT_EQ(app.ui.messages.size(), 1u);
  EXPECT_TRUE(app.ui.messages[0].text.ends_with("ir.BMP\r\nフォルダがありません"));
}

TEST(ImageCommands, CancelledSaveDoesNothing) {
  TestApp app;
  cntGazou_Click(app.Context());
  EXPECT_TRUE(app.ui.messages.empty());
}

TEST(ImageCommands, CopyPutsOnlyThePictureOnTheClipboard) {
  TestApp app;
  app.ui.clipboardText = "earlier text";
  cntCopy_Click(app.Context());
  EXPECT_EQ(app.ui.clipboardText, "earlier text");  // no picture: clipboard as it was
  EXPECT_FALSE(app.ui.clipboardPicture);

  app.canvas.SetPicture(kSatellite);
  app.canvas.Line({0, 0}, {400, 400}, kBlack);
  cntCopy_Click(app.Context());
  EXPECT_EQ(app.ui.clipboardPicture, kSatellite);
}

TEST(ImageCommands, ClearingThePictureRedrawsTheMapAtOnce) {
  TestApp app;
  app.canvas.SetPicture(kSatellite);
  cntClsBMP_Click(app.Context());
  EXPECT_FALSE(app.canvas.HasPicture());
  ASSERT_FALSE(app.canvas.Lines().empty());
  EXPECT_EQ(app.canvas.Lines().front(), "clear");
  EXPECT_GT(app.canvas.Lines().size(), 100u);  // the base map at least
}

TEST(ImageCommands, PastedPictureBecomesTheBackgroundUnderAClearedMap) {
  TestApp app;
  EXPECT_FALSE(PasteClipboardPicture(app.Context()));
  app.ui.clipboardPicture = Picture{};
  EXPECT_FALSE(PasteClipboardPicture(app.Context()));
  EXPECT_TRUE(app.canvas.Lines().empty());
  app.ui.clipboardPicture = kSatellite;
  EXPECT_TRUE(PasteClipboardPicture(app.Context()));
  EXPECT_EQ(app.canvas.GetPicture(), kSatellite);
  EXPECT_EQ(app.canvas.Lines(), std::vector<std::string>{"clear"});
}

TEST(ImageCommands, BundledInfraredPictureLinesUpWithTheDefaultMap) {
  TestApp app;  // an 800-pixel canvas in the default view
  app.ui.chooserAnswers.push_back(std::string(NIMBARA_SAMPLES) + "/20240115_06.bmp");
  cntHimawari_Click(app.Context());
  ASSERT_TRUE(app.canvas.HasPicture());
  const auto brightness = [&](double latitude, double longitude) {
    const MapPoint p = ProjectLatLon(latitude, longitude);
    return NorthSouthBrightness(app.canvas.PointColour({double(p.x), double(p.y)}));
  };
  EXPECT_GT(brightness(38, 154), 180);  // the cold front's cloud band
  EXPECT_LT(brightness(20, 150), 60);   // open sea
  EXPECT_NEAR(brightness(45, 115), 105, 10);  // land
}

}  // namespace
}  // namespace nimbara
