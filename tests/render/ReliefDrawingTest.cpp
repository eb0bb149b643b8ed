#include "render/ReliefDrawing.h"

#include <gtest/gtest.h>

#include "pressure/PressureRelief.h"
#include "support/GridFixtures.h"

namespace nimbara {
namespace {

TEST(ReliefDrawing, PlaneAndOutlineInTheMapColourThenTheMeshInTheIsobarColour) {
  PressureGrid grid = testing::UniformGrid(101300);
  grid.At(1, 1) = 102300;
  RecordingCanvas canvas;
  canvas.SetLineWidth(2);
  DrawPressureRelief(canvas, grid, Rgb(0, 128, 0), kLightBlue);
  const ReliefLines relief = PressureRelief(grid);
  const std::vector<std::string> lines = testing::LogLinesOf(canvas, "line");
  ASSERT_EQ(lines.size(), relief.planeAndOutline.size() + relief.mesh.size());
  EXPECT_EQ(lines.front(), "line 206 70 581 70 2 #008000");
  EXPECT_TRUE(lines[relief.planeAndOutline.size() - 1].ends_with(" 2 #008000"));
  EXPECT_EQ(lines[relief.planeAndOutline.size()], "line 206 10 218 70 2 #0000FF");
  EXPECT_EQ(lines.back(), "line 398 310 392 318 2 #0000FF");
}

}  // namespace
}  // namespace nimbara
