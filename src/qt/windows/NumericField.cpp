#include "qt/windows/NumericField.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>

#include "core/Numbers.h"

namespace nimbara {
namespace {

// A vertical scroll bar has its minimum at the top; the field's top value is
// its largest, so the bar runs over the negated values and up raises.
int SpinPosition(std::int32_t value) { return -value; }
std::int32_t SpinValue(int position) { return -position; }

// Wide enough for "-40" and "1100" with the frame.
constexpr int kBoxCharacters = 6;
// The spin bar is a little taller than the box so its arrows and thumb can be hit.
constexpr int kSpinHeightFactor = 2;

}  // namespace

NumericField::NumericField(EntryField field, const QString& name, QWidget* parent)
    : QWidget(parent), m_field(field), m_box(new QLineEdit(this)), m_spin(new QScrollBar(Qt::Vertical, this)) {
  const EntryFieldRule& rule = RuleOf(field);
  m_box->setObjectName(name);
  m_spin->setObjectName(name + "VS");
  m_box->setText(QString::fromUtf8(rule.initialText.data(), static_cast<qsizetype>(rule.initialText.size())));
  m_box->setFixedWidth(m_box->fontMetrics().horizontalAdvance(QLatin1Char('0')) * kBoxCharacters);
  m_spin->setRange(SpinPosition(rule.spinTop), SpinPosition(rule.spinBottom));
  m_spin->setPageStep(1);
  m_spin->setValue(SpinPosition(LeaveField(field, rule.initialText, {}).value));
  m_spin->setFixedHeight(m_box->sizeHint().height() * kSpinHeightFactor);
  // Clicking the bar takes the focus from the box first, so the box's leaving
  // rules run before the bar moves; Tab passes the bar by.
  m_spin->setFocusPolicy(Qt::ClickFocus);
  setFocusProxy(m_box);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addWidget(m_box, 0, Qt::AlignVCenter);
  layout->addWidget(m_spin);
  layout->addStretch();

  m_box->installEventFilter(this);
  connect(m_spin, &QScrollBar::valueChanged, this, &NumericField::Change);
}

bool NumericField::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_box) {
    switch (event->type()) {
      case QEvent::FocusIn: {
        // Coming back to the window keeps the text; moving to the box empties it.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        GotFocus(reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason);
        break;
      }
      case QEvent::FocusOut:
        LostFocus();
        break;
      case QEvent::KeyPress:
        if (!KeyPress(static_cast<QKeyEvent*>(event)->text())) return true;
        break;
      default:
        break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void NumericField::GotFocus(bool empty) {
  m_saved = m_box->text();
  if (empty) m_box->clear();
}

void NumericField::LostFocus() {
  const LeftField left = LeaveField(m_field, m_box->text().toStdString(), m_saved.toStdString());
  const QString shown = QString::fromStdString(left.text);
  if (m_box->text() != shown) m_box->setText(shown);
  m_saved = shown;
  SetSpin(left.value);
}

std::string NumericField::SettledText() {
  if (m_box->hasFocus()) LostFocus();
  return m_box->text().toStdString();
}

void NumericField::Show(const std::string& text) {
  m_box->setText(QString::fromStdString(text));
  m_saved = m_box->text();
  SetSpin(ReadRounded(text));
}

bool NumericField::KeyPress(const QString& typed) const {
  for (char32_t key : typed.toUcs4()) {
    if (!AcceptsKey(m_field, key)) return false;
  }
  return true;
}

void NumericField::Change(int spinPosition) {
  m_box->setText(QString::fromStdString(SpinText(SpinValue(spinPosition))));
}

void NumericField::SetSpin(std::int32_t value) {
  if (SpinValue(m_spin->value()) == value) return;
  // The box already shows the value as it should read; the bar only follows.
  const QSignalBlocker quiet(m_spin);
  m_spin->setValue(SpinPosition(value));
}

}  // namespace nimbara
