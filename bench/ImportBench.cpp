// A 50 KB pasted text through the whole paste, as the command line pastes it
// (no temporary file): the station bulletin with many ship reports, the
// broadcast manuscript's two parts, and every layout mixed on one line, each
// repeated to 50 KB. Goal: under 5 ms. The mixed text again from 1 to 10 MB:
// the time grows with the size, no faster. And a megabyte of characters
// without a CP932 form after a bulletin: the paste converts once, whatever it
// holds. Goal: under 100 ms.

#include <benchmark/benchmark.h>

#include <algorithm>

#include "app/PasteCommands.h"
#include "app/HeadlessUi.h"
#include "io/FileIo.h"
#include "render/RecordingCanvas.h"

namespace nimbara {
namespace {

constexpr std::size_t kPastedBytes = 50 * 1024;
constexpr std::size_t kMegabyte = 1024 * 1024;

std::string Sample(const std::string& name) {
  return ReadCp932File(std::string(NIMBARA_SAMPLES) + "/bulletins/" + name).value_or(std::string());
}

// `head` once, then `body` (its first line left out) again and again to `size`.
std::string Repeated(const std::string& head, const std::string& body, std::size_t size = kPastedBytes) {
  std::string text = head;
  const std::string repeated = body.substr(body.find('\n') + 1);
  while (text.size() < size) text += repeated;
  return text;
}

void ImportRepeatedly(benchmark::State& bench, const std::string& text) {
  if (text.size() < kPastedBytes) {
    bench.SkipWithError("samples/bulletins is missing");
    return;
  }
  AppState state;
  RecordingCanvas canvas;
  HeadlessUi ui;
  for (auto _ : bench) benchmark::DoNotOptimize(ImportBulletinText({state, canvas, ui}, text, PastedCopy::None).Recognised());
  bench.SetBytesProcessed(static_cast<std::int64_t>(bench.iterations() * text.size()));
}

void BM_ImportStationBulletin(benchmark::State& bench) {
  const std::string stations = Sample("winter_stations.txt");
  const std::string ships = stations.substr(stations.find("ＪＧＱＨ"));
  ImportRepeatedly(bench, Repeated(stations, "\n" + ships));
}
BENCHMARK(BM_ImportStationBulletin)->Unit(benchmark::kMillisecond);

void BM_ImportManuscript(benchmark::State& bench) {
  const std::string both = Sample("broadcast_station_part.txt") + Sample("broadcast_systems_part.txt");
  ImportRepeatedly(bench, Repeated(both, both));
}
BENCHMARK(BM_ImportManuscript)->Unit(benchmark::kMillisecond);

// Every layout at once, its line ends gone, as a page copied in one piece.
std::string MixedOnOneLine() {
  std::string mixed;
  for (const char* name : {"winter_stations.txt", "broadcast_station_part.txt", "winter_systems.txt",
                           "broadcast_systems_part.txt", "summer_stations.txt", "summer_systems.txt"})
    mixed += Sample(name);
  std::erase(mixed, '\r');
  std::replace(mixed.begin(), mixed.end(), '\n', ' ');
  return mixed;
}

void BM_ImportMixed(benchmark::State& bench) {
  const std::string mixed = MixedOnOneLine();
  ImportRepeatedly(bench, Repeated(mixed, "\n" + mixed));
}
BENCHMARK(BM_ImportMixed)->Unit(benchmark::kMillisecond);

void BM_ImportMixedBySize(benchmark::State& bench) {
  const std::string mixed = MixedOnOneLine();
  ImportRepeatedly(bench, Repeated(mixed, "\n" + mixed, static_cast<std::size_t>(bench.range(0))));
  bench.SetComplexityN(bench.range(0));
}
BENCHMARK(BM_ImportMixedBySize)
    ->RangeMultiplier(2)
    ->Range(kMegabyte, 8 * kMegabyte)
    ->Arg(10 * kMegabyte)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

void BM_ImportUnreadableText(benchmark::State& bench) {
  const std::string page = "<html><body>今日の天気は北西の風、晴れのち曇り。北緯35度、東経140度付近。</body></html>\n";
  ImportRepeatedly(bench, Repeated(page, "\n" + page));
}
BENCHMARK(BM_ImportUnreadableText)->Unit(benchmark::kMillisecond);

void BM_ImportTextWithoutCp932Forms(benchmark::State& bench) {
  ImportRepeatedly(bench, Repeated(Sample("winter_systems.txt"), "\n😀🌀☃🌈🌊🍙☂\n", kMegabyte));
}
BENCHMARK(BM_ImportTextWithoutCp932Forms)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace nimbara
