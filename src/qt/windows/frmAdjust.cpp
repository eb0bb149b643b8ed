#include "qt/windows/frmAdjust.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Alignment.h"
#include "qt/WidgetText.h"

namespace nimbara {
namespace {

// The arrows cmdArrow(0) to cmdArrow(3) and where each sits in their cross.
struct Arrow {
  AlignButton button;
  const char* caption;
  int row;
  int column;
};
constexpr std::array<Arrow, kArrowCount> kArrows = {{
    {AlignButton::Down, "↓", 2, 1},
    {AlignButton::Left, "←", 1, 0},
    {AlignButton::Right, "→", 1, 2},
    {AlignButton::Up, "↑", 0, 1},
}};

QPushButton* AddButton(QWidget* owner, QLayout* layout, const char* caption) {
  auto* button = new QPushButton(WidgetText(caption), owner);
  layout->addWidget(button);
  return button;
}

// A titled pair of 縮小 and 拡大 buttons.
QVBoxLayout* StretchGroup(QWidget* owner, const char* title, QPushButton*& reduce, QPushButton*& enlarge) {
  auto* column = new QVBoxLayout;
  column->addWidget(new QLabel(WidgetText(title), owner));
  auto* row = new QHBoxLayout;
  reduce = AddButton(owner, row, "縮小");
  enlarge = AddButton(owner, row, "拡大");
  column->addLayout(row);
  return column;
}

}  // namespace

frmAdjust::frmAdjust(AppContext app, QWidget* parent) : QWidget(parent, Qt::Tool), m_app(app) {
  setWindowTitle(WidgetText(kAdjustCaption));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(WidgetText("地図の位置調整"), this));
  auto* arrows = new QGridLayout;
  for (std::size_t i = 0; i < kArrows.size(); ++i) {
    const Arrow& arrow = kArrows[i];
    cmdArrow[i] = new QPushButton(WidgetText(arrow.caption), this);
    arrows->addWidget(cmdArrow[i], arrow.row, arrow.column);
    connect(cmdArrow[i], &QPushButton::clicked, this, [this, which = arrow.button] { Adjust(which); });
  }
  layout->addLayout(arrows);
  auto* stretches = new QHBoxLayout;
  stretches->addLayout(StretchGroup(this, "横の拡大率", cmdWidthReduce, cmdWidthEnlarge));
  stretches->addLayout(StretchGroup(this, "縦の　拡大率", cmdHeightReduce, cmdHeightEnlarge));
  layout->addLayout(stretches);
  cmdClose = AddButton(this, layout, "閉じる");

  const std::array<std::pair<QPushButton*, AlignButton>, 4> stretchButtons = {{
      {cmdWidthReduce, AlignButton::NarrowerWidth},
      {cmdWidthEnlarge, AlignButton::WiderWidth},
      {cmdHeightReduce, AlignButton::LowerHeight},
      {cmdHeightEnlarge, AlignButton::HigherHeight},
  }};
  for (const auto& [button, which] : stretchButtons)
    connect(button, &QPushButton::clicked, this, [this, which = which] { Adjust(which); });
  connect(cmdClose, &QPushButton::clicked, this, &frmAdjust::cmdClose_Click);
}

void frmAdjust::Adjust(AlignButton button) {
  if (AdjustMapView(m_app, button)) emit MapChanged();
}

void frmAdjust::cmdClose_Click() { CloseAlignmentWindow(m_app); }

void frmAdjust::hideEvent(QHideEvent* event) {
  // Closed or hidden in any way (not minimised with the desktop).
  if (!event->spontaneous()) AlignmentClosed(m_app.state);
  QWidget::hideEvent(event);
}

}  // namespace nimbara
