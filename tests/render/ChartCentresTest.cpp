// The chart's station numbers and centre texts: what they write and where
// they go.

#include <gtest/gtest.h>

#include "render/RecordingCanvas.h"
#include "render/chart/ChartCentres.h"
#include "render/chart/ChartStations.h"

namespace nimbara::chart {
namespace {

TEST(ChartStationTexts, PressureInTwoDigitsAtTheUpperRightTemperatureAtTheUpperLeft) {
  RecordingCanvas canvas;
  const SymbolSize size = SymbolSize::Normal();
  const std::vector<SymbolPlace> places = {{100, 100, 0, 0, 0, 1016, -3}, {200, 200, 0, 0, 0, 1005, std::nullopt},
                                           {300, 300, 0, 0, 0, 996, 12}, {50, 50, 0, 0, 0, 0, std::nullopt}};
  const std::vector<StationText> texts = StationTexts(canvas, places, size);
  ASSERT_EQ(texts.size(), 5u);
  EXPECT_EQ(texts[0].text, "16");
  EXPECT_GT(texts[0].box.left, 100 + size.circleRadius);
  EXPECT_LT(texts[0].box.top, 100);
  EXPECT_EQ(texts[1].text, "-3");
  EXPECT_LT(texts[1].box.right, 100 - size.circleRadius);
  EXPECT_EQ(texts[2].text, "05");
  EXPECT_EQ(texts[3].text, "96");
  EXPECT_EQ(texts[4].text, "12");
}

TEST(ChartCentreTexts, TakeTheFirstFreeSideOfTheCross) {
  RecordingCanvas canvas;
  const PointF at{200, 200};
  const Box above = BoxAround({200, 188}, 30, 12);
  const struct {
    const char* name;
    std::vector<Box> busy;
    MarkSide side;
  } cases[] = {{"all free", {}, MarkSide::Above},
               // Below would put the pressure above: both texts need their side free.
               {"a station above", {above}, MarkSide::Left},
               {"every side taken", {BoxAround(at, 80, 80)}, MarkSide::Above}};
  for (const auto& c : cases) {
    std::vector<Centre> centres = {{at, "低", "996"}};
    ChooseMarkSides(canvas, centres, c.busy, {}, 0);
    EXPECT_EQ(centres[0].side, c.side) << c.name;
  }
}

}  // namespace
}  // namespace nimbara::chart
