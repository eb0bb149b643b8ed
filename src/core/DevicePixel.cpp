#include "core/DevicePixel.h"

#include <cmath>

namespace nimbara {

std::optional<DevicePixel> PixelUnder(const Canvas& canvas, PointF p) {
  const PointF pixel = canvas.ToPixels(p);
  const auto inside = [](double v, int size) { return std::isfinite(v) && v >= 0 && v < size; };
  if (!inside(pixel.x, canvas.PixelWidth()) || !inside(pixel.y, canvas.PixelHeight())) return std::nullopt;
  return DevicePixel{static_cast<int>(std::floor(pixel.x)), static_cast<int>(std::floor(pixel.y))};
}

}  // namespace nimbara
