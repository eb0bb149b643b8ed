#pragma once
// What the three entry windows Tenki1, Kaiyou1 and Gyogyou share: the
// observation-date box txtKansokubi, the row list KansokuData mirroring a
// RowList of the state, a form of labelled fields and a row of buttons.

#include <QWidget>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/AppContext.h"
#include "app/EntryFields.h"
#include "qt/ToolWindow.h"

class QCloseEvent;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QShowEvent;
class QVBoxLayout;

namespace nimbara {

class NumericField;

class EntryWindow : public QWidget, public ToolWindow {
  Q_OBJECT
 public:
  // The list and the observation-date box follow the state.
  void Refresh() override;
  // The observation-date box shows the shared date if it changed since the box
  // last showed it; otherwise what is being typed there stays.
  void FollowDate();

 protected:
  EntryWindow(AppContext app, RowList& rows, const char* caption, QWidget* parent);

  // もどる. The window's close button does the same, so that nothing typed
  // into the window is lost by closing it that way.
  virtual void Modoru_Click() = 0;
  void closeEvent(QCloseEvent* event) override;
  // Shown: the observation-date box shows the shared date.
  void showEvent(QShowEvent* event) override;
  // Choosing row `row` of the list: the fields show its record from the store.
  virtual void ShowRecord(int row) = 0;
  // A choice list shows item `index`; an index outside the list leaves it as it is.
  static void ShowChoice(QComboBox* choice, int index);

  // A caption above the list ("観　測　地").
  void AddListLabel(const char* caption);
  // Form rows: the label on the left, the field on the right, in tab order.
  NumericField* AddNumber(const char* label, EntryField field, const char* name);
  QComboBox* AddChoice(const char* label, const char* name, std::span<const std::string_view> items,
                       int initial);
  QPushButton* AddButton(const char* name, const char* caption);
  // Tugi "データ入力"; Return on it enters the data.
  QPushButton* AddEnterButton();
  // Tab goes through the form, then the buttons, then the list and the date box.
  void ChainTabs(std::initializer_list<QWidget*> fields);

  // The list and the fields of the selected row, after a button changed the
  // rows (the date box keeps what the user is typing).
  void ShowRows();
  // The text of the observation-date box if it was typed into since it last
  // showed the shared date, otherwise nothing.
  std::optional<std::string> TypedDate() const;

  AppContext m_app;

 private:
  void AddFormRow(const char* label, QWidget* field);
  void KansokuData_Click(int row);
  void ShowDate();

  RowList& m_rows;
  QLineEdit* m_txtKansokubi;
  QListWidget* m_kansokuData;
  QVBoxLayout* m_listColumn;
  QGridLayout* m_form;
  QHBoxLayout* m_buttons;
  std::string m_shownDate;  // the shared date the box showed last
};

}  // namespace nimbara
