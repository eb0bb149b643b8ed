#include "app/StationEntry.h"

#include <algorithm>

#include "app/EntryCommands.h"
#include "app/RowEditing.h"
#include "core/Numbers.h"
#include "core/Rows.h"

namespace nimbara {

void LoadStationRows(AppState& state) {
  RebuildRows(state.stationRows, state.store.stationCount,
              [&](int slot) { return FormatStationRow(state.store, slot); });
  state.stationRows.selected = -1;
}

void StoreStation(AppState& state, int slot, const StationFields& fields) {
  StationRecord record;
  record.direction = fields.direction;
  record.force = ReadRounded(fields.force);
  record.pressure = ReadRounded(fields.pressure);
  record.temperature = ReadRounded(fields.temperature);
  const bool observed = record.force != 0 || record.pressure != 0 || record.temperature != 0;
  record.weather = observed ? fields.weather : 0;
  state.store.stationRecords[slot] = record;
  SetRow(state.stationRows, slot, FormatStationRow(state.store, slot));
}

void EnterStation(AppState& state, const StationFields& fields) {
  RowList& list = state.stationRows;
  const int count = ClampCount(list.Count());
  if (count == 0) return;
  const int slot = std::clamp(list.selected, 0, count - 1);
  StoreStation(state, slot, fields);
  list.selected = std::min(slot + 1, count - 1);
}

StationFields StationFieldsOf(const ObservationStore& store, int slot) {
  const StationRecord& record = store.stationRecords[slot];
  return {record.direction, SignedText(record.force), record.weather, SignedText(record.pressure),
          SignedText(record.temperature)};
}

void EmptyStation(AppState& state, int slot) {
  state.store.stationRecords[slot] = {};
  SetRow(state.stationRows, slot, FormatStationRow(state.store, slot));
}

void DeleteStation(AppState& state) {
  const int slot = SelectedRow(state.stationRows);
  if (slot < 0 || slot >= kSlotCount) return;
  EmptyStation(state, slot);
}

void CloseStationWindow(const AppContext& app, const std::optional<std::string>& typedDate) {
  KeepObservationDate(app, typedDate);
  CloseEntryWindow(app, WindowId::Tenki1);
}

}  // namespace nimbara
