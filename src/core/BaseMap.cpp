#include "core/BaseMap.h"

#include "core/Coastline.h"

namespace nimbara {

void ApplyMapView(Canvas& canvas, const MapView& view) { canvas.SetScale(view); }

void ClearCanvas(Canvas& canvas) { canvas.Clear(); }

void DrawBaseMap(Canvas& canvas, Colour mapColour) {
  const CoastlineTable& t = Coastline();
  canvas.SetLineWidth(kThinLineWidth);
  for (int i = 0; i < kCoastlinePointCount; ++i) {
    if (t.x[i] > 0 && t.y[i] > 0 && t.x[i + 1] > 0 && t.y[i + 1] > 0) {
      canvas.Line({t.x[i], t.y[i]}, {t.x[i + 1], t.y[i + 1]}, mapColour);
    }
  }
}

}  // namespace nimbara
