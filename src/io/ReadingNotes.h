#pragma once
// The account a paste gives of its text: what was read, what was changed on
// the way, and every part that carries a number or a station name but was not
// read, quoted as it stood. Also the plausibility rules every pressure and
// position read from text passes.

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/ObservationStore.h"
#include "io/ScanText.h"

namespace nimbara {

struct ReadingNotes {
  std::vector<std::string> unknownStations;       // names of station reports not in the table
  std::vector<std::string> implausiblePressures;  // "石垣島 1200hPa": stored as missing instead
  std::vector<std::string> unreadClauses;         // clauses of systems that were cut off or had no position
  std::vector<std::string> skipped;               // quoted parts with numbers or names that nothing read
  std::vector<std::string> repeated;              // items given again alike: the first was kept
  std::vector<std::string> differing;             // items given again otherwise: "那覇（…／…）"
  std::vector<std::string> shipsWithoutPressure;  // "JPBX（北緯41度 東経138度）": not stored
  std::vector<std::string> offMap;                // positions stored though the map does not reach them
  std::vector<std::string> impossiblePositions;   // positions that are no place on earth: not stored
  std::vector<std::string> missingTemperatures;   // stations stored with 0 度 for want of a temperature
  std::map<std::string, std::vector<std::string>> reductions;  // "霧雨" -> who was read with it
  std::map<std::string, std::string> reducedTo;                // "霧雨" -> "雨"
};

// Sea-level pressures outside 870 to 1090 hPa are misread, not weather.
inline constexpr std::int32_t kLowestPlausiblePressure = 870;
inline constexpr std::int32_t kHighestPlausiblePressure = 1090;
bool IsPlausiblePressure(std::int32_t hPa);

// A latitude and longitude that name a place on earth, and one the map shows
// (10 to 56 degrees north).
bool IsPossiblePosition(std::int32_t latitude, std::int32_t longitude);
bool IsOnMapLatitude(std::int32_t latitude);
// "北緯41度 東経138度".
std::string PositionText(std::int32_t latitude, std::int32_t longitude);

// Each pressure of the part that was read (not 0) but is not plausible is
// stored as missing (0) and noted: the stations of the bulletin (slots 0 to
// 52), the listed ships, the listed systems.
void DropImplausibleStationPressures(ObservationStore& store, ReadingNotes& notes);
void DropImplausibleShipPressures(ObservationStore& store, ReadingNotes& notes);
void DropImplausibleSystemPressures(ObservationStore& store, ReadingNotes& notes);

// The parts of a text that its readers used, as offsets of ScanText::Text().
class UsedSpans {
 public:
  void Add(std::size_t begin, std::size_t end);
  // Whether a used span holds the offset.
  bool Covers(std::size_t at) const;
  // Where the first used span at or after `from` begins, or npos.
  std::size_t NextStart(std::size_t from) const;
  // Every part of `text` outside the used spans that holds a digit or a
  // station name, quoted
  // from the last "。" or used span before it to the next one.
  std::vector<std::string> Unused(const ScanText& text) const;

 private:
  const std::vector<std::pair<std::size_t, std::size_t>>& Sorted() const;
  mutable std::vector<std::pair<std::size_t, std::size_t>> m_spans;
  mutable bool m_sorted = true;
};

}  // namespace nimbara
