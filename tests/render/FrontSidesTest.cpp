// Which side of a front its symbols stand on, read from the drawing log: the
// classic segments and the chart's runs follow one rule for every kind and
// direction, and a stationary front's half-discs always face away from its
// triangles.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/CodeTables.h"
#include "core/MapView.h"
#include "core/SystemKind.h"
#include "render/Fronts.h"
#include "render/LogFields.h"
#include "render/RecordingCanvas.h"
#include "render/chart/ChartFronts.h"

namespace nimbara {
namespace {

using testing::NumbersOf;

struct Direction {
  const char* name;
  std::int32_t dx;
  std::int32_t dy;  // screen: y grows southward
};

// Every sign of slope, shallow and steep, and both axes.
constexpr Direction kDirections[] = {{"East", 60, 0},           {"EastSouthEast", 60, 20}, {"SouthEast", 40, 40},
                                     {"SouthSouthEast", 20, 60}, {"SteepSouth", 12, 60},   {"South", 0, 60},
                                     {"SteepNorth", 12, -60},    {"NorthNorthEast", 20, -60}, {"NorthEast", 40, -40}};

constexpr PointF kStart{150, 150};

struct Sides {
  std::vector<int> discs;
  std::vector<int> triangles;
};

int SideOf(const Direction& d, double px, double py) {
  const double cross = d.dx * py - d.dy * px;
  return cross > 0 ? 1 : -1;
}

// Half-discs are logged "circle X Y R -START -END ...": the sector turns half
// a turn counter-clockwise on the screen from START, so it bulges toward
// START + a quarter turn. Triangles are "polygon W FORE FILL base apex base".
Sides SidesIn(const std::vector<std::string>& log, const Direction& d) {
  Sides sides;
  for (const std::string& line : log) {
    const std::vector<double> n = NumbersOf(line);
    if (line.rfind("circle", 0) == 0 && n.size() >= 5 && n[3] < 0) {
      const double middle = -n[3] + std::numbers::pi / 2;
      sides.discs.push_back(SideOf(d, std::cos(middle), -std::sin(middle)));
    } else if (line.rfind("polygon", 0) == 0) {
      const std::size_t v = n.size() - 6;
      const double baseX = (n[v] + n[v + 4]) / 2;
      const double baseY = (n[v + 1] + n[v + 5]) / 2;
      sides.triangles.push_back(SideOf(d, n[v + 2] - baseX, n[v + 3] - baseY));
    }
  }
  return sides;
}

std::vector<std::string> ClassicLog(std::string_view kind, const Direction& d) {
  RecordingCanvas canvas;
  const std::int32_t x = static_cast<std::int32_t>(kStart.x);
  const std::int32_t y = static_cast<std::int32_t>(kStart.y);
  const std::vector<SystemPoint> points = {{kind, x, y}, {kind, x + d.dx, y + d.dy}};
  DrawFrontLayer(canvas, points, ColourSlots{});
  return canvas.Lines();
}

std::vector<std::string> ChartLog(FrontKind kind, const Direction& d) {
  RecordingCanvas canvas;
  const std::vector<PointF> points = {kStart, {kStart.x + d.dx, kStart.y + d.dy}};
  chart::DrawFrontRun(canvas, kind, points, {0, 0, kMapSize, kMapSize});
  return canvas.Lines();
}

bool AllOn(const std::vector<int>& sides, int side) {
  return !sides.empty() && std::all_of(sides.begin(), sides.end(), [&](int s) { return s == side; });
}

class FrontSides : public ::testing::TestWithParam<Direction> {};

TEST_P(FrontSides, StationaryHalfDiscsFaceAwayFromItsTriangles) {
  const Sides classic = SidesIn(ClassicLog(kind::kStationaryFront, GetParam()), GetParam());
  ASSERT_FALSE(classic.triangles.empty());
  const int triangles = classic.triangles.front();
  EXPECT_TRUE(AllOn(classic.triangles, triangles));
  EXPECT_TRUE(AllOn(classic.discs, -triangles));
}

TEST_P(FrontSides, TheChartPutsEachKindsSymbolsWhereTheClassicStyleDoes) {
  for (const SystemKind* k : KindsOfShape(SystemShape::Front)) {
    const Sides classic = SidesIn(ClassicLog(k->word, GetParam()), GetParam());
    const Sides chart = SidesIn(ChartLog(k->front, GetParam()), GetParam());
    if (!classic.discs.empty()) {
      EXPECT_TRUE(AllOn(chart.discs, classic.discs.front())) << k->word << " half-discs";
    }
    if (!classic.triangles.empty()) {
      EXPECT_TRUE(AllOn(chart.triangles, classic.triangles.front())) << k->word << " triangles";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Directions, FrontSides, ::testing::ValuesIn(kDirections),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace nimbara
