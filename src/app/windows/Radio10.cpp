#include "app/windows/Radio10.h"

#include "core/BaseMap.h"

namespace nimbara {

Radio10::Radio10(QWidget* parent) : QMainWindow(parent), m_picture1(new MapSurface(m_canvas, this)) {
  setWindowTitle(QString::fromUtf8(kMainCaption));
  setCentralWidget(m_picture1);
  ApplyMapView(m_canvas, m_state.view);
  m_canvas.SetBackColour(m_state.colours[kBackgroundColour]);
  DrawBaseMap(m_canvas, m_state.colours[kMapColour]);
}

}  // namespace nimbara
