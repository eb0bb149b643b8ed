#include "app/FileCommands.h"


#include "app/ChooserRequests.h"
#include "app/DisplayCommands.h"
#include "app/FileMessages.h"
#include "app/IsobarLayer.h"
#include "app/PictureLoading.h"
#include "app/RowEditing.h"
#include "app/SavedObservations.h"
#include "app/SettingsCommands.h"
#include "core/Rows.h"
#include "io/DataFile.h"
#include "io/FieldWriter.h"
#include "io/FileIo.h"
#include "io/FileNames.h"
#include "io/IsobarFile.h"
#include "render/BaseMap.h"

namespace nimbara {
namespace {

constexpr std::string_view kDataFileKind = "観測データ";
constexpr std::string_view kIsobarFileKind = "等圧線データ";

bool InSlots(int index) { return index >= 0 && index < kSlotCount; }

void RefreshEntryWindows(Ui& ui) {
  for (WindowId id : {WindowId::Tenki1, WindowId::Kaiyou1, WindowId::Gyogyou}) ui.RefreshWindow(id);
}

// The ship and system lists emptied from the last row to the first; each
// removed ship loses its observation, each removed system entry its pressure.
void EmptyShipAndSystemLists(AppState& state) {
  for (int i = state.shipRows.Count() - 1; i >= 0; --i) {
    if (!InSlots(i)) continue;
    ShipRecord& ship = state.store.ships[i];
    ship.direction = ship.force = ship.weather = ship.pressure = 0;
  }
  for (int i = state.systemRows.Count() - 1; i >= 0; --i) {
    if (InSlots(i)) state.store.systems[i].pressure = 0;
  }
  state.shipRows = {};
  state.systemRows = {};
}

void RebuildAllRows(AppState& state) {
  const ObservationStore& store = state.store;
  for (int slot = 0; slot < ClampCount(store.stationCount); ++slot) {
    SetRow(state.stationRows, slot, FormatStationRow(store, slot));
  }
  RebuildRows(state.shipRows, store.shipCount, [&](int i) { return FormatShipRow(store, i); });
  RebuildRows(state.systemRows, store.systemCount,
              [&](int i) { return FormatSystemRow(store, i); });
}

void ApplySettingsBlock(AppState& state, const std::vector<SettingLine>& lines) {
  Settings settings = SettingsOf(state);
  for (const SettingLine& line : lines) {
    if (line.key != kLastFileKey) ApplySettingLine(settings, line);
  }
  ApplySettings(state, settings);
}

void LoadCompanionPicture(Canvas& canvas, const std::string& dataPath) {
  bool loaded = false;
  for (const std::string& name : CompanionPictureNames(dataPath)) loaded = LoadPictureFile(canvas, name) || loaded;
  if (!loaded) canvas.ClearPicture();
}

// The files of a save, the data file last.
std::vector<FileWrite> DataFileSet(const AppContext& app, const std::string& path, std::string dataBytes,
                                   CompanionPictures pictures) {
  const AppState& state = app.state;
  std::vector<FileWrite> files;
  if (state.fullDataMode && pictures == CompanionPictures::Saved) {
    const std::string saved = CompanionPictureName(path);
    for (const std::string& name : CompanionPictureNames(path))
      files.push_back({name, name == saved ? app.canvas.PictureBmpBytes() : std::nullopt});
  }
  if (state.fullDataMode) {
    files.push_back({CompanionIsobarName(path),
                     Cp932FileBytes(IsobarFileLines(state.field.grid, state.store, state.plot)).bytes});
  }
  files.push_back({path, std::move(dataBytes)});
  return files;
}

void StopAfterUnrecognisedFile(AppState& state) {
  state.clickMode = ClickMode::None;
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
  if (!MayReplaceObservations(app, kUnsavedBeforeLoad)) return;
  app.state.fullDataMode = true;
  ChooseAndLoadDataFile(app);
}

void cntKLoad_Click(const AppContext& app) {
  if (!MayReplaceObservations(app, kUnsavedBeforeLoad)) return;
  app.state.fullDataMode = false;
  ChooseAndLoadDataFile(app);
}

void SaveDataFile(const AppContext& app) {
  auto chosen = app.ui.ChooseFile(kSaveDataChooser);
  if (!chosen) return;
  SaveDataFileAt(app, DataFileName(*chosen));
}

bool SaveDataFileAt(const AppContext& app, const std::string& path, CompanionPictures pictures) {
  AppState& state = app.state;
  const DataFileCounts counts{state.stationRows.Count(), state.shipRows.Count(), state.systemRows.Count()};
  ClearNegativeValues(state.store, counts);
  const Settings settings = SettingsOf(state);
  EncodedText data = Cp932FileBytes(DataFileLines(state.store, counts, state.fullDataMode ? &settings : nullptr));
  const FileStatus status = WriteFilesAtomically(DataFileSet(app, path, std::move(data.bytes), pictures));
  if (!ReportSave(app.ui, path, {status, std::move(data.replaced)})) return false;
  state.currentFilePath = path;
  RememberSavedObservations(state);
  return true;
}

void ChooseAndLoadDataFile(const AppContext& app) {
  auto chosen = app.ui.ChooseFile(kLoadDataChooser);
  if (!chosen) return;
  LoadDataFileAt(app, DataFileName(*chosen));
}

bool LoadDataFileAt(const AppContext& app, const std::string& path) {
  const FileStatus status = OpenDataFile(app, path);
  if (!status) ReportUnreadFile(app.ui, kDataFileKind, status);
  return static_cast<bool>(status);
}

void LoadSub2(const AppContext& app) {
  OpenDataFile(app, DataFileName(app.state.currentFilePath));
}

FileStatus OpenDataFile(const AppContext& app, const std::string& path) {
  AppState& state = app.state;
  const DataFileRead read = ReadDataFile(path);
  if (!read.status) {
    StopAfterUnrecognisedFile(state);
    return read.status;
  }
  state.currentFilePath = path;
  EmptyShipAndSystemLists(state);
  ApplyDataFile(read.contents, state.store);
  if (state.fullDataMode) ApplySettingsBlock(state, read.contents.settingLines);
  RebuildAllRows(state);
  RememberSavedObservations(state);
  state.field.grid.MarkStale();
  RefreshEntryWindows(app.ui);
  if (state.fullDataMode) {
    LoadCompanionPicture(app.canvas, path);
    ApplyMapView(app.canvas, state.view);
    app.ui.RefreshWindow(WindowId::FrmAdjust);  // its numbers show the view
    app.canvas.SetBackColour(state.colours[ColourSlot::Background]);
  }
  cntDisplay_Click(app);
  return {};
}

void cntNew2_Click(const AppContext& app) {
  AppState& state = app.state;
  ObservationStore& store = state.store;
  for (int slot = 0; slot < ClampCount(store.stationCount); ++slot) {
    store.stationRecords[slot] = {};
    SetRow(state.stationRows, slot, store.stations.names[slot]);
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
  const AppState& state = app.state;
  ReportSave(app.ui, *path, WriteIsobarFile(*path, state.field.grid, state.store, state.plot));
}

void LoadIsobarFile(const AppContext& app) {
  AppState& state = app.state;
  auto chosen = app.ui.ChooseFile(kLoadIsobarChooser);
  if (!chosen) return;
  if (FileStatus status = ReadIsobarFile(*chosen, state.store, state.plot, state.field.grid); !status) {
    ReportUnreadFile(app.ui, kIsobarFileKind, status);
    return;
  }
  // The chart cannot lay isobars over a finished chart: it draws the map again.
  if (DrawsChartStyle(state)) {
    cntDisplay_Click(app);
    return;
  }
  ApplyMapView(app.canvas, state.view);
  TraceCurrentIsobars(app);
}

}  // namespace nimbara
