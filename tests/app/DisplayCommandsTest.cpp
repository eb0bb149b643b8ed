#include "app/DisplayCommands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/CodeTables.h"
#include "support/TestApp.h"

namespace nimbara {
namespace {

using Lines = std::vector<std::string>;
using testing::TestApp;

std::size_t CountPrefix(const Lines& lines, const std::string& prefix) {
  return static_cast<std::size_t>(
      std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; }));
}

std::size_t IndexOf(const Lines& lines, const std::string& line) {
  return static_cast<std::size_t>(std::find(lines.begin(), lines.end(), line) - lines.begin());
}

// Symbols and fronts only: the map and the isobars are switched off.
struct SymbolsOnlyApp : TestApp {
  SymbolsOnlyApp() {
    state.layers.map = false;
    state.layers.isobars = false;
    state.store.stationRecords[0] = {12, 1, 1, 1008, 25};  // 石垣島: east wind force 1, fine
    state.store.shipCount = 1;
    state.store.ships[0] = {35, 140, 0, 0, 3, 1012};  // projects to (296, 183)
    state.store.systemCount = 2;
    state.store.systems[0] = {std::string(kind::kColdFront), 35, 135, 0};  // (263, 184)
    state.store.systems[1] = {std::string(kind::kColdFront), 30, 130, 0};
  }
  void Show(bool weather, bool wind, bool fronts) {
    state.layers.weather = weather;
    state.layers.wind = wind;
    state.layers.fronts = fronts;
  }
};

TEST(Display, AllLayersOffLeavesAnEmptyCanvas) {
  TestApp app;
  app.state.layers = {false, false, false, false, false, true, false};
  cntDisplay_Click(app.Context());
  EXPECT_EQ(app.canvas.Lines(), Lines{"clear"});
}

TEST(Display, LayersInOrderWeatherThenWindThenFronts) {
  SymbolsOnlyApp app;
  cntDisplay_Click(app.Context());
  const Lines& lines = app.canvas.Lines();
  ASSERT_EQ(lines[0], "clear");
  EXPECT_EQ(lines[1], "circle 173 270 3 - - 1 #0000FF #FFFFFF");
  EXPECT_EQ(CountPrefix(lines, "circle "), 53u + 1u + 1u);  // stations 0–52, the ship, its rain disc
  EXPECT_EQ(IndexOf(lines, "circle 296 183 3 - - 1 #0000FF #FFFFFF"), 55u);
  const std::size_t firstWind = 57;  // after the ship's disc and station 0's vertical diameter
  EXPECT_EQ(lines[firstWind].rfind("line ", 0), 0u) << lines[firstWind];
  EXPECT_NE(lines[firstWind].find(" 1 #0000FF"), std::string::npos) << lines[firstWind];
  EXPECT_EQ(lines[firstWind + 4].rfind("line 263 184 ", 0), 0u) << lines[firstWind + 4];  // the front, 2 wide
  EXPECT_NE(lines[firstWind + 4].find(" 2 #FF0000"), std::string::npos);
  EXPECT_EQ(app.canvas.State().lineWidth, 1);
}

TEST(Display, EveryLayerSetsItsOwnWidthSoTheSameDataDrawsTheSame) {
  for (const SymbolSize& size : {SymbolSize::Normal(), SymbolSize::Enlarged()}) {
    SymbolsOnlyApp app;
    app.state.layers.map = true;
    app.state.symbols = size;
    app.Show(true, true, false);
    cntDisplay_Click(app.Context());
    const Lines first = app.canvas.Lines();
    app.canvas.ClearLog();
    cntDisplay_Click(app.Context());
    EXPECT_EQ(app.canvas.Lines(), first);
  }
}

TEST(Display, ShipsAreDrawnWhereTheyAreEvenWithoutIsobars) {
  SymbolsOnlyApp app;
  app.Show(true, false, false);
  cntDisplay_Click(app.Context());
  EXPECT_EQ(app.canvas.Lines()[55], "circle 296 183 3 - - 1 #0000FF #FFFFFF");
}

TEST(Display, StaleGridTakesFrontsFromTheStoreValidGridFromThePlotTable) {
  SymbolsOnlyApp app;
  app.Show(false, false, true);
  const int first = FirstSystemSlot(app.state.store);
  app.state.plot.x[first] = 50;  // left over from an earlier computation
  app.state.plot.y[first] = 60;
  app.state.plot.x[first + 1] = 90;
  app.state.plot.y[first + 1] = 60;
  app.state.store.stations.names[first] = std::string(kind::kWarmFront);
  app.state.store.stations.names[first + 1] = std::string(kind::kWarmFront);
  cntDisplay_Click(app.Context());
  EXPECT_EQ(app.canvas.Lines()[1].rfind("line 263 184 ", 0), 0u) << app.canvas.Lines()[1];

  app.canvas.ClearLog();
  app.state.field.grid.At(0, 0) = 101300;  // as after loading an isobar file
  cntDisplay_Click(app.Context());
  EXPECT_EQ(app.canvas.Lines()[1], "line 50 60 90 60 2 #FF0000");
}

TEST(Display, ThinnedStationsAndEveryShip) {
  SymbolsOnlyApp app;
  app.Show(true, false, false);
  cntAllData_Click(app.Context());
  EXPECT_FALSE(app.state.layers.allData);
  const Lines& lines = app.canvas.Lines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], "clear");
  EXPECT_EQ(lines[1], "clear");
  EXPECT_EQ(CountPrefix(lines, "circle "), 24u + 1u + 1u);
  EXPECT_EQ(CountPrefix(lines, "circle 219 202 "), 0u) << "slot 5 is thinned out";
}

TEST(Display, EnlargeThenShrinkRestoresTheNormalSizes) {
  SymbolsOnlyApp app;
  cntZoomUp_Click(app.Context());
  EXPECT_TRUE(app.state.layers.zoomUp);
  EXPECT_EQ(app.state.symbols, SymbolSize::Enlarged());
  const Lines& big = app.canvas.Lines();
  EXPECT_EQ(big[2], "circle 173 270 5 - - 1 #0000FF #FFFFFF");
  const auto twoWide = std::count_if(big.begin(), big.end(), [](const std::string& l) {
    return l.rfind("line ", 0) == 0 && l.find(" 2 #0000FF") != std::string::npos;
  });
  EXPECT_EQ(twoWide, 4) << "the four lines of station 0's wind";

  cntZoomUp_Click(app.Context());
  EXPECT_FALSE(app.state.layers.zoomUp);
  EXPECT_EQ(app.state.symbols.circleRadius, 3.0f);
  EXPECT_EQ(app.state.symbols.shaftStart, 3.5f);
  EXPECT_EQ(app.state.symbols.shaftStep, 2.0f);
  EXPECT_EQ(app.state.symbols.featherSize, 2.0f);
}

TEST(Display, LayerSwitchesChangeNothingUntilTheNextDisplay) {
  TestApp app;
  using Handler = void (*)(const AppContext&);
  for (Handler handler : {cntTizu_Click, cntTouatu2_Click, cntKigou_Click, cntHuuryoku_Click, cntZensen_Click}) {
    handler(app.Context());
  }
  EXPECT_TRUE(app.canvas.Lines().empty());
  const LayerSwitches& layers = app.state.layers;
  EXPECT_FALSE(layers.map || layers.isobars || layers.weather || layers.wind || layers.fronts);
  EXPECT_TRUE(layers.allData);
  EXPECT_FALSE(layers.zoomUp);
  cntKigou_Click(app.Context());
  EXPECT_TRUE(app.state.layers.weather);
}

TEST(Display, ErasingThenDisplayingReproducesTheMap) {
  SymbolsOnlyApp app;
  app.state.layers.map = true;
  cntDisplay_Click(app.Context());
  const Lines first = app.canvas.Lines();
  app.canvas.ClearLog();
  cntClsLine_Click(app.Context());
  EXPECT_EQ(app.canvas.Lines(), Lines{"clear"});
  app.canvas.ClearLog();
  mnuKiatuClear_Click(app.Context());
  EXPECT_EQ(app.canvas.Lines(), first);
}

TEST(Display, RestoresTheMapViewOfAnotherScale) {
  TestApp app;
  app.state.layers = {false, false, false, false, false, true, false};
  app.state.view = {10, 20, 380, 390};
  app.canvas.SetScale({0, 0, 100, 100});
  cntDisplay_Click(app.Context());
  EXPECT_EQ(app.canvas.Scale(), app.state.view);
}

TEST(Display, IsobarsWithoutPressuresWarnAndTheOtherLayersStillDraw) {
  SymbolsOnlyApp app;
  app.state.layers.isobars = true;
  app.state.store.stationRecords[0].pressure = 0;
  cntDisplay_Click(app.Context());
  ASSERT_EQ(app.ui.messages.size(), 1u);
  EXPECT_EQ(app.ui.messages[0].text, "気圧が入力されていません");
  EXPECT_EQ(CountPrefix(app.canvas.Lines(), "circle "), 55u);
}

}  // namespace
}  // namespace nimbara
