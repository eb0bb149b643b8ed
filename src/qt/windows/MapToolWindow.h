#pragma once
// What the tool windows beside the map share: the context their commands work
// on, the signal that the map surface should be repainted, and a column of
// buttons.

#include <QWidget>

#include "app/AppContext.h"
#include "qt/ToolWindow.h"

class QPushButton;
class QVBoxLayout;

namespace nimbara {

class MapToolWindow : public QWidget, public ToolWindow {
  Q_OBJECT
 public:
  MapToolWindow(AppContext app, QWidget* parent, Qt::WindowFlags flags);

 signals:
  // The map surface was drawn on and should be repainted.
  void MapChanged();

 protected:
  // A button with the program's caption, added below the others.
  QPushButton* AddButton(QVBoxLayout* layout, const char* caption);

  AppContext m_app;
};

}  // namespace nimbara
