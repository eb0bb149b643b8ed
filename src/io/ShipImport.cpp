#include "io/ShipImport.h"

#include <algorithm>
#include <string>

#include "io/ScanText.h"
#include "io/StationLine.h"

namespace nimbara {
namespace {

// One report from its two lines: the position and the wind in the first, the
// weather and pressure in the second; false when the second holds no pressure.
bool ReadShipReport(std::string_view lineA, std::string_view lineB, ShipRecord& ship) {
  const ScanText position(lineA);
  std::size_t windStart = 0;
  ship.latitude = ship.longitude = 0;
  const std::size_t north = position.Find(kNorthLatitude, 0);
  if (const std::optional<ScannedPosition> at =
          north == std::string::npos ? std::nullopt : ScanPosition(position, north)) {
    ship.latitude = at->latitude;
    ship.longitude = at->longitude;
    windStart = at->end;
  }
  // A wind without a known direction is no wind.
  const StationReading wind = ReadStationFields(position, windStart, position.Size(), ReportForm::Bulletin);
  ship.direction = wind.hasDirection ? wind.record.direction : 0;
  ship.force = wind.hasDirection ? wind.record.force : 0;

  const StationReading values = ReadStationFields(lineB, ReportForm::Bulletin);
  ship.weather = values.record.weather;
  if (!values.pressureGiven) return false;
  ship.pressure = values.record.pressure;
  return true;
}

}  // namespace

void ReadShipReports(ObservationStore& store, const BulletinItemList& items, int shipStart, int itemCount,
                     int previousShipRows) {
  for (int i = std::min(previousShipRows, kSlotCount) - 1; i >= 0; --i) {
    ShipRecord& ship = store.ships[i];
    ship.direction = 0;
    ship.force = 0;
    ship.weather = 0;
    ship.pressure = 0;
  }
  store.shipCount = 0;
  const int lastPosition = std::min(itemCount, kLastBulletinPosition);
  for (int p = shipStart; p <= lastPosition && store.shipCount < kSlotCount; p += 2) {
    const std::string& lineA = items[static_cast<std::size_t>(p)];
    // A first line without its partner in this text has no second line.
    const std::string_view lineB = p + 1 <= lastPosition ? std::string_view(items[static_cast<std::size_t>(p + 1)]) : "";
    if (ReadShipReport(lineA, lineB, store.ships[store.shipCount])) ++store.shipCount;
  }
}

}  // namespace nimbara
