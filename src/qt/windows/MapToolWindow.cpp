#include "qt/windows/MapToolWindow.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "qt/WidgetText.h"

namespace nimbara {

MapToolWindow::MapToolWindow(AppContext app, QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), m_app(app) {}

QPushButton* MapToolWindow::AddButton(QVBoxLayout* layout, const char* caption) {
  auto* button = new QPushButton(WidgetText(caption), this);
  layout->addWidget(button);
  return button;
}

}  // namespace nimbara
