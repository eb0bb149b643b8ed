#include "app/PasteCommands.h"

#include <type_traits>

#include "app/ImageCommands.h"
#include "app/RowEditing.h"
#include "core/Rows.h"
#include "core/Text.h"
#include "io/BulletinItems.h"
#include "io/ShipImport.h"
#include "io/StationImport.h"
#include "io/StationLine.h"
#include "io/StationManuscript.h"
#include "io/SystemsImport.h"
#include "io/SystemsManuscript.h"

namespace nimbara {
namespace {

static_assert(std::is_same_v<decltype(AppState::items), BulletinItemList>,
              "the item list of the state is the list the bulletin readers fill");

// Offsets of the entry windows from the main window's top left corner.

// The first character of station slot 0's name marks a station bulletin.
bool IsStationBulletin(const AppState& state, const std::string& firstEntry) {
  return CharSubstr(firstEntry, 0, 1) == CharSubstr(state.store.stations.names[0], 0, 1);
}

// A recognised text's first item is the observation date.
void TakeHeader(AppState& state, const std::string& header) {
  state.headerText = header;
  state.store.observationDate = header;
}

void WriteStationRows(AppState& state) {
  RowList& list = state.stationRows;
  for (int slot = 0; slot < kBulletinStationCount; ++slot)
    SetRow(list, slot, FormatStationRow(state.store, slot, RowLayout::Import));
}

void WriteShipRows(AppState& state) {
  RebuildRows(state.shipRows, state.store.shipCount, [&](int i) { return FormatShipRow(state.store, i); });
  state.shipRows.selected = -1;
}

void WriteSystemRows(AppState& state) {
  RebuildRows(state.systemRows, state.store.systemCount,
              [&](int i) { return FormatSystemRow(state.store, i, RowLayout::Import, true); });
  state.systemRows.selected = -1;
}

// The systems list is emptied from its last row to its first, each removed
// entry losing its pressure.
void EmptySystems(AppState& state) {
  for (int i = ClampCount(state.systemRows.Count()) - 1; i >= 0; --i) {
    state.store.systems[i].pressure = 0;
  }
  state.store.systemCount = 0;
}

// The stations are done: rows, a stale grid, the station window shown.
void FinishStations(const AppContext& app, PasteReport& report) {
  DropImplausibleStationPressures(app.state.store, report.notes);
  WriteStationRows(app.state);
  app.state.field.grid.MarkStale();
  report.stations = true;
}

// Hand-placed isobars are imprinted on the grid, so it is stale too.
void FinishSystems(const AppContext& app, PasteReport& report) {
  DropImplausibleSystemPressures(app.state.store, report.notes);
  WriteSystemRows(app.state);
  app.state.field.grid.MarkStale();
  app.ui.RefreshWindow(WindowId::Gyogyou);
  app.ui.ShowWindow(WindowId::Gyogyou);
  report.systems = true;
}

PasteReport ImportStationBulletin(const AppContext& app, BulletinHead head, FieldReader& reader) {
  AppState& state = app.state;
  PasteReport report(PastedForm::StationBulletin);
  TakeHeader(state, head.header);
  state.items[0] = std::move(head.firstEntry);
  const int itemCount = ReadFurtherItems(reader, state.items);
  const int shipStart = ReadStations(state.store, state.items, itemCount, report.notes);
  ReadShipReports(state.store, state.items, shipStart, itemCount, state.shipRows.Count());
  DropImplausibleShipPressures(state.store, report.notes);
  FinishStations(app, report);
  WriteShipRows(state);
  report.ships = true;
  app.ui.RefreshWindow(WindowId::Tenki1);
  app.ui.RefreshWindow(WindowId::Kaiyou1);
  app.ui.ShowWindow(WindowId::Tenki1);
  app.ui.ShowWindow(WindowId::Kaiyou1);
  return report;
}

PasteReport ImportSystemsBulletin(const AppContext& app, const std::string& header, const std::string& storedText) {
  AppState& state = app.state;
  const int lastPosition = ReadSystemsLines(storedText, state.items);
  if (lastPosition == kNotSystemsBulletin) return PasteReport();
  PasteReport report(PastedForm::SystemsBulletin);
  TakeHeader(state, header);
  EmptySystems(state);
  AddSystemLines(state.store, state.items, lastPosition);
  FinishSystems(app, report);
  return report;
}

// The broadcast manuscript: its station part, its systems part or both, in
// the text after its title line.
PasteReport ImportManuscript(const AppContext& app, const std::string& header, const std::string& storedText) {
  const std::size_t firstLineEnd = storedText.find('\n');
  const std::string_view body =
      firstLineEnd == std::string::npos ? std::string_view() : std::string_view(storedText).substr(firstLineEnd + 1);
  const ScanText text(body);
  StationManuscript stations = ReadStationManuscript(text);
  SystemsManuscript systems = ReadSystemsManuscript(text);
  if (stations.Count() == 0 && systems.entries.empty()) return PasteReport();

  AppState& state = app.state;
  ObservationStore& store = state.store;
  PasteReport report(PastedForm::Manuscript);
  TakeHeader(state, header);
  if (stations.Count() > 0) {
    for (std::size_t slot = 0; slot < kBulletinStationCount; ++slot)
      store.stationRecords[slot] = stations.records[slot].value_or(kNoStationReport);
    if (stations.namesOzernaya) store.stations.names[kOzernayaSlot] = std::string(kOzernayaName);
    report.notes.unknownStations = std::move(stations.unknownStations);
    FinishStations(app, report);
    app.ui.RefreshWindow(WindowId::Tenki1);
    app.ui.ShowWindow(WindowId::Tenki1);
  }
  if (!systems.entries.empty()) {
    EmptySystems(state);
    for (SystemEntry& entry : systems.entries) {
      if (store.systemCount >= kSlotCount) break;
      store.systems[store.systemCount++] = std::move(entry);
    }
    FinishSystems(app, report);
  }
  report.notes.unreadClauses = std::move(systems.unreadClauses);
  return report;
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
  FieldReader reader{storedText};
  BulletinHead head = ReadBulletinHead(reader);
  if (IsStationBulletin(app.state, head.firstEntry)) return ImportStationBulletin(app, std::move(head), reader);
  if (PasteReport report = ImportSystemsBulletin(app, head.header, storedText); report.form != PastedForm::Unreadable)
    return report;
  return ImportManuscript(app, head.header, storedText);
}

}  // namespace nimbara
