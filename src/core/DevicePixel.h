#pragma once
// The device pixel under a point of the map, for the canvases that answer
// Canvas::PointColour.

#include <optional>

#include "core/Canvas.h"

namespace nimbara {

struct DevicePixel {
  int x = 0;
  int y = 0;
};

// The pixel of `canvas` that holds map point `p`, or nothing for a point off
// the surface (or not finite).
std::optional<DevicePixel> PixelUnder(const Canvas& canvas, PointF p);

}  // namespace nimbara
