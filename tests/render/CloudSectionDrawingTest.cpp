#include "render/CloudSectionDrawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "render/LogFields.h"
#include "render/RecordingCanvas.h"

namespace nimbara {
namespace {

constexpr std::uint32_t kOpaqueWhite = 0xFFFFFFFFu;
constexpr std::uint32_t kOpaqueBlack = 0xFF000000u;

// A picture covering the whole 800-pixel surface in one colour.
Picture Filled(std::uint32_t argb) { return {800, 800, std::vector<std::uint32_t>(800 * 800, argb)}; }

std::vector<std::string> Bars(const RecordingCanvas& canvas) {
  std::vector<std::string> bars;
  std::copy_if(canvas.Lines().begin(), canvas.Lines().end(), std::back_inserter(bars),
               [](const std::string& line) { return line.rfind("line ", 0) == 0; });
  return bars;
}

TEST(CloudSectionDrawing, NorthSouthFrameThenWhiteBarsOfFullLength) {
  RecordingCanvas canvas;
  canvas.SetPicture(Filled(kOpaqueWhite));
  DrawNorthSouthSection(canvas, 200);
  const std::vector<std::string> expectedStart = {
      "clear",
      "rect 150 32 200 390 #0000FF #0000FF",
      "rect 198 32 200 390 #000080 #000080",
      "rect 151 389 200 390 #000080 #000080",
      "rect 150 32 200 34 #008080 #008080",
      "rect 150 32 151 390 #008080 #008080",
      "line 195 40 163.125 40 1 #FFFFFF",
  };
  ASSERT_GE(canvas.Lines().size(), expectedStart.size());
  EXPECT_EQ(std::vector<std::string>(canvas.Lines().begin(), canvas.Lines().begin() + 7), expectedStart);
  EXPECT_EQ(canvas.Lines().back(), "line 195 380 163.125 380 1 #FFFFFF");
  EXPECT_EQ(Bars(canvas).size(), 341u);
}

TEST(CloudSectionDrawing, EastWestFrameThenBarsGrowingUpward) {
  RecordingCanvas canvas;
  canvas.SetPicture(Filled(kOpaqueWhite));
  DrawEastWestSection(canvas, 300);
  const std::vector<std::string> expectedStart = {
      "clear",
      "rect 0 250 390 300 #0000FF #0000FF",
      "rect 0 298 390 300 #000080 #000080",
      "rect 389 251 390 300 #008080 #008080",
      "rect 0 250 390 251 #008080 #008080",
      "rect 389 250 390 300 #000080 #000080",
      "line 10 295 10 263.125 1 #FFFFFF",
  };
  EXPECT_EQ(std::vector<std::string>(canvas.Lines().begin(), canvas.Lines().begin() + 7), expectedStart);
  EXPECT_EQ(canvas.Lines().back(), "line 380 295 380 263.125 1 #FFFFFF");
  EXPECT_EQ(Bars(canvas).size(), 371u);
}

TEST(CloudSectionDrawing, BlackPictureDrawsFrameWithoutBars) {
  RecordingCanvas canvas;
  canvas.SetPicture(Filled(kOpaqueBlack));
  DrawNorthSouthSection(canvas, 200);
  EXPECT_TRUE(Bars(canvas).empty());
  DrawEastWestSection(canvas, 200);
  EXPECT_TRUE(Bars(canvas).empty());
}

TEST(CloudSectionDrawing, ProfileFollowsThePictureAlongTheLine) {
  RecordingCanvas canvas;
  Picture picture = Filled(kOpaqueBlack);
  // Map row 100 is pixel rows 200 and 201 at 2 pixels per unit.
  for (int x = 0; x < 800; ++x) picture.pixels[200 * 800 + x] = kOpaqueWhite;
  canvas.SetPicture(picture);
  const BrightnessProfile profile = DrawNorthSouthSection(canvas, 200);
  EXPECT_EQ(profile[100], 255);
  EXPECT_EQ(profile[99], 0);
  EXPECT_EQ(Bars(canvas), std::vector<std::string>{"line 195 100 163.125 100 1 #FFFFFF"});
}

TEST(CloudSectionDrawing, WithoutPictureEveryBarHasTheBackgroundLength) {
  RecordingCanvas canvas;
  canvas.SetBackColour(Rgb(0, 0, 255));  // brightness 85: bars of 10.625
  DrawEastWestSection(canvas, 200);
  const auto bars = Bars(canvas);
  ASSERT_EQ(bars.size(), 371u);
  for (const auto& bar : bars) {
    const auto numbers = testing::NumbersOf(bar);  // x1 y1 x2 y2 width
    EXPECT_EQ(numbers[1], 195) << bar;
    EXPECT_EQ(numbers[3], 184.375) << bar;
  }
}

TEST(CloudSectionDrawing, SamplesOutsideTheSurfaceReadAsBrightOrGrey) {
  RecordingCanvas canvas;
  canvas.SetPicture(Filled(kOpaqueBlack));
  // Left of the surface: the frame reaches beyond the edge, every sample is outside.
  const BrightnessProfile northSouth = DrawNorthSouthSection(canvas, -10);
  EXPECT_EQ(canvas.Lines()[1], "rect -60 32 -10 390 #0000FF #0000FF");
  EXPECT_EQ(northSouth[40], 255);
  EXPECT_EQ(northSouth[380], 255);
  canvas.ClearLog();
  const BrightnessProfile eastWest = DrawEastWestSection(canvas, -10);
  EXPECT_EQ(eastWest[10], 170);
  EXPECT_EQ(Bars(canvas).front(), "line 10 -15 10 -36.25 1 #FFFFFF");
}

}  // namespace
}  // namespace nimbara
