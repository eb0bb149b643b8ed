#pragma once
// The station window Tenki1 without its widgets: its rows, データ入力 and もどる.

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

// もどる: keeps the observation-date text, marks the grid stale and hides the window.
void CloseStationWindow(const AppContext& app, const std::string& dateText);

}  // namespace nimbara
