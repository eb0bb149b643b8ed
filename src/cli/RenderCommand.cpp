#include <malloc.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <thread>
#include <vector>

#include "app/DisplayCommands.h"
#include "app/FileCommands.h"
#include "app/MapOutput.h"
#include "app/PracticeCommands.h"
#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/OutputClash.h"
#include "cli/Session.h"
#include "io/FileNames.h"
#include "qt/MapExport.h"
#include "render/BaseMap.h"
#include "render/BlankMap.h"
#include "render/chart/ChartFrame.h"

namespace nimbara {
namespace {

constexpr int kDefaultPictureSize = 800;
constexpr int kMaxPictureSide = 16384;
constexpr unsigned kBatchWorkers = 2;
constexpr std::string_view kClassicStyle = "classic";
constexpr std::string_view kChartStyle = "chart";
// glibc's ceiling for the size below which memory comes from the heap.
constexpr int kLargestHeapBlock = 32 << 20;

struct RenderOptions {
  int width = kDefaultPictureSize;
  int height = kDefaultPictureSize;
  std::optional<std::string> opsPath;
  std::optional<std::string> practicePath;
  bool observation = false;
  bool blank = false;
  LayerSwitches layers;
};

bool ParseSize(const std::string& text, RenderOptions& options) {
  int width = 0;
  int height = 0;
  char extra = 0;
  if (std::sscanf(text.c_str(), "%dx%d%c", &width, &height, &extra) != 2) return false;
  if (width < 1 || height < 1 || width > kMaxPictureSide || height > kMaxPictureSide) return false;
  options.width = width;
  options.height = height;
  return true;
}

bool ParseLayers(const std::string& text, LayerSwitches& layers) {
  layers.map = layers.isobars = layers.weather = layers.wind = layers.fronts = layers.legend = false;
  std::stringstream list(text);
  std::string name;
  while (std::getline(list, name, ',')) {
    if (name == "map") layers.map = true;
    else if (name == "isobars") layers.isobars = true;
    else if (name == "weather") layers.weather = true;
    else if (name == "wind") layers.wind = true;
    else if (name == "fronts") layers.fronts = true;
    else if (name == "legend") layers.legend = true;
    else return false;
  }
  return true;
}

// Draws one map and writes it; the empty text when done, else why not.
std::string RenderOne(const RenderOptions& options, const std::optional<std::string>& dataFile,
                      const std::string& output) {
  if (!ExportFormatFor(output)) return output + ": the picture must end in .png, .svg or .pdf";
  // A chart's picture grows by the frame round the map.
  const bool chart = options.layers.chartStyle && !options.blank;
  const ScreenSize size = FramedPixelSize(options.width, options.height,
                                         chart ? chart::ChartFrameMargins(options.layers.legend) : FrameMargins{});
  Session session(size.width, size.height, options.opsPath.has_value());
  AppState& state = session.state;
  state.layers = options.layers;
  if (state.layers.zoomUp) state.symbols = SymbolSize::Enlarged();
  const AppContext app = session.Context();
  if (options.blank) {
    ClearCanvas(app.canvas);
    DrawBlankMap(app.canvas, state.store.stations, state.store.stationCount);
  } else if (options.practicePath) {
    state.fullDataMode = !options.observation;
    if (FileStatus status = ShowPracticeFile(app, *options.practicePath, dataFile); !status)
      return ReadProblem(status);
  } else if (dataFile) {
    state.fullDataMode = !options.observation;
    if (FileStatus status = OpenDataFile(app, *dataFile); !status) return ReadProblem(status);
  } else {
    ClearCanvas(app.canvas);
    DrawEmptyMap(app);
  }
  const std::string title = options.blank ? kBlankFormTitle : PageHeading(state);
  auto picture = ExportBytes(session.Picture(), *ExportFormatFor(output), title);
  if (!picture) return "cannot draw " + output;
  // The picture and the drawing log are written as one set: a failed run
  // leaves neither.
  std::vector<FileWrite> files{{output, std::move(picture)}};
  if (options.opsPath) files.push_back({*options.opsPath, session.Log().Log()});
  if (FileStatus status = WriteFilesAtomically(files); !status) return WriteProblem(status);
  return {};
}

// The files a data file brings with it: itself and, in full mode, the
// pictures beside it.
std::vector<std::string> InputsOf(const RenderOptions& options, const std::vector<std::string>& files) {
  std::vector<std::string> inputs;
  for (const std::string& file : files) {
    inputs.push_back(file);
    if (options.observation) continue;
    for (std::string& picture : CompanionPictureNames(file)) inputs.push_back(std::move(picture));
  }
  return inputs;
}

std::filesystem::path BatchOutput(const std::string& outDir, const std::string& file, const std::string& extension) {
  return std::filesystem::path(outDir) / (std::filesystem::path(file).stem().string() + "." + extension);
}

// Renders every data file into `outDir`, named after the file, on both cores.
int RenderBatch(const RenderOptions& options, const std::vector<std::string>& files, const std::string& outDir,
                const std::string& extension) {
  std::error_code ec;
  std::filesystem::create_directories(outDir, ec);
  std::atomic<std::size_t> next{0};
  std::atomic<bool> failed{false};
  auto work = [&] {
    for (std::size_t i = next++; i < files.size(); i = next++) {
      const std::string out = BatchOutput(outDir, files[i], extension).string();
      if (std::string problem = RenderOne(options, files[i], out); !problem.empty()) {
        std::cerr << "nimbara: " << problem << "\n";
        failed = true;
      }
    }
  };
  std::vector<std::thread> workers;
  for (unsigned w = 0; w < std::min<std::size_t>(kBatchWorkers, files.size()); ++w) workers.emplace_back(work);
  for (auto& worker : workers) worker.join();
  return failed ? kExitFailure : kExitOk;
}

// A render takes and frees a few pictures of megabytes each (the data file's
// picture read and decoded, the drawing's layer, the composite, the PNG's
// rows). From the heap, kept when freed, they reuse pages the process has
// touched already instead of each mapping fresh ones: a fifth fewer page
// faults, some 2 ms of a 40 ms render.
void KeepPicturesOnTheHeap() {
  mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock);
  mallopt(M_TRIM_THRESHOLD, 2 * kLargestHeapBlock);
}

}  // namespace

int RenderCommand(int argc, char** argv) {
  Arguments args(argc, argv, 2);
  RenderOptions options;
  const auto output = args.TakeValue("-o");
  const auto outDir = args.TakeValue("--out-dir");
  const auto format = args.TakeValue("--format");
  options.opsPath = args.TakeValue("--ops");
  options.practicePath = args.TakeValue("--practice");
  const auto sizeText = args.TakeValue("--size");
  const auto layersText = args.TakeValue("--layers");
  const auto style = args.TakeValue("--style");
  options.observation = args.TakeFlag("--observation");
  options.blank = args.TakeFlag("--blank");
  options.layers.allData = !args.TakeFlag("--thinned");
  options.layers.zoomUp = args.TakeFlag("--enlarged");
  const auto files = args.TakePositionals();
  if (!args.Error().empty()) return UsageError(args.Error().c_str());
  if (sizeText && !ParseSize(*sizeText, options)) return UsageError("--size must be WIDTHxHEIGHT, each 1 to 16384");
  if (layersText && !ParseLayers(*layersText, options.layers))
    return UsageError("--layers takes a comma-separated list of map,isobars,weather,wind,fronts,legend");
  if (style && *style != kClassicStyle && *style != kChartStyle) return UsageError("--style must be classic or chart");
  options.layers.chartStyle = style == kChartStyle;
  if (output && outDir) return UsageError("give either -o or --out-dir");
  KeepPicturesOnTheHeap();
  EnsureGuiApplication();
  if (outDir) {
    if (files.empty()) return UsageError("--out-dir needs data files");
    if (options.opsPath) return UsageError("--ops writes one log; use it with -o");
    if (options.practicePath) return UsageError("--practice draws one drawing; use it with -o");
    const std::string extension = format.value_or("png");
    if (!ExportFormatFor("x." + extension)) return UsageError("--format must be png, svg or pdf");
    std::vector<std::string> outputs;
    for (const std::string& file : files) outputs.push_back(BatchOutput(*outDir, file, extension).string());
    if (std::string clash = OutputClash(outputs, InputsOf(options, files), files); !clash.empty())
      return Failure(clash);
    return RenderBatch(options, files, *outDir, extension);
  }
  if (!output) return UsageError("render needs -o OUT.png (or --out-dir DIR)");
  if (files.size() > 1) return UsageError("render -o draws one data file; use --out-dir for several");
  if (options.blank && (!files.empty() || options.practicePath))
    return UsageError("--blank draws the form without data");
  const std::optional<std::string> dataFile = files.empty() ? std::nullopt : std::optional(files.front());
  std::vector<std::string> outputs{*output};
  if (options.opsPath) outputs.push_back(*options.opsPath);
  std::vector<std::string> inputs = InputsOf(options, files);
  if (options.practicePath) inputs.push_back(*options.practicePath);
  if (std::string clash = OutputClash(outputs, inputs); !clash.empty())
    return UsageError(clash.c_str());
  if (std::string problem = RenderOne(options, dataFile, *output); !problem.empty()) return Failure(problem);
  return kExitOk;
}

}  // namespace nimbara
