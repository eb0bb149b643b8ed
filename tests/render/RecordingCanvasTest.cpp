#include "render/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <limits>
#include <numbers>
#include <span>
#include <vector>

namespace nimbara {
namespace {

TEST(DrawingLog, NumbersHaveAtMostFourDecimalsWithoutTrailingZeros) {
  EXPECT_EQ(LogNumber(12), "12");
  EXPECT_EQ(LogNumber(12.5), "12.5");
  EXPECT_EQ(LogNumber(-3.25), "-3.25");
  EXPECT_EQ(LogNumber(266.46410161), "266.4641");
  EXPECT_EQ(LogNumber(-0.00001), "0");
  EXPECT_EQ(LogNumber(-0.5), "-0.5");
  EXPECT_EQ(LogNumber(0.00004), "0");
  EXPECT_EQ(LogNumber(2.00006), "2.0001");
  EXPECT_EQ(LogNumber(1.0001), "1.0001");
  EXPECT_EQ(LogNumber(5.63968), "5.6397");
  EXPECT_EQ(LogNumber(1e20), "100000000000000000000");
  EXPECT_EQ(LogColour(Rgb(255, 0, 128)), "#FF0080");
}

TEST(DrawingLog, EveryCallIsOneLine) {
  RecordingCanvas canvas;
  canvas.Clear();
  canvas.SetLineWidth(2);
  canvas.Line({1, 2}, {3, 4.5}, kLightBlue);
  canvas.LineTo({5, 6}, kLightBlue);
  canvas.Rect({0, 0}, {10, 10}, kDarkBlue, true);
  canvas.Rect({0, 0}, {10, 10}, kDarkBlue, false);
  canvas.SetFillStyle(FillStyle::Solid);
  canvas.SetFillColour(kWhite);
  canvas.Circle({100, 100}, 3, kLightBlue);
  canvas.Circle({100, 100}, 4, kLightRed, ArcAngles{-0.01, -std::numbers::pi});
  canvas.SetForeColour(kLightRed);
  const std::vector<PointF> triangle = {{1, 1}, {2, 2}, {3, 1}};
  canvas.Polygon(triangle);
  canvas.SetFillStyle(FillStyle::Transparent);
  canvas.SetFontSize(16);
  canvas.SetFontBold(true);
  canvas.Text({95.5, 95.5}, "高 気圧");
  const std::vector<PointF> path = {{1, 2}, {3.5, 4}, {5, 6}};
  canvas.Polyline(path, kDarkBlue);
  canvas.Polyline(std::span(path).first(1), kDarkBlue);
  canvas.HaloText({7, 8}, "1008", kWhite, 3);
  const std::vector<std::string> expected = {
      "clear",
      "line 1 2 3 4.5 2 #0000FF",
      "line 3 4.5 5 6 2 #0000FF",
      "rect 0 0 10 10 #000080 #000080",
      "rect 0 0 10 10 #000080 -",
      "circle 100 100 3 - - 2 #0000FF #FFFFFF",
      "circle 100 100 4 -0.01 -3.1416 2 #FF0000 #FFFFFF",
      "polygon 2 #FF0000 #FFFFFF 1 1 2 2 3 1",
      "text 95.5 95.5 16 1 #FF0000 高 気圧",
      "polyline 2 #000080 1 2 3.5 4 5 6",
      "halotext 7 8 16 1 #FF0000 #FFFFFF 3 1008",
  };
  EXPECT_EQ(canvas.Lines(), expected);
  EXPECT_EQ(canvas.CurrentPoint(), (PointF{7, 8}));
}

TEST(DrawingLog, PointColourReadsPictureThenBackgroundAndMinusOneOutside) {
  RecordingCanvas canvas(100, 100);
  canvas.SetScale({0, 0, 400, 400});
  canvas.SetBackColour(Rgb(1, 2, 3));
  canvas.SetPicture({2, 1, {0xFFFF0000u, 0xFF00FF00u}});
  EXPECT_EQ(canvas.PointColour({0, 0}), Rgb(255, 0, 0));
  EXPECT_EQ(canvas.PointColour({4, 0}), Rgb(0, 255, 0));
  EXPECT_EQ(canvas.PointColour({200, 200}), Rgb(1, 2, 3));
  EXPECT_EQ(canvas.PointColour({-1, 0}), -1);
  EXPECT_EQ(canvas.PointColour({400, 10}), -1);
  EXPECT_EQ(canvas.PointColour({1e30, 10}), -1);
  EXPECT_EQ(canvas.PointColour({std::numeric_limits<double>::quiet_NaN(), 10}), -1);
}

TEST(CanvasScale, ZeroWidthOrHeightNeverBecomesTheScale) {
  RecordingCanvas canvas;
  canvas.SetScale({5, 6, 0, 0});
  EXPECT_EQ(canvas.Scale(), (MapView{5, 6, 400, 400}));
  canvas.SetScale({0, 0, -400, 300});
  EXPECT_EQ(canvas.Scale(), (MapView{0, 0, -400, 300}));
}

}  // namespace
}  // namespace nimbara
