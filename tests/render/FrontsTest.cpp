#include "render/Fronts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/CodeTables.h"
#include "render/LogFields.h"
#include "render/RecordingCanvas.h"

namespace nimbara {
namespace {

using Lines = std::vector<std::string>;
using testing::NumbersOf;
using testing::WithPrefix;

using SegmentRoutine = void (*)(Canvas&, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int16_t,
                                std::int16_t, Colour);

Lines Draw(SegmentRoutine routine, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
           std::int16_t spacing = kFrontSpacing) {
  RecordingCanvas canvas;
  routine(canvas, x1, y1, x2, y2, kFrontSymbolSize, spacing, kLightRed);
  return canvas.Lines();
}

struct FrontCase {
  const char* name;
  SegmentRoutine routine;
  std::int16_t spacing;
  std::int32_t x1, y1, x2, y2;
  Lines expected;
};

class FrontExamples : public ::testing::TestWithParam<FrontCase> {};

TEST_P(FrontExamples, DrawExactly) {
  const FrontCase& c = GetParam();
  EXPECT_EQ(Draw(c.routine, c.x1, c.y1, c.x2, c.y2, c.spacing), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Segments, FrontExamples,
    ::testing::Values(
        FrontCase{"WarmLevel", DrawWarmFront, 20, 100, 100, 160, 100,
                  {"line 100 100 160 100 1 #FF0000", "circle 115 100 4 -0.01 -3.1416 1 #FF0000 #FF0000",
                   "circle 135 100 4 -0.01 -3.1416 1 #FF0000 #FF0000",
                   "circle 155 100 4 -0.01 -3.1416 1 #FF0000 #FF0000"}},
        FrontCase{"WarmFalling", DrawWarmFront, 20, 100, 100, 140, 130,
                  {"line 100 100 140 130 1 #FF0000", "circle 112 109 4 -5.6397 -2.4981 1 #FF0000 #FF0000",
                   "circle 128 121 4 -5.6397 -2.4981 1 #FF0000 #FF0000"}},
        FrontCase{"WarmRising", DrawWarmFront, 20, 100, 130, 140, 100,
                  {"line 100 130 140 100 1 #FF0000", "circle 112 121 4 -0.6435 -3.7851 1 #FF0000 #FF0000",
                   "circle 128 109 4 -0.6435 -3.7851 1 #FF0000 #FF0000"}},
        FrontCase{"ColdFalling", DrawColdFront, 20, 100, 100, 140, 130,
                  {"line 100 100 140 130 1 #FF0000", "polygon 1 #FF0000 #FF0000 108 106 101 107 100 100",
                   "polygon 1 #FF0000 #FF0000 124 118 117 119 116 112"}},
        FrontCase{"ColdLevelTrianglesStandSouth", DrawColdFront, 20, 100, 100, 160, 100,
                  {"line 100 100 160 100 1 #FF0000", "polygon 1 #FF0000 #FF0000 110 100 105 105 100 100",
                   "polygon 1 #FF0000 #FF0000 130 100 125 105 120 100",
                   "polygon 1 #FF0000 #FF0000 150 100 145 105 140 100"}},
        FrontCase{"ColdSteepPointsEast", DrawColdFront, 20, 100, 100, 110, 140,
                  {"line 100 100 110 140 1 #FF0000",
                   "polygon 1 #FF0000 #FF0000 102.2127 108.8507 105.8507 105.2127 99.7873 99.1493",
                   "polygon 1 #FF0000 #FF0000 107.2127 128.8507 110.8507 125.2127 104.7873 119.1493"}},
        FrontCase{"OccludedFalling", DrawOccludedFront, 27, 100, 100, 140, 130,
                  {"line 100 100 140 130 1 #FF0000", "circle 116 112 4 -5.6397 -2.4981 1 #FF0000 #FF0000",
                   "polygon 1 #FF0000 #FF0000 101.8 101.35 107.4 100.55 108.2 106.15",
                   "polygon 1 #FF0000 #FF0000 123.8 117.85 129.4 117.05 130.2 122.65"}},
        FrontCase{"OccludedLevelTrianglesJoinTheHalfDiscsSouth", DrawOccludedFront, 27, 100, 100, 160, 100,
                  {"line 100 100 160 100 1 #FF0000", "circle 120 100 4 -3.1416 -0.01 1 #FF0000 #FF0000",
                   "circle 147 100 4 -3.1416 -0.01 1 #FF0000 #FF0000",
                   "polygon 1 #FF0000 #FF0000 103 100 107 104 111 100",
                   "polygon 1 #FF0000 #FF0000 130 100 134 104 138 100"}},
        FrontCase{"WarmVerticalHalfDiscsStandWest", DrawWarmFront, 20, 100, 160, 100, 100,
                  {"line 100 160 100 100 1 #FF0000", "circle 100 115 4 -1.5708 -4.7124 1 #FF0000 #FF0000",
                   "circle 100 135 4 -1.5708 -4.7124 1 #FF0000 #FF0000",
                   "circle 100 155 4 -1.5708 -4.7124 1 #FF0000 #FF0000"}},
        FrontCase{"ColdVerticalTrianglesStandEast", DrawColdFront, 20, 100, 100, 100, 160,
                  {"line 100 100 100 160 1 #FF0000", "polygon 1 #FF0000 #FF0000 100 110 105 105 100 100",
                   "polygon 1 #FF0000 #FF0000 100 130 105 125 100 120",
                   "polygon 1 #FF0000 #FF0000 100 150 105 145 100 140"}},
        FrontCase{"OccludedVerticalSymbolsStandEast", DrawOccludedFront, 27, 100, 100, 100, 160,
                  {"line 100 100 100 160 1 #FF0000", "circle 100 120 4 -4.7124 -1.5708 1 #FF0000 #FF0000",
                   "circle 100 147 4 -4.7124 -1.5708 1 #FF0000 #FF0000",
                   "polygon 1 #FF0000 #FF0000 100 103 104 107 100 111",
                   "polygon 1 #FF0000 #FF0000 100 130 104 134 100 138"}}),
    [](const ::testing::TestParamInfo<FrontCase>& info) { return std::string(info.param.name); });

TEST(Fronts, EndPointWithoutPositionDrawsNothingAndASegmentOfNoLengthOnlyItsLine) {
  for (SegmentRoutine routine : {DrawWarmFront, DrawColdFront, DrawOccludedFront}) {
    EXPECT_TRUE(Draw(routine, 0, 0, 140, 130).empty());
    EXPECT_TRUE(Draw(routine, 100, 100, 140, 0).empty());
    EXPECT_EQ(Draw(routine, 100, 100, 100, 100), Lines{"line 100 100 100 100 1 #FF0000"});
  }
  RecordingCanvas canvas;
  DrawOccludedFront(canvas, 100, 100, 0, 0, kFrontSymbolSize, kWideFrontSpacing, kLightRed);
  EXPECT_EQ(canvas.State().foreColour, kLightRed);
  EXPECT_EQ(canvas.State().fillColour, kLightRed);
  EXPECT_EQ(canvas.State().fillStyle, FillStyle::Solid);
}

// The line is drawn as given, so only its direction may differ.
Lines SymbolsOnly(const Lines& lines) {
  Lines out;
  std::copy_if(lines.begin(), lines.end(), std::back_inserter(out),
               [](const std::string& l) { return l.rfind("line ", 0) != 0; });
  return out;
}

TEST(Fronts, ReversedEndPointsGiveTheSamePicture) {
  for (SegmentRoutine routine : {DrawWarmFront, DrawColdFront, DrawOccludedFront}) {
    for (const auto& [x2, y2] : {std::pair{140, 130}, {160, 100}, {100, 160}}) {
      const Lines forward = Draw(routine, 100, 100, x2, y2);
      const Lines backward = Draw(routine, x2, y2, 100, 100);
      EXPECT_EQ(SymbolsOnly(forward), SymbolsOnly(backward));
      EXPECT_FALSE(SymbolsOnly(forward).empty());
    }
  }
}

TEST(Fronts, NearlyVerticalSegmentStepsOneUnitAtATime) {
  const Lines warm = WithPrefix(Draw(DrawWarmFront, 100, 100, 101, 160), "circle ");
  ASSERT_EQ(warm.size(), 1u);
  EXPECT_EQ(warm[0].rfind("circle 101 160 4 ", 0), 0u) << warm[0];

  const Lines cold = WithPrefix(Draw(DrawColdFront, 100, 100, 101, 160), "polygon ");
  ASSERT_EQ(cold.size(), 1u);
  const std::vector<double> v = NumbersOf(cold[0]);  // width, then the vertices
  ASSERT_EQ(v.size(), 7u);
  EXPECT_NEAR((v[1] + v[5]) / 2, 100, 1e-4);
  EXPECT_NEAR((v[2] + v[6]) / 2, 100, 1e-4);
  EXPECT_GT(v[3], 100);  // the apex points east
}

TEST(Fronts, FarOffEndPointStopsTheSymbolsOutsideEveryView) {
  const Lines lines = Draw(DrawWarmFront, 100, 100, 2000000000, 100);
  EXPECT_EQ(lines.front(), "line 100 100 2000000000 100 1 #FF0000");
  EXPECT_EQ(lines.back(), "circle 3995 100 4 -0.01 -3.1416 1 #FF0000 #FF0000");
}

TEST(Fronts, OccludedSymbolsShareTheEastSideOnRisingSegments) {
  const Lines lines = Draw(DrawOccludedFront, 100, 130, 140, 100, kWideFrontSpacing);
  EXPECT_EQ(lines[1], "circle 116 118 4 -3.7851 -0.6435 1 #FF0000 #FF0000");
  EXPECT_EQ(lines[2], "polygon 1 #FF0000 #FF0000 101.8 128.65 107.4 129.45 108.2 123.85");
}

std::vector<SystemPoint> Points(std::initializer_list<SystemPoint> points) { return points; }

Lines DrawLayer(const std::vector<SystemPoint>& points, const ColourSlots& colours = ColourSlots{}) {
  RecordingCanvas canvas;
  DrawFrontLayer(canvas, points, colours);
  EXPECT_EQ(canvas.State().lineWidth, 1);
  return canvas.Lines();
}

TEST(FrontLayer, DrawsTwoWideAndEndsAFrontWhereTheKindChanges) {
  const Lines lines = DrawLayer(Points({{kind::kWarmFront, 100, 100},
                                        {kind::kWarmFront, 160, 100},
                                        {kind::kColdFront, 200, 100},
                                        {kind::kWarmFront, 240, 100},
                                        {kind::kLow, 250, 100}}));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "line 100 100 160 100 2 #FF0000");
  EXPECT_EQ(lines[1], "circle 115 100 4 -0.01 -3.1416 2 #FF0000 #FF0000");
}

TEST(FrontLayer, SingleEntriesAndNonFrontKindsDrawNothing) {
  EXPECT_TRUE(DrawLayer(Points({{kind::kColdFront, 100, 100}})).empty());
  EXPECT_TRUE(DrawLayer(Points({{kind::kFromCentre, 100, 100}, {kind::kFromCentre, 140, 130}})).empty());
  EXPECT_TRUE(DrawLayer(Points({{kind::kLow, 100, 100}, {kind::kLow, 140, 130}})).empty());
  EXPECT_TRUE(DrawLayer({}).empty());
}

TEST(FrontLayer, EachKindTakesItsColourSlotAndSpacing) {
  ColourSlots colours;
  colours[ColourSlot::WarmFront] = Rgb(1, 0, 0);
  colours[ColourSlot::ColdFront] = Rgb(2, 0, 0);
  colours[ColourSlot::StationaryFront] = Rgb(3, 0, 0);
  colours[ColourSlot::OccludedFront] = Rgb(4, 0, 0);
  auto segment = [&](std::string_view kind) {
    return DrawLayer(Points({{kind, 100, 100}, {kind, 140, 130}}), colours);
  };
  EXPECT_EQ(segment(kind::kWarmFront)[0], "line 100 100 140 130 2 #010000");
  EXPECT_EQ(segment(kind::kColdFront)[1], "polygon 2 #020000 #020000 108 106 101 107 100 100");
  EXPECT_EQ(segment(kind::kOccludedFront)[1], "circle 116 112 4 -5.6397 -2.4981 2 #040000 #040000");

  // Stationary: half-discs of the warm routine, then triangles of the cold one, 27 apart.
  const Lines stationary = segment(kind::kStationaryFront);
  EXPECT_EQ(stationary, (Lines{"line 100 100 140 130 2 #030000",
                               "circle 116 112 4 -5.6397 -2.4981 2 #030000 #030000",
                               "line 100 100 140 130 2 #030000",
                               "polygon 2 #030000 #030000 109 106.75 102 107.75 101 100.75"}));
}

}  // namespace
}  // namespace nimbara
