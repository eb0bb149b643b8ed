#include "core/SystemKind.h"

#include <algorithm>

namespace nimbara {

const SystemKind* SystemKindNamed(std::string_view word) {
  for (const SystemKind& row : kSystemKinds)
    if (row.word == word) return &row;
  return nullptr;
}

const SystemKind& RowOf(FrontKind front) {
  for (const SystemKind& row : kSystemKinds)
    if (row.shape == SystemShape::Front && row.front == front) return row;
  return kSystemKinds.front();  // every front has its row
}

std::vector<const SystemKind*> KindsOfShape(SystemShape shape) {
  std::vector<const SystemKind*> rows;
  for (const SystemKind& row : kSystemKinds) {
    if (row.shape == shape) rows.push_back(&row);
  }
  std::stable_sort(rows.begin(), rows.end(),
                   [](const SystemKind* a, const SystemKind* b) { return a->word.size() > b->word.size(); });
  return rows;
}

bool IsFrontKind(std::string_view word) {
  const SystemKind* row = SystemKindNamed(word);
  return row != nullptr && row->shape == SystemShape::Front;
}

bool IsCentreKind(std::string_view word, CentreKinds set) {
  const SystemKind* row = SystemKindNamed(word);
  if (row == nullptr || row->shape != SystemShape::Centre) return false;
  return row->inCentreSetA || set == CentreKinds::SetB;
}

std::string_view CentreMark(std::string_view word) {
  const SystemKind* row = SystemKindNamed(word);
  return row != nullptr ? row->centreMark : std::string_view();
}

}  // namespace nimbara
