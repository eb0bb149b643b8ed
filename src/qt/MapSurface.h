#pragma once
// The map surface Picture1: shows a QtCanvas and reports presses on it and
// the mouse pointer's moves over it in map units. The canvas keeps its own pixel size, the one satellite pictures are
// aligned to; the surface shows it at the largest size that fits the widget.

#include <QWidget>

#include <optional>

#include "qt/QtCanvas.h"

namespace nimbara {

class MapSurface : public QWidget {
  Q_OBJECT
 public:
  explicit MapSurface(QtCanvas& canvas, QWidget* parent = nullptr);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  // A press of `button` at (x, y) in map units.
  void MousePressed(Qt::MouseButton button, double x, double y);
  // The pointer moved to (x, y) in map units.
  void PointerMoved(double x, double y);
  // The pointer left the map (or moved off the canvas beside it).
  void PointerLeft();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  // Widget pixels per canvas pixel.
  double Zoom() const;
  // The map point under a widget position, or nothing off the canvas.
  std::optional<PointF> MapPointAt(QPointF position) const;

  QtCanvas& m_canvas;
};

}  // namespace nimbara
