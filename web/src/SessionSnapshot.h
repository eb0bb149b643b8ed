#pragma once
// What the page keeps in the browser's session storage, so that a reload or a
// tab the browser discarded comes back with the person's work: the data as a
// full data file would hold it, the data as last loaded or saved (so unsaved
// work stays unsaved) and the current file's name.

#include <string>
#include <string_view>

#include "app/AppState.h"

namespace nimbara {

// One text the page stores as it is.
std::string SnapshotText(const AppState& state);

// The state a snapshot was taken of, in a state fresh from the start: the
// store, the entry lists' rows, the settings and the current file's name.
// False, and nothing changed, for a text that is no snapshot.
bool RestoreSnapshot(AppState& state, std::string_view text);

}  // namespace nimbara
