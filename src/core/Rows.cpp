#include "core/Rows.h"

#include <string_view>

#include "core/CodeTables.h"
#include "core/Numbers.h"
#include "core/Text.h"

namespace nimbara {
namespace {

// Station fields: names and words in display columns (two to a full-width
// character), so that the columns line up under a fixed-pitch font.
constexpr std::size_t kNameColumns = 18;
constexpr std::size_t kDirectionColumns = 7;
constexpr std::size_t kWeatherColumns = 6;
constexpr std::size_t kStationForceWidth = 2;
constexpr std::size_t kTemperatureWidth = 4;
// Ship fields, in characters.
constexpr std::size_t kShipPositionWidth = 4;
constexpr std::size_t kShipWordWidth = 6;  // direction and weather names
constexpr std::size_t kShipForceWidth = 3;
// Shared fields, in characters.
constexpr std::size_t kPressureWidth = 5;
// System fields: a pressure with its unit, or as many spaces.
constexpr std::size_t kSystemLatitudeWidth = 4;
constexpr std::size_t kSystemLongitudeWidth = 5;
constexpr std::string_view kPressureUnit = "hPa";

constexpr std::string_view kNoDirection = "　　　";  // three ideographic spaces

bool HasObservation(const StationRecord& r) { return r.pressure != 0 || r.force != 0 || r.temperature != 0; }

}  // namespace

std::string FormatStationRow(const ObservationStore& store, int slot) {
  const StationRecord& r = store.stationRecords[slot];
  const std::string& name = store.stations.names[slot];
  if (!HasObservation(r)) return name;
  return PadRightColumns(name, kNameColumns) +
         PadRightColumns(WindDirectionText(r.direction, r.force, kNoDirection), kDirectionColumns) +
         PadLeft(SignedText(r.force), kStationForceWidth) + " " + PadRightColumns(WeatherName(r.weather), kWeatherColumns) +
         PadLeft(SignedText(r.pressure), kPressureWidth) + PadLeft(SignedText(r.temperature), kTemperatureWidth);
}

std::string FormatShipRow(const ObservationStore& store, int index) {
  const ShipRecord& r = store.ships[index];
  return PadLeft(SignedText(r.latitude), kShipPositionWidth) + PadLeft(SignedText(r.longitude), kShipPositionWidth) +
         PadRight(WindDirectionText(r.direction, r.force, kNoDirection), kShipWordWidth) +
         PadLeft(SignedText(r.force), kShipForceWidth) + " " + PadRight(WeatherName(r.weather), kShipWordWidth) +
         PadLeft(SignedText(r.pressure), kPressureWidth);
}

std::string FormatSystemRow(const ObservationStore& store, int index) {
  const SystemEntry& e = store.systems[index];
  const bool noPressure = e.pressure == 0 || IsFrontKind(e.kind);
  const std::string pressure = noPressure ? std::string(kPressureWidth + kPressureUnit.size(), ' ')
                                          : PadLeft(SignedText(e.pressure), kPressureWidth) + std::string(kPressureUnit);
  return PadLeft(SignedText(e.latitude), kSystemLatitudeWidth) + "N" +
         PadLeft(SignedText(e.longitude), kSystemLongitudeWidth) + "E" + pressure + " " + e.kind;
}

}  // namespace nimbara
