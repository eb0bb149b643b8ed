#include "core/Coastline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/ObservationStore.h"

namespace nimbara {
namespace {

bool IsPenUp(const CoastlineTable& t, int i) { return t.x[i] <= 0 || t.y[i] <= 0; }

struct Polyline {
  int first;
  int count;
};

// The runs of drawn points between pen-up marks, in table order.
std::vector<Polyline> Polylines() {
  const CoastlineTable& t = Coastline();
  std::vector<Polyline> runs;
  int start = 0;
  for (int i = 0; i < kCoastlinePointCount; ++i) {
    if (IsPenUp(t, i)) {
      if (i > start) runs.push_back({start, i - start});
      start = i + 1;
    }
  }
  if (start < kCoastlinePointCount) runs.push_back({start, kCoastlinePointCount - start});
  return runs;
}

double SegmentDistance(double px, double py, double ax, double ay, double bx, double by) {
  const double dx = bx - ax;
  const double dy = by - ay;
  const double length2 = dx * dx + dy * dy;
  double u = length2 == 0 ? 0 : ((px - ax) * dx + (py - ay) * dy) / length2;
  u = std::clamp(u, 0.0, 1.0);
  return std::hypot(px - ax - u * dx, py - ay - u * dy);
}

// Distance from a map position to the nearest line the base map draws.
double DistanceToOutline(double x, double y) {
  const CoastlineTable& t = Coastline();
  double best = std::numeric_limits<double>::infinity();
  for (int i = 0; i + 1 < kCoastlinePointCount; ++i) {
    if (IsPenUp(t, i) || IsPenUp(t, i + 1)) continue;
    best = std::min(best, SegmentDistance(x, y, t.x[i], t.y[i], t.x[i + 1], t.y[i + 1]));
  }
  return best;
}

int StationSlot(const StationTable& stations, const std::string& name) {
  for (int i = 0; i < kBuiltInStationCount; ++i) {
    if (stations.names[i] == name) return i;
  }
  ADD_FAILURE() << "no station " << name;
  return 0;
}

TEST(Coastline, PenUpMarksSeparateTwentyNinePolylines) {
  const CoastlineTable& t = Coastline();
  const std::vector<int> expected = {19,  64,  78,  89,  104, 109, 116, 123, 134, 141,
                                     147, 217, 227, 256, 262, 269, 272, 275, 278, 281,
                                     284, 287, 290, 293, 302, 312, 321, 328, 331};
  std::vector<int> penUps;
  for (int i = 0; i < kCoastlinePointCount; ++i) {
    if (IsPenUp(t, i)) penUps.push_back(i);
  }
  EXPECT_EQ(penUps, expected);
  for (int i : expected) {
    EXPECT_EQ(t.x[i], 0) << "row " << i;
    EXPECT_EQ(t.y[i], 0) << "row " << i;
  }
  EXPECT_EQ(Polylines().size(), 29u);
}

TEST(Coastline, PolylinesRunFromTwoToSixtyNinePoints) {
  const std::vector<Polyline> runs = Polylines();
  ASSERT_EQ(runs.size(), 29u);
  for (const Polyline& run : runs) {
    EXPECT_GE(run.count, 2) << "polyline at " << run.first;
    EXPECT_LE(run.count, 69) << "polyline at " << run.first;
  }
  EXPECT_EQ(runs[0].first, 0);
  EXPECT_EQ(runs[0].count, 19);
  EXPECT_EQ(runs[1].first, 20);
  EXPECT_EQ(runs[1].count, 44);

  const auto longest =
      std::max_element(runs.begin(), runs.end(), [](auto a, auto b) { return a.count < b.count; });
  EXPECT_EQ(longest->first, 148);
  EXPECT_EQ(longest->count, 69);

  // Eight short strokes in a row, then the last polyline is a stroke too.
  for (int k = 0; k < 8; ++k) {
    const Polyline& stroke = runs[16 + k];
    EXPECT_EQ(stroke.first, 270 + 3 * k);
    EXPECT_EQ(stroke.count, 2);
  }
  EXPECT_EQ(runs.back().first, 329);
  EXPECT_EQ(runs.back().count, 2);
}

TEST(Coastline, FirstPolylineIsAClosedRingFromTheNorthWestCape) {
  const CoastlineTable& t = Coastline();
  EXPECT_EQ(t.x[0], 299);
  EXPECT_EQ(t.y[0], 99);
  EXPECT_EQ(t.x[1], 296);
  EXPECT_EQ(t.y[1], 101);
  EXPECT_EQ(t.x[2], 297);
  EXPECT_EQ(t.y[2], 112);
  EXPECT_EQ(t.x[18], 299);
  EXPECT_EQ(t.y[18], 99);
}

TEST(Coastline, SecondPolylineStartsAtItsFixedRow) {
  const CoastlineTable& t = Coastline();
  EXPECT_EQ(t.x[20], 300);
  EXPECT_EQ(t.y[20], 135);
}

TEST(Coastline, DrawnPointsAreWholeMapUnitsInsideTheBounds) {
  const CoastlineTable& t = Coastline();
  for (int i = 0; i < kCoastlinePointCount; ++i) {
    if (IsPenUp(t, i)) continue;
    EXPECT_EQ(t.x[i], std::round(t.x[i])) << "row " << i;
    EXPECT_EQ(t.y[i], std::round(t.y[i])) << "row " << i;
    EXPECT_GE(t.x[i], 6) << "row " << i;
    EXPECT_LE(t.x[i], 386) << "row " << i;
    EXPECT_GE(t.y[i], 29) << "row " << i;
    EXPECT_LE(t.y[i], 399) << "row " << i;
  }
}

TEST(Coastline, SlotsPastTheTableStayZero) {
  const CoastlineTable& t = Coastline();
  for (int i = kCoastlinePointCount; i < kCoastlineSlots; ++i) {
    EXPECT_EQ(t.x[i], 0) << "slot " << i;
    EXPECT_EQ(t.y[i], 0) << "slot " << i;
  }
}

TEST(Coastline, EverySegmentHasLength) {
  // A repeated point would draw a dot-sized segment and waste a row.
  const CoastlineTable& t = Coastline();
  for (int i = 0; i + 1 < kCoastlinePointCount; ++i) {
    if (IsPenUp(t, i) || IsPenUp(t, i + 1)) continue;
    EXPECT_FALSE(t.x[i] == t.x[i + 1] && t.y[i] == t.y[i + 1]) << "rows " << i << " and " << i + 1;
  }
}

TEST(Coastline, CoastalStationsLieOnTheOutline) {
  // The station positions are fixed, so the outline has to meet them; a
  // table projected or shifted differently misses by several units.
  constexpr double kTolerance = 2.0;
  const StationTable stations = BuiltInStationTable();
  for (const std::string name :
       {"那覇", "鹿児島", "福江", "厳原", "室戸岬", "潮岬", "銚子", "小名浜", "輪島", "宮古", "根室",
        "ウラジオストク", "プサン", "モッポ", "台北", "恒春", "大連", "上海", "アモイ", "香港",
        "ラワーグ", "マニラ"}) {
    const int slot = StationSlot(stations, name);
    EXPECT_LE(DistanceToOutline(stations.x[slot], stations.y[slot]), kTolerance) << name;
  }
}

TEST(Coastline, InlandStationsStayClearOfTheOutline) {
  constexpr double kClearance = 5.0;
  const StationTable stations = BuiltInStationTable();
  for (const std::string name : {"北京", "武漢", "長春", "ハバロフスク", "前橋"}) {
    const int slot = StationSlot(stations, name);
    EXPECT_GT(DistanceToOutline(stations.x[slot], stations.y[slot]), kClearance) << name;
  }
}

}  // namespace
}  // namespace nimbara
