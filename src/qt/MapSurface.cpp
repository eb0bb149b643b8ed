#include "qt/MapSurface.h"

#include <QMouseEvent>
#include <QPainter>

#include "qt/MapExport.h"

namespace nimbara {
namespace {
constexpr int kPreferredSide = 640;
constexpr int kMinimumSide = 200;
}  // namespace

MapSurface::MapSurface(QtCanvas& canvas, QWidget* parent) : QWidget(parent), m_canvas(canvas) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setMouseTracking(true);  // the status bar follows the pointer without a button held
}

QSize MapSurface::sizeHint() const { return {kPreferredSide, kPreferredSide}; }
QSize MapSurface::minimumSizeHint() const { return {kMinimumSide, kMinimumSide}; }

double MapSurface::Zoom() const {
  return std::min(static_cast<double>(width()) / m_canvas.PixelWidth(),
                  static_cast<double>(height()) / m_canvas.PixelHeight());
}

void MapSurface::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  // The drawing is painted again at the widget's size, so lines and text stay
  // sharp; the picture is scaled with it and keeps its place under the map.
  painter.scale(Zoom(), Zoom());
  PaintMap(m_canvas, painter);
}

std::optional<PointF> MapSurface::MapPointAt(QPointF position) const {
  const QPointF at = position / Zoom();
  if (at.x() >= m_canvas.PixelWidth() || at.y() >= m_canvas.PixelHeight()) return std::nullopt;
  return m_canvas.FromPixels({at.x(), at.y()});
}

void MapSurface::mousePressEvent(QMouseEvent* event) {
  if (const auto map = MapPointAt(event->position())) emit MousePressed(event->button(), map->x, map->y);
}

void MapSurface::mouseMoveEvent(QMouseEvent* event) {
  if (const auto map = MapPointAt(event->position()))
    emit PointerMoved(map->x, map->y);
  else
    emit PointerLeft();
}

void MapSurface::leaveEvent(QEvent*) { emit PointerLeft(); }

}  // namespace nimbara
