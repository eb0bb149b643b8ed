// Merging the observations into plot points and drawing the base map.

#include <benchmark/benchmark.h>

#include "core/PlotPoints.h"
#include "render/BaseMap.h"
#include "render/RecordingCanvas.h"

namespace nimbara {
namespace {

void BM_BuildPlotPoints(benchmark::State& bench) {
  ObservationStore store;
  store.shipCount = 20;
  store.systemCount = 40;
  for (int i = 0; i < 40; ++i) store.systems[i] = {"寒冷前線", 25 + i % 25, 120 + i, 0};
  for (int i = 0; i < 20; ++i) store.ships[i] = {20 + i, 125 + i, 0, 0, 0, 1000 + i};
  PlotPointTable table;
  PressureField field;
  for (auto _ : bench) {
    BuildPlotPoints(store, table, field);
    benchmark::DoNotOptimize(table.lastIndex);
  }
}
BENCHMARK(BM_BuildPlotPoints);

void BM_DrawBaseMap(benchmark::State& bench) {
  RecordingCanvas canvas;
  for (auto _ : bench) {
    canvas.ClearLog();
    DrawBaseMap(canvas, kLightBlue);
    benchmark::DoNotOptimize(canvas.Lines().size());
  }
}
BENCHMARK(BM_DrawBaseMap);

}  // namespace
}  // namespace nimbara
