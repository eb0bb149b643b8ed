#pragma once
// The base map: the map view put on the Canvas, the drawing cleared, the coastline.

#include "canvas/Canvas.h"

namespace nimbara {

// Sets the Canvas user scale from the map view (a width or height of 0 never
// reaches the Canvas, see UsableMapView).
void ApplyMapView(Canvas& canvas, const MapView& view);
// Erases everything drawn; the background picture stays.
void ClearCanvas(Canvas& canvas);
// The coastline in the map colour, 1 wide; a pen-up mark suppresses both
// segments that touch it.
void DrawBaseMap(Canvas& canvas, Colour mapColour);

}  // namespace nimbara
