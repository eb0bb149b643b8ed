#include "io/ReadingNotes.h"

#include <algorithm>

#include "core/Text.h"
#include "io/StationLine.h"

namespace nimbara {
namespace {

constexpr std::int32_t kLargestLatitude = 90;
constexpr std::int32_t kLargestLongitude = 180;
constexpr std::int32_t kMapSouth = 10;
constexpr std::int32_t kMapNorth = 56;
constexpr std::size_t kLongestQuote = 30;  // characters of a skipped part kept for the report

void Drop(std::int32_t& pressure, const std::string& who, ReadingNotes& notes) {
  if (pressure == 0 || IsPlausiblePressure(pressure)) return;
  notes.implausiblePressures.push_back(who + " " + std::to_string(pressure) + "hPa");
  pressure = 0;
}

std::string Quote(const ScanText& text, std::size_t begin, std::size_t end) {
  for (std::string_view mark : {kComma, std::string_view(",")}) {
    if (text.At(begin, mark)) begin += mark.size();
  }
  std::string quote = text.Original(begin, end);
  if (CharLength(quote) > kLongestQuote) quote = CharSubstr(quote, 0, kLongestQuote) + "…";
  return quote;
}

}  // namespace

bool IsPlausiblePressure(std::int32_t hPa) {
  return hPa >= kLowestPlausiblePressure && hPa <= kHighestPlausiblePressure;
}

bool IsPossiblePosition(std::int32_t latitude, std::int32_t longitude) {
  return latitude >= -kLargestLatitude && latitude <= kLargestLatitude && longitude >= -kLargestLongitude &&
         longitude <= kLargestLongitude;
}

bool IsOnMapLatitude(std::int32_t latitude) { return latitude >= kMapSouth && latitude <= kMapNorth; }

std::string PositionText(std::int32_t latitude, std::int32_t longitude) {
  return "北緯" + std::to_string(latitude) + "度 東経" + std::to_string(longitude) + "度";
}

void DropImplausibleStationPressures(ObservationStore& store, ReadingNotes& notes) {
  for (int slot = 0; slot < kBulletinStationCount; ++slot) {
    Drop(store.stationRecords[slot].pressure, store.stations.names[slot], notes);
  }
}

void DropImplausibleShipPressures(ObservationStore& store, ReadingNotes& notes) {
  for (int i = 0; i < ClampCount(store.shipCount); ++i) {
    ShipRecord& ship = store.ships[i];
    Drop(ship.pressure, "船舶（" + PositionText(ship.latitude, ship.longitude) + "）", notes);
  }
}

void DropImplausibleSystemPressures(ObservationStore& store, ReadingNotes& notes) {
  for (int i = 0; i < ClampCount(store.systemCount); ++i) {
    SystemEntry& entry = store.systems[i];
    Drop(entry.pressure, entry.kind + "（" + PositionText(entry.latitude, entry.longitude) + "）", notes);
  }
}

void UsedSpans::Add(std::size_t begin, std::size_t end) {
  if (begin >= end) return;
  m_sorted = m_sorted && (m_spans.empty() || m_spans.back().second <= begin);
  m_spans.emplace_back(begin, end);
}

// Sorted and merged, so that the spans do not overlap.
const std::vector<std::pair<std::size_t, std::size_t>>& UsedSpans::Sorted() const {
  if (m_sorted) return m_spans;
  std::sort(m_spans.begin(), m_spans.end());
  std::vector<std::pair<std::size_t, std::size_t>> merged;
  for (const auto& span : m_spans) {
    if (!merged.empty() && span.first <= merged.back().second) merged.back().second = std::max(merged.back().second, span.second);
    else merged.push_back(span);
  }
  m_spans = std::move(merged);
  m_sorted = true;
  return m_spans;
}

std::size_t UsedSpans::NextStart(std::size_t from) const {
  const auto& spans = Sorted();
  auto it = std::lower_bound(spans.begin(), spans.end(), std::make_pair(from, std::size_t{0}));
  return it == spans.end() ? std::string::npos : it->first;
}

bool UsedSpans::Covers(std::size_t at) const {
  const auto& spans = Sorted();
  auto it = std::upper_bound(spans.begin(), spans.end(), std::make_pair(at, std::string::npos));
  return it != spans.begin() && std::prev(it)->second > at;
}

std::vector<std::string> UsedSpans::Unused(const ScanText& text) const {
  const auto& used = Sorted();
  std::vector<std::string> quotes;
  const std::string& s = text.Text();
  // Walks the gaps between used spans; in each, the parts between "。" that
  // hold a digit or a name, quoted whole when short, else from the clause
  // where the first stands.
  std::size_t gapStart = 0;
  const auto walkGap = [&](std::size_t begin, std::size_t end) {
    std::size_t partStart = begin;
    std::size_t clauseStart = begin;
    std::size_t quoteStart = std::string::npos;  // the clause of the part's first digit or name
    for (std::size_t pos = begin; pos <= end;) {
      if (pos == end || text.At(pos, kFullStop)) {
        if (quoteStart != std::string::npos) {
          const bool shortPart = CharLength(text.Original(partStart, pos)) <= kLongestQuote;
          quotes.push_back(Quote(text, shortPart ? partStart : quoteStart, pos));
        }
        quoteStart = std::string::npos;
        pos += pos == end ? 1 : kFullStop.size();
        partStart = clauseStart = pos;
        continue;
      }
      if (text.At(pos, kComma)) {
        pos += kComma.size();
        clauseStart = pos;
        continue;
      }
      const bool charStart = (static_cast<unsigned char>(s[pos]) & 0xC0) != 0x80;
      if (quoteStart == std::string::npos &&
          (IsAsciiDigit(s[pos]) || (charStart && MatchStationName(text, pos).has_value())))
        quoteStart = clauseStart;
      ++pos;
    }
  };
  for (const auto& [begin, end] : used) {
    if (begin > gapStart) walkGap(gapStart, begin);
    gapStart = std::max(gapStart, end);
  }
  if (gapStart < s.size()) walkGap(gapStart, s.size());
  return quotes;
}

}  // namespace nimbara
