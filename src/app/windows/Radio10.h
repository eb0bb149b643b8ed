#pragma once
// The main window: menus, the map surface Picture1 and the state of the run.

#include <QMainWindow>

#include "app/AppState.h"
#include "qt/MapSurface.h"
#include "qt/QtCanvas.h"

namespace nimbara {

class Radio10 : public QMainWindow {
  Q_OBJECT
 public:
  explicit Radio10(QWidget* parent = nullptr);

  AppState& State() { return m_state; }
  QtCanvas& Canvas() { return m_canvas; }
  MapSurface* Picture1() { return m_picture1; }

 private:
  AppState m_state;
  QtCanvas m_canvas;
  MapSurface* m_picture1;
};

inline constexpr const char* kMainCaption = "Nimbara2 「ニンバラ」（インターネットのデータ活用版)";

}  // namespace nimbara
