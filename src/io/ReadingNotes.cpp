#include "io/ReadingNotes.h"

namespace nimbara {
namespace {

void Drop(std::int32_t& pressure, const std::string& who, ReadingNotes& notes) {
  if (pressure == 0 || IsPlausiblePressure(pressure)) return;
  notes.implausiblePressures.push_back(who + " " + std::to_string(pressure) + "hPa");
  pressure = 0;
}

std::string Place(std::int32_t latitude, std::int32_t longitude) {
  return "北緯" + std::to_string(latitude) + "度 東経" + std::to_string(longitude) + "度";
}

}  // namespace

bool IsPlausiblePressure(std::int32_t hPa) {
  return hPa >= kLowestPlausiblePressure && hPa <= kHighestPlausiblePressure;
}

void DropImplausibleStationPressures(ObservationStore& store, ReadingNotes& notes) {
  for (int slot = 0; slot < kBulletinStationCount; ++slot) {
    Drop(store.stationRecords[slot].pressure, store.stations.names[slot], notes);
  }
}

void DropImplausibleShipPressures(ObservationStore& store, ReadingNotes& notes) {
  for (int i = 0; i < ClampCount(store.shipCount); ++i) {
    ShipRecord& ship = store.ships[i];
    Drop(ship.pressure, "船舶（" + Place(ship.latitude, ship.longitude) + "）", notes);
  }
}

void DropImplausibleSystemPressures(ObservationStore& store, ReadingNotes& notes) {
  for (int i = 0; i < ClampCount(store.systemCount); ++i) {
    SystemEntry& entry = store.systems[i];
    Drop(entry.pressure, entry.kind + "（" + Place(entry.latitude, entry.longitude) + "）", notes);
  }
}

}  // namespace nimbara
