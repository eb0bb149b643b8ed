#include "qt/windows/Danmen.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "app/CrossSection.h"
#include "qt/WidgetText.h"

namespace nimbara {

Danmen::Danmen(AppContext app, QWidget* parent) : MapToolWindow(app, parent, Qt::Tool) {
  setWindowTitle(WidgetText("断面図"));
  auto* layout = new QVBoxLayout(this);
  Text1 = new QPlainTextEdit(this);
  Text1->setMaximumHeight(Text1->fontMetrics().lineSpacing() * 5);
  layout->addWidget(Text1);
  const auto button = [this, layout](const char* caption) { return AddButton(layout, caption); };
  cmdDTate = button("南北の断面図");
  cmdDYoko = button("東西の断面図");
  cmdDcls = button("図をもとへ");
  cmdEnd = button("もどる");

  connect(cmdDTate, &QPushButton::clicked, this, [this] { ShowText(DanmenChooseNorthSouth(m_app)); });
  connect(cmdDYoko, &QPushButton::clicked, this, [this] { ShowText(DanmenChooseEastWest(m_app)); });
  connect(cmdDcls, &QPushButton::clicked, this, [this] {
    DanmenRestorePicture(m_app);
    emit MapChanged();
  });
  connect(cmdEnd, &QPushButton::clicked, this, &QWidget::close);
}

void Danmen::ShowText(const std::string& text) {
  Text1->setPlainText(WidgetText(text));
  emit MapChanged();
}

void Danmen::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) ShowText(DanmenOpened(m_app));
  QWidget::showEvent(event);
}

void Danmen::closeEvent(QCloseEvent* event) {
  DanmenClosed(m_app);
  emit MapChanged();
  QWidget::closeEvent(event);
}

}  // namespace nimbara
