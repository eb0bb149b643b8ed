#include "render/WindSymbol.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "render/RecordingCanvas.h"
#include "render/LogFields.h"

namespace nimbara {
namespace {

using Lines = std::vector<std::string>;
using testing::NumbersOf;

Lines Draw(float x, float y, std::int16_t direction, std::int16_t force,
           const SymbolSize& size = SymbolSize::Normal()) {
  RecordingCanvas canvas;
  DrawWindSymbol(canvas, x, y, direction, force, size, kLightBlue);
  return canvas.Lines();
}

TEST(WindSymbol, ForceTwoNorthAtTheCentralMeridian) {
  EXPECT_EQ(Draw(263, 100, 0, 2), (Lines{
                                       "line 263 96.5 263 94.5 1 #0000FF",
                                       "line 263 94.5 266.4641 93.5 1 #0000FF",
                                       "line 263 94.5 263 92.5 1 #0000FF",
                                       "line 263 92.5 266.4641 91.5 1 #0000FF",
                                       "line 263 92.5 267.8497 91.1 1 #0000FF",
                                   }));
}

TEST(WindSymbol, KeepsItsShapeBesideTheRoundCircleWhenTheTwoScalesDiffer) {
  RecordingCanvas canvas;
  canvas.SetScale({0, 0, 400, 200});  // a vertical map unit spans twice the pixels of a horizontal one
  DrawWindSymbol(canvas, 263, 100, 0, 2, SymbolSize::Normal(), kLightBlue);
  EXPECT_EQ(canvas.Lines()[0], "line 263 98.25 263 97.25 1 #0000FF");
  EXPECT_EQ(canvas.Lines()[1], "line 263 97.25 266.4641 96.75 1 #0000FF");
}

TEST(WindSymbol, ForceOneRunsTheShaftOnPastItsLongFeather) {
  EXPECT_EQ(Draw(263, 100, 0, 1), (Lines{
                                       "line 263 96.5 263 94.5 1 #0000FF",
                                       "line 263 94.5 266.4641 93.5 1 #0000FF",
                                       "line 263 94.5 267.8497 93.1 1 #0000FF",
                                       "line 263 94.5 263 93.3 1 #0000FF",
                                   }));
}

TEST(WindSymbol, ForceSixEndsWithOneLongFeather) {
  const Lines lines = Draw(263, 100, 0, 6);
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(lines[10], "line 263 86.5 263 84.5 1 #0000FF");
  EXPECT_EQ(lines[11], "line 263 84.5 267.8497 83.1 1 #0000FF");
}

TEST(WindSymbol, EnlargedForceSevenAddsALongLeftFeather) {
  const Lines lines = Draw(263, 100, 0, 7, SymbolSize::Enlarged());
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[0], "line 263 95 263 91 1 #0000FF");
  EXPECT_EQ(lines[10], "line 263 75 263 71 1 #0000FF");
  EXPECT_EQ(lines[11], "line 263 71 272.6995 68.2 1 #0000FF");
  EXPECT_EQ(lines[12], "line 263 71 253.3005 68.2 1 #0000FF");
}

TEST(WindSymbol, StrongWindsStackLeftFeathersInwardsFromTheTip) {
  const Lines lines = Draw(263, 100, 0, 9);
  ASSERT_EQ(lines.size(), 15u);
  // The shaft sits 1e-5 west of x = 263 (sin 3.141592 is not 0), which shows on the left side.
  EXPECT_EQ(lines[12], "line 263 84.5 258.1502 83.1 1 #0000FF");
  EXPECT_EQ(lines[13], "line 263 86.5 259.5359 85.5 1 #0000FF");
  EXPECT_EQ(lines[14], "line 263 88.5 259.5359 87.5 1 #0000FF");
  EXPECT_EQ(Draw(263, 100, 0, 12).size(), 18u);
}

TEST(WindSymbol, ForcesAboveTwelveDrawTwelve) {
  EXPECT_EQ(Draw(200, 150, 5, 13), Draw(200, 150, 5, 12));
  EXPECT_EQ(Draw(200, 150, 5, 32767), Draw(200, 150, 5, 12));
}

TEST(WindSymbol, NothingForCalmNegativeForceOrUnknownDirection) {
  EXPECT_TRUE(Draw(263, 100, 3, 0).empty());
  EXPECT_TRUE(Draw(263, 100, 3, -1).empty());
  EXPECT_TRUE(Draw(263, 100, 16, 5).empty());
  EXPECT_TRUE(Draw(263, 100, -1, 5).empty());
}

TEST(WindSymbol, WestAndEastWindsAreHorizontalWithFeathersUpAndDown) {
  const Lines west = Draw(263, 100, 4, 1);
  EXPECT_EQ(west[0], "line 259.5 100 257.5 100 1 #0000FF");
  EXPECT_EQ(west[1], "line 257.5 100 256.5 96.5359 1 #0000FF");
  const Lines east = Draw(263, 100, 12, 1);
  EXPECT_EQ(east[0], "line 266.5 100 268.5 100 1 #0000FF");
  EXPECT_EQ(east[1], "line 268.5 100 269.5 103.4641 1 #0000FF");
}

TEST(WindSymbol, WestOfTheCentralMeridianNorthLeansClockwise) {
  EXPECT_EQ(MeridianTilt(263, 100), 0.0);
  const std::vector<double> shaft = NumbersOf(Draw(163, 100, 0, 1)[0]);
  const double lean = std::atan2(shaft[2] - shaft[0], shaft[1] - shaft[3]) * 180 / std::numbers::pi;
  EXPECT_NEAR(lean, 15.3, 0.05);
  EXPECT_LT(MeridianTilt(363, 100), 0.0);
}

}  // namespace
}  // namespace nimbara
