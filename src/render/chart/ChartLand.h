#pragma once
// The land and sea of the chart: tinted as on the agency's colour charts,
// land a pale warm tint and sea a pale cool one (not over a satellite
// picture, which shows them itself), and the shore drawn over them, with a
// small island round each island station the low-resolution shore lacks.
// Both are cut at the edge of the map's view.

#include <array>
#include <span>
#include <string_view>
#include <vector>

#include "canvas/Canvas.h"
#include "core/ObservationStore.h"
#include "core/PathGeometry.h"

namespace nimbara::chart {

// The island stations too small for the chart's shoreline.
inline constexpr std::array<std::string_view, 5> kIslandStations = {"八丈島", "ウルルン島", "南大東島", "父島",
                                                                   "南鳥島"};

// The islands drawn round the island stations: closed rings just round
// their symbols' circles, round on the screen as the circles are.
std::vector<Path> IslandRings(const Canvas& canvas, const ObservationStore& store);

// The view filled with the sea's tint, then the land's rings with the
// land's (the lakes with the sea's again); nothing over a picture.
void TintLandAndSea(Canvas& canvas, std::span<const Path> islands);

// The shore: the coast's rings but where the table's edge closes them, and the islands.
void DrawShore(Canvas& canvas, std::span<const Path> islands);

}  // namespace nimbara::chart
