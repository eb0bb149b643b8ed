#include "pressure/GridPasses.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

#include "support/GridFixtures.h"

namespace nimbara {
namespace {

using testing::PlotBuilder;

PressureField Binned(const PlotBuilder& b) {
  PressureField field;
  BinObservations(b.store, b.plot, field);
  return field;
}

using Cells = std::vector<std::pair<int, int>>;

// The cells holding a value, column by column.
Cells FilledCells(const PressureGrid& grid) {
  Cells cells;
  for (int c = 0; c <= kGridLast; ++c)
    for (int r = 0; r <= kGridLast; ++r)
      if (grid.At(c, r) != 0) cells.emplace_back(c, r);
  return cells;
}

TEST(Binning, PointsCountInTheCellsEndingRightOfAndBelowThem) {
  struct Case {
    const char* name;
    std::vector<std::array<int, 3>> stations;  // x, y, pressure
    Cells cells;                               // each then holding `value`
    std::int32_t value;
  };
  const Case cases[] = {
      {"on a vertical border: both columns", {{24, 30, 101300}}, {{2, 3}, {3, 3}}, 101300},
      {"on a horizontal border: the row below only", {{30, 24, 101300}}, {{3, 2}}, 101300},
      {"two in one cell: their mean, halves to even", {{30, 30, 101300}, {32, 34, 101301}}, {{3, 3}}, 101300},
      {"off the grid, without map position or pressure: none",
       {{-13, 30, 101000}, {30, -12, 101000}, {397, 30, 101000}, {0, 0, 101000}, {30, 30, 0}},
       {},
       0},
  };
  for (const Case& c : cases) {
    PlotBuilder b;
    for (const auto& [x, y, pressure] : c.stations) b.Station(x, y, pressure);
    const PressureField field = Binned(b);
    EXPECT_EQ(FilledCells(field.grid), c.cells) << c.name;
    for (const auto& [column, row] : c.cells) EXPECT_EQ(field.grid.At(column, row), c.value) << c.name;
  }
}

TEST(Binning, CentreKindsFixTheirCellOtherKindsDoNot) {
  PlotBuilder b;
  b.Station(30, 30, 101000).System("高気圧", 31, 33, 102000).System("寒冷前線", 60, 60, 100000);
  const PressureField field = Binned(b);
  EXPECT_EQ(field.grid.At(3, 3), 101500);
  EXPECT_EQ(field.fixed.At(3, 3), -1);
  EXPECT_EQ(field.fixed.At(5, 5), 0);
  EXPECT_EQ(field.grid.At(5, 5), 100000);
}

// Two consecutive isobar points binned and imprinted.
PressureGrid ImprintedPair(int x1, int y1, std::int32_t p1, int x2, int y2, std::int32_t p2) {
  PlotBuilder b;
  b.System("等圧線", x1, y1, p1).System("等圧線", x2, y2, p2);
  PressureField field = Binned(b);
  ImprintIsobarPoints(b.store, b.plot, field.grid);
  return field.grid;
}

TEST(IsobarPoints, EqualNeighboursOnARowFillTheRowBetweenThem) {
  for (const bool rightward : {true, false}) {
    const int firstX = rightward ? 24 : 72;
    const PressureGrid grid = ImprintedPair(firstX, 24, 101600, 96 - firstX, 24, 101600);
    for (int c = 2; c <= 6; ++c) EXPECT_EQ(grid.At(c, 2), 101600) << "column " << c;
    EXPECT_EQ(grid.At(2, 3), 0);
  }
}

TEST(IsobarPoints, SlantedSegmentFollowsTheLineInColumnStepsSummedAFifthAtATime) {
  // (7, 4), (2, 1) and (4, 6) are the points' binning cells.
  EXPECT_EQ(FilledCells(ImprintedPair(24, 24, 101600, 72, 48, 101600)),
            (Cells{{2, 2}, {3, 2}, {3, 3}, {4, 3}, {5, 3}, {5, 4}, {6, 4}, {7, 4}}));
  // Summed fifths land just past 1.6 and 2.4 where multiplied ones land on
  // them, so the steep line passes (2, 5) and not (2, 2).
  EXPECT_EQ(FilledCells(ImprintedPair(12, 12, 101600, 36, 72, 101600)),
            (Cells{{1, 1}, {1, 2}, {2, 1}, {2, 3}, {2, 4}, {2, 5}, {3, 5}, {3, 6}, {4, 6}}));
}

TEST(IsobarPoints, NextNodeWithAnotherValueLeavesTheGapEmpty) {
  const PressureGrid grid = ImprintedPair(24, 24, 101600, 72, 24, 101200);
  EXPECT_EQ(grid.At(4, 2), 0);
  EXPECT_EQ(grid.At(6, 2), 101200);
}

TEST(IsobarPoints, RowAboveTheMapIsRaisedToZeroAndFarPointsAreSkipped) {
  EXPECT_EQ(ImprintedPair(24, -30, 101600, 900, 24, 101600).At(2, 0), 101600);
}

TEST(GridPasses, PointsWithoutMapPositionAreNeitherImprintedNorFilledAround) {
  EXPECT_EQ(FilledCells(ImprintedPair(0, 0, 101600, 30, 6, 101600)), (Cells{{3, 1}}));
  EXPECT_EQ(FilledCells(ImprintedPair(30, 6, 101600, 0, 0, 101600)), (Cells{{3, 1}}));
  for (const CentreRule rule : {CentreRule::A, CentreRule::B}) {
    PlotBuilder b;
    b.System("低気圧", 0, 0, 99000);
    PressureField field;
    field.grid.At(2, 2) = 100000;  // within reach of rings round the corner
    FillAroundCentres(b.store, b.plot, field, 4, CentreKinds::SetB, rule);
    EXPECT_EQ(FilledCells(field.grid), (Cells{{2, 2}}));
  }
}

// Two filled cells on opposite sides of an empty one fill it only when both
// lie within the search's reach: five cells along an axis, three along a
// diagonal, and along a border row only as far as the interior columns.
TEST(FillBetween, OppositePairFillsOnlyWithinReach) {
  struct ReachCase {
    const char* name;
    int column, row;         // the empty cell
    int dc, dr;              // one step towards the first filled cell
    int first, second;       // distances to the filled cells, the second opposite
    std::int32_t expected;   // the empty cell afterwards
  };
  const ReachCase cases[] = {
      {"axis at five", 10, 10, 1, 0, 5, 5, 101150},
      {"axis at six", 10, 10, 1, 0, 6, 5, 0},
      {"diagonal at three", 10, 10, 1, 1, 3, 3, 101150},
      {"diagonal at four", 10, 10, 1, 1, 4, 3, 0},
      {"along the border row", 5, 0, 1, 0, 2, 2, 101150},
      {"to the border column", 30, 5, 1, 0, 3, 2, 0},
  };
  for (const ReachCase& rc : cases) {
    PressureField field;
    field.grid.At(rc.column + rc.dc * rc.first, rc.row + rc.dr * rc.first) = 101000;
    field.grid.At(rc.column - rc.dc * rc.second, rc.row - rc.dr * rc.second) = 101300;
    FillBetweenNeighbours(field);
    EXPECT_EQ(field.grid.At(rc.column, rc.row), rc.expected) << rc.name;
  }
}

TEST(FillBetween, FilledCellKeepsItsValue) {
  PressureField field;
  field.grid.At(4, 5) = 101000;
  field.grid.At(5, 5) = 1;
  field.grid.At(6, 5) = 101000;
  FillBetweenNeighbours(field);
  EXPECT_EQ(field.grid.At(5, 5), 1);
}

struct PairCase {
  const char* name;
  int diagonalNear;  // distance in direction 1, 0 for none
  int diagonalFar;   // distance in direction 9
  std::int32_t expected;
};

TEST(FillBetween, ClosestOppositePairWinsAndTiesKeepTheEarlierPair) {
  // A two columns left, B three right: (3A + 2B) / 5.
  constexpr std::int32_t kA = 101000;
  constexpr std::int32_t kB = 101500;
  const PairCase cases[] = {
      {"row pair only", 0, 0, 101200},
      {"closer diagonal", 1, 2, 101100},  // (1 x 101300 + 2 x 101000) / 3
      {"diagonal of equal total", 2, 3, 101200},
  };
  for (const PairCase& pc : cases) {
    PressureField field;
    field.grid.At(8, 10) = kA;
    field.grid.At(13, 10) = kB;
    if (pc.diagonalNear > 0) {
      field.grid.At(10 - pc.diagonalNear, 10 + pc.diagonalNear) = 101000;
      field.grid.At(10 + pc.diagonalFar, 10 - pc.diagonalFar) = 101300;
    }
    FillBetweenNeighbours(field);
    EXPECT_EQ(field.grid.At(10, 10), pc.expected) << pc.name;
  }
}

TEST(FillBetween, ReadsOnlyTheGridAsThePassFoundIt) {
  PressureField field;
  field.grid.At(5, 10) = 101000;
  field.grid.At(8, 10) = 101300;
  FillBetweenNeighbours(field);
  EXPECT_EQ(field.grid.At(6, 10), 101100);
  EXPECT_EQ(field.grid.At(7, 10), 101200);
  EXPECT_EQ(field.grid.At(6, 11), 0);  // its pairs were all empty when the pass began
}

TEST(FillAroundCentres, RingTakesTheMeanOfItsFilledCells) {
  PlotBuilder b;
  b.System("低気圧", 110, 110).System("熱帯低気圧", 300, 300);
  PressureField field;
  field.grid.At(11, 10) = 100000;
  field.grid.At(27, 26) = 100000;
  FillAroundCentres(b.store, b.plot, field, 1, CentreKinds::SetA, CentreRule::A);
  EXPECT_EQ(field.grid.At(9, 10), 100000);
  EXPECT_EQ(field.grid.At(9, 9), 100000);
  EXPECT_EQ(field.grid.At(26, 27), 0);  // set A has no tropical depression
}


TEST(Extrapolation, EachDirectionGivesADampedEstimate) {
  PressureGrid grid;
  grid.At(11, 10) = 101000;
  grid.At(12, 10) = 101300;
  EXPECT_EQ(ExtrapolateCell(grid, 10, 10), 100800);
  grid.At(9, 10) = 101000;
  grid.At(8, 10) = 101000;
  EXPECT_EQ(ExtrapolateCell(grid, 10, 10), 100900);
}

TEST(Extrapolation, FarCellOnTheBorderDoesNotCount) {
  PressureGrid grid;
  grid.At(1, 10) = 101000;
  grid.At(0, 10) = 101300;
  EXPECT_EQ(ExtrapolateCell(grid, 2, 10), 0);
}

TEST(Extrapolation, ReportsWhenEnoughCellsAreFilled) {
  PressureField empty;
  EXPECT_FALSE(ExtrapolateOutward(empty));
  PressureField full{testing::UniformGrid(101300), {}, {}};
  EXPECT_TRUE(ExtrapolateOutward(full));
}

TEST(Smoothing, MeanOfOwnValueAndInteriorNeighbours) {
  PressureField field{testing::UniformGrid(101400), {}, {}};
  field.grid.At(10, 10) = 101000;
  SmoothGrid(field);
  EXPECT_EQ(field.grid.At(10, 10), 101200);
}

TEST(Smoothing, FixedCellsKeepTheirValue) {
  PressureField field{testing::UniformGrid(101400), {}, {}};
  field.grid.At(10, 10) = 101000;
  field.fixed.At(10, 10) = -1;
  SmoothGrid(field);
  EXPECT_EQ(field.grid.At(10, 10), 101000);
  EXPECT_EQ(field.grid.At(11, 10), 101375);  // (101400 + 101350) / 2
}

TEST(Smoothing, CornerCellTakesTheValueOfItsOnlyInteriorNeighbour) {
  PressureField field;
  field.grid.At(1, 1) = 101300;
  SmoothGrid(field);
  EXPECT_EQ(field.grid.At(0, 0), 101300);
  EXPECT_TRUE(field.grid.IsValid());
}

}  // namespace
}  // namespace nimbara
