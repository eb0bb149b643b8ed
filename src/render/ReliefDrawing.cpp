#include "render/ReliefDrawing.h"

#include "pressure/PressureRelief.h"
#include "render/Lines.h"

namespace nimbara {

void DrawPressureRelief(Canvas& canvas, const PressureGrid& grid, Colour mapColour, Colour isobarColour) {
  const ReliefLines relief = PressureRelief(grid);
  DrawLines(canvas, relief.planeAndOutline, mapColour);
  DrawLines(canvas, relief.mesh, isobarColour);
}

}  // namespace nimbara
