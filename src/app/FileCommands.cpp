#include "app/FileCommands.h"

#include <algorithm>
#include <array>

#include "app/DisplayCommands.h"
#include "app/FileMessages.h"
#include "app/IsobarLayer.h"
#include "app/SettingsCommands.h"
#include "core/BaseMap.h"
#include "core/Rows.h"
#include "io/DataFile.h"
#include "io/FieldWriter.h"
#include "io/FileIo.h"
#include "io/FileNames.h"
#include "io/IsobarFile.h"

namespace nimbara {
namespace {

constexpr Colour kLightBlueChooser = 0xFFC0C0;
constexpr Colour kLightRedChooser = 0xC0C0FF;
const ChooserRequest kSaveDataChooser{"観測データ保存", "*.txt", kLightRedChooser};
const ChooserRequest kLoadDataChooser{"観測データ読みこみ", "*.txt", kLightBlueChooser};
const ChooserRequest kSaveIsobarChooser{"等圧線データ保存", "*.cnt", kLightRedChooser};
const ChooserRequest kLoadIsobarChooser{"等圧線データ読みこみ", "*.cnt", kLightBlueChooser};

constexpr const char* kDataExtension = "txt";
constexpr const char* kPictureExtension = "bmp";
constexpr const char* kIsobarCompanionExtension = "cnt";
// Looked for in this order; each one found replaces the one before.
constexpr std::array<const char*, 3> kPictureExtensions = {"gif", "bmp", "jpg"};

bool InSlots(int index) { return index >= 0 && index < kSlotCount; }

void RefreshEntryWindows(Ui& ui) {
  for (WindowId id : {WindowId::Tenki1, WindowId::Kaiyou1, WindowId::Gyogyou}) ui.RefreshWindow(id);
}

// The ship and system lists emptied from the last row to the first; each
// removed ship loses its observation, each removed system entry its pressure.
void EmptyShipAndSystemLists(AppState& state) {
  for (int i = state.shipRows.Count() - 1; i >= 0; --i) {
    if (!InSlots(i)) continue;
    ShipRecord& ship = state.store.ships[static_cast<std::size_t>(i)];
    ship.direction = ship.force = ship.weather = ship.pressure = 0;
  }
  for (int i = state.systemRows.Count() - 1; i >= 0; --i) {
    if (InSlots(i)) state.store.systems[static_cast<std::size_t>(i)].pressure = 0;
  }
  state.shipRows = {};
  state.systemRows = {};
}

void SetRow(RowList& list, int index, std::string row) {
  if (index < list.Count())
    list.rows[static_cast<std::size_t>(index)] = std::move(row);
  else
    list.rows.push_back(std::move(row));
}

int StationSlots(const ObservationStore& store) { return std::clamp<int>(store.stationCount, 0, kSlotCount); }

void RebuildRows(AppState& state) {
  const ObservationStore& store = state.store;
  for (int slot = 0; slot < StationSlots(store); ++slot) {
    SetRow(state.stationRows, slot, FormatStationRow(store, slot, RowLayout::Import));
  }
  for (int i = 0; i < store.shipCount; ++i) state.shipRows.rows.push_back(FormatShipRow(store, i));
  for (int i = 0; i < store.systemCount; ++i) {
    state.systemRows.rows.push_back(FormatSystemRow(store, i, RowLayout::Import));
  }
}

void ApplySettingsBlock(AppState& state, const std::vector<SettingLine>& lines) {
  Settings settings = SettingsOf(state);
  for (const SettingLine& line : lines) {
    if (line.key != kLastFileKey) ApplySettingLine(settings, line);
  }
  ApplySettings(state, settings);
}

void LoadCompanionPicture(Canvas& canvas, const std::string& base) {
  int failures = 0;
  for (const char* extension : kPictureExtensions) {
    if (!canvas.LoadPicture(base + extension)) ++failures;
  }
  if (failures == static_cast<int>(kPictureExtensions.size())) canvas.ClearPicture();
}

bool WriteIsobarFileOf(const AppState& state, const std::string& path) {
  return WriteIsobarFile(path, state.field.grid, state.store, state.plot);
}

void StopAfterUnrecognisedFile(AppState& state) {
  state.clickMode = click::kNone;
  state.slideShowRunning = false;
}

}  // namespace

void cntSave_Click(const AppContext& app) {
  app.state.fullDataMode = true;
  SaveDataFile(app);
}

void cntKSave_Click(const AppContext& app) {
  app.state.fullDataMode = false;
  SaveDataFile(app);
}

void cntLoad_Click(const AppContext& app) {
  app.state.fullDataMode = true;
  ChooseAndLoadDataFile(app);
}

void cntKLoad_Click(const AppContext& app) {
  app.state.fullDataMode = false;
  ChooseAndLoadDataFile(app);
}

void SaveDataFile(const AppContext& app) {
  AppState& state = app.state;
  auto chosen = app.ui.ChooseFile(kSaveDataChooser);
  if (!chosen) return;
  state.currentFilePath = WithExtension(*chosen, kDataExtension);
  const DataFileCounts counts{state.stationRows.Count(), state.shipRows.Count(), state.systemRows.Count()};
  ClearNegativeValues(state.store, counts);
  const Settings settings = SettingsOf(state);
  const auto lines = DataFileLines(state.store, counts, state.fullDataMode ? &settings : nullptr);
  if (!WriteCp932Lines(state.currentFilePath, lines)) {
    ReportUnsavedFile(app.ui, state.currentFilePath);
    return;
  }
  if (!state.fullDataMode) return;
  const std::string base = ExtensionBase(state.currentFilePath);
  if (app.canvas.HasPicture()) app.canvas.SavePictureBmp(base + kPictureExtension);
  WriteIsobarFileOf(state, base + kIsobarCompanionExtension);
}

void ChooseAndLoadDataFile(const AppContext& app) {
  auto chosen = app.ui.ChooseFile(kLoadDataChooser);
  if (!chosen) return;
  app.state.currentFilePath = *chosen;
  LoadSub2(app);
}

void LoadSub2(const AppContext& app) {
  AppState& state = app.state;
  const std::string path = WithExtension(state.currentFilePath, kDataExtension);
  const auto text = ReadCp932File(path);
  const auto contents = text ? ParseDataFile(*text) : std::nullopt;
  if (!contents) {
    StopAfterUnrecognisedFile(state);
    return;
  }
  EmptyShipAndSystemLists(state);
  ApplyDataFile(*contents, state.store);
  if (state.fullDataMode) ApplySettingsBlock(state, contents->settingLines);
  RebuildRows(state);
  state.field.grid.MarkStale();
  RefreshEntryWindows(app.ui);
  if (state.fullDataMode) {
    LoadCompanionPicture(app.canvas, ExtensionBase(path));
    ApplyMapView(app.canvas, state.view);
    app.canvas.SetBackColour(state.colours[kBackgroundColour]);
  }
  cntDisplay_Click(app);
}

void cntNew2_Click(const AppContext& app) {
  AppState& state = app.state;
  ObservationStore& store = state.store;
  for (int slot = 0; slot < StationSlots(store); ++slot) {
    store.stationRecords[static_cast<std::size_t>(slot)] = {};
    SetRow(state.stationRows, slot, store.stations.names[static_cast<std::size_t>(slot)]);
  }
  EmptyShipAndSystemLists(state);
  store.shipCount = 0;
  store.systemCount = 0;
  state.field.grid = {};
  state.field.scratch = {};
  RefreshEntryWindows(app.ui);
}

void SaveIsobarFile(const AppContext& app) {
  auto chosen = app.ui.ChooseFile(kSaveIsobarChooser);
  if (!chosen) return;
  const auto path = IsobarFileName(*chosen);
  if (!path) return;
  if (!WriteIsobarFileOf(app.state, *path)) ReportUnsavedFile(app.ui, *path);
}

void LoadIsobarFile(const AppContext& app) {
  AppState& state = app.state;
  auto chosen = app.ui.ChooseFile(kLoadIsobarChooser);
  if (!chosen) return;
  if (!ReadIsobarFile(*chosen, state.store, state.plot, state.field.grid)) return;
  ApplyMapView(app.canvas, state.view);
  TraceCurrentIsobars(app);
}

}  // namespace nimbara
