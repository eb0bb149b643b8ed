#pragma once
// Editing a row list together with the records behind it, so that row i
// always shows record i and nothing is stored beyond slot 200.

#include <array>
#include <string>

#include "app/AppState.h"
#include "core/ObservationStore.h"

namespace nimbara {

// The selected row, or -1 when none (or a stale index) is selected.
inline int SelectedRow(const RowList& list) {
  return list.selected >= 0 && list.selected < list.Count() ? list.selected : -1;
}

// Replaces row `index`, or appends the row when the list is shorter.
inline void SetRow(RowList& list, int index, std::string row) {
  if (index < list.Count()) list.rows[static_cast<std::size_t>(index)] = std::move(row);
  else list.rows.push_back(std::move(row));
}

// Stores `record` at position k with its row `makeRow(k)`: replaces row k, or
// appends the row when k is past the end. Returns false (changing nothing)
// when the list is already full or k is not a position of the list or just
// past it.
template <typename Record, typename MakeRow>
bool PutRow(RowList& list, SlotArray<Record>& records, int k, const Record& record, MakeRow makeRow) {
  if (k < 0 || k > list.Count() || k > kLastSlot) return false;
  records[k] = record;
  SetRow(list, k, makeRow(k));
  return true;
}

// Removes row `row`; the records after it move up one position and the slot
// they leave is emptied.
template <typename Record>
void RemoveRow(RowList& list, SlotArray<Record>& records, int row) {
  const int count = list.Count();
  if (row < 0 || row >= count) return;
  list.rows.erase(list.rows.begin() + row);
  for (int i = row; i + 1 < count; ++i) {
    records[i] = std::move(records[i + 1]);
  }
  records[count - 1] = Record{};
}

// 削除: removes the selected row and selects the row before it. False when
// no row is selected.
template <typename Record>
bool RemoveSelectedRow(RowList& list, SlotArray<Record>& records) {
  const int r = SelectedRow(list);
  if (r < 0) return false;
  RemoveRow(list, records, r);
  list.selected = r - 1;
  return true;
}

// Rebuilds a whole list from the first `count` records.
template <typename MakeRow>
void RebuildRows(RowList& list, int count, MakeRow makeRow) {
  list.rows.clear();
  for (int i = 0; i < count && i < kSlotCount; ++i) list.rows.push_back(makeRow(i));
}

}  // namespace nimbara
