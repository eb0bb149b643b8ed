#include "web/SessionSnapshot.h"

#include <array>

#include "app/SettingsCommands.h"
#include "app/ShipEntry.h"
#include "app/StationEntry.h"
#include "app/SystemEntryEditor.h"
#include "io/DataFile.h"

namespace nimbara {
namespace {

// Separates the snapshot's three parts: a data file is text in lines and
// never holds a form feed.
constexpr char kPartBreak = '\f';
enum Part { kPath, kSaved, kData, kPartCount };

std::string DataText(const AppState& state) {
  const DataFileCounts counts{state.stationRows.Count(), state.shipRows.Count(), state.systemRows.Count()};
  // Negative values go as a save would write them, without touching the state.
  ObservationStore store = state.store;
  ClearNegativeValues(store, counts);
  const Settings settings = SettingsOf(state);
  std::string text;
  for (const std::string& line : DataFileLines(store, counts, &settings)) text += line + '\n';
  return text;
}

void ApplySnapshotSettings(AppState& state, const std::vector<SettingLine>& lines) {
  Settings settings = SettingsOf(state);
  for (const SettingLine& line : lines) ApplySettingLine(settings, line);
  ApplySettings(state, settings);
}

}  // namespace

std::string SnapshotText(const AppState& state) {
  return state.currentFilePath + kPartBreak + state.savedObservations + kPartBreak + DataText(state);
}

bool RestoreSnapshot(AppState& state, std::string_view text) {
  std::array<std::string_view, kPartCount> parts;
  for (int part = kPath; part < kData; ++part) {
    const std::size_t end = text.find(kPartBreak);
    if (end == std::string_view::npos) return false;
    parts[part] = text.substr(0, end);
    text.remove_prefix(end + 1);
  }
  parts[kData] = text;
  const std::optional<DataFileContents> contents = ParseDataFile(parts[kData]);
  if (!contents) return false;
  ApplyDataFile(*contents, state.store);
  LoadStationRows(state);
  LoadShipRows(state);
  LoadSystemRows(state);
  ApplySnapshotSettings(state, contents->settingLines);
  state.currentFilePath = parts[kPath];
  state.savedObservations = parts[kSaved];
  state.field.grid.MarkStale();
  return true;
}

}  // namespace nimbara
