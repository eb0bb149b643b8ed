// The map's PNG as `nimbara render` writes it, against Qt's own PNG writer at
// its fastest setting: the winter sample in full (its satellite picture under
// the drawing), an 800 x 800 picture.

#include <benchmark/benchmark.h>

#include <QBuffer>

#include "app/FileCommands.h"
#include "app/HeadlessUi.h"
#include "bench/BenchApplication.h"
#include "qt/PngBytes.h"
#include "qt/QtCanvas.h"

namespace nimbara {
namespace {

constexpr int kCanvasSide = 800;
constexpr int kQtFastestQuality = 80;  // zlib level 1 with libpng's adaptive filters

// The winter sample's composite picture; a null image (and the bench
// skipped) without it.
QImage WinterMap(benchmark::State& bench) {
  EnsureApplication();
  AppState state;
  state.fullDataMode = true;  // with the picture beside the file
  QtCanvas canvas(kCanvasSide, kCanvasSide);
  HeadlessUi ui;
  if (!OpenDataFile({state, canvas, ui}, std::string(NIMBARA_SAMPLES) + "/20240115_06.txt")) {
    bench.SkipWithError("samples/20240115_06.txt is missing");
    return {};
  }
  return canvas.Composite();
}

void BM_MapPngFast(benchmark::State& bench) {
  const QImage map = WinterMap(bench);
  qsizetype size = 0;
  for (auto _ : bench) size = FastPngBytes(map).size();
  bench.counters["bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_MapPngFast)->Unit(benchmark::kMillisecond);

void BM_MapPngQtWriter(benchmark::State& bench) {
  const QImage map = WinterMap(bench);
  qsizetype size = 0;
  for (auto _ : bench) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    map.save(&buffer, "PNG", kQtFastestQuality);
    size = bytes.size();
  }
  bench.counters["bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_MapPngQtWriter)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace nimbara
