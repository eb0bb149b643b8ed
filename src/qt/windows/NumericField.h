#pragma once
// A numeric entry field of the entry windows: the text box (named like the
// field, "Kiatu") with its spin scroll bar ("KiatuVS") beside it.

#include <QString>
#include <QWidget>
#include <string>

#include "app/EntryFields.h"

class QLineEdit;
class QScrollBar;

namespace nimbara {

class NumericField : public QWidget {
  Q_OBJECT
 public:
  NumericField(EntryField field, const QString& name, QWidget* parent = nullptr);

  QLineEdit* Box() const { return m_box; }
  QScrollBar* Spin() const { return m_spin; }

  // The box text with the leaving rules applied when the box still has the
  // focus, so that a command never reads a half-typed value.
  std::string SettledText();
  // The box shows `text` (a stored value, as " 3"), and the spin control its value.
  void Show(const std::string& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void GotFocus(bool empty);
  void LostFocus();
  bool KeyPress(const QString& typed) const;
  void Change(int spinPosition);
  void SetSpin(std::int32_t value);

  EntryField m_field;
  QLineEdit* m_box;
  QScrollBar* m_spin;
  QString m_saved;
};

}  // namespace nimbara
