// The whole display command painted by Qt: the realistic data file on an
// 800 x 800 QtCanvas, with the pressure grid recomputed every time, in the
// classic drawing and in the chart style (with its legend).

#include <benchmark/benchmark.h>

#include "BenchApplication.h"
#include "app/DisplayCommands.h"
#include "app/HeadlessUi.h"
#include "io/DataFile.h"
#include "io/FileIo.h"
#include "qt/QtCanvas.h"

namespace nimbara {
namespace {

constexpr int kCanvasSide = 800;

void DisplayOnQtCanvas(benchmark::State& bench, bool chartStyle) {
  EnsureApplication();
  AppState state;
  state.layers.chartStyle = chartStyle;
  const auto text = ReadCp932File(std::string(NIMBARA_TEST_DATA) + "/data_realistic.txt");
  const auto contents = text ? ParseDataFile(*text) : std::nullopt;
  if (!contents) {
    bench.SkipWithError("tests/data/data_realistic.txt is missing");
    return;
  }
  ApplyDataFile(*contents, state.store);
  QtCanvas canvas(kCanvasSide, kCanvasSide);
  HeadlessUi ui;
  for (auto _ : bench) {
    state.field.grid.MarkStale();
    cntDisplay_Click({state, canvas, ui});
    benchmark::DoNotOptimize(canvas.PixelWidth());
  }
}

void BM_DisplayOnQtCanvas(benchmark::State& bench) { DisplayOnQtCanvas(bench, false); }
BENCHMARK(BM_DisplayOnQtCanvas)->Unit(benchmark::kMillisecond);

void BM_ChartDisplayOnQtCanvas(benchmark::State& bench) { DisplayOnQtCanvas(bench, true); }
BENCHMARK(BM_ChartDisplayOnQtCanvas)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace nimbara
