#include "app/PasteCommands.h"

#include "app/Dictation.h"
#include "app/ImageCommands.h"
#include "app/RowEditing.h"
#include "core/Rows.h"
#include "io/BulletinItems.h"
#include "io/ObservationTime.h"
#include "io/PastedText.h"
#include "io/StationLine.h"

namespace nimbara {
namespace {

void WriteStationRows(AppState& state) {
  RowList& list = state.stationRows;
  for (int slot = 0; slot < kBulletinStationCount; ++slot)
    SetRow(list, slot, FormatStationRow(state.store, slot));
}

void WriteShipRows(AppState& state) {
  RebuildRows(state.shipRows, state.store.shipCount, [&](int i) { return FormatShipRow(state.store, i); });
  state.shipRows.selected = -1;
}

void WriteSystemRows(AppState& state) {
  RebuildRows(state.systemRows, state.store.systemCount,
              [&](int i) { return FormatSystemRow(state.store, i); });
  state.systemRows.selected = -1;
}

// Whether the text's time names another observation than the stored one's.
bool IsAnotherTime(const ObservationStore& store, const PastedText& pasted) {
  const std::optional<ObservationTime> stored = FirstObservationTime(store.observationDate);
  return stored && pasted.time && IsOtherObservation(*stored, *pasted.time);
}

// The stations the text gives replace theirs; the others are emptied when the
// text is another time's, and kept (and named) when it is the same time's.
void ApplyStations(const AppContext& app, const PastedText& pasted, bool anotherTime, PasteReport& report) {
  ObservationStore& store = app.state.store;
  for (int slot = 0; slot < kBulletinStationCount; ++slot) {
    StationRecord& record = store.stationRecords[slot];
    if (const auto& given = pasted.stations[static_cast<std::size_t>(slot)]) {
      record = given->record;
    } else if (HasStationReport(record)) {
      (anotherTime ? report.emptiedStations : report.keptStations).push_back(store.stations.names[slot]);
      if (anotherTime) record = kNoStationReport;
    }
    // Stored as a data file gives it back, so the map after a paste is the
    // map after saving and opening again.
    record = AsReadBack(record);
  }
  if (pasted.namesOzernaya) store.stations.names[kOzernayaSlot] = std::string(kOzernayaName);
  DropImplausibleStationPressures(store, report.notes);
  WriteStationRows(app.state);
  report.stations = true;
  app.ui.RefreshWindow(WindowId::Tenki1);
  app.ui.ShowWindow(WindowId::Tenki1);
}

// The ships removed from the list lose their wind, weather and pressure.
void EmptyShips(AppState& state) {
  for (int i = ClampCount(state.shipRows.Count()) - 1; i >= 0; --i) {
    ShipRecord& ship = state.store.ships[i];
    ship.direction = ship.force = ship.weather = ship.pressure = 0;
  }
  state.store.shipCount = 0;
}

void ApplyShips(const AppContext& app, const PastedText& pasted, PasteReport& report) {
  AppState& state = app.state;
  EmptyShips(state);
  for (const ShipRecord& ship : pasted.ships) {
    if (state.store.shipCount >= kSlotCount) break;
    state.store.ships[state.store.shipCount++] = ship;
  }
  DropImplausibleShipPressures(state.store, report.notes);
  WriteShipRows(state);
  report.ships = true;
  app.ui.RefreshWindow(WindowId::Kaiyou1);
  app.ui.ShowWindow(WindowId::Kaiyou1);
}

// The systems list is emptied from its last row to its first, each removed
// entry losing its pressure, and filled with the text's entries.
void ApplySystems(const AppContext& app, const PastedText& pasted, PasteReport& report) {
  AppState& state = app.state;
  ObservationStore& store = state.store;
  for (int i = ClampCount(state.systemRows.Count()) - 1; i >= 0; --i) store.systems[i].pressure = 0;
  store.systemCount = 0;
  for (const SystemEntry& entry : pasted.systems) {
    if (store.systemCount >= kSlotCount) break;
    store.systems[store.systemCount++] = entry;
  }
  DropImplausibleSystemPressures(store, report.notes);
  WriteSystemRows(state);
  // Hand-placed isobars are imprinted on the grid, so it is stale too.
  state.field.grid.MarkStale();
  app.ui.RefreshWindow(WindowId::Gyogyou);
  app.ui.ShowWindow(WindowId::Gyogyou);
  report.systems = true;
}

}  // namespace

void cntPaste_Click(const AppContext& app) {
  if (std::optional<std::string> text = app.ui.ClipboardText()) {
    ShowPasteReport(app.ui, ImportBulletinText(app, *text), app.state.store);
  }
  PasteClipboardPicture(app);
}

PasteReport ImportBulletinText(const AppContext& app, const std::string& utf8Text, PastedCopy copy) {
  const StoredBulletin stored = StoreBulletinText(utf8Text);
  // The import reads the text in memory; the file is only left for the user.
  if (copy == PastedCopy::TemporaryFile) WriteBulletinTempFile(app.state.tempFileDirectory, stored.bytes);
  return ImportObservationText(app, stored.text);
}

PasteReport ImportObservationText(const AppContext& app, const std::string& storedText) {
  PastedText pasted = ReadPastedText(storedText);
  PasteReport report;
  if (pasted.Empty()) return report;
  AppState& state = app.state;
  report.notes = std::move(pasted.notes);
  report.stationPage = pasted.StationCount() > 0 && !pasted.stationsInSentences;
  report.stationSentences = pasted.StationCount() > 0 && pasted.stationsInSentences;
  report.systemsList = pasted.systemsList;
  report.systemsSentences = pasted.systemsSentences;
  const bool anotherTime = IsAnotherTime(state.store, pasted);
  if (!pasted.title.empty()) {
    state.headerText = pasted.title;
    state.store.observationDate = pasted.title;
  }
  if (pasted.StationCount() > 0) ApplyStations(app, pasted, anotherTime, report);
  if (pasted.shipReports) {
    ApplyShips(app, pasted, report);
  } else if (pasted.StationCount() > 0 && anotherTime && state.store.shipCount > 0) {
    EmptyShips(state);
    WriteShipRows(state);
    report.shipsEmptied = true;
  }
  if (!pasted.systems.empty()) ApplySystems(app, pasted, report);
  state.field.grid.MarkStale();
  return report;
}

}  // namespace nimbara
