#pragma once
// The map surface Picture1: shows a QtCanvas and reports presses on it in map
// units. The canvas keeps the largest square that fits the widget, so map
// units stay square whatever the window's shape.

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
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QtCanvas& m_canvas;
};

}  // namespace nimbara
