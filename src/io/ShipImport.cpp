#include "io/ShipImport.h"

#include <algorithm>
#include <string>

#include "core/CodeTables.h"
#include "core/Numbers.h"
#include "core/Text.h"
#include "io/BulletinText.h"
#include "io/StationImport.h"

namespace nimbara {
namespace {

constexpr std::u32string_view kLatitude = U"北緯";
constexpr std::u32string_view kLongitude = U"東経";
constexpr std::u32string_view kDegree = U"度";
constexpr std::u32string_view kForce = U"風力";
constexpr std::u32string_view kHectopascal = U"ｈＰａ";
constexpr std::u32string_view kWeather = U"天気";

constexpr std::int64_t kCoordinateOffset = 2;  // after the start of "北緯" and "東経"
constexpr std::int64_t kLatitudeWidth = 4;
constexpr std::int64_t kLongitudeWidth = 5;
constexpr std::int64_t kDirectionWidth = 5;    // right after "度"
constexpr std::int64_t kForceOffset = 2;
constexpr std::int64_t kForceWidth = 3;
constexpr std::int64_t kWeatherOffset = 3;     // after the start of "天気"
constexpr std::int64_t kWeatherWidth = 5;

constexpr int kNotADirection = -1;

int DirectionIndex(std::string_view name) {
  const auto it = std::find(kWindDirectionList.begin(), kWindDirectionList.end(), name);
  return it == kWindDirectionList.end() ? kNotADirection : static_cast<int>(it - kWindDirectionList.begin());
}

std::int32_t NumberAt(std::u32string_view line, std::int64_t start, std::int64_t width) {
  return ReadRounded(ToAsciiDigits(CharWindow(line, start, width)));
}

// One report from its two lines; false when line B holds no pressure.
bool ReadShipReport(std::u32string_view lineA, std::u32string_view lineB, ShipRecord& ship) {
  ship.latitude = NumberAt(lineA, KeywordPosition(lineA, kLatitude) + kCoordinateOffset, kLatitudeWidth);
  const std::int64_t longitude = KeywordPosition(lineA, kLongitude);
  ship.longitude = NumberAt(lineA, longitude + kCoordinateOffset, kLongitudeWidth);

  const std::int64_t degree = KeywordPosition(lineA, kDegree, longitude);
  const int direction = DirectionIndex(TrimmedWindow(lineA, degree + 1, kDirectionWidth));
  if (direction == kNotADirection) {
    ship.direction = 0;
    ship.force = 0;
  } else {
    ship.direction = direction;
    ship.force = NumberAt(lineA, KeywordPosition(lineA, kForce, degree) + kForceOffset, kForceWidth);
  }

  const std::int64_t weather = KeywordPosition(lineB, kWeather);
  ship.weather = WeatherCode(ReduceWeatherWord(TrimmedWindow(lineB, weather + kWeatherOffset, kWeatherWidth)));
  if (KeywordPosition(lineB, kHectopascal) == 0) return false;
  ship.pressure = BulletinPressure(lineB);
  return true;
}

}  // namespace

void ReadShipReports(ObservationStore& store, const BulletinItemList& items, int shipStart, int itemCount,
                     int previousShipRows) {
  for (int i = std::min(previousShipRows, kSlotCount) - 1; i >= 0; --i) {
    ShipRecord& ship = store.ships[static_cast<std::size_t>(i)];
    ship.direction = 0;
    ship.force = 0;
    ship.weather = 0;
    ship.pressure = 0;
  }
  store.shipCount = 0;
  const int lastPosition = std::min(itemCount, kLastBulletinPosition);
  for (int p = shipStart; p <= lastPosition && store.shipCount < kSlotCount; p += 2) {
    const std::u32string lineA = ToCodePoints(items[static_cast<std::size_t>(p)]);
    // A first line without its partner in this text has no second line.
    const std::u32string lineB =
        p + 1 <= lastPosition ? ToCodePoints(items[static_cast<std::size_t>(p + 1)]) : std::u32string();
    if (ReadShipReport(lineA, lineB, store.ships[static_cast<std::size_t>(store.shipCount)])) ++store.shipCount;
  }
}

}  // namespace nimbara
