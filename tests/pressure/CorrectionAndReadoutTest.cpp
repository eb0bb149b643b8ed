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

TEST(RedrawAroundNode, BorderNodesRedrawOnlyContouredCells) {
  const PressureGrid grid = testing::UniformGrid(101300);
  for (const auto& [node, expectedCells] : {std::pair<GridNode, std::size_t>{{0, 0}, 0},
                                            {{1, 1}, 1},
                                            {{0, 5}, 0},
                                            {{1, 5}, 2},
                                            {{33, 33}, 0},
                                            {{32, 32}, 1},
                                            {{5, 5}, 4}}) {
    RecordingCanvas canvas;
    RedrawAroundNode(canvas, grid, node, 400.0f, 200.0f, kLightBlue);
    EXPECT_EQ(testing::LogLinesOf(canvas, "rect").size(), expectedCells) << node.column << "," << node.row;
  }
}

TEST(PressureLabel, FirstFiveCharactersOfTheSignedNumberOrNoData) {
  EXPECT_EQ(PressureLabel(101325), " 1013 hPa");
  EXPECT_EQ(PressureLabel(101300), " 1013 hPa");
  EXPECT_EQ(PressureLabel(99850), " 998.5 hPa");
  EXPECT_EQ(PressureLabel(0), "気圧データなし");
  EXPECT_EQ(PressureLabel(-150), "-1.5 hPa");
}

TEST(ShowPressureAtClick, WhiteLabelOutlinedInBlackAtTheNearestNode) {
  PressureGrid grid;
  grid.At(0, 1) = 100800;
  RecordingCanvas canvas;
  ShowPressureAtClick(canvas, grid, 5, 12);
  std::vector<std::string> expected;
  for (const char* at :
       {"-9.5 6.5", "-9 6.5", "-8.5 6.5", "-9.5 7", "-8.5 7", "-9.5 7.5", "-9 7.5", "-8.5 7.5"})
    expected.push_back(std::string("text ") + at + " 14 0 #000000  1008 hPa");
  expected.push_back("text -9 7 14 0 #FFFFFF  1008 hPa");
  EXPECT_EQ(canvas.Lines(), expected);
  ShowPressureAtClick(canvas, grid, 200, 200);
  EXPECT_EQ(canvas.Lines().back(), "text 186 195 14 0 #FFFFFF 気圧データなし");
}

TEST(ShowPressureAtClick, ClicksOutsideTheMapSquareDrawNothing) {
  RecordingCanvas canvas;
  for (const auto& [x, y] : {std::pair{-0.5, 10.0}, {10.0, -0.5}, {400.5, 10.0}, {10.0, 400.5}})
    ShowPressureAtClick(canvas, PressureGrid{}, x, y);
  EXPECT_TRUE(canvas.Lines().empty());
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
