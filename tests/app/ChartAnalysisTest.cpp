// The chart style's own analysis judged as a forecaster would: the field
// under every centre's cross is its pressure and the cross is the extreme of
// its innermost isobar, the stations agree with the field, and the isobars
// never cross and run to the edges of the map. On both samples and on made-up
// maps with centres near the edges.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <queue>
#include <set>

#include "app/FileCommands.h"
#include "core/MapView.h"
#include "pressure/FieldIsobars.h"
#include "pressure/PressureAnalysis.h"
#include "pressure/IsobarLabels.h"
#include "support/MadeUpMaps.h"
#include "support/TestApp.h"

namespace nimbara {
namespace {

constexpr float kFourHectopascals = 400.0f;

struct Map {
  std::string name;
  std::vector<PressureObservation> observations;
};

std::vector<PressureObservation> SampleObservations(const std::string& sample) {
  testing::TestApp app;
  OpenDataFile(app.Context(), std::string(NIMBARA_SAMPLES) + "/" + sample);
  return AnalysisObservations(app.state.store, app.state.plot);
}

// Stations every 24 map units reading a smooth westerly gradient with the
// centres' dips and rises, each centre reported as well.
Map MadeUpMap(std::string name, std::vector<PressureObservation> centres) {
  constexpr double kStationSpacing = 24.0;
  constexpr double kCentreSpread = 50.0;
  std::vector<PressureObservation> obs = centres;
  for (double y = 6; y < kMapSize; y += kStationSpacing)
    for (double x = 6; x < kMapSize; x += kStationSpacing) {
      double hPa = 1012 + 0.02 * (x - 200);
      for (const PressureObservation& c : centres) {
        const double d2 = std::pow(x - c.at.x, 2) + std::pow(y - c.at.y, 2);
        hPa += (c.hPa - 1012) * std::exp(-d2 / (kCentreSpread * kCentreSpread));
      }
      obs.push_back({{x, y}, std::round(hPa)});
    }
  return {std::move(name), std::move(obs)};
}

std::vector<PressureObservation> MadeUpObservations(const testing::MadeUpMap& map) {
  testing::TestApp app;
  testing::LoadMadeUpMap(app.Context(), map);
  return AnalysisObservations(app.state.store, app.state.plot);
}

std::vector<Map> Maps() {
  std::vector<Map> maps = {{"winter sample", SampleObservations("20240115_06.txt")},
          {"summer sample", SampleObservations("20240820_12.txt")},
          MadeUpMap("centres at the edges", {{{8, 200}, 986, CentreSense::Low},
                                              {{395, 6}, 1034, CentreSense::High},
                                              {{200, 394}, 962, CentreSense::Low}}),
          MadeUpMap("two lows side by side", {{{150, 150}, 996, CentreSense::Low},
                                               {{190, 160}, 1000, CentreSense::Low},
                                               {{330, 320}, 1024, CentreSense::High}})};
  for (const testing::MadeUpMap& map : testing::MadeUpMaps()) maps.push_back({map.name, MadeUpObservations(map)});
  return maps;
}

class ChartAnalysis : public ::testing::TestWithParam<Map> {
 protected:
  const std::vector<PressureObservation>& Obs() const { return GetParam().observations; }
  SampledField field = AnalysePressure(GetParam().observations);
};

struct Node {
  int column;
  int row;
};

// The node of the field with the most extreme value (lowest for a low) among
// those joined to the cross's node without passing the next isobar beyond
// the centre's pressure.
Node ExtremeInsideInnermostIsobar(const SampledField& field, const PressureObservation& centre) {
  const double sign = centre.centre == CentreSense::Low ? 1 : -1;
  const double step = kFourHectopascals / kPressureScale;
  const double level = sign * step * std::floor(sign * field.At(centre.at) / step + 1);
  const auto inside = [&](Node n) { return sign * field.Node(n.column, n.row) < sign * level; };
  Node start{static_cast<int>(std::lround(centre.at.x / SampledField::kSpacing)),
             static_cast<int>(std::lround(centre.at.y / SampledField::kSpacing))};
  std::vector<bool> seen(SampledField::kNodes * SampledField::kNodes, false);
  std::queue<Node> open;
  open.push(start);
  Node extreme = start;
  while (!open.empty()) {
    const Node n = open.front();
    open.pop();
    if (n.column < 0 || n.row < 0 || n.column >= SampledField::kNodes || n.row >= SampledField::kNodes) continue;
    const std::size_t k = static_cast<std::size_t>(n.row * SampledField::kNodes + n.column);
    if (seen[k] || !inside(n)) continue;
    seen[k] = true;
    if (sign * field.Node(n.column, n.row) < sign * field.Node(extreme.column, extreme.row)) extreme = n;
    for (const Node step4 : {Node{1, 0}, Node{-1, 0}, Node{0, 1}, Node{0, -1}})
      open.push({n.column + step4.column, n.row + step4.row});
  }
  return extreme;
}

TEST_P(ChartAnalysis, EachCentreIsItsPressureAndTheExtremeOfItsInnermostIsobar) {
  constexpr double kHonoured = 1.0;                                 // hPa
  constexpr double kNearCross = 1.5 * SampledField::kSpacing;       // map units
  int centres = 0;
  for (const PressureObservation& c : Obs()) {
    if (c.centre == CentreSense::None || !OnBaseMap(c.at.x) || !OnBaseMap(c.at.y)) continue;
    ++centres;
    EXPECT_NEAR(field.At(c.at), c.hPa, kHonoured) << "centre at " << c.at.x << " " << c.at.y;
    const Node extreme = ExtremeInsideInnermostIsobar(field, c);
    const PointF at{extreme.column * SampledField::kSpacing, extreme.row * SampledField::kSpacing};
    const bool nearSomeCross = std::any_of(Obs().begin(), Obs().end(), [&](const PressureObservation& o) {
      return o.centre == c.centre && std::hypot(o.at.x - at.x, o.at.y - at.y) <= kNearCross;
    });
    EXPECT_TRUE(nearSomeCross) << "centre at " << c.at.x << " " << c.at.y << ": extreme at " << at.x << " " << at.y;
  }
  EXPECT_GE(centres, 3);
}

TEST_P(ChartAnalysis, StationsAgreeWithTheField) {
  constexpr double kLargestRms = 1.5;  // hPa
  double squares = 0;
  int count = 0;
  for (const PressureObservation& o : Obs()) {
    if (o.centre != CentreSense::None || !OnBaseMap(o.at.x) || !OnBaseMap(o.at.y)) continue;
    squares += std::pow(field.At(o.at) - o.hPa, 2);
    ++count;
  }
  ASSERT_GT(count, 20);
  const double rms = std::sqrt(squares / count);
  EXPECT_LE(rms, kLargestRms);
  RecordProperty("rms_hPa_x100", static_cast<int>(std::lround(rms * 100)));
}

bool SegmentsCross(PointF a, PointF b, PointF c, PointF d) {
  const auto side = [](PointF p, PointF q, PointF r) { return (q.x - p.x) * (r.y - p.y) - (q.y - p.y) * (r.x - p.x); };
  return side(a, b, c) * side(a, b, d) < 0 && side(c, d, a) * side(c, d, b) < 0;
}

TEST_P(ChartAnalysis, IsobarsNeverCrossAndRunToTheEdges) {
  const std::vector<IsobarLine> lines = FieldIsobars(field, kFourHectopascals);
  ASSERT_GT(lines.size(), 5u);
  // Pieces by the square of the map they start in, to compare neighbours only.
  constexpr double kBucket = 20.0;
  constexpr int kBuckets = static_cast<int>(kMapSize / kBucket) + 1;
  struct Piece {
    std::size_t line;
    PointF a;
    PointF b;
  };
  std::vector<std::vector<Piece>> buckets(kBuckets * kBuckets);
  const auto bucketOf = [&](PointF p) {
    const int c = std::clamp(static_cast<int>(p.x / kBucket), 0, kBuckets - 1);
    const int r = std::clamp(static_cast<int>(p.y / kBucket), 0, kBuckets - 1);
    return r * kBuckets + c;
  };
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Path& p = lines[i].points;
    for (std::size_t k = 1; k < p.size(); ++k) buckets[bucketOf(p[k - 1])].push_back({i, p[k - 1], p[k]});
    if (!lines[i].Closed()) {
      for (const PointF end : {p.front(), p.back()}) {
        const double toEdge = std::min({end.x, end.y, kMapSize - end.x, kMapSize - end.y});
        EXPECT_LT(toEdge, 0.01) << "a line of " << lines[i].level << " ends at " << end.x << " " << end.y;
      }
    }
  }
  int crossings = 0;
  for (int r = 0; r < kBuckets; ++r)
    for (int c = 0; c < kBuckets; ++c)
      for (const Piece& p : buckets[r * kBuckets + c])
        for (int dr = -1; dr <= 1; ++dr)
          for (int dc = -1; dc <= 1; ++dc) {
            if (r + dr < 0 || c + dc < 0 || r + dr >= kBuckets || c + dc >= kBuckets) continue;
            for (const Piece& q : buckets[(r + dr) * kBuckets + c + dc])
              if (p.line != q.line && SegmentsCross(p.a, p.b, q.a, q.b)) ++crossings;
          }
  EXPECT_EQ(crossings, 0);
}

// The rings round a deep centre carry one or two of their values, never a
// column of them beside its cross.
TEST_P(ChartAnalysis, RingsRoundACentreCarryAtMostTwoValues) {
  constexpr std::size_t kMostValues = 2;
  const std::vector<IsobarLine> lines = FieldIsobars(field, kFourHectopascals);
  LabelLayout layout;
  layout.area = {0, 0, kMapSize, kMapSize};
  layout.textHeight = 5.5;  // map units, as the chart's 8-point values
  layout.columnWidth = 2.8;
  const std::vector<IsobarLabel> labels = PlaceIsobarLabels(lines, layout);
  for (const PressureObservation& c : Obs()) {
    if (c.centre == CentreSense::None || !OnBaseMap(c.at.x) || !OnBaseMap(c.at.y)) continue;
    const auto round = [&](std::size_t line) { return lines[line].Closed() && Encloses(lines[line].points, c.at); };
    int rings = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) rings += round(i);
    std::set<std::size_t> labelled;  // a long outer ring may carry its value more than once
    for (const IsobarLabel& l : labels)
      if (round(l.line)) labelled.insert(l.line);
    EXPECT_LE(labelled.size(), kMostValues) << c.hPa << " hPa at " << c.at.x << " " << c.at.y << " within " << rings << " rings";
    constexpr double kWellInside = 60.0;  // map units from every edge: its rings are whole
    if (c.hPa <= 940 && std::min({c.at.x, c.at.y, kMapSize - c.at.x, kMapSize - c.at.y}) > kWellInside) {
      EXPECT_GE(rings, 5) << "a deep typhoon's rings";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Maps, ChartAnalysis, ::testing::ValuesIn(Maps()), [](const auto& info) {
  std::string name = info.param.name;
  std::replace(name.begin(), name.end(), ' ', '_');
  return name;
});

TEST(ChartAnalysisObservations, TakePressuresOfStationsShipsCentresAndIsobarPointsOnly) {
  testing::TestApp app;
  OpenDataFile(app.Context(), std::string(NIMBARA_SAMPLES) + "/20240820_12.txt");
  const std::vector<PressureObservation> obs = AnalysisObservations(app.state.store, app.state.plot);
  int withPressure = 0;
  for (int slot = 0; slot <= app.state.plot.lastIndex; ++slot)
    withPressure += app.state.plot.pressure[slot] > 0 && HasMapPosition(PlotPosition(app.state.plot, slot));
  EXPECT_EQ(static_cast<int>(obs.size()), withPressure);
  const auto typhoon = std::find_if(obs.begin(), obs.end(), [](const auto& o) { return o.hPa == 965; });
  ASSERT_NE(typhoon, obs.end());
  EXPECT_EQ(typhoon->centre, CentreSense::Low);
}

}  // namespace
}  // namespace nimbara
