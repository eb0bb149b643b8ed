#include "canvas/Canvas.h"

#include <algorithm>
#include <cmath>

namespace nimbara {

void Canvas::SetScale(const MapView& view) {
  m_view = UsableMapView(view);
  m_margins = {};  // a drawing that wants a frame sets it after its view
  OnScaleChanged();
}

namespace {

constexpr double kReferenceSide = 800.0;  // pixels of the reference map

double FramedWidth(const FrameMargins& m) { return kReferenceSide + m.left + m.right; }
double FramedHeight(const FrameMargins& m) { return kReferenceSide + m.top + m.bottom; }

}  // namespace

ScreenSize FramedPixelSize(int width, int height, const FrameMargins& margins) {
  const double scale = std::min(width, height) / kReferenceSide;
  return {static_cast<int>(std::lround(width + (margins.left + margins.right) * scale)),
          static_cast<int>(std::lround(height + (margins.top + margins.bottom) * scale))};
}

void Canvas::SetFrameMargins(const FrameMargins& margins) {
  m_margins = margins;
  OnScaleChanged();
}

double Canvas::MapPixels() const {
  return kReferenceSide * std::min(PixelWidth() / FramedWidth(m_margins), PixelHeight() / FramedHeight(m_margins));
}

PointF Canvas::MapOrigin() const {
  const double scale = MapPixels() / kReferenceSide;
  return {(PixelWidth() - FramedWidth(m_margins) * scale) / 2 + m_margins.left * scale,
          (PixelHeight() - FramedHeight(m_margins) * scale) / 2 + m_margins.top * scale};
}

PointF Canvas::ToPixels(PointF p) const { return ToPixelsMapping()(p); }

Canvas::PixelMapping Canvas::ToPixelsMapping() const { return {MapOrigin(), MapPixels(), m_view}; }

PointF Canvas::FromPixels(PointF pixel) const {
  const double side = MapPixels();
  const PointF origin = MapOrigin();
  return {m_view.left + (pixel.x - origin.x) * m_view.width / side,
          m_view.top + (pixel.y - origin.y) * m_view.height / side};
}

double Canvas::VerticalUnitsPerHorizontalUnit() const {
  return std::abs(static_cast<double>(m_view.height) / static_cast<double>(m_view.width));
}

void Canvas::SetBackColour(Colour c) {
  m_backColour = c;
  OnBackColourChanged();
}

void Canvas::Clear() {
  m_current = {};
  DoClear();
}

void Canvas::Line(PointF from, PointF to, Colour colour) {
  m_current = to;
  DoLine(from, to, colour);
}

void Canvas::LineTo(PointF to, Colour colour) {
  const PointF from = m_current;
  m_current = to;
  DoLine(from, to, colour);
}

void Canvas::Rect(PointF a, PointF b, Colour colour, bool filled) {
  m_current = b;
  DoRect(a, b, colour, filled);
}

void Canvas::Circle(PointF centre, double radius, Colour colour, std::optional<ArcAngles> arc) {
  m_current = centre;
  DoCircle(centre, radius, colour, arc);
}

void Canvas::Polygon(std::span<const PointF> vertices) {
  if (vertices.empty()) return;
  DoPolygon(vertices);
}

void Canvas::Text(PointF topLeft, std::string_view text) {
  m_current = topLeft;
  DoText(topLeft, text);
}

void Canvas::Polyline(std::span<const PointF> points, Colour colour) {
  if (points.size() < 2) return;
  m_current = points.back();
  DoPolyline(points, colour);
}

void Canvas::HaloText(PointF topLeft, std::string_view text, Colour haloColour, int haloWidth) {
  m_current = topLeft;
  DoHaloText(topLeft, text, haloColour, haloWidth);
}

}  // namespace nimbara
