#pragma once
// The systems-and-fronts bulletin reader: every bracketed position of a line
// becomes one systems entry of the kind its line (or the last keyword line)
// names.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/ObservationStore.h"
#include "io/BulletinItems.h"

namespace nimbara {

// The lines of a systems bulletin: line 1 (the observation date, already
// taken as the header) is skipped, line 2 is stored at position 0, every
// further non-empty line at the next position (up to 400). Returns the last
// position written, or kNotSystemsBulletin (nothing written) when line 2
// does not begin with one of the keywords.
inline constexpr int kNotSystemsBulletin = -1;
int ReadSystemsLines(std::string_view text, BulletinItemList& lines);

// The pressure written before "hPa" in a line (0 without "hPa").
std::int32_t SystemsLinePressure(std::string_view line);

// Appends one entry for every "(lat N, lon E)" position of the line; at most
// 201 entries are kept.
void AddPositions(ObservationStore& store, std::string_view line, std::string_view kind, std::int32_t pressure);

// Examines lines 0 to `lastPosition` in order, choosing kind and pressure by
// each line's first two characters, and appends their positions.
void AddSystemLines(ObservationStore& store, const BulletinItemList& lines, int lastPosition);

}  // namespace nimbara
