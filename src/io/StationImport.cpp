#include "io/StationImport.h"

#include <algorithm>
#include <array>

#include "core/CodeTables.h"
#include "core/Numbers.h"
#include "core/Text.h"
#include "io/BulletinText.h"
#include "io/ScanText.h"
#include "io/StationLine.h"

namespace nimbara {
namespace {

// Direction column: 3 characters from position 15 - (name length).
constexpr std::int64_t kDirectionColumnEnd = 15;
constexpr std::int64_t kDirectionWidth = 3;
constexpr std::int64_t kForceOffset = 2;     // after the start of "風力"
constexpr std::int64_t kForceWidth = 3;
constexpr std::int64_t kWeatherOffset = 5;   // after the start of "風力"
constexpr std::int64_t kCalmWeatherOffset = 15;  // after the start of "風弱く"
constexpr std::int64_t kWeatherWidth = 5;
constexpr std::int64_t kNumberWidth = 3;     // digits before "ｈＰａ" and "度"
constexpr std::int32_t kPressureBelow = 300;  // three digits below this lost their leading 1
constexpr std::int32_t kPressureThousand = 1000;

constexpr std::u32string_view kCalm = U"風弱く";
constexpr std::u32string_view kForce = U"風力";
constexpr std::u32string_view kHectopascal = U"ｈＰａ";
constexpr std::u32string_view kDegree = U"度";

// Layout A: the long names of slots 30 and 32 stand in items of their own.
constexpr int kFirstLongNameSlot = 30;
constexpr int kSecondLongNameSlot = 32;
constexpr std::string_view kLayoutAMarker = "セベロクリリスク";

// Where a station's item stands; the data line of a long name is parsed with
// an empty name.
struct StationItem {
  int position;
  bool emptyName;
};

StationItem ItemOfSlot(int slot, bool layoutA) {
  if (slot < kFirstLongNameSlot) return {slot, false};
  if (layoutA) {
    if (slot == kFirstLongNameSlot) return {slot + 1, true};
    if (slot < kSecondLongNameSlot) return {slot + 1, false};
    return {slot + 2, slot == kSecondLongNameSlot};
  }
  if (slot < kSecondLongNameSlot) return {slot, false};
  return {slot + 1, slot == kSecondLongNameSlot};
}

}  // namespace

std::string ToAsciiDigits(std::string_view text) {
  constexpr char32_t kFullWidthZero = U'０';
  constexpr char32_t kFullWidthNine = U'９';
  std::string digits;
  for (char32_t c : ToCodePoints(text)) {
    if (c >= kFullWidthZero && c <= kFullWidthNine) digits += static_cast<char>('0' + (c - kFullWidthZero));
    else if (c == U'－') digits += '-';
  }
  return digits;
}

std::int32_t BulletinPressure(std::u32string_view line) {
  const std::int64_t k = KeywordPosition(line, kHectopascal);
  if (k == 0) return 0;
  const std::string digits = ToAsciiDigits(CharWindow(line, k - kNumberWidth, kNumberWidth));
  // "ｈＰａ" with no digits before it is a missing reading, not 1000 hPa.
  if (digits.empty()) return 0;
  const std::int32_t value = ReadRounded(digits);
  return value < kPressureBelow ? value + kPressureThousand : value;
}

void StoreStationObservation(ObservationStore& store, int slot, std::string_view directionText,
                             std::string_view forceText, std::string_view weatherText,
                             std::string_view pressureText, std::string_view temperatureText) {
  if (slot < 0 || slot > kLastSlot) return;
  StationRecord& record = store.stationRecords[slot];
  record.direction = DirectionCode(directionText);
  record.force = ReadRounded(forceText);
  record.weather = WeatherCode(weatherText);
  record.pressure = ReadRounded(pressureText);
  record.temperature = ReadRounded(temperatureText);
}

void ParseStationLine(ObservationStore& store, std::string_view item, std::string_view name, int slot) {
  const std::u32string line = ToCodePoints(item);
  const auto nameLength = static_cast<std::int64_t>(CharLength(name));
  const std::string direction = TrimmedWindow(line, kDirectionColumnEnd - nameLength, kDirectionWidth);

  std::string force;
  std::string weather;
  if (const std::int64_t calm = KeywordPosition(line, kCalm); calm != 0) {
    force.assign(1, '0');
    weather = TrimmedWindow(line, calm + kCalmWeatherOffset, kWeatherWidth);
  } else {
    const std::int64_t wind = KeywordPosition(line, kForce);
    force = ToAsciiDigits(CharWindow(line, wind + kForceOffset, kForceWidth));
    weather = TrimmedWindow(line, wind + kWeatherOffset, kWeatherWidth);
  }

  const std::string pressure = std::to_string(BulletinPressure(line));
  std::string temperature;
  if (const std::int64_t degree = KeywordPosition(line, kDegree); degree != 0) {
    temperature = ToAsciiDigits(CharWindow(line, degree - kNumberWidth, kNumberWidth));
  }
  StoreStationObservation(store, slot, direction, force, ReduceWeatherWord(weather, ReportForm::Bulletin), pressure,
                          temperature);
}

int ReadStations(ObservationStore& store, const BulletinItemList& items, int itemCount, ReadingNotes& notes) {
  const int last = std::min(itemCount, kLastBulletinPosition);
  std::array<bool, kBulletinStationCount> named{};
  std::string loneLine;  // an item with neither a known name nor a report: a long name of another year?
  int p = 0;
  for (; p <= last; ++p) {
    const ScanText line(items[static_cast<std::size_t>(p)]);
    if (line.Find(kNorthLatitude, 0) != std::string::npos) break;  // the first ship report
    const std::optional<StationNameMatch> name = MatchStationName(line, 0);
    if (!name) {
      const std::size_t noted = notes.unknownStations.size();
      NoteUnknownStations(line, 0, line.Size(), notes.unknownStations);
      if (notes.unknownStations.size() > noted && notes.unknownStations.back().empty())
        notes.unknownStations.back() = loneLine;
      loneLine = notes.unknownStations.size() == noted ? line.Text() : std::string();
      continue;
    }
    loneLine.clear();
    StationReading reading = ReadStationFields(line, name->end, line.Size(), ReportForm::Bulletin);
    // A long name stands alone; its values are the next item.
    if (name->end == line.Size() && p < last) {
      const std::string& next = items[static_cast<std::size_t>(p + 1)];
      if (!MatchStationName(ScanText(next), 0)) {
        reading = ReadStationFields(next, ReportForm::Bulletin);
        ++p;
      }
    }
    const auto slot = static_cast<std::size_t>(name->slot);
    if (named[slot]) continue;
    named[slot] = true;
    store.stationRecords[slot] = reading.record;
    if (name->name == kOzernayaName) store.stations.names[slot] = std::string(kOzernayaName);
  }

  // Slots no item named: beyond the end of a short text the fixed layout's
  // item is read, whatever an earlier paste left there; inside it they are empty.
  const bool layoutA = CharSubstr(items[kFirstLongNameSlot], 0, CharLength(kLayoutAMarker)) == kLayoutAMarker;
  for (int slot = 0; slot < kBulletinStationCount; ++slot) {
    if (named[static_cast<std::size_t>(slot)]) continue;
    const StationItem at = ItemOfSlot(slot, layoutA);
    if (at.position <= itemCount) {
      store.stationRecords[slot] = kNoStationReport;
      continue;
    }
    if (slot == kOzernayaSlot && !layoutA) store.stations.names[kOzernayaSlot] = std::string(kOzernayaName);
    const std::string name = at.emptyName ? std::string() : store.stations.names[slot];
    ParseStationLine(store, items[static_cast<std::size_t>(at.position)], name, slot);
  }
  return p;
}

}  // namespace nimbara
