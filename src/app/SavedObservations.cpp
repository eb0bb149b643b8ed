#include "app/SavedObservations.h"

#include "io/DataFile.h"

namespace nimbara {
namespace {

// The observation part of the data file (the settings block is not theirs),
// with the counts a save takes from the rows.
std::string ObservationText(const AppState& state) {
  const DataFileCounts counts{state.stationRows.Count(), state.shipRows.Count(), state.systemRows.Count()};
  std::string text;
  for (const std::string& line : DataFileLines(state.store, counts, nullptr)) text += line + '\n';
  return text;
}

}  // namespace

void RememberSavedObservations(AppState& state) { state.savedObservations = ObservationText(state); }

bool ObservationsUnsaved(const AppState& state) { return ObservationText(state) != state.savedObservations; }

}  // namespace nimbara
