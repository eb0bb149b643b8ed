#include "render/PressureLabel.h"

#include <gtest/gtest.h>

#include "render/RecordingCanvas.h"

namespace nimbara {
namespace {

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
}

TEST(ShowPressureAtClick, ClicksOutsideTheMapSquareDrawNothing) {
  RecordingCanvas canvas;
  ShowPressureAtClick(canvas, PressureGrid{}, 400.5, 10);
  EXPECT_TRUE(canvas.Lines().empty());
}

}  // namespace
}  // namespace nimbara
