#include "io/StationManuscript.h"

#include <algorithm>
#include <array>

#include "core/Text.h"

namespace nimbara {
namespace {

constexpr std::array<std::string_view, 6> kJoins = {"では", "は", "で", kComma, ",", ":"};
// The kanji a report or a title ends with, which a name may follow when line
// ends were lost ("…１７度那覇", "…０６時石垣島").
constexpr std::array<std::string_view, 4> kUnitEnds = {"度", "時", "日", "分"};
constexpr char32_t kFirstKanji = U'\u4E00';
constexpr char32_t kLastKanji = U'\u9FFF';
constexpr char32_t kFirstKatakana = U'\u30A0';
constexpr char32_t kLastKatakana = U'\u30FF';

bool IsNamePart(char32_t c) {
  return (c >= kFirstKanji && c <= kLastKanji) || (c >= kFirstKatakana && c <= kLastKatakana);
}

// Whether a name at `at` may start a word.
bool MayStartName(const ScanText& text, std::size_t at) {
  if (at == 0 || text.BlankBefore(at)) return true;
  std::size_t previous = at - 1;
  while (previous > 0 && (static_cast<unsigned char>(text.Text()[previous]) & 0xC0) == 0x80) --previous;
  if (std::any_of(kUnitEnds.begin(), kUnitEnds.end(), [&](std::string_view unit) { return text.At(previous, unit); }))
    return true;
  return !IsNamePart(text.CharAt(previous));
}

std::vector<StationNameMatch> Names(const ScanText& text) {
  std::vector<StationNameMatch> names;
  for (std::size_t pos = 0; pos < text.Size();) {
    const std::optional<StationNameMatch> name = MatchStationName(text, pos);
    if (!name || !MayStartName(text, pos)) {
      pos = text.NextChar(pos);
      continue;
    }
    names.push_back(*name);
    pos = name->end;
  }
  return names;
}

std::size_t StartOf(const StationNameMatch& name) { return name.end - name.name.size(); }

bool OnlyJoins(const ScanText& text, std::size_t from, std::size_t to) {
  while (from < to) {
    const auto join = std::find_if(kJoins.begin(), kJoins.end(), [&](std::string_view j) { return text.At(from, j); });
    if (join == kJoins.end()) return false;
    from += join->size();
  }
  return from == to;
}

}  // namespace

StationManuscript ReadStationManuscript(const ScanText& text, UsedSpans& used) {
  StationManuscript part;
  if (!MayHoldStationReports(text)) return part;
  const std::vector<StationNameMatch> names = Names(text);
  std::size_t unread = 0;  // where text not yet read as a report begins
  for (std::size_t i = 0; i < names.size(); ++i) {
    const StationNameMatch& name = names[i];
    const std::size_t next = i + 1 < names.size() ? StartOf(names[i + 1]) : text.Size();
    const StationReading reading = ReadStationFields(text, name.end, next, ReportForm::Bulletin);
    if ((!reading.windWords && !reading.noReport) || !OnlyJoins(text, name.end, reading.start)) continue;
    NoteUnknownStations(text, unread, StartOf(name), part.unknownStations, &used);
    used.Add(StartOf(name), reading.end);
    unread = reading.end;
    part.reports.push_back({name.slot, name.name, reading, StartOf(name)});
  }
  NoteUnknownStations(text, unread, text.Size(), part.unknownStations, &used);
  return part;
}

}  // namespace nimbara
