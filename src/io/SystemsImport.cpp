#include "io/SystemsImport.h"

#include <algorithm>
#include <array>
#include <optional>

#include "core/CodeTables.h"
#include "core/SystemKind.h"
#include "core/Numbers.h"

namespace nimbara {
namespace {

// Every kind, the longest word first where one holds another ("熱帯低気圧",
// "低気圧").
const std::vector<const SystemKind*>& Kinds() {
  static const std::vector<const SystemKind*> kinds = [] {
    std::vector<const SystemKind*> all;
    for (const SystemKind& row : kSystemKinds) all.push_back(&row);
    std::stable_sort(all.begin(), all.end(),
                     [](const SystemKind* a, const SystemKind* b) { return a->word.size() > b->word.size(); });
    return all;
  }();
  return kinds;
}

constexpr std::string_view kOpen = "(";
constexpr std::string_view kNorthComma = "n,";
constexpr std::string_view kEastClose = "e)";

const SystemKind* KindAt(const ScanText& text, std::size_t at) {
  static const FirstBytes firstBytes(kSystemKindList);
  if (!firstBytes.MayStartAt(text, at)) return nullptr;
  for (const SystemKind* row : Kinds()) {
    if (text.At(at, row->word)) return row;
  }
  return nullptr;
}

// "(lat N,lon E)" at `at`.
std::optional<ScannedPosition> BracketedPosition(const ScanText& text, std::size_t at) {
  if (!text.At(at, kOpen)) return std::nullopt;
  const std::optional<ScannedNumber> latitude = ScanNumber(text, at + kOpen.size(), Blanks::InsideNumbers);
  if (!latitude || !text.At(latitude->end, kNorthComma)) return std::nullopt;
  const std::optional<ScannedNumber> longitude =
      ScanNumber(text, latitude->end + kNorthComma.size(), Blanks::InsideNumbers);
  if (!longitude || !text.At(longitude->end, kEastClose)) return std::nullopt;
  return ScannedPosition{RoundToInt(latitude->value), RoundToInt(longitude->value), longitude->end + kEastClose.size()};
}

// The first "NhPa" between `from` and `to`, or 0.
std::int32_t PressureBetween(const ScanText& text, std::size_t from, std::size_t to) {
  for (std::size_t pos = from; pos < to;) {
    const std::optional<ScannedNumber> number = ScanNumber(text, pos, Blanks::InsideNumbers);
    if (!number) {
      pos = text.NextChar(pos);
      continue;
    }
    if (ScanPressureUnit(text, number->end)) return RoundToInt(number->value);
    pos = number->end;
  }
  return 0;
}

}  // namespace

bool SystemItem::IsRun() const { return !entries.empty() && (IsFrontKind(entries[0].kind) || entries[0].kind == kind::kIsobarPoint); }

std::vector<SystemItem> ReadSystemsList(const ScanText& text) {
  std::vector<SystemItem> items;
  const std::size_t size = text.Size();
  for (std::size_t pos = 0; pos < size;) {
    const SystemKind* kind = KindAt(text, pos);
    if (kind == nullptr) {
      pos = text.NextChar(pos);
      continue;
    }
    // The kind's part runs to the next kind's word.
    std::size_t partEnd = pos + kind->word.size();
    while (partEnd < size && KindAt(text, partEnd) == nullptr) partEnd = text.NextChar(partEnd);
    SystemItem item;
    item.begin = pos;
    std::int32_t pressure = 0;
    bool pressureRead = false;
    for (std::size_t p = pos + kind->word.size(); p < partEnd;) {
      const std::optional<ScannedPosition> at = BracketedPosition(text, p);
      if (!at) {
        p = text.NextChar(p);
        continue;
      }
      if (!pressureRead && kind->shape != SystemShape::Front) pressure = PressureBetween(text, pos + kind->word.size(), p);
      pressureRead = true;
      item.entries.push_back({std::string(kind->word), at->latitude, at->longitude, pressure});
      item.end = p = at->end;
    }
    if (!item.entries.empty()) items.push_back(std::move(item));
    pos = partEnd;
  }
  return items;
}

}  // namespace nimbara
