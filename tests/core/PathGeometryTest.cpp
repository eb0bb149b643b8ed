#include "core/PathGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>


namespace nimbara {
namespace {

double Nearest(PointF p, const Path& path) {
  double best = INFINITY;
  for (const PointF& q : path) best = std::min(best, Distance(p, q));
  return best;
}

double TotalLength(const std::vector<Path>& parts) {
  double length = 0;
  for (const Path& part : parts) length += PathLength(part);
  return length;
}

TEST(PathGeometry, SmoothCurvesPassThroughEveryPointAndKeepALoopClosed) {
  const Path cases[] = {
      {{0, 0}, {10, 0}, {10, 10}, {0, 12}},                         // open, turning
      {{0, 0}, {1, 0.5}, {20, 1}, {21, 1}, {40, 0}},                // uneven spacing
      {{0, 0}, {12, 0}, {12, 12}, {0, 12}, {0, 0}},                 // a loop
      {{5, 5}, {5, 5}, {6, 7}, {9, 9}},                             // a repeated point
  };
  for (const Path& points : cases) {
    const Path smooth = SmoothThrough(points, 4);
    for (const PointF& p : points) EXPECT_LT(Nearest(p, smooth), 1e-9);
    EXPECT_EQ(smooth.front(), points.front());
    EXPECT_EQ(smooth.back(), points.back());
  }
  const Path straight = SmoothThrough(Path{{0, 0}, {3, 3}, {10, 10}, {11, 11}}, 4);
  EXPECT_EQ(straight.size(), 13u);  // four pieces for each of three spans
  for (const PointF& p : straight) EXPECT_NEAR(p.x, p.y, 1e-9);
}

TEST(PathGeometry, PartsInsideAndOutsideABoxShareThePath) {
  const Box box{10, 10, 20, 20};
  const struct {
    Path path;
    std::size_t inside;
    std::size_t outside;
  } cases[] = {
      {{{0, 15}, {30, 15}}, 1, 2},                      // straight through
      {{{0, 15}, {15, 15}, {15, 0}}, 1, 2},             // in and back out of the same side
      {{{12, 12}, {18, 12}, {18, 18}}, 1, 0},           // wholly inside
      {{{0, 0}, {5, 5}, {30, 0}}, 0, 1},                // never inside
      {{{10, 0}, {10, 30}}, 1, 2},                      // along an edge
      {{{15, 15}, {30, 15}, {30, 18}, {15, 18}}, 2, 1}, // starts and ends inside
  };
  for (const auto& c : cases) {
    const std::vector<Path> inside = PartsInside(c.path, box);
    const std::vector<Path> outside = PartsOutside(c.path, box);
    EXPECT_EQ(inside.size(), c.inside);
    EXPECT_EQ(outside.size(), c.outside);
    EXPECT_NEAR(TotalLength(inside) + TotalLength(outside), PathLength(c.path), 1e-9);
    for (const Path& part : outside)
      for (std::size_t i = 1; i < part.size(); ++i)
        EXPECT_FALSE(box.Grown(-1e-9).Contains({(part[i - 1].x + part[i].x) / 2, (part[i - 1].y + part[i].y) / 2}));
  }
  EXPECT_EQ(PartsOutsideAll(Path{{0, 15}, {60, 15}}, std::vector<Box>{box, {40, 10, 50, 20}}).size(), 3u);
}

// Clipped, a polygon fills just where it did inside the box: sampled on a
// grid of points (off the polygons' own edges), the clipped polygon encloses
// exactly those the whole one does inside the box, and none outside it.
struct ClippedPolygon {
  std::string name;
  Path polygon;
};

class PolygonClipping : public ::testing::TestWithParam<ClippedPolygon> {};

TEST_P(PolygonClipping, FillsWhereThePolygonDidInsideTheBox) {
  const Box box{10, 10, 30, 30};
  const Path& polygon = GetParam().polygon;
  const Path clipped = ClipPolygon(polygon, box);
  for (const PointF& p : clipped) EXPECT_TRUE(box.Contains(p)) << p.x << " " << p.y;
  if (!clipped.empty()) {
    EXPECT_EQ(clipped.front(), clipped.back());
  }
  constexpr double kStep = 1.0;
  constexpr double kOffEdges = 0.37;  // keeps samples off the polygons' whole-unit edges
  for (double x = 0 + kOffEdges; x < 40; x += kStep)
    for (double y = 0 + kOffEdges; y < 40; y += kStep) {
      const PointF p{x, y};
      EXPECT_EQ(Encloses(clipped, p), box.Contains(p) && Encloses(polygon, p)) << x << " " << y;
    }
}

INSTANTIATE_TEST_SUITE_P(
    PathGeometry, PolygonClipping,
    ::testing::Values(
        ClippedPolygon{"WhollyInside", {{12, 12}, {28, 12}, {20, 28}, {12, 12}}},
        ClippedPolygon{"WhollyOutside", {{0, 0}, {8, 0}, {8, 8}, {0, 0}}},
        ClippedPolygon{"RoundTheBox", {{0, 0}, {40, 0}, {40, 40}, {0, 40}, {0, 0}}},
        // A U whose two arms the box's bottom cuts apart: one ring joining
        // them along the side, with no sliver between the arms.
        ClippedPolygon{"ArmsCutApart", {{12, 20}, {12, 40}, {16, 40}, {16, 24}, {24, 24}, {24, 40}, {28, 40}, {28, 20}, {12, 20}}},
        // Land over a corner: the box's corner becomes a vertex.
        ClippedPolygon{"OverACorner", {{20, 0}, {40, 0}, {40, 20}, {20, 0}}},
        ClippedPolygon{"OverACornerItContains", {{25, 5}, {45, 5}, {45, 45}, {5, 45}, {25, 5}}}),
    [](const ::testing::TestParamInfo<ClippedPolygon>& info) { return info.param.name; });

TEST(PathGeometry, PlacesAlongAPathByLength) {
  const Path path{{0, 0}, {10, 0}, {10, 0}, {10, 20}};
  const PathMeasure measure(path);
  EXPECT_DOUBLE_EQ(measure.Length(), 30);
  const struct {
    double along;
    PointF at;
    PointF direction;
  } cases[] = {{-5, {0, 0}, {1, 0}}, {4, {4, 0}, {1, 0}}, {10, {10, 0}, {1, 0}}, {15, {10, 5}, {0, 1}},
               {40, {10, 20}, {0, 1}}};
  for (const auto& c : cases) {
    const PathPlace place = measure.At(c.along);
    EXPECT_EQ(place.at, c.at) << c.along;
    EXPECT_EQ(place.direction, c.direction) << c.along;
  }
  EXPECT_EQ(measure.Between(5, 15), (Path{{5, 0}, {10, 0}, {10, 0}, {10, 5}}));
}

}  // namespace
}  // namespace nimbara
