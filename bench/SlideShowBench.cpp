// The data-file slide show at pause 0: 100 full data files, each read by
// LoadSub2 and drawn as a whole map with freshly computed isobars on an
// 800 x 800 QtCanvas. Items per second are maps per second.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "app/HeadlessUi.h"
#include "app/SettingsCommands.h"
#include "app/SlideShow.h"
#include "io/DataFile.h"
#include "io/FieldWriter.h"
#include "io/FileIo.h"
#include "qt/QtCanvas.h"
#include "support/QtTestApplication.h"

namespace nimbara {
namespace {

constexpr int kCanvasSide = 800;
constexpr int kFileCount = 100;

// Full data files made from the realistic store, the pressures shifted a
// little from file to file so that every map has isobars of its own.
std::optional<SlideShowList> WriteDataFiles(const std::filesystem::path& folder) {
  const auto text = ReadCp932File(std::string(NIMBARA_TEST_DATA) + "/data_realistic.txt");
  const auto contents = text ? ParseDataFile(*text) : std::nullopt;
  if (!contents) return std::nullopt;
  AppState state;
  ApplyDataFile(*contents, state.store);
  const Settings settings = SettingsOf(state);
  const DataFileCounts counts{state.store.stationCount, state.store.shipCount, state.store.systemCount};
  std::filesystem::create_directories(folder);
  SlideShowList list;
  for (int i = 0; i < kFileCount; ++i) {
    ObservationStore store = state.store;
    for (int slot = 0; slot < counts.stations; ++slot) {
      auto& record = store.stationRecords[slot];
      if (record.pressure > 0) record.pressure += (slot * 7 + i * 3) % 9 - 4;
    }
    store.observationDate = "map " + std::to_string(i);
    const std::string path = (folder / ("map" + std::to_string(1000 + i) + ".txt")).string();
    if (!WriteCp932Lines(path, DataFileLines(store, counts, &settings))) return std::nullopt;
    list.entries.push_back(path);
    list.selected.push_back(true);
  }
  return list;
}

void BM_DataFileSlideShow(benchmark::State& bench) {
  testing::EnsureQtApplication();
  const auto folder = std::filesystem::temp_directory_path() / "nimbara_slide_show_bench";
  const auto list = WriteDataFiles(folder);
  if (!list) {
    bench.SkipWithError("could not write the data files");
    return;
  }
  AppState state;
  state.slideShowKind = SlideShowKind::DataFiles;
  state.fullDataMode = true;
  state.slideShowPause = 0.0f;
  QtCanvas canvas(kCanvasSide, kCanvasSide);
  HeadlessUi ui;
  for (auto _ : bench) {
    PlaySlideShow({state, canvas, ui}, *list, [] { return false; });
    benchmark::DoNotOptimize(state.store.observationDate);
  }
  bench.SetItemsProcessed(bench.iterations() * kFileCount);
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_DataFileSlideShow)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace nimbara
