#include "app/SavedObservations.h"

#include <algorithm>

#include "app/FileCommands.h"
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

// A state never loaded nor saved (a test's, a command line's) has something
// to lose only when it holds observations.
bool HoldsObservations(const ObservationStore& store) {
  return store.shipCount > 0 || store.systemCount > 0 ||
         std::any_of(store.stationRecords.begin(), store.stationRecords.end(),
                     [](const StationRecord& record) { return record != StationRecord{}; });
}

}  // namespace

void RememberSavedObservations(AppState& state) { state.savedObservations = ObservationText(state); }

bool ObservationsUnsaved(const AppState& state) {
  if (state.savedObservations.empty()) return HoldsObservations(state.store);
  return ObservationText(state) != state.savedObservations;
}

bool MayReplaceObservations(const AppContext& app, const UnsavedQuestion& ask) {
  if (!ObservationsUnsaved(app.state)) return true;
  switch (app.ui.AskYesNoCancel(ask.title, ask.question)) {
    case YesNoCancel::Yes:
      cntSave_Click(app);
      return !ObservationsUnsaved(app.state);
    case YesNoCancel::No:
      return true;
    case YesNoCancel::Cancel:
      return false;
  }
  return false;
}

}  // namespace nimbara
