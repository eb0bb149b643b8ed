#include "app/ShipEntry.h"

#include "app/EntryCommands.h"
#include "app/RowEditing.h"
#include "core/Numbers.h"
#include "core/Rows.h"

namespace nimbara {
namespace {

void CountShips(AppState& state) { state.store.shipCount = ClampCount(state.shipRows.Count()); }

auto ShipRow(const AppState& state) {
  return [&state](int i) { return FormatShipRow(state.store, i); };
}

}  // namespace

void LoadShipRows(AppState& state) {
  RebuildRows(state.shipRows, state.store.shipCount, ShipRow(state));
  state.shipRows.selected = state.shipRows.Count() - 1;
}

bool StoreShip(AppState& state, int position, const ShipFields& fields) {
  ShipRecord record;
  record.latitude = ReadRounded(fields.latitude);
  record.longitude = ReadRounded(fields.longitude);
  record.direction = fields.direction;
  record.force = ReadRounded(fields.force);
  record.weather = fields.weather;
  record.pressure = ReadRounded(fields.pressure);
  if (!PutRow(state.shipRows, state.store.ships, position, record, ShipRow(state))) return false;
  CountShips(state);
  return true;
}

void EnterShip(AppState& state, const ShipFields& fields) {
  RowList& list = state.shipRows;
  const int n = list.Count();
  // No selection (as after a load or a paste) counts as the last row, so the
  // first ship is never overwritten by a new one.
  const int r = SelectedRow(list) < 0 ? n - 1 : SelectedRow(list);
  const int k = r + 1;
  if (StoreShip(state, k < n ? r : n, fields)) list.selected = k;
}

ShipFields ShipFieldsOf(const ObservationStore& store, int index) {
  const ShipRecord& ship = store.ships[index];
  return {SignedText(ship.latitude), SignedText(ship.longitude), ship.direction,
          SignedText(ship.force),   ship.weather,                SignedText(ship.pressure)};
}

void RemoveShip(AppState& state, int index) {
  RemoveRow(state.shipRows, state.store.ships, index);
  CountShips(state);
}

void DeleteShip(AppState& state) {
  if (RemoveSelectedRow(state.shipRows, state.store.ships)) CountShips(state);
}

void CloseShipWindow(const AppContext& app, const std::optional<std::string>& typedDate) {
  CountShips(app.state);
  KeepObservationDate(app, typedDate);
  CloseEntryWindow(app, WindowId::Kaiyou1);
}

}  // namespace nimbara
