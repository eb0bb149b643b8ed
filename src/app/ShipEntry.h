#pragma once
// The ship window Kaiyou1 without its widgets: its rows, データ入力, 削除 and もどる.

#include <optional>
#include <string>

#include "app/AppContext.h"
#include "app/EntryFields.h"

namespace nimbara {

// What the fields of Kaiyou1 hold.
struct ShipFields {
  std::string latitude{RuleOf(EntryField::Latitude).initialText};
  std::string longitude{RuleOf(EntryField::Longitude).initialText};
  int direction = kInitialDirectionChoice;
  std::string force{RuleOf(EntryField::Force).initialText};
  int weather = kInitialWeatherChoice;
  std::string pressure{RuleOf(EntryField::Pressure).initialText};
};

// Loading: one row per ship, the last row selected.
void LoadShipRows(AppState& state);

// データ入力: the selected row is replaced, except that the last row (or the
// only one) is never edited: a new row is appended after it instead, as it is
// with no selection. The selection moves one row down; a 202nd row is refused.
void EnterShip(AppState& state, const ShipFields& fields);

// Stores the fields as the ship at `position` with its row: replaces that
// ship, or adds one when `position` is the number of ships. False (nothing
// changed) when the list is full or `position` is past its end.
bool StoreShip(AppState& state, int position, const ShipFields& fields);
// Removes the ship at `index`; the ships after it move up.
void RemoveShip(AppState& state, int index);
// Choosing a row: the fields as they show the ship of that row.
ShipFields ShipFieldsOf(const ObservationStore& store, int index);

// 削除: removes the selected ship; the selection moves to the row before.
void DeleteShip(AppState& state);

// もどる: the ship count follows the rows, a typed date is kept, the grid
// marked stale and the window hidden.
void CloseShipWindow(const AppContext& app, const std::optional<std::string>& typedDate);

}  // namespace nimbara
