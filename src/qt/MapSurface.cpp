#include "qt/MapSurface.h"

#include <QMouseEvent>
#include <QPainter>

namespace nimbara {
namespace {
constexpr int kPreferredSide = 640;
constexpr int kMinimumSide = 200;
}  // namespace

MapSurface::MapSurface(QtCanvas& canvas, QWidget* parent) : QWidget(parent), m_canvas(canvas) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize MapSurface::sizeHint() const { return {kPreferredSide, kPreferredSide}; }
QSize MapSurface::minimumSizeHint() const { return {kMinimumSide, kMinimumSide}; }

void MapSurface::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  painter.drawImage(0, 0, m_canvas.Composite());
}

void MapSurface::resizeEvent(QResizeEvent*) {
  const int side = std::max(1, std::min(width(), height()));
  if (side != m_canvas.PixelWidth()) m_canvas.Resize(side, side);
}

void MapSurface::mousePressEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  if (at.x() >= m_canvas.PixelWidth() || at.y() >= m_canvas.PixelHeight()) return;
  const PointF map = m_canvas.FromPixels({at.x(), at.y()});
  emit MousePressed(event->button(), map.x, map.y);
}

}  // namespace nimbara
