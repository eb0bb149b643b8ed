#include "pressure/PressureRelief.h"

#include <gtest/gtest.h>

#include "core/Coastline.h"
#include "support/GridFixtures.h"

namespace nimbara {
namespace {

using testing::LogLinesOf;

constexpr Colour kMap = Rgb(0, 128, 0);   // #008000
constexpr Colour kMesh = kLightBlue;      // #0000FF
constexpr int kPlaneLines = 4;
constexpr int kPostLines = 4;

int OutlineSegments() { return static_cast<int>(CoastSegments().size()); }

TEST(ReliefProjection, PlaneCornersAndHeights) {
  EXPECT_EQ(ReliefPoint(12, 12, 101300), (PointF{206, 70}));
  EXPECT_EQ(ReliefPoint(387, 387, 101300), (PointF{393.5, 320}));
  EXPECT_EQ(ReliefPoint(387, 12, 101300).x, 581);
  EXPECT_FLOAT_EQ(static_cast<float>(ReliefPoint(100, 100, 101300).y - ReliefPoint(100, 100, 102300).y), 60.0f);
  EXPECT_FLOAT_EQ(static_cast<float>(ReliefPoint(0, 0, 0).y), 6140.0f);
}

TEST(Relief, PlaneAndPostsComeFirstInTheMapColour) {
  PressureGrid grid = testing::UniformGrid(101300);
  grid.At(1, 1) = 102300;
  RecordingCanvas canvas;
  DrawPressureRelief(canvas, grid, kMap, kMesh);
  const std::vector<std::string> first(canvas.Lines().begin(), canvas.Lines().begin() + kPlaneLines + kPostLines);
  EXPECT_EQ(first, (std::vector<std::string>{
                       "line 206 70 581 70 1 #008000",
                       "line 581 70 393.5 320 1 #008000",
                       "line 393.5 320 18.5 320 1 #008000",
                       "line 206 70 18.5 320 1 #008000",
                       "line 206 70 206 10 1 #008000",
                       "line 581 70 581 70 1 #008000",
                       "line 393.5 320 393.5 320 1 #008000",
                       "line 18.5 320 18.5 320 1 #008000",
                   }));
}

TEST(Relief, UniformGridLiesInThePlaneWithRowsAsHorizontalLines) {
  const PressureGrid grid = testing::UniformGrid(101300);
  RecordingCanvas canvas;
  DrawPressureRelief(canvas, grid, kMap, kMesh);
  const int meshLines = 2 * 32 * 31;
  ASSERT_EQ(static_cast<int>(canvas.Lines().size()), kPlaneLines + kPostLines + OutlineSegments() + meshLines);
  const std::vector<std::string> lines = LogLinesOf(canvas, "line");
  const std::size_t firstMesh = lines.size() - meshLines;
  // Row 1 from column 1 to 2, and row 32's last segment.
  EXPECT_EQ(lines[firstMesh], "line 206 70 218 70 1 #0000FF");
  EXPECT_EQ(lines[firstMesh + 32 * 31 - 1], "line 380 318 392 318 1 #0000FF");
  for (int r = 1; r <= 32; ++r) {
    const std::string& line = lines[firstMesh + static_cast<std::size_t>((r - 1) * 31)];
    const std::string y = LogNumber(2.0 / 3.0 * 12 * r + 62);
    EXPECT_NE(line.find(" " + y + " "), std::string::npos) << line;
  }
}

TEST(ReliefView, ShowsTheWholeRelief) {
  PressureGrid grid = testing::UniformGrid(101300);
  grid.At(10, 1) = 104000;
  grid.At(20, 32) = 95000;
  grid.At(5, 5) = 0;  // never filled: not framed
  const MapView view = ReliefView(grid);
  EXPECT_FLOAT_EQ(view.width, view.height);
  EXPECT_LE(view.left, 18.5f);
  EXPECT_GE(view.left + view.width, 581.0f);
  EXPECT_LE(view.top, ReliefPoint(120, 12, 104000).y);
  EXPECT_GE(view.top + view.height, ReliefPoint(240, 384, 95000).y);
  EXPECT_LT(view.top + view.height, 2000.0f);
}

}  // namespace
}  // namespace nimbara
