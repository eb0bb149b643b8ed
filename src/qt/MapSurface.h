#pragma once
// The map surface Picture1: shows a QtCanvas and reports presses on it in map
// units. The canvas keeps its own pixel size, the one satellite pictures are
// aligned to; the surface shows it at the largest size that fits the widget.

#include <QWidget>

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

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  // Widget pixels per canvas pixel.
  double Zoom() const;

  QtCanvas& m_canvas;
};

}  // namespace nimbara
