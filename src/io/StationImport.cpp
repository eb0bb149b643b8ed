#include "io/StationImport.h"

#include <array>
#include <utility>

#include "core/CodeTables.h"
#include "core/Numbers.h"
#include "core/Text.h"
#include "io/BulletinText.h"

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

constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kWeatherReductions = {{
    {"にわか雪", "雪"}, {"にわか雨", "雨"}, {"天気不明", "不明"}}};

// Layout A: the long names of slots 30 and 32 stand in items of their own.
constexpr int kFirstLongNameSlot = 30;
constexpr int kSecondLongNameSlot = 32;
constexpr std::string_view kLayoutAMarker = "セベロクリリスク";
constexpr std::string_view kLayoutBName = "オゼルナヤ";
constexpr int kLayoutAShipStart = 56;
constexpr int kLayoutBShipStart = 55;

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

std::string ReduceWeatherWord(std::string weather) {
  for (const auto& [word, reduced] : kWeatherReductions) {
    if (weather == word) return std::string(reduced);
  }
  return weather;
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
  StationRecord& record = store.stationRecords[static_cast<std::size_t>(slot)];
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
  StoreStationObservation(store, slot, direction, force, ReduceWeatherWord(std::move(weather)), pressure,
                          temperature);
}

int ReadStations(ObservationStore& store, const BulletinItemList& items) {
  const bool layoutA = CharSubstr(items[kFirstLongNameSlot], 0, CharLength(kLayoutAMarker)) == kLayoutAMarker;
  if (!layoutA) store.stations.names[kFirstLongNameSlot] = std::string(kLayoutBName);
  for (int slot = 0; slot < kBulletinStationCount; ++slot) {
    const StationItem at = ItemOfSlot(slot, layoutA);
    const std::string name = at.emptyName ? std::string() : store.stations.names[static_cast<std::size_t>(slot)];
    ParseStationLine(store, items[static_cast<std::size_t>(at.position)], name, slot);
  }
  return layoutA ? kLayoutAShipStart : kLayoutBShipStart;
}

}  // namespace nimbara
