// The chart style through the drawing log of the two sample maps: every line
// carries its value, values stay off each other and the centre marks, and
// fronts carry symbols by length. (Its isobars' analysis: ChartAnalysisTest.)

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>
#include <sstream>

#include "app/DisplayCommands.h"
#include "app/FileCommands.h"
#include "core/MapView.h"
#include "core/PathGeometry.h"
#include "core/Text.h"
#include "render/LogFields.h"
#include "render/SymbolLayers.h"
#include "render/chart/ChartBase.h"
#include "render/chart/ChartFrame.h"
#include "render/chart/ChartFronts.h"
#include "render/chart/ChartPalette.h"
#include "render/chart/ChartStations.h"
#include "render/chart/ChartText.h"
#include "support/MadeUpMaps.h"
#include "support/TestApp.h"

namespace nimbara {
namespace {

using testing::NumbersOf;
using testing::TestApp;

constexpr const char* kSamples[] = {"20240115_06.txt", "20240820_12.txt"};
constexpr double kLogPrecision = 1e-4;  // the log's four decimals

struct Field {
  std::string op;
  std::vector<std::string> words;
  std::vector<double> numbers;
};

Field Parse(const std::string& line) {
  Field f;
  std::istringstream in(line);
  in >> f.op;
  for (std::string word; in >> word;) f.words.push_back(word);
  f.numbers = NumbersOf(line);
  return f;
}

Path PointsOf(const Field& polyline) {  // "polyline WIDTH COLOUR X1 Y1 ..."
  Path points;
  for (std::size_t i = 1; i + 1 < polyline.numbers.size(); i += 2)
    points.push_back({polyline.numbers[i], polyline.numbers[i + 1]});
  return points;
}

bool IsPolyline(const Field& f, Colour colour) { return f.op == "polyline" && f.words[1] == LogColour(colour); }

// A map to draw: a sample, or one made up (support/MadeUpMaps.h).
struct Chart {
  std::string name;
  std::function<void(const AppContext&)> load;
};

Chart SampleChart(std::string name, const char* sample) {
  return {std::move(name), [sample](const AppContext& app) {
            OpenDataFile(app, std::string(NIMBARA_SAMPLES) + "/" + sample);
          }};
}

std::vector<Chart> Charts() {
  std::vector<Chart> charts = {SampleChart("WinterSample", kSamples[0]), SampleChart("SummerSample", kSamples[1])};
  for (const testing::MadeUpMap& map : testing::MadeUpMaps())
    charts.push_back({map.name, [map](const AppContext& app) { testing::LoadMadeUpMap(app, map); }});
  return charts;
}

struct SampleMap {
  TestApp app;
  std::vector<Field> log;

  SampleMap(const Chart& chart) {
    app.state.layers.chartStyle = true;
    chart.load(app.Context());
    for (const std::string& line : app.canvas.Lines()) log.push_back(Parse(line));
  }
  SampleMap(const char* sample) : SampleMap(SampleChart(sample, sample)) {}

  std::vector<Path> Polylines(Colour colour) const {
    std::vector<Path> paths;
    for (const Field& f : log)
      if (IsPolyline(f, colour)) paths.push_back(PointsOf(f));
    return paths;
  }

  // The texts written over a halo, with their boxes, by whether they are bold.
  std::vector<std::pair<Box, std::string>> HaloTextsWithBoxes(bool bold, Colour colour = -1) {
    std::vector<std::pair<Box, std::string>> texts;
    for (const Field& f : log) {
      if (f.op != "halotext" || (f.words[3] == "1") != bold) continue;
      if (colour >= 0 && f.words[4] != LogColour(colour)) continue;
      const std::string text = f.words.back();
      const chart::TextMetrics metrics = chart::MetricsFor(app.canvas, f.numbers[2]);
      texts.push_back({{f.numbers[0], f.numbers[1], f.numbers[0] + chart::TextWidth(metrics, text),
                        f.numbers[1] + metrics.height},
                       text});
    }
    return texts;
  }
  std::vector<Box> HaloTexts(bool bold, Colour colour = -1) {
    std::vector<Box> boxes;
    for (const auto& [box, text] : HaloTextsWithBoxes(bold, colour)) boxes.push_back(box);
    return boxes;
  }
  std::vector<std::pair<Box, std::string>> IsobarValues() { return HaloTextsWithBoxes(false, chart::kIsobar); }
  std::vector<Box> IsobarLabels() { return HaloTexts(false, chart::kIsobar); }
  // The arms of the centres' crosses.
  std::vector<Box> Crosses() const {
    std::vector<Box> arms;
    for (const Field& f : log)
      if (f.op == "line" && f.words[5] == LogColour(chart::kInk) && f.words[4] == "2")
        arms.push_back({std::min(f.numbers[0], f.numbers[2]), std::min(f.numbers[1], f.numbers[3]),
                        std::max(f.numbers[0], f.numbers[2]), std::max(f.numbers[1], f.numbers[3])});
    return arms;
  }
  // The gap a label cuts: its text box with a margin beside and above it.
  std::vector<Box> LabelGaps() {
    std::vector<Box> gaps = IsobarLabels();
    for (Box& b : gaps) b = {b.left - 1, b.top - 0.5, b.right + 1, b.bottom + 0.5};
    return gaps;
  }
};

class ChartOnMaps : public ::testing::TestWithParam<Chart> {};

bool InAny(PointF p, const std::vector<Box>& boxes) {
  return std::any_of(boxes.begin(), boxes.end(), [&](const Box& b) { return b.Grown(kLogPrecision).Contains(p); });
}

// Pieces of one line meet at the edges of its label gaps, and a line that
// leaves the map has its value beside it in the frame; every line so joined
// carries a label, unless it is a ring round a centre (a typhoon's rings
// are labelled sparingly, where a label hides nothing) or too short to hold one.
TEST_P(ChartOnMaps, EveryIsobarLineCarriesItsValue) {
  constexpr double kBesideTheEdge = 2.0;  // map units from a line's end to its value in the frame
  const std::string sample = GetParam().name;
  SampleMap chart(GetParam());
  const std::vector<Path> pieces = chart.Polylines(chart::kIsobar);
  const std::vector<Box> gaps = chart.LabelGaps();
  const auto onEdge = [](PointF p) { return std::min({p.x, p.y, kMapSize - p.x, kMapSize - p.y}) < kLogPrecision; };
  const auto meets = [&](PointF end, const Box& gap) {
    return InAny(end, {gap}) || (onEdge(end) && InAny(end, {gap.Grown(kBesideTheEdge)}));
  };
  std::vector<std::size_t> group(pieces.size());
  std::iota(group.begin(), group.end(), 0);
  const auto root = [&](std::size_t i) {
    while (group[i] != i) i = group[i] = group[group[i]];
    return i;
  };
  std::vector<bool> labelled(pieces.size(), false);
  for (const Box& gap : gaps) {
    std::optional<std::size_t> first;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
      if (!meets(pieces[i].front(), gap) && !meets(pieces[i].back(), gap)) continue;
      labelled[i] = true;
      if (first) group[root(i)] = root(*first);
      first = first.value_or(i);
    }
  }
  for (std::size_t i = 0; i < pieces.size(); ++i)
    if (labelled[i]) labelled[root(i)] = true;
  const std::vector<Box> crosses = chart.Crosses();
  const auto ringRoundACentre = [&](const Path& p) {
    constexpr double kShortest = 50.0;  // map units: a short line among stations may find no clear place
    return PathLength(p) < kShortest || (p.front() == p.back() && std::any_of(crosses.begin(), crosses.end(), [&](const Box& c) {
      return Encloses(p, c.Centre());
    }));
  };
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    const Path& p = pieces[i];
    EXPECT_TRUE(labelled[root(i)] || ringRoundACentre(p))
        << sample << ": the line through " << p.front().x << " " << p.front().y << " (" << PathLength(p) << " long)";
  }
}

TEST_P(ChartOnMaps, ValuesOverlapNeitherEachOtherNorACentreMark) {
  const std::string sample = GetParam().name;
  SampleMap chart(GetParam());
  const std::vector<Box> labels = chart.IsobarLabels();
  ASSERT_GT(labels.size(), 20u) << sample;
  std::vector<Box> centres = chart.HaloTexts(true);
  const std::vector<Box> crosses = chart.Crosses();
  centres.insert(centres.end(), crosses.begin(), crosses.end());
  ASSERT_GE(crosses.size(), 6u) << sample;  // two arms per centre on the map
  for (std::size_t i = 0; i < labels.size(); ++i) {
    for (std::size_t j = i + 1; j < labels.size(); ++j) EXPECT_FALSE(labels[i].Overlaps(labels[j])) << sample;
    for (const Box& centre : centres) EXPECT_FALSE(labels[i].Overlaps(centre)) << sample;
  }
}

// A run is the front's curve (a stationary front's pieces joined), followed
// in the log by its symbols: triangles and half-discs.
TEST(ChartDisplay, FrontSymbolsFollowTheRunsLengthOnOneSide) {
  const Colour frontColours[] = {chart_colour::kWarm, chart_colour::kCold, chart_colour::kOccluded};
  for (const char* sample : kSamples) {
    SampleMap chart(sample);
    struct Run {
      Path curve;
      int symbols = 0;
      std::vector<double> triangleSides{};
    };
    const auto inFrontColour = [&](const std::string& word) {
      return std::any_of(std::begin(frontColours), std::end(frontColours), [&](Colour c) { return word == LogColour(c); });
    };
    std::vector<Run> runs;
    bool inSymbols = false;
    for (const Field& f : chart.log) {
      const bool curve =
          f.op == "polyline" && f.words[0] == std::to_string(chart::kFrontWidth) && inFrontColour(f.words[1]);
      const bool symbol = (f.op == "polygon" && inFrontColour(f.words[1])) ||
                          (f.op == "circle" && f.words[3] != "-" && inFrontColour(f.words[6]));
      if (curve) {
        const Path points = PointsOf(f);
        if (inSymbols || runs.empty() || Distance(runs.back().curve.back(), points.front()) > kLogPrecision)
          runs.push_back({points});
        else
          runs.back().curve.insert(runs.back().curve.end(), points.begin() + 1, points.end());
        inSymbols = false;
      } else if (!runs.empty() && symbol) {
        inSymbols = true;
        ++runs.back().symbols;
        if (f.op == "polygon") {  // base, apex, base (the base along the run): the apex's side
          const std::vector<double>& v = f.numbers;
          runs.back().triangleSides.push_back((v[5] - v[1]) * (v[4] - v[2]) - (v[6] - v[2]) * (v[3] - v[1]));
        }
      }
    }
    ASSERT_GE(runs.size(), 2u) << sample;
    for (const Run& run : runs) {
      const double length = PathLength(run.curve);
      EXPECT_LE(std::fabs(run.symbols - length / chart::kFrontSymbolSpacing), 1.0) << sample << " " << length;
      const auto onLeft = std::count_if(run.triangleSides.begin(), run.triangleSides.end(), [](double s) { return s > 0; });
      EXPECT_TRUE(onLeft == 0 || onLeft == static_cast<long>(run.triangleSides.size())) << sample;
    }
  }
}

// A label never hides data: no value over a station's symbol, a front (with
// the reach of its symbols) or a centre's cross and texts.
TEST_P(ChartOnMaps, ValuesHideNoStationFrontOrCentre) {
  const std::string sample = GetParam().name;
  SampleMap chart(GetParam());
  const std::vector<Box> labels = chart.IsobarLabels();
  std::vector<Box> data = chart::StationBoxes(SymbolPlaces(chart.app.state.store, chart.app.state.layers.allData),
                                              chart.app.state.symbols);
  const std::vector<Box> centres = chart.HaloTexts(true);
  const std::vector<Box> crosses = chart.Crosses();
  data.insert(data.end(), centres.begin(), centres.end());
  data.insert(data.end(), crosses.begin(), crosses.end());
  std::vector<Path> fronts;
  for (const Colour c : {chart_colour::kWarm, chart_colour::kCold, chart_colour::kOccluded})
    for (const Path& p : chart.Polylines(c)) fronts.push_back(p);
  ASSERT_FALSE(fronts.empty()) << sample;
  for (const Box& label : labels) {
    for (const Box& d : data)
      EXPECT_FALSE(label.Overlaps(d)) << sample << ": value at " << label.left << " " << label.top;
    for (const Path& front : fronts)
      for (std::size_t i = 1; i < front.size(); ++i)
        EXPECT_FALSE(SegmentMeetsBox(front[i - 1], front[i], label.Grown(chart::kFrontSymbolReach)))
            << sample << ": value at " << label.left << " " << label.top;
  }
}

// The frame lies round the map: nothing of the map is under the title band
// or the legend, and only the frame's own texts are written outside the map.
TEST_P(ChartOnMaps, TheFrameCoversNothingOfTheMap) {
  const Box map{0, 0, kMapSize, kMapSize};
  const std::string sample = GetParam().name;
  SampleMap chart(GetParam());
  EXPECT_FALSE(chart::TitleBandBox(chart.app.canvas).Overlaps(map));
  EXPECT_FALSE(chart::LegendBox(chart.app.canvas).Overlaps(map));
  const Box frame = chart::CanvasBox(chart.app.canvas);
  EXPECT_LT(frame.top, chart::TitleBandBox(chart.app.canvas).top + kLogPrecision);
  EXPECT_GT(frame.right, chart::LegendBox(chart.app.canvas).right - kLogPrecision);
  const Box legend = chart::LegendBox(chart.app.canvas);  // its front samples
  for (const Colour c : {chart::kIsobar, chart::kCoast, chart_colour::kWarm, chart_colour::kCold})
    for (const Path& p : chart.Polylines(c))
      for (const PointF point : p)
        EXPECT_TRUE(map.Grown(kLogPrecision).Contains(point) || legend.Contains(point))
            << sample << " " << LogColour(c) << " at " << point.x << " " << point.y;
}

// A value written twice close together along the frame reads as two lines:
// near the map's edges no value is repeated within a short distance.
TEST_P(ChartOnMaps, ValuesAlongTheEdgesAreNotRepeatedCloseTogether) {
  constexpr double kNearTheEdge = 25.0;  // map units from the edge, inside or out
  constexpr double kCrowded = 40.0;      // map units between the values' middles
  SampleMap chart(GetParam());
  std::vector<std::pair<Box, std::string>> values;
  for (const auto& [box, text] : chart.IsobarValues()) {
    const PointF c = box.Centre();
    if (std::min({c.x, c.y, kMapSize - c.x, kMapSize - c.y}) < kNearTheEdge) values.push_back({box, text});
  }
  ASSERT_FALSE(values.empty());
  for (std::size_t i = 0; i < values.size(); ++i)
    for (std::size_t j = i + 1; j < values.size(); ++j)
      if (values[i].second == values[j].second) {
        EXPECT_GE(Distance(values[i].first.Centre(), values[j].first.Centre()), kCrowded)
            << values[i].second << " at " << values[i].first.left << " " << values[i].first.top << " and "
            << values[j].first.left << " " << values[j].first.top;
      }
}

// A picture of another shape shows the same map with margins: the drawing
// log, in map units, is the square picture's (in the chart style, whose
// picture grows by its frame, but for the paper over the margins).
TEST_P(ChartOnMaps, ANonSquarePictureDrawsTheSquareMapsLog) {
  for (const bool chartStyle : {false, true}) {
    std::vector<std::string> square;
    for (const auto& [width, height] : {std::pair{800, 800}, std::pair{1200, 800}, std::pair{800, 1200}}) {
      AppState state;
      state.layers.chartStyle = chartStyle;
      const ScreenSize size =
          FramedPixelSize(width, height, chartStyle ? chart::ChartFrameMargins(state.layers.legend) : FrameMargins{});
      RecordingCanvas canvas(size.width, size.height);
      testing::ScriptedUi ui;
      GetParam().load({state, canvas, ui});
      std::vector<std::string> log = canvas.Lines();
      const auto paper = std::find_if(log.begin(), log.end(), [](const std::string& l) { return l.starts_with("rect "); });
      const auto drawing = std::find_if(paper, log.end(), [](const std::string& l) { return !l.starts_with("rect "); });
      log.erase(paper, drawing);
      if (square.empty())
        square = log;
      else
        EXPECT_EQ(log, square) << (chartStyle ? "chart " : "classic ") << width << "x" << height;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Maps, ChartOnMaps, ::testing::ValuesIn(Charts()),
                         [](const ::testing::TestParamInfo<Chart>& info) { return info.param.name; });

TEST(ChartDisplay, TheTitleGivesTheHourInHalfWidthDigitsAndJapanTime) {
  SampleMap chart(kSamples[0]);
  const auto written = std::find_if(chart.log.begin(), chart.log.end(), [](const Field& f) {
    return f.op == "text" && f.words.back() == "(JST)";
  });
  ASSERT_NE(written, chart.log.end());
  const std::string line = written->words[written->words.size() - 3] + " " + written->words[written->words.size() - 2];
  EXPECT_EQ(line, "2024年01月15日06時 日本時");
}

TEST(ChartDisplay, SwitchingTheStyleBackDrawsTheClassicMapAsBefore) {
  TestApp app;
  OpenDataFile(app.Context(), std::string(NIMBARA_SAMPLES) + "/" + kSamples[0]);
  const std::vector<std::string> classic = app.canvas.Lines();
  cntMitame_Click(app.Context());
  EXPECT_NE(app.canvas.Lines(), classic);
  app.canvas.ClearLog();
  cntMitame_Click(app.Context());
  std::vector<std::string> redrawn = {"clear"};  // the switch clears before it displays
  redrawn.insert(redrawn.end(), classic.begin(), classic.end());
  EXPECT_EQ(app.canvas.Lines(), redrawn);
}

// A front point west of or above the map still has its map position (only
// (0, 0) has none), so the run goes on through it, as the pressure passes and
// the centre marks take such points.
TEST(ChartDisplay, FrontRunsGoThroughPointsOffTheMapButNotThroughPointsWithoutPosition) {
  const std::vector<SystemPoint> systems = {{kind::kColdFront, -12, 40}, {kind::kColdFront, 30, -8},
                                            {kind::kColdFront, 60, 70},  {kind::kColdFront, 0, 0},
                                            {kind::kColdFront, 90, 90},  {kind::kColdFront, 120, 95}};
  const std::vector<chart::FrontRun> runs = chart::FrontRuns(systems);
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].points, (Path{{-12, 40}, {30, -8}, {60, 70}}));
  EXPECT_EQ(runs[1].points, (Path{{90, 90}, {120, 95}}));
}

}  // namespace
}  // namespace nimbara
