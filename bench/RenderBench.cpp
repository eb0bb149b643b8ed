// The weather map drawn onto the drawing log: the whole display command for a
// full situation (53 stations, ships, a low with its fronts, a high), and its
// symbol and front layers on their own.

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/AppContext.h"
#include "app/DisplayCommands.h"
#include "app/HeadlessUi.h"
#include "core/CodeTables.h"
#include "render/Fronts.h"
#include "render/RecordingCanvas.h"
#include "render/SymbolLayers.h"
#include "render/SystemPoints.h"

namespace nimbara {
namespace {


// A winter situation: a low over the Sea of Japan with a warm and a cold
// front, a high over the continent, and a pressure rising away from the low.
AppState Situation() {
  AppState state;
  ObservationStore& store = state.store;
  constexpr double kLowX = 250, kLowY = 140;
  for (int slot = 0; slot < kBulletinStationCount; ++slot) {
    const double distance = std::hypot(store.stations.x[slot] - kLowX, store.stations.y[slot] - kLowY);
    store.stationRecords[slot] = {slot % 16, 1 + slot % 9, slot % 11, 996 + static_cast<int>(distance / 8),
                                  10 - slot % 7};
  }
  store.shipCount = 4;
  store.ships[0] = {30, 140, 10, 4, 2, 1012};
  store.ships[1] = {33, 145, 12, 6, 3, 1008};
  store.ships[2] = {38, 150, 14, 8, 5, 1004};
  store.ships[3] = {25, 128, 2, 3, 1, 1018};
  const std::vector<SystemEntry> systems = {
      {std::string(kind::kLow), 40, 135, 996},       {std::string(kind::kWarmFront), 40, 135, 0},
      {std::string(kind::kWarmFront), 38, 140, 0},  {std::string(kind::kWarmFront), 36, 146, 0},
      {std::string(kind::kColdFront), 40, 135, 0},  {std::string(kind::kColdFront), 36, 132, 0},
      {std::string(kind::kColdFront), 32, 127, 0},  {std::string(kind::kColdFront), 28, 122, 0},
      {std::string(kind::kHigh), 42, 115, 1036},
  };
  store.systemCount = static_cast<std::int16_t>(systems.size());
  std::copy(systems.begin(), systems.end(), store.systems.begin());
  return state;
}

// Redisplay of a computed field: the usual case after the first display.
void BM_DisplayWholeMap(benchmark::State& bench) {
  AppState state = Situation();
  RecordingCanvas canvas;
  HeadlessUi ui;
  const AppContext app{state, canvas, ui};
  cntDisplay_Click(app);
  for (auto _ : bench) {
    canvas.ClearLog();
    cntDisplay_Click(app);
    benchmark::DoNotOptimize(canvas.Lines().data());
  }
  bench.counters["log lines"] = static_cast<double>(canvas.Lines().size());
}
BENCHMARK(BM_DisplayWholeMap);

// The first display after the observations changed: the grid is computed too.
void BM_DisplayAfterObservationChange(benchmark::State& bench) {
  AppState state = Situation();
  RecordingCanvas canvas;
  HeadlessUi ui;
  const AppContext app{state, canvas, ui};
  for (auto _ : bench) {
    state.field.grid.MarkStale();
    canvas.ClearLog();
    cntDisplay_Click(app);
    benchmark::DoNotOptimize(canvas.Lines().data());
  }
}
BENCHMARK(BM_DisplayAfterObservationChange);

void BM_SymbolLayers(benchmark::State& bench) {
  const AppState state = Situation();
  RecordingCanvas canvas;
  for (auto _ : bench) {
    canvas.ClearLog();
    const std::vector<SymbolPlace> places = SymbolPlaces(state.store, true);
    DrawWeatherLayer(canvas, places, SymbolSize::Enlarged(), state.colours);
    DrawWindLayer(canvas, places, SymbolSize::Enlarged(), state.colours[ColourSlot::Wind]);
    benchmark::DoNotOptimize(canvas.Lines().data());
  }
}
BENCHMARK(BM_SymbolLayers);

void BM_FrontLayer(benchmark::State& bench) {
  const AppState state = Situation();
  RecordingCanvas canvas;
  for (auto _ : bench) {
    canvas.ClearLog();
    DrawFrontLayer(canvas, SystemPointsFromStore(state.store), state.colours);
    benchmark::DoNotOptimize(canvas.Lines().data());
  }
}
BENCHMARK(BM_FrontLayer);

}  // namespace
}  // namespace nimbara
