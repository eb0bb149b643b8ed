#include "io/StationManuscript.h"

#include <algorithm>
#include <array>

#include "io/ScanText.h"
#include "io/StationLine.h"

namespace nimbara {
namespace {

constexpr std::array<std::string_view, 4> kWordEnds = {kFullStop, kComma, ",", "."};

bool AtWordStart(const ScanText& text, std::size_t at) {
  if (at == 0 || text.BlankBefore(at)) return true;
  return std::any_of(kWordEnds.begin(), kWordEnds.end(), [&](std::string_view mark) {
    return at >= mark.size() && text.At(at - mark.size(), mark);
  });
}

std::vector<StationNameMatch> NamesAtWordStarts(const ScanText& text) {
  std::vector<StationNameMatch> names;
  for (std::size_t pos = 0; pos < text.Size();) {
    const std::optional<StationNameMatch> name = MatchStationName(text, pos);
    if (!name || !AtWordStart(text, pos)) {
      pos = text.NextChar(pos);
      continue;
    }
    names.push_back(*name);
    pos = name->end;
  }
  return names;
}

std::size_t StartOf(const StationNameMatch& name) { return name.end - name.name.size(); }

}  // namespace

int StationManuscript::Count() const {
  return static_cast<int>(std::count_if(records.begin(), records.end(), [](const auto& r) { return r.has_value(); }));
}

StationManuscript ReadStationManuscript(const ScanText& text) {
  StationManuscript part;
  if (!MayHoldStationReports(text)) return part;
  const std::vector<StationNameMatch> names = NamesAtWordStarts(text);
  std::size_t unread = 0;  // where text not yet read as a report begins
  for (std::size_t i = 0; i < names.size(); ++i) {
    const StationNameMatch& name = names[i];
    const std::size_t next = i + 1 < names.size() ? StartOf(names[i + 1]) : text.Size();
    NoteUnknownStations(text, unread, StartOf(name), part.unknownStations);
    const StationReading reading = ReadStationFields(text, name.end, next, ReportForm::Broadcast);
    if (!reading.windWords && !reading.noReport) {
      unread = name.end;  // the name stands for a place here, not for a report
      continue;
    }
    unread = reading.end;
    std::optional<StationRecord>& record = part.records[static_cast<std::size_t>(name.slot)];
    if (record) continue;
    record = reading.record;
    if (name.slot == kOzernayaSlot) part.namesOzernaya = name.name == kOzernayaName;
  }
  NoteUnknownStations(text, unread, text.Size(), part.unknownStations);
  return part;
}

}  // namespace nimbara
