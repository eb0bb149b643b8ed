#include "app/SystemEntryEditor.h"

#include <algorithm>

#include "app/EntryCommands.h"
#include "app/RowEditing.h"
#include "core/Numbers.h"
#include "core/Rows.h"

namespace nimbara {
namespace {

bool IsMarker(std::string_view kind) { return kind == kind::kFromThere || kind == kind::kFromCentre; }

void CountSystems(AppState& state) { state.store.systemCount = ClampCount(state.systemRows.Count()); }

SystemEntry& Entry(AppState& state, int index) { return state.store.systems[index]; }

// The entry the buttons write for the selected row r: after it when it is the
// last one, otherwise the selected row itself.
int TargetPosition(int r, const RowList& list) { return r == list.Count() - 1 ? r + 1 : r; }

auto SystemRow(const AppState& state) {
  return [&state](int i) { return FormatSystemRow(state.store, i); };
}

template <typename Condition>
void AddMarker(AppState& state, std::string_view markerKind, Condition previousQualifies) {
  RowList& list = state.systemRows;
  const int r = SelectedRow(list);
  if (r < 0) return;
  const int k = TargetPosition(r, list);
  if (k == 0) return;
  const SystemEntry& previous = Entry(state, k - 1);
  if (!previousQualifies(previous.kind)) return;
  const SystemEntry marker{std::string(markerKind), previous.latitude, previous.longitude, 0};
  if (!PutRow(list, state.store.systems, k, marker, SystemRow(state))) return;
  list.selected = r + 1;
  CountSystems(state);
}

}  // namespace

void LoadSystemRows(AppState& state) {
  RebuildRows(state.systemRows, state.store.systemCount, SystemRow(state));
  state.systemRows.selected = state.systemRows.Count() - 1;
}

void EnterSystem(AppState& state, const SystemFields& fields) {
  RowList& list = state.systemRows;
  // No selection (as after a load or a paste) counts as the last row, so the
  // first entry is never overwritten by a new one.
  int selection = SelectedRow(list) < 0 ? list.Count() - 1 : SelectedRow(list);
  int k = TargetPosition(selection, list);
  const bool front = IsFrontKind(fields.kind);
  const bool afterMarker = k > 1 && IsMarker(Entry(state, k - 1).kind);
  const bool dropsMarker = afterMarker && !front;
  if (k > kLastSlot && !dropsMarker) return;

  if (afterMarker && front) {
    SystemEntry& marker = Entry(state, k - 1);
    marker.kind = fields.kind;
    SetRow(list, k - 1, FormatSystemRow(state.store, k - 1));
  } else if (dropsMarker) {
    RemoveRow(list, state.store.systems, k - 1);
    --k;
    selection = k - 1;
  }

  const SystemEntry entry{fields.kind, ReadRounded(fields.latitude), ReadRounded(fields.longitude),
                          front ? 0 : ReadRounded(fields.pressure)};
  PutRow(list, state.store.systems, k, entry, SystemRow(state));
  list.selected = std::min(selection + 1, list.Count() - 1);
  CountSystems(state);
}

SystemFields SystemFieldsOf(const ObservationStore& store, int index) {
  const SystemEntry& entry = store.systems[index];
  return {SignedText(entry.latitude), SignedText(entry.longitude), SignedText(entry.pressure), entry.kind};
}

void StartFromThere(AppState& state) {
  AddMarker(state, kind::kFromThere, [](std::string_view kind) { return IsFrontKind(kind) || kind == kind::kLow; });
}

void StartFromCentre(AppState& state) {
  AddMarker(state, kind::kFromCentre, [](std::string_view kind) { return kind == kind::kLow; });
}

void DeleteSystem(AppState& state) {
  if (RemoveSelectedRow(state.systemRows, state.store.systems)) CountSystems(state);
}

void CloseSystemWindow(const AppContext& app, const std::optional<std::string>& typedDate) {
  CountSystems(app.state);
  KeepObservationDate(app, typedDate);
  CloseEntryWindow(app, WindowId::Gyogyou);
}

}  // namespace nimbara
