#include "pressure/IsobarTracer.h"

#include <gtest/gtest.h>

#include "pressure/CentreMarkPlaces.h"
#include "pressure/IsobarCorrection.h"
#include "support/GridFixtures.h"

namespace nimbara {
namespace {

std::vector<float> LevelsOf(const std::vector<ContourSegment>& segments) {
  std::vector<float> levels;
  for (const ContourSegment& s : segments) levels.push_back(s.level);
  return levels;
}

TEST(Contouring, CellSegmentsCarryTheirLevelsUpward) {
  PressureGrid grid;
  testing::SetCell(grid, 5, 5, 99900, 99900, 102100, 102100);
  EXPECT_EQ(LevelsOf(ContourCellSegments(grid, 5, 5, 400.0f, 200.0f)),
            (std::vector<float>{100000, 100400, 100800, 101200, 101600, 102000}));
}

TEST(Contouring, TracingGoesAlongEachRowThenDownward) {
  PressureGrid grid = testing::UniformGrid(101300);
  grid.At(10, 4) = 101100;  // its four cells, two rows
  grid.At(3, 20) = 101100;  // its four cells, further down and left
  const std::vector<ContourSegment> segments = TraceIsobarSegments(grid, 400.0f, 200.0f);
  std::vector<PointF> starts;
  for (const ContourSegment& s : segments) starts.push_back(RoundedToUnits(s.from));
  EXPECT_EQ(starts, (std::vector<PointF>{{120, 42}, {126, 48}, {114, 48}, {126, 48},
                                         {36, 234}, {42, 240}, {30, 240}, {42, 240}}));
  EXPECT_EQ(LevelsOf(segments), std::vector<float>(8, 101200.0f));
}

TEST(CorrectionCells, OnlyCellsTracingContoursSurroundANode) {
  const struct {
    GridNode node;
    std::vector<GridNode> cells;
  } cases[] = {
      {{0, 0}, {}},
      {{1, 1}, {{1, 1}}},
      {{0, 5}, {}},
      {{1, 5}, {{1, 4}, {1, 5}}},
      {{33, 33}, {}},
      {{32, 32}, {{31, 31}}},
      {{5, 5}, {{4, 4}, {5, 4}, {4, 5}, {5, 5}}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ContouredCellsAround(c.node), c.cells) << c.node.column << "," << c.node.row;
}

TEST(CentreMarkPlaces, CentresOfTheSystemsOnTheMapWithTheirMarks) {
  testing::PlotBuilder b;
  b.Station(10, 10, 101300)
      .System("高気圧", 100, 200)
      .System("熱帯低気圧", 50, 60)
      .System("寒冷前線", 70, 70)
      .System("低気圧", 0, 0, 99000)
      .System("等圧線", 80, 80, 101200);
  b.store.stations.names[0] = "台風";
  EXPECT_EQ(CentreMarkPlaces(b.store, b.plot),
            (std::vector<CentreMarkPlace>{{{100, 200}, "高"}, {{50, 60}, "熱低"}}));
}

}  // namespace
}  // namespace nimbara
