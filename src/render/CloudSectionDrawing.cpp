#include "render/CloudSectionDrawing.h"

#include "render/Lines.h"

namespace nimbara {
namespace {

BrightnessProfile Draw(Canvas& canvas, CloudSection (*section)(const ColourAt&, double), double along) {
  canvas.Clear();
  const CloudSection drawn = section([&canvas](PointF p) { return canvas.PointColour(p); }, along);
  for (const FilledBox& filled : drawn.frame)
    canvas.Rect({filled.box.left, filled.box.top}, {filled.box.right, filled.box.bottom}, filled.colour, true);
  DrawLines(canvas, drawn.bars, kWhite);
  return drawn.profile;
}

}  // namespace

BrightnessProfile DrawNorthSouthSection(Canvas& canvas, double x) { return Draw(canvas, NorthSouthSection, x); }

BrightnessProfile DrawEastWestSection(Canvas& canvas, double y) { return Draw(canvas, EastWestSection, y); }

}  // namespace nimbara
