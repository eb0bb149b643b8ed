// ⏎ on the station line of ラジオの気象通報から入力: the line read, the
// station stored through the station window's command, the next station
// chosen and the live map drawn (base map, weather, wind), once on a
// CountingCanvas (the decisions alone) and once on the 800 x 800 QtCanvas the
// main window draws on. Goal: within 5 ms, so that a pupil never waits for the
// next station of the broadcast.

#include <benchmark/benchmark.h>

#include "app/Dictation.h"
#include "app/HeadlessUi.h"
#include "app/StationEntry.h"
#include "bench/BenchApplication.h"
#include "bench/CountingCanvas.h"
#include "qt/QtCanvas.h"

namespace nimbara {
namespace {

template <typename CanvasType>
void BM_DictateStationLine(benchmark::State& bench) {
  EnsureApplication();
  AppState state;
  LoadStationRows(state);
  CanvasType canvas;  // a QtCanvas is 800 x 800
  HeadlessUi ui;
  int slot = 0;
  for (auto _ : bench) {
    const LineOutcome outcome = EnterStationLine({state, canvas, ui}, slot, "なんなんせい 2 kumo 18 m7");
    slot = outcome.done ? 0 : outcome.cursor;
  }
}
BENCHMARK_TEMPLATE(BM_DictateStationLine, CountingCanvas)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_DictateStationLine, QtCanvas)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace nimbara
