#include "canvas/DevicePixels.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace nimbara {
namespace {

constexpr double kPointsToPixels = 96.0 / 72.0;

}  // namespace

std::optional<DevicePixel> PixelUnder(const Canvas& canvas, PointF p) {
  const PointF pixel = canvas.ToPixels(p);
  const auto inside = [](double v, int size) { return std::isfinite(v) && v >= 0 && v < size; };
  if (!inside(pixel.x, canvas.PixelWidth()) || !inside(pixel.y, canvas.PixelHeight())) return std::nullopt;
  return DevicePixel{static_cast<int>(std::floor(pixel.x)), static_cast<int>(std::floor(pixel.y))};
}

DevicePixel NearestPixel(const Canvas& canvas, PointF p) {
  const PointF pixel = canvas.ToPixels(p);
  return {static_cast<int>(std::nearbyint(pixel.x)), static_cast<int>(std::nearbyint(pixel.y))};
}

double PixelsPerReferencePixel(const Canvas& canvas) { return canvas.MapPixels() / kReferenceWidth; }

double PenPixels(const Canvas& canvas) {
  return std::max(1.0, canvas.State().lineWidth * PixelsPerReferencePixel(canvas));
}

double OutlinePixels(const Canvas& canvas) {
  return canvas.State().lineWidth == kNoOutline ? 0.0 : PenPixels(canvas);
}

int FontPixels(const Canvas& canvas) {
  return std::max(
      1, static_cast<int>(std::lround(canvas.State().fontSize * kPointsToPixels * PixelsPerReferencePixel(canvas))));
}

double RadiusPixels(const Canvas& canvas, double radius) {
  return std::abs(radius * canvas.MapPixels() / canvas.Scale().width);
}

PixelArc LayOutArc(ArcAngles arc) {
  const double start = std::abs(arc.start);
  double sweep = std::abs(arc.end) - start;
  if (sweep <= 0) sweep += 2 * std::numbers::pi;
  return {start, sweep, arc.start < 0, arc.end < 0};
}

}  // namespace nimbara
