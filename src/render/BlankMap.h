#pragma once
// A blank map form for drawing weather maps by hand: the coastline, a
// 10-degree latitude/longitude grid and every station with its name.

#include "canvas/Canvas.h"
#include "core/ObservationStore.h"

namespace nimbara {

void DrawBlankMap(Canvas& canvas, const StationTable& stations, int stationCount);

}  // namespace nimbara
