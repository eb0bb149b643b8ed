#include "qt/windows/frmAdjust.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>

#include "app/Alignment.h"
#include "qt/WidgetText.h"

namespace nimbara {
namespace {

// A held button repeats after a short pause, about as fast as a key repeats.
constexpr int kRepeatDelayMs = 400;
constexpr int kRepeatIntervalMs = 50;

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

// The fields txtView in ViewField order, each under the buttons that change
// it: 横 on the left, 縦 on the right, as the 拡大率 buttons are.
struct Field {
  const char* caption;
  int row;
  int column;
};
constexpr std::array<Field, kViewFieldCount> kFields = {{
    {"縦位置", 0, 1},
    {"横位置", 0, 0},
    {"縦拡大率", 1, 1},
    {"横拡大率", 1, 0},
}};

constexpr const char* kKeysHint = "矢印キー：移動　Shift＋矢印・＋－：拡大率\nCtrl を押しながら：10 ずつ";

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

std::optional<AlignKey> AlignKeyOf(int key) {
  switch (key) {
    case Qt::Key_Up: return AlignKey::Up;
    case Qt::Key_Down: return AlignKey::Down;
    case Qt::Key_Left: return AlignKey::Left;
    case Qt::Key_Right: return AlignKey::Right;
    case Qt::Key_Plus: return AlignKey::Plus;
    case Qt::Key_Minus: return AlignKey::Minus;
    default: return std::nullopt;
  }
}

}  // namespace

frmAdjust::frmAdjust(AppContext app, QWidget* parent) : QWidget(parent, Qt::Tool), m_app(app) {
  setWindowTitle(WidgetText(kAdjustCaption));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(WidgetText("地図の位置調整"), this));
  auto* arrows = new QGridLayout;
  for (std::size_t i = 0; i < kArrows.size(); ++i) {
    cmdArrow[i] = new QPushButton(WidgetText(kArrows[i].caption), this);
    arrows->addWidget(cmdArrow[i], kArrows[i].row, kArrows[i].column);
  }
  layout->addLayout(arrows);
  auto* stretches = new QHBoxLayout;
  stretches->addLayout(StretchGroup(this, "横の拡大率", cmdWidthReduce, cmdWidthEnlarge));
  stretches->addLayout(StretchGroup(this, "縦の　拡大率", cmdHeightReduce, cmdHeightEnlarge));
  layout->addLayout(stretches);
  auto* fields = new QGridLayout;
  for (std::size_t i = 0; i < txtView.size(); ++i) {
    const Field& place = kFields[i];
    txtView[i] = new QLineEdit(this);
    fields->addWidget(new QLabel(WidgetText(place.caption), this), place.row, 2 * place.column);
    fields->addWidget(txtView[i], place.row, 2 * place.column + 1);
    connect(txtView[i], &QLineEdit::editingFinished, this,
            [this, field = static_cast<ViewField>(i)] { ViewFieldEdited(field); });
  }
  layout->addLayout(fields);
  cmdStart = AddButton(this, layout, "はじめの位置");
  layout->addWidget(new QLabel(WidgetText(kKeysHint), this));
  cmdClose = AddButton(this, layout, "閉じる");

  std::array<std::pair<QPushButton*, AlignButton>, kArrowCount + 4> steppers = {{
      {cmdWidthReduce, AlignButton::NarrowerWidth},
      {cmdWidthEnlarge, AlignButton::WiderWidth},
      {cmdHeightReduce, AlignButton::LowerHeight},
      {cmdHeightEnlarge, AlignButton::HigherHeight},
  }};
  for (std::size_t i = 0; i < kArrows.size(); ++i) steppers[4 + i] = {cmdArrow[i], kArrows[i].button};
  for (const auto& [button, which] : steppers) {
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(kRepeatDelayMs);
    button->setAutoRepeatInterval(kRepeatIntervalMs);
    // A button with the focus would take the arrow keys to move the focus.
    button->installEventFilter(this);
    connect(button, &QPushButton::clicked, this, [this, which = which] { Adjust(StepOf(which)); });
  }
  connect(cmdStart, &QPushButton::clicked, this, &frmAdjust::cmdStart_Click);
  connect(cmdClose, &QPushButton::clicked, this, &frmAdjust::cmdClose_Click);
  Refresh();
}

void frmAdjust::Refresh() {
  for (std::size_t i = 0; i < txtView.size(); ++i)
    txtView[i]->setText(WidgetText(ViewFieldText(m_app.state.view, static_cast<ViewField>(i))));
}

void frmAdjust::Adjust(ViewStep step) {
  if (AdjustMapView(m_app, step)) emit MapChanged();
  Refresh();
}

bool frmAdjust::StepForKey(const QKeyEvent& event) {
  const std::optional<AlignKey> key = AlignKeyOf(event.key());
  if (!key) return false;
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  Adjust(KeyStep(*key, modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::ControlModifier)));
  return true;
}

bool frmAdjust::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && StepForKey(static_cast<const QKeyEvent&>(*event))) return true;
  return QWidget::eventFilter(watched, event);
}

void frmAdjust::keyPressEvent(QKeyEvent* event) {
  // Reached by the keys a field does not use itself (↑ and ↓) and by those
  // pressed while no field has the focus.
  if (!StepForKey(*event)) QWidget::keyPressEvent(event);
}

void frmAdjust::ViewFieldEdited(ViewField field) {
  // Leaving a field reports it finished even when nothing was typed.
  const QLineEdit* text = txtView[static_cast<std::size_t>(field)];
  if (!text->isModified()) return;
  if (SetViewField(m_app, field, text->text().toStdString())) emit MapChanged();
  Refresh();
}

void frmAdjust::cmdStart_Click() {
  ResetMapView(m_app);
  emit MapChanged();
  Refresh();
}

void frmAdjust::cmdClose_Click() { CloseAlignmentWindow(m_app); }

void frmAdjust::showEvent(QShowEvent* event) {
  // The view may have come from a file loaded while the window was hidden.
  Refresh();
  QWidget::showEvent(event);
}

void frmAdjust::hideEvent(QHideEvent* event) {
  // Closed or hidden in any way (not minimised with the desktop).
  if (!event->spontaneous()) AlignmentClosed(m_app.state);
  QWidget::hideEvent(event);
}

}  // namespace nimbara
