#pragma once
// The systems window Gyogyou without its widgets: its rows, データ入力, 削除,
// そこから, 中心から and もどる.
//
// The two chain markers "そこから" and "中心から" hold the position of the entry
// before them. The next データ入力 turns a marker into the first point of a
// front when a front kind is entered, and drops it otherwise.

#include <optional>
#include <string>

#include "app/AppContext.h"
#include "app/EntryFields.h"
#include "core/CodeTables.h"

namespace nimbara {

// What the fields of Gyogyou hold.
struct SystemFields {
  std::string latitude{RuleOf(EntryField::Latitude).initialText};
  std::string longitude{RuleOf(EntryField::Longitude).initialText};
  std::string pressure{RuleOf(EntryField::Pressure).initialText};
  std::string kind{kSystemKindList[kInitialKindChoice]};  // the text chosen in Syurui
};

// Loading: one entry-layout row per system entry, the last row selected.
void LoadSystemRows(AppState& state);

// データ入力: appends after the last entry (also when no row is selected), or
// edits the selected one in place. Fronts are stored without pressure. The
// selection moves one row down; a 202nd row is refused.
void EnterSystem(AppState& state, const SystemFields& fields);

// Choosing a row: the fields as they show the entry of that row (a marker's
// kind is not one of the kind list's).
SystemFields SystemFieldsOf(const ObservationStore& store, int index);

// そこから: after a low or a front entry, adds a marker at its position.
void StartFromThere(AppState& state);
// 中心から: after a low entry, adds a marker at its centre.
void StartFromCentre(AppState& state);

// 削除: removes the selected entry; the selection moves to the row before.
void DeleteSystem(AppState& state);

// もどる: the system count follows the rows, a typed date is kept (as the
// other two windows keep it), the grid is marked stale and the window hidden.
void CloseSystemWindow(const AppContext& app, const std::optional<std::string>& typedDate);

}  // namespace nimbara
