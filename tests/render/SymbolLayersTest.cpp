#include "render/SymbolLayers.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "render/LogFields.h"
#include "render/RecordingCanvas.h"
#include "render/SystemPoints.h"

namespace nimbara {
namespace {

using testing::WithPrefix;

TEST(StationSelection, AllStationsButTheLastSlot) {
  const std::vector<int> slots = SelectedStationSlots(kBuiltInStationCount, true);
  ASSERT_EQ(slots.size(), 53u);
  EXPECT_EQ(slots.front(), 0);
  EXPECT_EQ(slots.back(), 52);
}

TEST(StationSelection, ThinnedSetKeepsTheListedSlots) {
  EXPECT_EQ(SelectedStationSlots(kBuiltInStationCount, false),
            (std::vector<int>{0, 1, 2, 3, 4, 7, 11, 15, 19, 23, 27, 31, 35, 39, 43, 44, 45, 46, 47, 48, 49, 50, 51,
                              52}));
}

TEST(StationSelection, FollowsTheStationCount) {
  EXPECT_EQ(SelectedStationSlots(9, false), (std::vector<int>{0, 1, 2, 3, 4, 7}));
  EXPECT_TRUE(SelectedStationSlots(1, true).empty());
  EXPECT_TRUE(SelectedStationSlots(0, true).empty());
  EXPECT_EQ(SelectedStationSlots(500, true).back(), kLastSlot - 1);
}

ObservationStore StoreWithShips() {
  ObservationStore store;
  store.stationRecords[0] = {12, 3, 3, 1008, 25};  // 石垣島: east wind force 3, rain
  store.shipCount = 2;
  store.ships[0] = {35, 140, 4, 5, 1, 1012};
  store.ships[1] = {5, 140, 0, 1, 2, 1000};  // south of the map: no map position
  return store;
}

TEST(SymbolPlaces, StationsAtTheirFixedPositionsThenShipsProjectedLeavingOutThoseOffTheMap) {
  const std::vector<SymbolPlace> places = SymbolPlaces(StoreWithShips(), true);
  ASSERT_EQ(places.size(), 54u);
  EXPECT_EQ(places[0].x, 173.0f);
  EXPECT_EQ(places[0].y, 270.0f);
  EXPECT_EQ(places[0].weather, 3);
  EXPECT_EQ(places[0].direction, 12);
  EXPECT_EQ(places[0].force, 3);
  EXPECT_EQ(places[53].x, 296.0f);
  EXPECT_EQ(places[53].y, 183.0f);
  EXPECT_EQ(places[53].force, 5);
  EXPECT_EQ(SymbolPlaces(StoreWithShips(), false).size(), 25u);
}

TEST(SymbolPlaces, CodesBeyondSixteenBitsDoNotWrapIntoTheTables) {
  ObservationStore store;
  store.stationRecords[0].weather = 65536 + 3;
  store.stationRecords[0].direction = -65536;
  const SymbolPlace place = SymbolPlaces(store, true)[0];
  EXPECT_EQ(place.weather, 32767);
  EXPECT_EQ(place.direction, -32768);
}

TEST(WeatherLayer, OneSymbolPerPlaceOneWideWhateverTheWidthBefore) {
  RecordingCanvas canvas;
  canvas.SetLineWidth(3);
  const std::vector<SymbolPlace> places = SymbolPlaces(StoreWithShips(), true);
  DrawWeatherLayer(canvas, places, SymbolSize::Normal(), ColourSlots{});
  // 54 symbols, plus the disc of the station's rain.
  EXPECT_EQ(WithPrefix(canvas.Lines(), "circle ").size(), 54u + 1u);
  EXPECT_EQ(canvas.Lines()[0], "circle 173 270 3 - - 1 #0000FF #FFFFFF");
}

TEST(WindLayer, NormalSymbolsOneWideEnlargedTwoThenLeavesOne) {
  for (const auto& [size, width] :
       {std::pair{SymbolSize::Normal(), " 1 #0000FF"}, {SymbolSize::Enlarged(), " 2 #0000FF"}}) {
    RecordingCanvas canvas;
    canvas.SetLineWidth(3);
    DrawWindLayer(canvas, SymbolPlaces(StoreWithShips(), true), size, kLightBlue);
    ASSERT_FALSE(canvas.Lines().empty());
    EXPECT_EQ(WithPrefix(canvas.Lines(), "line ").size(), canvas.Lines().size());
    for (const std::string& line : canvas.Lines()) EXPECT_NE(line.find(width), std::string::npos) << line;
    EXPECT_EQ(canvas.State().lineWidth, 1);
  }
}

TEST(SystemPoints, StoreEntriesProjectedInListOrder) {
  ObservationStore store;
  store.systemCount = 2;
  store.systems[0] = {"寒冷前線", 35, 135, 0};
  store.systems[1] = {"寒冷前線", 30, 135, 0};
  const std::vector<SystemPoint> points = SystemPointsFromStore(store);
  ASSERT_EQ(points.size(), 2u);
  EXPECT_EQ(points[0].kind, "寒冷前線");
  EXPECT_EQ(points[0].x, 263);
  EXPECT_EQ(points[0].y, 184);
  EXPECT_EQ(points[1].y, 228);
}

TEST(SystemPoints, PlotTableSlotsAfterStationsAndShipsWithTheirSharedNames) {
  ObservationStore store = StoreWithShips();
  store.systemCount = 1;
  PlotPointTable plot;
  const int slot = store.stationCount + store.shipCount;
  store.stations.names[slot] = "閉塞前線";
  plot.x[slot] = 120;
  plot.y[slot] = 80;
  const std::vector<SystemPoint> points = SystemPointsFromPlotTable(store, plot);
  ASSERT_EQ(points.size(), 1u);
  EXPECT_EQ(points[0].kind, "閉塞前線");
  EXPECT_EQ(points[0].x, 120);
  EXPECT_EQ(points[0].y, 80);
}

}  // namespace
}  // namespace nimbara
