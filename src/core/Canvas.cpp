#include "core/Canvas.h"

#include <cmath>

namespace nimbara {

void Canvas::SetScale(const MapView& view) {
  m_view = UsableMapView(view);
  OnScaleChanged();
}

PointF Canvas::ToPixels(PointF p) const {
  return {(p.x - m_view.left) * PixelWidth() / m_view.width,
          (p.y - m_view.top) * PixelHeight() / m_view.height};
}

PointF Canvas::FromPixels(PointF pixel) const {
  return {m_view.left + pixel.x * m_view.width / PixelWidth(),
          m_view.top + pixel.y * m_view.height / PixelHeight()};
}

double Canvas::VerticalUnitsPerHorizontalUnit() const {
  return std::abs((static_cast<double>(m_view.height) * PixelWidth()) /
                  (static_cast<double>(m_view.width) * PixelHeight()));
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
