#include "io/PastedText.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "core/CodeTables.h"
#include "core/Text.h"
#include "io/ScanText.h"
#include "io/StationManuscript.h"
#include "io/SystemsManuscript.h"
#include "io/WeatherWords.h"

namespace nimbara {
namespace {

constexpr std::size_t kLongestTitle = 40;  // characters of a title taken from a text without line ends
constexpr std::array<std::string_view, 3> kBroadcastUnits = {"ヘクトパスカル", "mb", "ミリバール"};

std::string Signed(std::int32_t value) { return std::to_string(value); }

// "北 5 くもり 1021hPa 15度": a station's values, to name two readings that differ.
std::string Values(const StationRecord& r) {
  std::string out = DirectionName(r.direction) + " " + Signed(r.force) + " " + WeatherName(r.weather);
  if (r.pressure != 0) out += " " + Signed(r.pressure) + "hPa";
  return out + " " + Signed(r.temperature) + "度";
}

std::string Values(const ShipRecord& r) {
  return DirectionName(r.direction) + " " + Signed(r.force) + " " + WeatherName(r.weather) + " " +
         Signed(r.pressure) + "hPa";
}

std::string Values(const SystemItem& item) {
  std::string out;
  for (const SystemEntry& e : item.entries) out += (out.empty() ? "" : " ") + PositionText(e.latitude, e.longitude);
  if (!item.entries.empty() && item.entries[0].pressure != 0) out += " " + Signed(item.entries[0].pressure) + "hPa";
  return out;
}

bool SameItem(const SystemItem& a, const SystemItem& b) {
  if (a.entries.size() != b.entries.size()) return false;
  for (std::size_t i = 0; i < a.entries.size(); ++i) {
    const SystemEntry& x = a.entries[i];
    const SystemEntry& y = b.entries[i];
    if (x.kind != y.kind || x.latitude != y.latitude || x.longitude != y.longitude || x.pressure != y.pressure)
      return false;
  }
  return true;
}

// What makes two items one: a system's kind (or a ship's name) and its first place.
using PlaceKey = std::tuple<std::string, std::int32_t, std::int32_t>;

void NoteReduction(std::string_view word, const std::string& who, ReadingNotes& notes) {
  const std::optional<std::string_view> reduced = NamedReduction(word);
  if (!reduced) return;
  notes.reducedTo[std::string(word)] = std::string(*reduced);
  notes.reductions[std::string(word)].push_back(who);
}

class Reader {
 public:
  explicit Reader(std::string_view utf8) : m_utf8(utf8), m_text(utf8) {}

  PastedText Read() {
    const std::vector<ObservationTime> times = FindObservationTimes(m_text);
    for (const ObservationTime& t : times) m_used.Add(t.begin, t.end);
    if (!times.empty()) m_result.time = times.front();
    Systems();
    Stations();
    Ships();
    Title(times);
    m_result.notes.skipped = m_used.Unused(m_text);
    return std::move(m_result);
  }

 private:
  void Data(std::size_t begin, std::size_t end) {
    m_used.Add(begin, end);
    m_firstData = std::min(m_firstData, begin);
  }

  void Systems() {
    std::vector<SystemItem> items = ReadSystemsList(m_text);
    m_result.systemsList = !items.empty();
    SystemsManuscript sentences = ReadSystemsManuscript(m_text);
    m_result.systemsSentences = !sentences.items.empty();
    for (auto& [begin, end] : sentences.noted) m_used.Add(begin, end);
    for (auto& [begin, end] : sentences.alsoRead) m_used.Add(begin, end);
    m_result.notes.unreadClauses = std::move(sentences.unreadClauses);
    for (SystemItem& item : sentences.items) items.push_back(std::move(item));
    std::stable_sort(items.begin(), items.end(), [](const SystemItem& a, const SystemItem& b) { return a.begin < b.begin; });
    std::map<PlaceKey, const SystemItem*> kept;  // by kind and first place
    for (const SystemItem& item : items) {
      Data(item.begin, item.end);
      const SystemEntry& first = item.entries[0];
      const auto [earlier, isNew] = kept.try_emplace({first.kind, first.latitude, first.longitude}, &item);
      if (!isNew) {
        if (SameItem(*earlier->second, item)) m_result.notes.repeated.push_back(first.kind);
        else m_result.notes.differing.push_back(first.kind + "（" + Values(*earlier->second) + "／" + Values(item) + "）");
        continue;
      }
      if (!KeepPositions(item, first.kind)) continue;
      for (const SystemEntry& entry : item.entries) m_result.systems.push_back(entry);
    }
  }

  // Off the map is named; no place on earth is named and not stored.
  bool KeepPositions(const SystemItem& item, const std::string& who) {
    for (const SystemEntry& e : item.entries) {
      if (!IsPossiblePosition(e.latitude, e.longitude)) {
        m_result.notes.impossiblePositions.push_back(who + "（" + PositionText(e.latitude, e.longitude) + "）");
        return false;
      }
    }
    for (const SystemEntry& e : item.entries) {
      if (!IsOnMapLatitude(e.latitude)) {
        m_result.notes.offMap.push_back(who + "（" + PositionText(e.latitude, e.longitude) + "）");
        break;
      }
    }
    return true;
  }

  void Stations() {
    StationManuscript part = ReadStationManuscript(m_text, m_used);
    m_result.notes.unknownStations = std::move(part.unknownStations);
    const StationTable table = BuiltInStationTable();
    for (const StationReport& report : part.reports) {
      Data(report.begin, report.reading.end);
      const std::string who(report.name);
      std::optional<PastedStation>& slot = m_result.stations[static_cast<std::size_t>(report.slot)];
      const StationRecord& record = report.reading.record;
      if (slot) {
        if (slot->record == record) m_result.notes.repeated.push_back(who);
        else m_result.notes.differing.push_back(who + "（" + Values(slot->record) + "／" + Values(record) + "）");
        continue;
      }
      slot = PastedStation{record, report.reading.temperatureGiven || report.reading.noReport};
      if (!slot->temperatureGiven) m_result.notes.missingTemperatures.push_back(who);
      NoteReduction(report.reading.weatherWord, who, m_result.notes);
      if (report.slot == kOzernayaSlot) m_result.namesOzernaya = report.name == kOzernayaName;
      const std::string_view reportText = std::string_view(m_text.Text()).substr(report.begin, report.reading.end - report.begin);
      m_result.stationsInSentences = m_result.stationsInSentences ||
          std::any_of(kBroadcastUnits.begin(), kBroadcastUnits.end(),
                      [&](std::string_view unit) { return reportText.find(unit) != std::string_view::npos; });
    }
  }

  void Ships() {
    const std::vector<ShipReport> reports = FindShipReports(m_text, m_used);
    m_result.shipReports = !reports.empty();
    std::map<PlaceKey, const ShipReport*> kept;  // by name and place
    for (const ShipReport& report : reports) {
      Data(report.begin, report.end);
      const ShipRecord& r = report.record;
      const auto [earlier, isNew] = kept.try_emplace({report.name, r.latitude, r.longitude}, &report);
      if (!isNew) {
        const ShipRecord& first = earlier->second->record;
        if (first == r) m_result.notes.repeated.push_back(report.Who());
        else m_result.notes.differing.push_back(report.Who() + "（" + Values(first) + "／" + Values(r) + "）");
        continue;
      }
      if (!IsPossiblePosition(r.latitude, r.longitude)) {
        m_result.notes.impossiblePositions.push_back(report.Who());
        continue;
      }
      if (!report.hasPressure) {
        m_result.notes.shipsWithoutPressure.push_back(report.Who());
        continue;
      }
      if (!IsOnMapLatitude(r.latitude)) m_result.notes.offMap.push_back(report.Who());
      m_result.ships.push_back(r);
    }
  }

  // The first item of the text (up to a line end or a comma, without its
  // leading blanks) when nothing was read in it; else the text before the
  // first thing read, up to the time it names.
  void Title(const std::vector<ObservationTime>& times) {
    const std::size_t itemEnd = std::min(m_utf8.find_first_of(",\r\n"), m_utf8.size());
    const std::size_t itemStart = std::min(m_utf8.find_first_not_of(" \t"), itemEnd);
    const std::size_t firstData = m_text.OriginalOffset(std::min(m_firstData, m_text.Size()));
    if (firstData >= itemEnd && itemStart < itemEnd) {
      m_result.title = std::string(m_utf8.substr(itemStart, itemEnd - itemStart));
      return;
    }
    if (times.empty() || times.front().begin >= m_firstData) return;
    const ObservationTime& first = times.front();
    const std::string before = m_text.Original(0, first.end);
    const std::size_t length = CharLength(before);
    m_result.title = length > kLongestTitle ? CharSubstr(before, length - kLongestTitle) : before;
  }

  std::string_view m_utf8;
  ScanText m_text;
  UsedSpans m_used;
  std::size_t m_firstData = std::string::npos;
  PastedText m_result;
};

}  // namespace

int PastedText::StationCount() const {
  return static_cast<int>(std::count_if(stations.begin(), stations.end(), [](const auto& s) { return s.has_value(); }));
}

PastedText ReadPastedText(std::string_view utf8) { return Reader(utf8).Read(); }

}  // namespace nimbara
