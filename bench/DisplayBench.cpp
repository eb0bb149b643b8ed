// The whole display command painted by Qt: the realistic data file on an
// 800 x 800 QtCanvas, with the pressure grid recomputed every time, in the
// classic drawing and in the chart style (with its legend); the chart of each
// sample map (its analysis computed every time) on the picture its frame
// grows to; and one step of the alignment window, which draws the whole map
// again (the grid kept).

#include <benchmark/benchmark.h>

#include "app/Alignment.h"
#include "app/DisplayCommands.h"
#include "app/HeadlessUi.h"
#include "bench/BenchApplication.h"
#include "io/DataFile.h"
#include "io/FileIo.h"
#include "qt/QtCanvas.h"
#include "render/chart/ChartFrame.h"

namespace nimbara {
namespace {

constexpr int kCanvasSide = 800;

// The realistic data file in the state; false (and the bench skipped) without it.
bool LoadRealisticData(benchmark::State& bench, AppState& state) {
  EnsureApplication();
  const auto text = ReadCp932File(std::string(NIMBARA_TEST_DATA) + "/data_realistic.txt");
  const auto contents = text ? ParseDataFile(*text) : std::nullopt;
  if (!contents) {
    bench.SkipWithError("tests/data/data_realistic.txt is missing");
    return false;
  }
  ApplyDataFile(*contents, state.store);
  return true;
}

void DisplayOnQtCanvas(benchmark::State& bench, bool chartStyle) {
  AppState state;
  state.layers.chartStyle = chartStyle;
  if (!LoadRealisticData(bench, state)) return;
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

// The two sample maps (0 winter, 1 summer) in the chart style.
void BM_ChartDisplayOfSample(benchmark::State& bench) {
  EnsureApplication();
  const char* samples[] = {"/20240115_06.txt", "/20240820_12.txt"};
  const auto text = ReadCp932File(std::string(NIMBARA_SAMPLES) + samples[bench.range(0)]);
  const auto contents = text ? ParseDataFile(*text) : std::nullopt;
  if (!contents) {
    bench.SkipWithError("the sample map is missing");
    return;
  }
  AppState state;
  state.layers.chartStyle = true;
  ApplyDataFile(*contents, state.store);
  const ScreenSize size = FramedPixelSize(kCanvasSide, kCanvasSide, chart::ChartFrameMargins(state.layers.legend));
  QtCanvas canvas(size.width, size.height);
  HeadlessUi ui;
  for (auto _ : bench) {
    state.field.grid.MarkStale();
    cntDisplay_Click({state, canvas, ui});
    benchmark::DoNotOptimize(canvas.PixelWidth());
  }
}
BENCHMARK(BM_ChartDisplayOfSample)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A held alignment button repeats every few tens of milliseconds; each step
// should be drawn well within that.
void BM_AlignmentStepOnQtCanvas(benchmark::State& bench) {
  AppState state;
  if (!LoadRealisticData(bench, state)) return;
  QtCanvas canvas(kCanvasSide, kCanvasSide);
  HeadlessUi ui;
  const AppContext app{state, canvas, ui};
  cntDisplay_Click(app);
  bool right = true;
  for (auto _ : bench) {
    AdjustMapView(app, StepOf(right ? AlignButton::Right : AlignButton::Left));
    right = !right;
    benchmark::DoNotOptimize(canvas.PixelWidth());
  }
}
BENCHMARK(BM_AlignmentStepOnQtCanvas)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace nimbara
