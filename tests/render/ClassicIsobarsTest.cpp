#include "render/ClassicIsobars.h"

#include <gtest/gtest.h>

#include <cmath>

#include "pressure/IsobarTracer.h"
#include "support/GridFixtures.h"

namespace nimbara {
namespace {

using testing::LogLinesOf;
using testing::SetCell;

constexpr Colour kIsobar = kLightBlue;  // #0000FF
constexpr Colour kMarks = Rgb(255, 0, 0);

struct TraceFixture {
  ObservationStore store;
  PlotPointTable plot;
  RecordingCanvas canvas;

  std::vector<std::string> Trace(const PressureGrid& grid, float interval = 400.0f, float offset = 200.0f) {
    TraceIsobars(canvas, grid, interval, offset, kIsobar, {store, plot, kMarks});
    return LogLinesOf(canvas, "line");
  }
};

// The width field of each logged line (the field before the colour).
std::vector<int> Widths(const std::vector<std::string>& lines) {
  std::vector<int> widths;
  for (const std::string& line : lines) {
    const std::size_t colour = line.rfind(' ');
    const std::size_t width = line.rfind(' ', colour - 1);
    widths.push_back(std::stoi(line.substr(width + 1, colour - width - 1)));
  }
  return widths;
}

struct CellCase {
  const char* name;
  std::array<std::int32_t, 4> corners;  // UL, UR, LR, LL of cell (5, 5)
  std::vector<std::string> lines;
};

TEST(Contouring, CellsDrawTheirLevelsBetweenSmallestAndLargestCorner) {
  const CellCase cases[] = {
      {"all corners equal", {101000, 101000, 101000, 101000}, {}},
      {"only 1012 lies in range", {101000, 101100, 101300, 100900}, {"line 72 66 69 72 1 #0000FF"}},
      {"corner on the level counts as above it", {101200, 101400, 101000, 101000}, {"line 72 66 60 60 1 #0000FF"}},
      {"corner at 800 hPa", {80000, 101100, 101300, 100900}, {}},
      {"corner at 1200 hPa", {101000, 120000, 101300, 100900}, {}},
      {"saddle joins first-second when closer",
       {101500, 101100, 101300, 101100},
       {"line 66 72 60 69 1 #0000FF", "line 69 60 72 66 1 #0000FF"}},
      {"saddle joins first-fourth when not farther",
       {101300, 101100, 101300, 101100},
       {"line 66 60 60 66 1 #0000FF", "line 72 66 66 72 1 #0000FF"}},
  };
  for (const CellCase& cc : cases) {
    PressureGrid grid;
    SetCell(grid, 5, 5, cc.corners[0], cc.corners[1], cc.corners[2], cc.corners[3]);
    TraceFixture f;
    EXPECT_EQ(f.Trace(grid), cc.lines) << cc.name;
  }
}

TEST(Contouring, EveryTwentyHectopascalsIsThick) {
  PressureGrid grid;
  SetCell(grid, 5, 5, 99900, 99900, 102100, 102100);
  TraceFixture f;
  EXPECT_EQ(Widths(f.Trace(grid)), (std::vector<int>{3, 1, 1, 1, 1, 3}));
  TraceFixture narrow;
  EXPECT_EQ(Widths(narrow.Trace(grid, 250.0f, 125.0f)),
            (std::vector<int>{3, 1, 1, 1, 1, 1, 1, 1, 3}));
}

TEST(Contouring, SegmentsAreDrawnInTheirOrderRoundedWithTheirLevelsWidth) {
  PressureGrid grid;
  SetCell(grid, 5, 5, 99900, 99900, 102100, 102100);
  const std::vector<ContourSegment> segments = ContourCellSegments(grid, 5, 5, 400.0f, 200.0f);
  TraceFixture f;
  const std::vector<std::string> drawn = f.Trace(grid);
  ASSERT_EQ(drawn.size(), segments.size());
  for (std::size_t i = 0; i < segments.size(); ++i) {
    const auto at = [](double v) { return " " + LogNumber(std::nearbyint(v)); };
    const ContourSegment& s = segments[i];
    EXPECT_EQ(drawn[i], "line" + at(s.from.x) + at(s.from.y) + at(s.to.x) + at(s.to.y) + " " +
                            (IsThickLevel(s.level) ? "3" : "1") + " #0000FF");
  }
}

TEST(Contouring, IntervalRoundingToZeroDrawsNoIsobarsButTheMarks) {
  PressureGrid grid;
  SetCell(grid, 5, 5, 99900, 99900, 102100, 102100);
  for (const float interval : {0.0f, 0.4f, -400.0f}) {
    TraceFixture f;
    f.store.stationCount = 0;
    f.store.stations.names[0] = "低気圧";
    f.plot.lastIndex = 0;
    f.plot.x[0] = f.plot.y[0] = 100;
    EXPECT_TRUE(f.Trace(grid, interval, interval / 2).empty()) << interval;
    EXPECT_EQ(LogLinesOf(f.canvas, "text").size(), 3u) << interval;
  }
}

TEST(Contouring, BorderNodesNeverTakePart) {
  PressureGrid grid = testing::UniformGrid(101300);
  for (int i = 0; i <= kGridLast; ++i) {
    grid.At(0, i) = 100000;
    grid.At(kGridLast, i) = 100000;
    grid.At(i, 0) = 102000;
    grid.At(i, kGridLast) = 102000;
  }
  TraceFixture f;
  EXPECT_TRUE(f.Trace(grid).empty());
}

TEST(Contouring, EmptyGridDrawsNothing) {
  TraceFixture f;
  f.store.stationCount = 0;
  EXPECT_TRUE(f.Trace(PressureGrid{}).empty());
  EXPECT_TRUE(f.canvas.Lines().empty());
}

TEST(CentreMarks, EachCentreIsWrittenInShadowLightAndTextColour) {
  testing::PlotBuilder b;
  b.Station(10, 10, 101300)
      .System("高気圧", 100, 200)
      .System("熱帯低気圧", 50, 60)
      .System("寒冷前線", 70, 70)
      .System("等圧線", 80, 80, 101200);
  RecordingCanvas canvas;
  canvas.SetLineWidth(3);
  DrawCentreMarks(canvas, {b.store, b.plot, kMarks});
  EXPECT_EQ(canvas.Lines(), (std::vector<std::string>{
                                "text 95.5 195.5 16 1 #000000 高",
                                "text 94.5 194.5 16 1 #FFFFFF 高",
                                "text 95 195 16 1 #FF0000 高",
                                "text 45.5 55.5 16 1 #000000 熱低",
                                "text 44.5 54.5 16 1 #FFFFFF 熱低",
                                "text 45 55 16 1 #FF0000 熱低",
                            }));
  EXPECT_EQ(canvas.State().lineWidth, 1);
  EXPECT_TRUE(canvas.State().fontBold);
  EXPECT_EQ(canvas.State().fontSize, 16.0);
}

TEST(CentreMarks, StationNamedLikeAKindOrCentreWithoutMapPositionGetsNoMark) {
  testing::PlotBuilder b;
  b.Station(10, 10, 101300).System("低気圧", 0, 0, 99000);
  b.store.stations.names[0] = "台風";
  RecordingCanvas canvas;
  DrawCentreMarks(canvas, {b.store, b.plot, kMarks});
  EXPECT_TRUE(canvas.Lines().empty());
}

TEST(RedrawAroundNode, ErasesAndContoursTheFourCellsKeepingTheLineWidth) {
  PressureGrid grid = testing::UniformGrid(101300);
  grid.At(5, 5) = 101100;
  RecordingCanvas canvas;
  canvas.SetLineWidth(3);
  RedrawAroundNode(canvas, grid, {5, 5}, 400.0f, 200.0f, kLightBlue);
  EXPECT_EQ(canvas.Lines(), (std::vector<std::string>{
                                "rect 48 48 60 60 #FFFFFF #FFFFFF",
                                "line 60 54 54 60 3 #0000FF",
                                "rect 60 48 72 60 #FFFFFF #FFFFFF",
                                "line 66 60 60 54 3 #0000FF",
                                "rect 48 60 60 72 #FFFFFF #FFFFFF",
                                "line 54 60 60 66 3 #0000FF",
                                "rect 60 60 72 72 #FFFFFF #FFFFFF",
                                "line 66 60 60 66 3 #0000FF",
                            }));
}

TEST(RedrawAroundNode, BorderNodesEraseNothing) {
  RecordingCanvas canvas;
  RedrawAroundNode(canvas, testing::UniformGrid(101300), {0, 0}, 400.0f, 200.0f, kLightBlue);
  EXPECT_TRUE(canvas.Lines().empty());
}

}  // namespace
}  // namespace nimbara
