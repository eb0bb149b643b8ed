#pragma once
// The station window Tenki1 without its widgets: its rows, データ入力, 削除 and もどる.

#include <optional>
#include <string>

#include "app/AppContext.h"
#include "app/EntryFields.h"

namespace nimbara {

// What the fields of Tenki1 hold.
struct StationFields {
  int direction = kInitialDirectionChoice;  // index in Huukou
  std::string force{RuleOf(EntryField::Force).initialText};
  int weather = kInitialWeatherChoice;      // index in Tenki
  std::string pressure{RuleOf(EntryField::Pressure).initialText};
  std::string temperature{RuleOf(EntryField::Temperature).initialText};
};

// Loading: one entry-layout row per station slot, none selected.
void LoadStationRows(AppState& state);

// Writes the fields into the station at `slot` and replaces its row, as
// データ入力 does.
void StoreStation(AppState& state, int slot, const StationFields& fields);

// データ入力: writes the fields into the station of the selected row (the
// first row when none is selected), replaces its row and moves the selection
// down unless it is on the last row.
void EnterStation(AppState& state, const StationFields& fields);

// Choosing a row: the fields as they show the record of that station.
StationFields StationFieldsOf(const ObservationStore& store, int slot);

// Empties the station at `slot` as 削除 does.
void EmptyStation(AppState& state, int slot);

// 削除: the selected station's record is emptied (no direction, wind, weather,
// pressure or temperature, so it adds nothing to the pressure grid) and its
// row shows the bare name. Without a selection nothing happens.
void DeleteStation(AppState& state);

// もどる: keeps a typed observation date, marks the grid stale and hides the window.
void CloseStationWindow(const AppContext& app, const std::optional<std::string>& typedDate);

}  // namespace nimbara
