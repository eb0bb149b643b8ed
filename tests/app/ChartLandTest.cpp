// The chart's tinted land and sea through the drawing log: the land's
// polygons, cut at the edge of any view, fill just the land (no inverted
// fill, no sliver along the edge), and the island stations stand on islands.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/ObservationStore.h"
#include "core/PathGeometry.h"
#include "render/LogFields.h"
#include "render/RecordingCanvas.h"
#include "render/chart/ChartCoast.h"
#include "render/chart/ChartLand.h"
#include "render/chart/ChartMap.h"
#include "render/chart/ChartPalette.h"

namespace nimbara {
namespace {


enum class Ground { Land, Sea };

struct Tint {
  Path polygon;
  Ground ground;
};

// The land and sea polygons the chart's base map draws in the view, in order.
std::vector<Tint> DrawnTints(const RecordingCanvas& canvas) {
  std::vector<Tint> tints;
  for (const std::string& line : canvas.Lines()) {
    if (!line.starts_with("polygon ")) continue;
    const bool land = line.find(LogColour(chart::kLand)) != std::string::npos;
    if (!land && line.find(LogColour(chart::kSea)) == std::string::npos) continue;
    const std::vector<double> numbers = testing::NumbersOf(line);  // width, then the vertices
    Path polygon;
    for (std::size_t i = 1; i + 1 < numbers.size(); i += 2) polygon.push_back({numbers[i], numbers[i + 1]});
    tints.push_back({polygon, land ? Ground::Land : Ground::Sea});
  }
  return tints;
}

// What shows at a point: the last polygon round it, else the sea's tint.
Ground GroundAt(const std::vector<Tint>& tints, PointF p) {
  for (auto t = tints.rbegin(); t != tints.rend(); ++t)
    if (Encloses(t->polygon, p)) return t->ground;
  return Ground::Sea;
}

// The truth: the coast's whole rings and the islands, uncut.
std::vector<Tint> WholeRings(const std::vector<Path>& islands) {
  std::vector<Tint> tints;
  for (const chart::CoastRing& ring : chart::CoastRings()) {
    const auto points = chart::CoastPoints().subspan(ring.first, ring.count);
    tints.push_back({Path(points.begin(), points.end()), ring.kind == chart::CoastKind::Land ? Ground::Land : Ground::Sea});
  }
  for (const Path& island : islands) tints.push_back({island, Ground::Land});
  return tints;
}

struct TintedView {
  std::string name;
  MapView view;
};

class ChartLand : public ::testing::TestWithParam<TintedView> {};

TEST_P(ChartLand, TheViewShowsTheLandWhereTheCoastHasIt) {
  ObservationStore store;
  RecordingCanvas canvas(800, 800);
  canvas.SetScale(GetParam().view);
  DrawChartBaseMap(canvas, store, true);
  const std::vector<Tint> drawn = DrawnTints(canvas);
  ASSERT_FALSE(drawn.empty());
  const Box view{GetParam().view.left, GetParam().view.top, GetParam().view.left + GetParam().view.width,
                 GetParam().view.top + GetParam().view.height};
  for (const Tint& t : drawn)
    for (const PointF& p : t.polygon) ASSERT_TRUE(view.Grown(1e-4).Contains(p)) << p.x << " " << p.y;
  const std::vector<Tint> truth = WholeRings(chart::IslandRings(canvas, store));
  constexpr int kSamples = 60;  // along each side of the view
  constexpr double kOffEdges = 0.37;  // of a step: keeps the samples off the table's tenths
  int land = 0;
  for (int i = 0; i < kSamples; ++i)
    for (int j = 0; j < kSamples; ++j) {
      const PointF p{view.left + (i + kOffEdges) * (view.right - view.left) / kSamples,
                     view.top + (j + kOffEdges) * (view.bottom - view.top) / kSamples};
      const Ground shown = GroundAt(drawn, p);
      land += shown == Ground::Land;
      EXPECT_EQ(shown, GroundAt(truth, p)) << GetParam().name << " at " << p.x << " " << p.y;
    }
  EXPECT_GT(land, 0);
  EXPECT_LT(land, kSamples * kSamples);
}

INSTANTIATE_TEST_SUITE_P(
    Views, ChartLand,
    ::testing::Values(TintedView{"WholeMap", {0, 0, kMapSize, kMapSize}},
                      TintedView{"MainlandCutOnEverySide", {100, 120, 80, 80}},  // Korea, the Yellow Sea, Kyushu
                      TintedView{"JapanCutAcross", {140, 260, 60, 60}},        // top, left, width, height
                      TintedView{"BeyondTheMap", {-50, -50, 200, 200}}),
    [](const ::testing::TestParamInfo<TintedView>& info) { return info.param.name; });

// Known places, so that the coast's rings themselves are not inside out.
TEST(ChartLandPlaces, LandAndSeaWhereTheyAre) {
  ObservationStore store;
  RecordingCanvas canvas(800, 800);
  DrawChartBaseMap(canvas, store, true);
  const std::vector<Tint> drawn = DrawnTints(canvas);
  const struct {
    const char* name;
    PointF at;
    Ground ground;
  } places[] = {
      {"Mongolia, the map's upper-left corner", {5, 5}, Ground::Land},
      {"the Pacific south-east of Japan", {360, 300}, Ground::Sea},
      {"the Sea of Japan", {262, 140}, Ground::Sea},
      {"the Yellow Sea", {185, 175}, Ground::Sea},
      {"central Honshu", {280, 175}, Ground::Land},
      {"central China", {120, 200}, Ground::Land},
  };
  for (const auto& place : places) EXPECT_EQ(GroundAt(drawn, place.at), place.ground) << place.name;
}

// Each on land, within a shore of its own.
TEST(ChartLandPlaces, IslandStationsStandOnIslands) {
  ObservationStore store;
  RecordingCanvas canvas(800, 800);
  DrawChartBaseMap(canvas, store, true);
  const std::vector<Tint> drawn = DrawnTints(canvas);
  std::vector<Path> shores;
  for (const std::string& line : testing::WithPrefix(canvas.Lines(), "polyline 1 " + LogColour(chart::kCoast))) {
    const std::vector<double> numbers = testing::NumbersOf(line);
    Path shore;
    for (std::size_t i = 1; i + 1 < numbers.size(); i += 2) shore.push_back({numbers[i], numbers[i + 1]});
    shores.push_back(shore);
  }
  const StationTable& stations = store.stations;
  for (const std::string_view island : chart::kIslandStations) {
    const auto slot = std::find(stations.names.begin(), stations.names.end(), island) - stations.names.begin();
    const PointF at{static_cast<double>(stations.x[slot]), static_cast<double>(stations.y[slot])};
    if (!Box{0, 0, kMapSize, kMapSize}.Contains(at)) continue;
    EXPECT_EQ(GroundAt(drawn, at), Ground::Land) << island;
    EXPECT_TRUE(std::any_of(shores.begin(), shores.end(), [&](const Path& s) { return Encloses(s, at); })) << island;
  }
}

// Over a satellite picture the picture shows the land: no tint.
TEST(ChartLandPlaces, NoTintOverAPicture) {
  ObservationStore store;
  RecordingCanvas canvas(800, 800);
  canvas.SetPicture(Picture{1, 1, {0}});
  ASSERT_TRUE(canvas.HasPicture());
  DrawChartBaseMap(canvas, store, true);
  EXPECT_TRUE(DrawnTints(canvas).empty());
  for (const std::string& line : canvas.Lines()) EXPECT_EQ(line.find(LogColour(chart::kSea)), std::string::npos);
}

}  // namespace
}  // namespace nimbara
