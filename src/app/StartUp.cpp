#include "app/StartUp.h"

#include <algorithm>
#include <filesystem>

#include "app/DisplayCommands.h"
#include "app/FileCommands.h"
#include "app/PasteCommands.h"
#include "app/SavedObservations.h"
#include "app/SettingsCommands.h"
#include "app/ShipEntry.h"
#include "app/SlideShow.h"
#include "app/StationEntry.h"
#include "app/SystemEntryEditor.h"
#include "io/DataFile.h"
#include "io/FileIo.h"
#include "render/BaseMap.h"

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

constexpr std::string_view kStationsSuffix = "_stations.txt";
constexpr std::string_view kSystemsSuffix = "_systems.txt";
constexpr std::string_view kBulletinFolder = "/bulletins";

bool EndsWith(const std::string& text, std::string_view end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::optional<SampleData> SampleBulletinsIn(const std::string& directory) {
  for (const std::string& file : TextFilesIn(directory + std::string(kBulletinFolder))) {
    if (!EndsWith(file, kStationsSuffix)) continue;
    SampleData sample;
    sample.bulletins.push_back(file);
    const std::string systems =
        file.substr(0, file.size() - kStationsSuffix.size()) + std::string(kSystemsSuffix);
    if (FileExists(systems)) sample.bulletins.push_back(systems);
    return sample;
  }
  return std::nullopt;
}

// The bulletins read as a paste reads them, the map drawn from them; the entry
// windows the paste opens stay closed at start-up.
void ShowSampleBulletins(const AppContext& app, const std::vector<std::string>& bulletins) {
  for (const std::string& bulletin : bulletins)
    if (const std::optional<std::string> text = ReadCp932File(bulletin)) ImportObservationText(app, *text);
  for (WindowId id : {WindowId::Tenki1, WindowId::Kaiyou1, WindowId::Gyogyou}) app.ui.HideWindow(id);
  cntDisplay_Click(app);
}

// The sample is shown but not made the last displayed file, so the settings
// do not move the next start into the samples folder.
void ShowSample(const AppContext& app, const SampleData& sample) {
  if (sample.dataFile.empty()) {
    ShowSampleBulletins(app, sample.bulletins);
    return;
  }
  app.state.currentFilePath = sample.dataFile;
  LoadSub2(app);
  app.state.currentFilePath.clear();
}

}  // namespace

void StartSession(const AppContext& app) {
  AppState& state = app.state;
  LoadStationRows(state);
  LoadShipRows(state);
  LoadSystemRows(state);
  ApplyMapView(app.canvas, state.view);
  app.canvas.SetBackColour(state.colours[ColourSlot::Background]);
}

void MDIForm_Load(const AppContext& app, const StartUpOptions& options) {
  AppState& state = app.state;
  state.layers = LayerSwitches{};
  LoadStartUpSettings(app, options.startDirectory);
  const bool firstStart = !FileExists(state.settingsPath);
  StartSession(app);
  if (options.loadEntryWindows) options.loadEntryWindows();
  DrawEmptyMap(app);
  state.fullDataMode = true;
  if (firstStart && options.sample)
    ShowSample(app, *options.sample);
  else if (!state.currentFilePath.empty())
    LoadSub2(app);
  // What start-up shows (a sample, bulletins) is nothing to save yet.
  RememberSavedObservations(state);
  app.ui.Message(kGreetingTitle, kGreetingText, MessageIcon::None);
}

bool MDIForm_QueryUnload(const AppContext& app) {
  return MayReplaceObservations(app, {kUnsavedTitle, kUnsavedQuestion});
}

void MDIForm_Unload(const AppContext& app) {
  // A run waits in nested event loops; it must end with the window.
  StopSlideShow(app.state);
  WriteSettings(app.state);
}

std::vector<std::string> SampleDirectories(const std::string& executableDir) {
  return {executableDir + "/../../samples", executableDir + "/../share/nimbara/samples",
          executableDir + "/samples"};
}

std::optional<SampleData> FindSampleData(const std::vector<std::string>& directories) {
  for (const std::string& directory : directories) {
    for (const std::string& file : TextFilesIn(directory))
      if (IsDataFile(file)) return SampleData{file, {}};
    if (auto bulletins = SampleBulletinsIn(directory)) return bulletins;
  }
  return std::nullopt;
}

}  // namespace nimbara
