#include "render/BaseMap.h"

#include <gtest/gtest.h>

#include "core/Coastline.h"
#include "render/RecordingCanvas.h"

namespace nimbara {
namespace {

TEST(BaseMap, PenUpMarksSuppressBothTouchingSegments) {
  RecordingCanvas canvas;
  DrawBaseMap(canvas, kLightBlue);
  const CoastlineTable& coast = Coastline();
  const std::size_t drawable = CoastSegments().size();
  // 332 points in 29 polylines, each ended by a pen-up mark: 303 points
  // drawn, one segment fewer than points per polyline.
  EXPECT_EQ(drawable, static_cast<std::size_t>(kCoastlinePointCount - 29 - 29));
  EXPECT_EQ(canvas.Lines().size(), drawable);
  EXPECT_EQ(canvas.Lines().front(), "line 299 99 296 101 1 #0000FF");
  EXPECT_EQ(canvas.Lines()[17], "line " + LogNumber(coast.x[17]) + " " + LogNumber(coast.y[17]) + " 299 99 1 #0000FF");
  EXPECT_EQ(canvas.Lines()[18], "line 300 135 " + LogNumber(coast.x[21]) + " " + LogNumber(coast.y[21]) + " 1 #0000FF");
}

TEST(BaseMap, AZeroWidthViewIsReplacedByTheWholeMap) {
  RecordingCanvas canvas;
  ApplyMapView(canvas, {10, 20, 0, 300});
  EXPECT_EQ(canvas.Scale(), (MapView{10, 20, 400, 300}));
}

}  // namespace
}  // namespace nimbara
