#include "core/Rows.h"

#include "core/CodeTables.h"
#include "core/Numbers.h"
#include "core/Text.h"

namespace nimbara {
namespace {

// Entry-layout fields, in characters.
constexpr std::size_t kNameWidth = 10;
constexpr std::size_t kWordWidth = 6;  // direction and weather names
constexpr std::size_t kForceWidth = 3;
constexpr std::size_t kPositionWidth = 4;  // latitudes, and the longitudes of ships
constexpr std::size_t kPressureWidth = 5;
constexpr std::size_t kTemperatureWidth = 3;
constexpr std::size_t kStoreLongitudeWidth = 5;  // system rows built from the store

// Import-layout station fields: names in columns, two to a character.
constexpr std::size_t kImportNameColumns = 18;
constexpr std::size_t kImportDirectionColumns = 7;
constexpr std::size_t kImportWeatherColumns = 6;
constexpr std::size_t kImportForceWidth = 2;
constexpr std::size_t kImportTemperatureWidth = 4;
// Import-layout system fields: a pressure with its unit, or as many spaces.
constexpr std::size_t kImportLongitudeWidth = 5;
constexpr std::string_view kPressureUnit = "hPa";

std::string Blank(std::size_t width) { return std::string(width, ' '); }

bool HasObservation(const StationRecord& r) { return r.pressure != 0 || r.force != 0 || r.temperature != 0; }

}  // namespace

std::string StationEntryRow(std::string_view name, const StationRecord& record, std::string_view forceText,
                            std::string_view pressureText, std::string_view temperatureText) {
  const std::string weather = HasObservation(record) ? WeatherName(record.weather) : std::string();
  return PadRight(name, kNameWidth) +
         PadRight(WindDirectionText(record.direction, record.force, kNoDirection), kWordWidth) +
         PadLeft(forceText, kForceWidth) + " " + PadRight(weather, kWordWidth) + PadLeft(pressureText, kPressureWidth) +
         PadLeft(temperatureText, kTemperatureWidth);
}

std::string ShipEntryRow(const ShipRecord& record, std::string_view latitudeText, std::string_view longitudeText,
                         std::string_view forceText, std::string_view pressureText) {
  return PadLeft(latitudeText, kPositionWidth) + PadLeft(longitudeText, kPositionWidth) +
         PadRight(WindDirectionText(record.direction, record.force, kNoDirection), kWordWidth) +
         PadLeft(forceText, kForceWidth) + " " + PadRight(WeatherName(record.weather), kWordWidth) +
         PadLeft(pressureText, kPressureWidth);
}

std::string SystemEntryRow(std::string_view kind, std::string_view latitudeText, std::string_view longitudeText,
                           std::size_t longitudeWidth, std::string_view pressureText) {
  const std::string pressure = pressureText.empty() ? Blank(kPressureWidth) : PadLeft(pressureText, kPressureWidth);
  return PadLeft(latitudeText, kPositionWidth) + PadLeft(longitudeText, longitudeWidth) + pressure + " " +
         std::string(kind);
}

std::string FormatStationRow(const ObservationStore& store, int slot, RowLayout layout) {
  const StationRecord& r = store.stationRecords[slot];
  const std::string& name = store.stations.names[slot];
  if (layout == RowLayout::Entry) {
    return StationEntryRow(name, r, SignedText(r.force), SignedText(r.pressure), SignedText(r.temperature));
  }
  return PadRightColumns(name, kImportNameColumns) +
         PadRightColumns(WindDirectionText(r.direction, r.force, kNoDirection), kImportDirectionColumns) +
         PadLeft(SignedText(r.force), kImportForceWidth) + " " +
         PadRightColumns(WeatherName(r.weather), kImportWeatherColumns) +
         PadLeft(SignedText(r.pressure), kPressureWidth) + PadLeft(SignedText(r.temperature), kImportTemperatureWidth);
}

std::string FormatShipRow(const ObservationStore& store, int index) {
  const ShipRecord& r = store.ships[index];
  return ShipEntryRow(r, SignedText(r.latitude), SignedText(r.longitude), SignedText(r.force),
                      SignedText(r.pressure));
}

std::string FormatSystemRow(const ObservationStore& store, int index, RowLayout layout, bool blankZeroPressure) {
  const SystemEntry& e = store.systems[index];
  if (layout == RowLayout::Entry) {
    const bool noPressure = e.pressure == 0 || IsFrontKind(e.kind);
    const std::string pressureText = noPressure ? std::string() : SignedText(e.pressure);
    return SystemEntryRow(e.kind, SignedText(e.latitude), SignedText(e.longitude), kStoreLongitudeWidth,
                          pressureText);
  }
  const std::string pressure = (blankZeroPressure && e.pressure == 0)
                                   ? Blank(kPressureWidth + kPressureUnit.size())
                                   : PadLeft(SignedText(e.pressure), kPressureWidth) + std::string(kPressureUnit);
  return PadLeft(SignedText(e.latitude), kPositionWidth) + "N" +
         PadLeft(SignedText(e.longitude), kImportLongitudeWidth) + "E" + pressure + " " + e.kind;
}

}  // namespace nimbara
