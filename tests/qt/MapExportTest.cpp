#include "qt/MapExport.h"

#include <gtest/gtest.h>

#include "app/ChooserRequests.h"
#include "app/MapOutput.h"
#include "qt/MapOutputActions.h"
#include "qt/PngBytes.h"
#include "support/FileSizeLimit.h"
#include "support/Files.h"
#include "support/QtTestApplication.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"

#include <QImage>
#include <filesystem>
#include <iterator>

namespace nimbara {
namespace {

using testing::ReadAll;

class MapExportTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureQtApplication(); }
  void SetUp() override {
    canvas.SetScale({0, 0, 400, 400});
    canvas.SetLineWidth(3);
    canvas.Line({10, 10}, {200, 300}, kLightBlue);
    canvas.SetForeColour(kBlack);
    canvas.SetFontSize(16);
    canvas.Text({100, 100}, "高");
  }
  std::string Path(const char* name) const { return m_folder.File(name); }

  QtCanvas canvas{400, 400};
  testing::TempFolder m_folder;
};

TEST_F(MapExportTest, OnlyAKnownFormatIntoAnExistingFolderIsWritten) {
  EXPECT_FALSE(ExportMap(canvas, Path("a.bmp")));
  EXPECT_FALSE(ExportMap(canvas, Path("missing/map.png")));
}

TEST_F(MapExportTest, PngHoldsWhatTheSurfaceShows) {
  ASSERT_TRUE(ExportMap(canvas, Path("map.png")));
  const QImage image(QString::fromStdString(Path("map.png")));
  EXPECT_EQ(image.size(), QSize(400, 400));
  EXPECT_EQ(image, canvas.Composite().convertToFormat(image.format()));
}

// Rows of odd length and a picture that is not square, whose pixels all differ.
TEST(FastPng, KeepsEveryPixelOfAnyPicture) {
  QImage picture(5, 3, QImage::Format_RGB32);
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, qRgb(x * 50, y * 80, 255 - x * y * 10));
  QImage read;
  ASSERT_TRUE(read.loadFromData(FastPngBytes(picture), "PNG"));
  EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), picture);
}

#if NIMBARA_HAVE_SVG
TEST_F(MapExportTest, SvgKeepsLinesAsPathsAndMarksAsText) {
  ASSERT_TRUE(ExportMap(canvas, Path("map.svg"), "2026年12月7日"));
  const std::string svg = ReadAll(Path("map.svg"));
  EXPECT_NE(svg.find("<svg"), std::string::npos);
  EXPECT_NE(svg.find("<polyline"), std::string::npos);
  EXPECT_NE(svg.find(">高</text>"), std::string::npos);
}
#endif

TEST_F(MapExportTest, PdfIsOnePageWithTheTitle) {
  ASSERT_TRUE(ExportMap(canvas, Path("map.pdf"), "12月7日 09時"));
  const std::string pdf = ReadAll(Path("map.pdf"));
  ASSERT_TRUE(pdf.starts_with("%PDF-"));
  EXPECT_EQ(testing::PdfPageCount(pdf), 1);
}

TEST_F(MapExportTest, ThePageIsHeadedByTheDateUnlessTheChartStyleCarriesIt) {
  AppState state;
  state.store.observationDate = "２０２４年０１月１５日０６時";
  EXPECT_EQ(PageHeading(state), state.store.observationDate);
  state.layers.chartStyle = true;
  EXPECT_EQ(PageHeading(state), "");
}

// Every write is checked: a picture cut off by a full disk never replaces the
// earlier one.
TEST_F(MapExportTest, AShortWriteKeepsTheEarlierPicture) {
  for (const char* name : {"map.png", "map.pdf"}) {
    ASSERT_TRUE(ExportMap(canvas, Path(name)));
    const std::string earlier = ReadAll(Path(name));
    canvas.Line({0, 0}, {400, 300}, kLightRed);
    const auto changed = ExportBytes(canvas, *ExportFormatFor(name), {});
    ASSERT_TRUE(changed);
    FileStatus status;
    {
      testing::FileSizeLimit fullDisk(changed->size() / 2);
      status = ExportMap(canvas, Path(name));
    }
    EXPECT_EQ(status.fault, FileFault::System) << name;
    EXPECT_TRUE(ReadAll(Path(name)) == earlier) << name;
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder.Path()), {}), 2);
}

TEST_F(MapExportTest, SavingAsksForANameAndAddsPngWhenItHasNoKnownExtension) {
  AppState state;
  testing::ScriptedUi ui;
  ui.chooserAnswers = {Path("teacher"), Path("form.svg"), std::nullopt};
  const AppContext app{state, canvas, ui};
  SaveCanvasAs(app, canvas, kSaveMapChooser, "title");
  SaveCanvasAs(app, canvas, kSaveBlankFormChooser, "");
  SaveCanvasAs(app, canvas, kSaveMapChooser, "title");
  EXPECT_TRUE(std::filesystem::exists(Path("teacher.png")));
  EXPECT_TRUE(std::filesystem::exists(Path("form.svg")) || !ExportFormatFor("a.svg"));
  ASSERT_EQ(ui.chooserRequests.size(), 3u);
  EXPECT_EQ(ui.chooserRequests[0].caption, "天気図の保存");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(MapExportTest, AFailedSaveIsReportedWithTheReason) {
  AppState state;
  testing::ScriptedUi ui;
  ui.chooserAnswers = {Path("missing/map.png"), Path("full.png")};
  SaveCanvasAs({state, canvas, ui}, canvas, kSaveMapChooser, "");
  {
    testing::FileSizeLimit fullDisk(100);
    SaveCanvasAs({state, canvas, ui}, canvas, kSaveMapChooser, "");
  }
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0].title, kMapOutputErrorTitle);
  EXPECT_EQ(ui.messages[0].text, kMapOutputErrorText + Path("missing/map.png") + "\r\nフォルダがありません");
  EXPECT_EQ(ui.messages[1].text, kMapOutputErrorText + Path("full.png") + "\r\nディスクの空きが足りません");
  EXPECT_FALSE(std::filesystem::exists(Path("full.png")));
}

TEST_F(MapExportTest, CopyPutsTheDrawnMapOnTheClipboard) {
  AppState state;
  testing::ScriptedUi ui;
  CopyCanvasToClipboard({state, canvas, ui}, canvas);
  ASSERT_TRUE(ui.clipboardPicture);
  EXPECT_EQ(ui.clipboardPicture->width, 400);
  EXPECT_EQ(ui.clipboardPicture->pixels, ToPicture(canvas.Composite()).pixels);
}

TEST_F(MapExportTest, BlankFormIsItsOwnCanvas) {
  const auto form = MakeBlankForm(BuiltInStationTable(), kBuiltInStationCount);
  EXPECT_GT(form->PixelWidth(), canvas.PixelWidth());
  EXPECT_NE(form->PointColour({173, 270}), kWhite);  // the dot of 石垣島
}

}  // namespace
}  // namespace nimbara
