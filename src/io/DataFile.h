#pragma once
// The observation data file: the observation-date text, the station records,
// the ship reports and the system entries in fixed-width comma-separated
// lines; a full data file adds the settings block.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ObservationStore.h"
#include "io/FileIo.h"
#include "io/SettingsFile.h"

namespace nimbara {

inline constexpr std::string_view kStationSection = "各地の天気";
inline constexpr std::string_view kShipSection = "船舶の報告";
inline constexpr std::string_view kSystemSection = "漁業気象";
inline constexpr std::string_view kMountFuji = "富士山";  // written without a pressure

// How many records a file holds, from the rows of the entry windows' lists.
struct DataFileCounts {
  int stations = 0;
  int ships = 0;
  int systems = 0;
};

// Negative direction, force, weather and pressure of the counted stations
// and ships, and negative pressures of the counted systems, become 0.
// Temperatures are kept.
void ClearNegativeValues(ObservationStore& store, const DataFileCounts& counts);

// The lines of a data file; with `settings` (a full data file) the settings
// block follows the system section. Counts are clamped to the store's slots.
std::vector<std::string> DataFileLines(const ObservationStore& store, const DataFileCounts& counts,
                                       const Settings* settings);

struct DataFileStation {
  std::string name;
  StationRecord record;
  bool operator==(const DataFileStation&) const = default;
};

// What a data file holds. A section never has more than 201 records: the
// records beyond slot 200 are read over and dropped.
struct DataFileContents {
  std::string observationDate;
  std::vector<DataFileStation> stations;
  std::vector<ShipRecord> ships;
  std::vector<SystemEntry> systems;
  std::vector<SettingLine> settingLines;  // the lines after the system section
};

// The contents of a data file text (UTF-8, CR LF or LF), or nothing when the
// text is not a data file (its section word is not kStationSection).
// Missing fields of a truncated text read as empty.
std::optional<DataFileContents> ParseDataFile(std::string_view text);

struct DataFileRead {
  DataFileContents contents;
  FileStatus status;
};

// The file at `path`, read once, as ParseDataFile reads its text; a text that
// is not a data file is FileFault::WrongKind.
DataFileRead ReadDataFile(const std::string& path);

// Stores the date, station names and records, ships and systems, with their
// counts. Records of the store beyond the file's counts stay as they were.
void ApplyDataFile(const DataFileContents& contents, ObservationStore& store);

}  // namespace nimbara
