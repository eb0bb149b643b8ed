#pragma once
// What the readers of pasted text skipped and why, for the report after a
// paste, and the plausibility rule every pressure read from text passes.

#include <cstdint>
#include <string>
#include <vector>

#include "core/ObservationStore.h"

namespace nimbara {

struct ReadingNotes {
  std::vector<std::string> unknownStations;       // names of station reports not in the table
  std::vector<std::string> implausiblePressures;  // "石垣島 1200hPa": stored as missing instead
  std::vector<std::string> unreadClauses;         // beginnings of clauses without positions or cut off
};

// Sea-level pressures outside 870 to 1090 hPa are misread, not weather.
inline constexpr std::int32_t kLowestPlausiblePressure = 870;
inline constexpr std::int32_t kHighestPlausiblePressure = 1090;
bool IsPlausiblePressure(std::int32_t hPa);

// Each pressure of the part that was read (not 0) but is not plausible is
// stored as missing (0) and noted: the stations of the bulletin (slots 0 to
// 52), the listed ships, the listed systems.
void DropImplausibleStationPressures(ObservationStore& store, ReadingNotes& notes);
void DropImplausibleShipPressures(ObservationStore& store, ReadingNotes& notes);
void DropImplausibleSystemPressures(ObservationStore& store, ReadingNotes& notes);

}  // namespace nimbara
