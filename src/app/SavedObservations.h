#pragma once
// Whether the observations changed since they were last loaded or saved. The
// text they would be saved as is remembered at every load and save and
// compared at the end, so no command has to report that it changed them.

#include "app/AppState.h"

namespace nimbara {

// A data file was just loaded or written from the observations as they stand.
void RememberSavedObservations(AppState& state);
// The observations differ from those last loaded or saved.
bool ObservationsUnsaved(const AppState& state);

}  // namespace nimbara
