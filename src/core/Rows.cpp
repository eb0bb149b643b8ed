#include "core/Rows.h"

#include "core/CodeTables.h"
#include "core/Numbers.h"
#include "core/Text.h"

namespace nimbara {
namespace {

bool HasObservation(const StationRecord& r) { return r.pressure != 0 || r.force != 0 || r.temperature != 0; }

}  // namespace

std::string StationEntryRow(std::string_view name, const StationRecord& record, std::string_view forceText,
                            std::string_view pressureText, std::string_view temperatureText) {
  const std::string weather = HasObservation(record) ? WeatherName(record.weather) : std::string();
  return PadRight(name, 10) + PadRight(WindDirectionText(record.direction, record.force, kNoDirection), 6) +
         PadLeft(forceText, 3) + " " + PadRight(weather, 6) + PadLeft(pressureText, 5) +
         PadLeft(temperatureText, 3);
}

std::string ShipEntryRow(const ShipRecord& record, std::string_view latitudeText, std::string_view longitudeText,
                         std::string_view forceText, std::string_view pressureText) {
  return PadLeft(latitudeText, 4) + PadLeft(longitudeText, 4) +
         PadRight(WindDirectionText(record.direction, record.force, kNoDirection), 6) + PadLeft(forceText, 3) + " " +
         PadRight(WeatherName(record.weather), 6) + PadLeft(pressureText, 5);
}

std::string SystemEntryRow(std::string_view kind, std::string_view latitudeText, std::string_view longitudeText,
                           std::size_t longitudeWidth, std::string_view pressureText) {
  const std::string pressure = pressureText.empty() ? std::string(5, ' ') : PadLeft(pressureText, 5);
  return PadLeft(latitudeText, 4) + PadLeft(longitudeText, longitudeWidth) + pressure + " " + std::string(kind);
}

std::string FormatStationRow(const ObservationStore& store, int slot, RowLayout layout) {
  const StationRecord& r = store.stationRecords[slot];
  const std::string& name = store.stations.names[slot];
  if (layout == RowLayout::Entry) {
    return StationEntryRow(name, r, SignedText(r.force), SignedText(r.pressure), SignedText(r.temperature));
  }
  return PadRightColumns(name, 18) + PadRightColumns(WindDirectionText(r.direction, r.force, kNoDirection), 7) +
         PadLeft(SignedText(r.force), 2) + " " + PadRightColumns(WeatherName(r.weather), 6) +
         PadLeft(SignedText(r.pressure), 5) + PadLeft(SignedText(r.temperature), 4);
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
    return SystemEntryRow(e.kind, SignedText(e.latitude), SignedText(e.longitude), 5, pressureText);
  }
  const std::string pressure = (blankZeroPressure && e.pressure == 0)
                                   ? std::string(8, ' ')
                                   : PadLeft(SignedText(e.pressure), 5) + "hPa";
  return PadLeft(SignedText(e.latitude), 4) + "N" + PadLeft(SignedText(e.longitude), 5) + "E" + pressure + " " +
         e.kind;
}

}  // namespace nimbara
