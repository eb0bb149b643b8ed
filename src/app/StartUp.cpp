#include "app/StartUp.h"

#include <algorithm>
#include <filesystem>

#include "app/FileCommands.h"
#include "app/SettingsCommands.h"
#include "core/BaseMap.h"
#include "io/DataFile.h"
#include "io/FileIo.h"

namespace nimbara {
namespace {

namespace fs = std::filesystem;

bool IsDataFile(const std::string& path) {
  const std::optional<std::string> text = ReadCp932File(path);
  return text && ParseDataFile(*text).has_value();
}

// The ".txt" files of a folder in name order; none when it cannot be listed.
std::vector<std::string> TextFilesIn(const std::string& directory) {
  std::vector<std::string> files;
  std::error_code error;
  for (fs::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
    const fs::path& path = it->path();
    if (path.extension() == ".txt" && it->is_regular_file(error)) files.push_back(path.string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

void MDIForm_Load(const AppContext& app, const StartUpOptions& options) {
  AppState& state = app.state;
  LoadStartUpSettings(app, options.startDirectory);
  const bool firstStart = !FileExists(state.settingsPath);
  state.layers = LayerSwitches{};
  ApplyMapView(app.canvas, state.view);
  if (options.loadEntryWindows) options.loadEntryWindows();
  DrawBaseMap(app.canvas, state.colours[kMapColour]);
  state.fullDataMode = true;
  if (firstStart && options.sampleFile) state.currentFilePath = *options.sampleFile;
  if (!state.currentFilePath.empty()) LoadSub2(app);
  app.ui.Message(kGreetingTitle, kGreetingText, MessageIcon::None);
}

void MDIForm_Unload(const AppContext& app) { WriteSettings(app.state); }

std::vector<std::string> SampleDirectories(const std::string& executableDir) {
  return {executableDir + "/../../samples", executableDir + "/../share/nimbara/samples", executableDir + "/samples"};
}

std::optional<std::string> FindSampleDataFile(const std::vector<std::string>& directories) {
  for (const std::string& directory : directories)
    for (const std::string& file : TextFilesIn(directory))
      if (IsDataFile(file)) return file;
  return std::nullopt;
}

}  // namespace nimbara
