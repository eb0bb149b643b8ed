#include "pressure/PressureRelief.h"

#include <gtest/gtest.h>

#include "core/Coastline.h"
#include "support/GridFixtures.h"

namespace nimbara {
namespace {

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

TEST(Relief, PlaneThenPostsToTheNearestInteriorNodesThenTheOutline) {
  PressureGrid grid = testing::UniformGrid(101300);
  grid.At(1, 1) = 102300;
  const ReliefLines relief = PressureRelief(grid);
  ASSERT_EQ(static_cast<int>(relief.planeAndOutline.size()), kPlaneLines + kPostLines + OutlineSegments());
  const std::vector<LineSegment> first(relief.planeAndOutline.begin(),
                                       relief.planeAndOutline.begin() + kPlaneLines + kPostLines);
  EXPECT_EQ(first, (std::vector<LineSegment>{
                       {{206, 70}, {581, 70}},
                       {{581, 70}, {393.5, 320}},
                       {{393.5, 320}, {18.5, 320}},
                       {{206, 70}, {18.5, 320}},
                       {{206, 70}, {206, 10}},
                       {{581, 70}, {581, 70}},
                       {{393.5, 320}, {393.5, 320}},
                       {{18.5, 320}, {18.5, 320}},
                   }));
  const CoastSegment& coast = CoastSegments().front();
  EXPECT_EQ(relief.planeAndOutline[kPlaneLines + kPostLines],
            (LineSegment{ReliefPoint(coast.x1, coast.y1, 101300), ReliefPoint(coast.x2, coast.y2, 101300)}));
}

TEST(Relief, UniformGridLiesInThePlaneWithRowsAsHorizontalLines) {
  const ReliefLines relief = PressureRelief(testing::UniformGrid(101300));
  ASSERT_EQ(relief.mesh.size(), std::size_t{2 * 32 * 31});
  // Row 1 from column 1 to 2, and row 32's last segment.
  EXPECT_EQ(relief.mesh.front(), (LineSegment{{206, 70}, {218, 70}}));
  EXPECT_EQ(relief.mesh[32 * 31 - 1], (LineSegment{{380, 318}, {392, 318}}));
  for (int r = 1; r <= 32; ++r) {
    const LineSegment& line = relief.mesh[static_cast<std::size_t>((r - 1) * 31)];
    EXPECT_FLOAT_EQ(static_cast<float>(line.from.y), static_cast<float>(2.0 / 3.0 * 12 * r + 62)) << r;
    EXPECT_EQ(line.from.y, line.to.y) << r;
  }
  // The columns follow the rows, each running down the plane.
  EXPECT_EQ(relief.mesh[32 * 31], (LineSegment{{206, 70}, {200, 78}}));
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
