#include "render/Lines.h"

namespace nimbara {

void DrawLines(Canvas& canvas, std::span<const LineSegment> lines, Colour colour) {
  for (const LineSegment& line : lines) canvas.Line(line.from, line.to, colour);
}

}  // namespace nimbara
