#pragma once
// The one store of observations: the station table with its records, the ship
// reports, the system entries and the observation-date text. Every table has
// 201 slots (0 to 200); nothing is ever stored beyond slot 200.

#include <cstdint>
#include <string>

#include "core/SlotArray.h"

namespace nimbara {

inline constexpr int kBuiltInStationCount = 54;  // 53 bulletin stations and 富士山
inline constexpr int kBulletinStationCount = 53;

struct StationRecord {
  std::int32_t direction = 0;
  std::int32_t force = 0;
  std::int32_t weather = 0;
  std::int32_t pressure = 0;     // whole hPa, 0 missing
  std::int32_t temperature = 0;  // whole degrees Celsius
  bool operator==(const StationRecord&) const = default;
};

// A station report without force, pressure and temperature is written to the
// data file with the weather 不明, whatever its weather was, and reads back so.
bool IsUndeterminedReport(const StationRecord& r);
// The record as the data file gives it back.
StationRecord AsReadBack(StationRecord r);

struct ShipRecord {
  std::int32_t latitude = 0;
  std::int32_t longitude = 0;
  std::int32_t direction = 0;
  std::int32_t force = 0;
  std::int32_t weather = 0;
  std::int32_t pressure = 0;
  bool operator==(const ShipRecord&) const = default;
};

struct SystemEntry {
  std::string kind;
  std::int32_t latitude = 0;
  std::int32_t longitude = 0;
  std::int32_t pressure = 0;
  bool operator==(const SystemEntry&) const = default;
};

// Station names and fixed map positions. Slots 54 to 200 of the name table
// hold the kind names that BuildPlotPoints writes for system entries.
struct StationTable {
  SlotArray<std::string> names{};
  SlotArray<std::int32_t> x{};
  SlotArray<std::int32_t> y{};
  bool operator==(const StationTable&) const = default;
};

// The built-in station table (names and positions of slots 0 to 53).
StationTable BuiltInStationTable();

struct ObservationStore {
  std::string observationDate;
  StationTable stations = BuiltInStationTable();
  SlotArray<StationRecord> stationRecords{};
  SlotArray<ShipRecord> ships{};
  SlotArray<SystemEntry> systems{};
  std::int16_t stationCount = kBuiltInStationCount;
  std::int16_t shipCount = 0;
  std::int16_t systemCount = 0;
  bool operator==(const ObservationStore&) const = default;
};

// Clamps a count read from outside to what the tables hold (0 to 201).
std::int16_t ClampCount(long long count);

// How many stations, ships and system entries fit the 201 plot slots, in
// that order.
struct PlotCounts {
  int stations = 0;
  int ships = 0;
  int systems = 0;
};
PlotCounts ClampedPlotCounts(const ObservationStore& store);

}  // namespace nimbara
