#include "app/PasteCommands.h"

#include <algorithm>
#include <type_traits>

#include "app/ImageCommands.h"
#include "core/Rows.h"
#include "core/Text.h"
#include "io/BulletinItems.h"
#include "io/ShipImport.h"
#include "io/StationImport.h"
#include "io/SystemsImport.h"

namespace nimbara {
namespace {

static_assert(std::is_same_v<decltype(AppState::items), BulletinItemList>,
              "the item list of the state is the list the bulletin readers fill");

// Offsets of the entry windows from the main window's top left corner.
constexpr int kStationWindowOffsetTwips = 500;
constexpr int kShipWindowOffsetTwips = 1000;
constexpr int kSystemsWindowOffsetTwips = 1500;

// The first character of station slot 0's name marks a station bulletin.
bool IsStationBulletin(const AppState& state, const std::string& firstEntry) {
  return CharSubstr(firstEntry, 0, 1) == CharSubstr(state.store.stations.names[0], 0, 1);
}

void WriteStationRows(AppState& state) {
  RowList& list = state.stationRows;
  for (int slot = 0; slot < kBulletinStationCount; ++slot) {
    std::string row = FormatStationRow(state.store, slot, RowLayout::Import);
    if (list.Count() > slot) list.rows[static_cast<std::size_t>(slot)] = std::move(row);
    else list.rows.push_back(std::move(row));
  }
}

void WriteShipRows(AppState& state) {
  RowList& list = state.shipRows;
  list.rows.clear();
  for (int i = 0; i < state.store.shipCount; ++i) list.rows.push_back(FormatShipRow(state.store, i));
  list.selected = -1;
}

void WriteSystemRows(AppState& state) {
  RowList& list = state.systemRows;
  list.rows.clear();
  for (int i = 0; i < state.store.systemCount; ++i) {
    list.rows.push_back(FormatSystemRow(state.store, i, RowLayout::Import, true));
  }
  list.selected = -1;
}

// The systems list is emptied from its last row to its first, each removed
// entry losing its pressure.
void EmptySystems(AppState& state) {
  for (int i = std::min(state.systemRows.Count(), kSlotCount) - 1; i >= 0; --i) {
    state.store.systems[static_cast<std::size_t>(i)].pressure = 0;
  }
  state.store.systemCount = 0;
}

}  // namespace

void cntPaste_Click(const AppContext& app) {
  if (std::optional<std::string> text = app.ui.ClipboardText()) ImportBulletinText(app, *text);
  PasteClipboardPicture(app);
}

void ImportBulletinText(const AppContext& app, const std::string& utf8Text, PastedCopy copy) {
  const StoredBulletin stored = StoreBulletinText(utf8Text);
  // The import reads the text in memory; the file is only left for the user.
  if (copy == PastedCopy::TemporaryFile) WriteBulletinTempFile(app.state.tempFileDirectory, stored.bytes);
  ImportObservationText(app, stored.text);
}

void ImportObservationText(const AppContext& app, const std::string& storedText) {
  AppState& state = app.state;
  FieldReader reader{storedText};
  BulletinHead head = ReadBulletinHead(reader);
  state.headerText = head.header;
  state.store.observationDate = std::move(head.header);
  state.items[0] = std::move(head.firstEntry);
  if (!IsStationBulletin(state, state.items[0])) {
    ImportSystemsText(app, storedText);
    return;
  }
  const int itemCount = ReadFurtherItems(reader, state.items);

  ReadingNotes notes;
  const int shipStart = ReadStations(state.store, state.items, itemCount, notes);
  ReadShipReports(state.store, state.items, shipStart, itemCount, state.shipRows.Count());
  DropImplausibleStationPressures(state.store, notes);
  DropImplausibleShipPressures(state.store, notes);
  WriteStationRows(state);
  WriteShipRows(state);
  state.field.grid.MarkStale();

  app.ui.RefreshWindow(WindowId::Tenki1);
  app.ui.RefreshWindow(WindowId::Kaiyou1);
  app.ui.ShowWindow(WindowId::Tenki1, kStationWindowOffsetTwips);
  app.ui.ShowWindow(WindowId::Kaiyou1, kShipWindowOffsetTwips);
}

void ImportSystemsText(const AppContext& app, const std::string& storedText) {
  AppState& state = app.state;
  const int lastPosition = ReadSystemsLines(storedText, state.items);
  if (lastPosition == kNotSystemsBulletin) return;
  EmptySystems(state);
  AddSystemLines(state.store, state.items, lastPosition);
  WriteSystemRows(state);
  // Hand-placed isobars are imprinted on the grid.
  state.field.grid.MarkStale();
  app.ui.RefreshWindow(WindowId::Gyogyou);
  app.ui.ShowWindow(WindowId::Gyogyou, kSystemsWindowOffsetTwips);
}

}  // namespace nimbara
