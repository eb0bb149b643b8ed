#include "qt/QtCanvas.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include "qt/MapExport.h"
#include "support/QtTestApplication.h"

#include <vector>

namespace nimbara {
namespace {

class QtCanvasTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureQtApplication(); }
  QtCanvas canvas{400, 400};  // one pixel per map unit
};

TEST_F(QtCanvasTest, PolygonVerticesLandOnTheSamePixelsAsLines) {
  canvas.SetScale({0, 0, 400, 400});
  canvas.SetFillStyle(FillStyle::Solid);
  canvas.SetFillColour(kLightRed);
  canvas.SetForeColour(kLightRed);
  const std::vector<PointF> square = {{100, 100}, {120, 100}, {120, 120}, {100, 120}};
  canvas.Polygon(square);
  EXPECT_EQ(canvas.PointColour({110, 110}), kLightRed);
  EXPECT_EQ(canvas.PointColour({125, 110}), kWhite);
}

TEST_F(QtCanvasTest, APolygonAtNoOutlineWidthIsFilledOnly) {
  canvas.SetScale({0, 0, 400, 400});
  canvas.SetFillStyle(FillStyle::Solid);
  canvas.SetFillColour(kLightRed);
  canvas.SetForeColour(kLightBlue);
  const std::vector<PointF> square = {{100, 100}, {140, 100}, {140, 140}, {100, 140}};
  canvas.SetLineWidth(4);
  canvas.Polygon(square);
  EXPECT_EQ(canvas.PointColour({99, 120}), kLightBlue) << "the outline reaches out of the fill";
  canvas.Clear();
  canvas.SetLineWidth(kNoOutline);
  canvas.Polygon(square);
  EXPECT_EQ(canvas.PointColour({120, 120}), kLightRed);
  EXPECT_EQ(canvas.PointColour({99, 120}), kWhite);
  EXPECT_EQ(canvas.PointColour({101, 120}), kLightRed);
}

TEST_F(QtCanvasTest, PolylineAndHaloTextPaintTheirPixels) {
  canvas.SetScale({0, 0, 400, 400});
  canvas.SetLineWidth(4);
  const std::vector<PointF> bend = {{50, 50}, {150, 50}, {150, 150}};
  canvas.Polyline(bend, kLightBlue);
  EXPECT_EQ(canvas.PointColour({100, 50}), kLightBlue);
  EXPECT_EQ(canvas.PointColour({150, 100}), kLightBlue);
  EXPECT_EQ(canvas.PointColour({100, 100}), kWhite);  // an open path is not filled
  canvas.SetBackColour(kBlack);
  canvas.SetFontSize(30);
  canvas.HaloText({200, 200}, "—", kLightRed, 8);
  int halo = 0;
  for (int x = 200; x < 240; ++x)
    for (int y = 195; y < 245; ++y) halo += canvas.PointColour({double(x), double(y)}) == kLightRed;
  EXPECT_GT(halo, 20);
}

TEST_F(QtCanvasTest, UserScaleMovesDrawingButNotThePicture) {
  canvas.SetPicture({1, 1, {0xFF00FF00u}});
  canvas.SetScale({100, 100, 400, 400});
  canvas.SetLineWidth(8);  // 4 pixels wide on this 400-pixel canvas
  canvas.Line({150, 150}, {250, 150}, kBlack);
  // Map (150, 150) is drawn at pixel (50, 50) under the shifted scale.
  canvas.SetScale({0, 0, 400, 400});
  EXPECT_EQ(canvas.PointColour({60, 50}), kBlack);
  EXPECT_EQ(canvas.PointColour({0, 0}), Rgb(0, 255, 0));
}

TEST_F(QtCanvasTest, ClosedSectorIsFilledAndOpenArcIsNot) {
  canvas.SetScale({0, 0, 400, 400});
  canvas.SetFillStyle(FillStyle::Solid);
  canvas.SetFillColour(kLightBlue);
  canvas.Circle({100, 100}, 20, kLightBlue, ArcAngles{-0.01, -3.14159});
  canvas.Circle({200, 100}, 20, kLightBlue, ArcAngles{0.01, 3.14159});
  EXPECT_EQ(canvas.PointColour({100, 90}), kLightBlue);   // upper half filled
  EXPECT_EQ(canvas.PointColour({100, 110}), kWhite);      // lower half empty
  EXPECT_EQ(canvas.PointColour({200, 90}), kWhite);
}

TEST_F(QtCanvasTest, ClearKeepsThePicture) {
  canvas.SetScale({0, 0, 400, 400});
  canvas.SetPicture({2, 2, std::vector<std::uint32_t>(4, 0xFF0000FFu)});
  canvas.Rect({10, 10}, {30, 30}, kLightRed, true);
  EXPECT_EQ(canvas.PointColour({20, 20}), kLightRed);
  canvas.Clear();
  EXPECT_EQ(canvas.PointColour({20, 20}), kWhite);
  EXPECT_TRUE(canvas.HasPicture());
  EXPECT_EQ(canvas.PointColour({0, 0}), kLightBlue);
  EXPECT_EQ(canvas.PointColour({-1, 0}), -1);
}

TEST_F(QtCanvasTest, PictureIsScaledWithTheMapAtEverySize) {
  // Pictures are aligned to the map drawn 800 pixels wide: at 1600 a picture pixel covers 2 x 2.
  QtCanvas big{1600, 1600};
  big.SetPicture({8, 8, std::vector<std::uint32_t>(64, 0xFF00FF00u)});
  big.SetScale({0, 0, 400, 400});
  QImage painted(1600, 1600, QImage::Format_RGB32);
  QPainter painter(&painted);
  PaintMap(big, painter);
  painter.end();
  for (const QImage& shown : {big.Composite(), painted}) {
    EXPECT_EQ(shown.pixelColor(12, 4), QColor(0, 255, 0));
    EXPECT_EQ(shown.pixelColor(20, 4), QColor(255, 255, 255));
  }
  EXPECT_EQ(big.PointColour({3, 1}), Rgb(0, 255, 0));
}

TEST_F(QtCanvasTest, PicturesLoadAndSaveAsBmp) {
  EXPECT_FALSE(canvas.LoadPictureBytes("not a picture"));
  EXPECT_FALSE(canvas.PictureBmpBytes());
  canvas.SetPicture({2, 1, {0xFFFF0000u, 0xFF0000FFu}});
  const auto bmp = canvas.PictureBmpBytes();
  ASSERT_TRUE(bmp);
  canvas.ClearPicture();
  ASSERT_TRUE(canvas.LoadPictureBytes(*bmp));
  EXPECT_EQ(canvas.GetPicture()->pixels, (std::vector<std::uint32_t>{0xFFFF0000u, 0xFF0000FFu}));
}

// A BMP file is read as one at once, a picture of any other type Qt knows is
// recognised by its bytes, and bytes that only start like a BMP file are none.
TEST_F(QtCanvasTest, PicturesOfEveryTypeQtKnowsLoad) {
  QImage image(2, 1, QImage::Format_RGB32);
  image.setPixel(0, 0, qRgb(255, 0, 0));
  image.setPixel(1, 0, qRgb(0, 0, 255));
  for (const char* format : {"BMP", "PNG", "PPM"}) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(image.save(&buffer, format)) << format;
    canvas.ClearPicture();
    ASSERT_TRUE(canvas.LoadPictureBytes(bytes.toStdString())) << format;
    EXPECT_EQ(canvas.GetPicture()->pixels, (std::vector<std::uint32_t>{0xFFFF0000u, 0xFF0000FFu})) << format;
  }
  EXPECT_FALSE(canvas.LoadPictureBytes("BM, but no bitmap"));
}

}  // namespace
}  // namespace nimbara
