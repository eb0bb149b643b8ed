#include "pressure/IsobarCorrection.h"
#include "pressure/PressureReadout.h"

#include <gtest/gtest.h>

#include <optional>

#include "support/GridFixtures.h"

namespace nimbara {
namespace {

TEST(NearestNode, HalfASpacingDecidesTheNode) {
  EXPECT_EQ(NearestNode(5, 5), (GridNode{0, 0}));
  EXPECT_EQ(NearestNode(6, 17.9), (GridNode{1, 1}));
  EXPECT_EQ(NearestNode(400, 400), (GridNode{33, 33}));
  EXPECT_EQ(NearestNode(-6, -6), (GridNode{0, 0}));
}

TEST(NearestNode, ClicksOutsideTheGridAreIgnored) {
  EXPECT_FALSE(NearestNode(400.5, 10));
  EXPECT_FALSE(NearestNode(10, 401));
  EXPECT_FALSE(NearestNode(-6.5, 10));
  EXPECT_FALSE(NearestNode(10, -7));
}

TEST(HectopascalText, WholeAndHalfHectopascals) {
  EXPECT_EQ(HectopascalText(101300), "1013");
  EXPECT_EQ(HectopascalText(101250), "1012.5");
  EXPECT_EQ(HectopascalText(0), "0");
}

TEST(PressureLabel, FirstFiveCharactersOfTheSignedNumberOrNoData) {
  EXPECT_EQ(PressureLabel(101325), " 1013 hPa");
  EXPECT_EQ(PressureLabel(101300), " 1013 hPa");
  EXPECT_EQ(PressureLabel(99850), " 998.5 hPa");
  EXPECT_EQ(PressureLabel(0), "気圧データなし");
  EXPECT_EQ(PressureLabel(-150), "-1.5 hPa");
}

TEST(PressureLabelAtClick, NearestNodesLabelALittleLeftOfAndAboveTheClick) {
  PressureGrid grid;
  grid.At(0, 1) = 100800;
  EXPECT_EQ(PressureLabelAtClick(grid, 5, 12), (PressureLabelPlace{{-9, 7}, " 1008 hPa"}));
  EXPECT_EQ(PressureLabelAtClick(grid, 200, 200), (PressureLabelPlace{{186, 195}, "気圧データなし"}));
}

TEST(PressureLabelAtClick, ClicksOutsideTheMapSquareHaveNone) {
  for (const auto& [x, y] : {std::pair{-0.5, 10.0}, {10.0, -0.5}, {400.5, 10.0}, {10.0, 400.5}})
    EXPECT_EQ(PressureLabelAtClick(PressureGrid{}, x, y), std::nullopt) << x << "," << y;
}

TEST(InterpolatedPressure, BilinearBetweenTheFourNodesAroundThePoint) {
  PressureGrid grid = testing::UniformGrid(101300);
  testing::SetCell(grid, 10, 10, 101000, 101200, 101600, 101400);  // nodes at 120 and 132
  testing::SetCell(grid, 32, 32, 100000, 100800, 100800, 100000);  // the last cell, to 396
  grid.At(20, 21) = 0;                                             // a node without a value
  struct Case {
    double x, y;
    std::optional<double> hPa;
  };
  const Case cases[] = {
      {120, 120, 1010.0}, {132, 132, 1016.0}, {126, 120, 1011.0}, {120, 126, 1012.0}, {129, 123, 1012.5},
      {0, 0, 1013.0},     {399, 390, 1008.0}, {400, 400, 1008.0}, {246, 246, std::nullopt},
      {-0.5, 10, std::nullopt}, {10, 400.5, std::nullopt}};
  for (const Case& c : cases) {
    const auto hPa = InterpolatedPressure(grid, c.x, c.y);
    ASSERT_EQ(hPa.has_value(), c.hPa.has_value()) << c.x << "," << c.y;
    if (hPa) {
      EXPECT_NEAR(*hPa, *c.hPa, 1e-9) << c.x << "," << c.y;
    }
  }
}

}  // namespace
}  // namespace nimbara
