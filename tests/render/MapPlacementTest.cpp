// Where the map's view lands on canvases of any shape: a square as large as
// fits beside the frame margins, centred in the rest, never stretched.

#include <gtest/gtest.h>

#include "core/MapView.h"
#include "render/RecordingCanvas.h"

namespace nimbara {
namespace {

struct Placement {
  const char* name;
  int width;
  int height;
  FrameMargins margins;
  PointF origin;  // where map point (0, 0) lands
  double side;    // pixels across the map
};

class MapPlacement : public ::testing::TestWithParam<Placement> {};

TEST_P(MapPlacement, TheMapIsASquareAsLargeAsFitsAndCentred) {
  const Placement& p = GetParam();
  RecordingCanvas canvas(p.width, p.height);
  canvas.SetFrameMargins(p.margins);
  EXPECT_EQ(canvas.ToPixels({0, 0}), p.origin);
  EXPECT_EQ(canvas.ToPixels({kMapSize, kMapSize}), (PointF{p.origin.x + p.side, p.origin.y + p.side}));
  EXPECT_EQ(canvas.FromPixels(p.origin), (PointF{0, 0}));
  EXPECT_EQ(canvas.VerticalUnitsPerHorizontalUnit(), 1.0);
}

INSTANTIATE_TEST_SUITE_P(
    Canvases, MapPlacement,
    ::testing::Values(Placement{"Square", 800, 800, {}, {0, 0}, 800}, Placement{"Wide", 1200, 800, {}, {200, 0}, 800},
                      Placement{"Tall", 600, 900, {}, {0, 150}, 600},
                      // The picture grown by the frame keeps the map's 800 pixels.
                      Placement{"FramedSquare", 900, 860, {40, 60, 20, 40}, {40, 40}, 800},
                      Placement{"FramedWide", 1300, 860, {40, 60, 20, 40}, {240, 40}, 800}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MapPlacement, AFramedPictureGrowsByItsMarginsAtTheMapsScale) {
  const FrameMargins margins{40, 60, 20, 40};
  EXPECT_EQ(FramedPixelSize(800, 800, margins).width, 900);
  EXPECT_EQ(FramedPixelSize(800, 800, margins).height, 860);
  EXPECT_EQ(FramedPixelSize(1200, 400, margins).width, 1250);  // half the map's scale: half the margins
  EXPECT_EQ(FramedPixelSize(1200, 400, margins).height, 430);
}

TEST(MapPlacement, ANewViewTakesAwayTheFrame) {
  RecordingCanvas canvas(1000, 1000);
  canvas.SetFrameMargins({100, 100, 100, 100});
  canvas.SetScale({});
  EXPECT_EQ(canvas.Margins(), FrameMargins{});
  EXPECT_EQ(canvas.MapPixels(), 1000.0);
}

}  // namespace
}  // namespace nimbara
