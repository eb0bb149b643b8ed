#include "app/SettingsCommands.h"

#include <filesystem>

#include "app/ChooserRequests.h"
#include "app/FileMessages.h"
#include "io/FileNames.h"
#include "render/BaseMap.h"

namespace nimbara {
namespace {

constexpr std::string_view kSettingsFileKind = "設定";

FileStatus ReadSettingsInto(AppState& state, const std::string& path) {
  Settings settings = SettingsOf(state);
  FileStatus status = ReadSettingsFile(path, settings);
  if (status) ApplySettings(state, settings);
  return status;
}

}  // namespace

Settings SettingsOf(const AppState& state) {
  return {state.colours,         state.selectedColourSlot, state.view,         state.isobar,
          state.currentFilePath, state.layers.chartStyle, state.layers.legend, state.windowPlaces};
}

void ApplySettings(AppState& state, const Settings& settings) {
  state.colours = settings.colours;
  state.selectedColourSlot = settings.selectedColourSlot;
  state.view = settings.view;
  state.isobar = settings.isobar;
  state.currentFilePath = settings.lastFile;
  state.layers.chartStyle = settings.chartStyle;
  state.layers.legend = settings.legend;
  state.windowPlaces = settings.windowPlaces;
}

void ReadSettings(AppState& state) { ReadSettingsInto(state, state.settingsPath); }

bool WriteSettings(const AppState& state) {
  return static_cast<bool>(WriteSettingsFile(state.settingsPath, SettingsOf(state)));
}

void LoadStartUpSettings(const AppContext& app, const std::string& startDirectory) {
  AppState& state = app.state;
  ApplySettings(state, Settings{});
  state.settingsPath = startDirectory + "/" + std::string(kSettingsFileName);
  ReadSettings(state);
  if (auto folder = FolderOf(state.currentFilePath)) {
    std::error_code ignored;  // a folder that is gone leaves the current one
    std::filesystem::current_path(*folder, ignored);
  }
  ApplyMapView(app.canvas, state.view);
  app.canvas.SetBackColour(state.colours[ColourSlot::Background]);
}

void cntLoadSettei_Click(const AppContext& app) {
  const auto chosen = app.ui.ChooseFile(kLoadSettingsChooser);
  if (!chosen) return;
  if (FileStatus status = ReadSettingsInto(app.state, *chosen); !status)
    ReportUnreadFile(app.ui, kSettingsFileKind, status);
  else
    app.ui.RefreshWindow(WindowId::FrmAdjust);  // its numbers show the view
}

void cntSaveSettei_Click(const AppContext& app) {
  auto chosen = app.ui.ChooseFile(kSaveSettingsChooser);
  if (!chosen) return;
  const std::string path = SettingsFileName(*chosen);
  ReportSave(app.ui, path, WriteSettingsFile(path, SettingsOf(app.state)));
}

}  // namespace nimbara
