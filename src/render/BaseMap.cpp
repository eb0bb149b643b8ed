#include "render/BaseMap.h"

#include "core/Coastline.h"

namespace nimbara {

void ApplyMapView(Canvas& canvas, const MapView& view) { canvas.SetScale(view); }

void ClearCanvas(Canvas& canvas) { canvas.Clear(); }

void DrawBaseMap(Canvas& canvas, Colour mapColour) {
  canvas.SetLineWidth(kThinLineWidth);
  for (const CoastSegment& s : CoastSegments()) canvas.Line({s.x1, s.y1}, {s.x2, s.y2}, mapColour);
}

}  // namespace nimbara
