#include "qt/windows/EntryWindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/RowEditing.h"
#include "qt/Fonts.h"
#include "qt/WidgetText.h"
#include "qt/windows/NumericField.h"

namespace nimbara {
namespace {

// Room for the longest rows (a nine-character name in full-width letters and
// the number columns) without a horizontal scroll bar.
constexpr int kRowColumns = 52;
constexpr int kVisibleRows = 14;

}  // namespace

EntryWindow::EntryWindow(AppContext app, RowList& rows, const char* caption, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::Tool),
      m_app(app),
      m_rows(rows),
      m_txtKansokubi(new QLineEdit(this)),
      m_kansokuData(new QListWidget(this)),
      m_listColumn(new QVBoxLayout),
      m_form(new QGridLayout),
      m_buttons(new QHBoxLayout) {
  setWindowTitle(QString::fromUtf8(caption));
  m_txtKansokubi->setObjectName(QStringLiteral("txtKansokubi"));
  m_kansokuData->setObjectName(QStringLiteral("KansokuData"));
  m_kansokuData->setSelectionMode(QAbstractItemView::SingleSelection);
  m_kansokuData->setFont(RowFont(font()));
  const QFontMetrics rowMetrics(m_kansokuData->font());
  m_kansokuData->setMinimumSize(rowMetrics.horizontalAdvance(QString(kRowColumns, QLatin1Char('0'))),
                                rowMetrics.lineSpacing() * kVisibleRows);
  connect(m_kansokuData, &QListWidget::currentRowChanged, this, &EntryWindow::KansokuData_Click);

  m_listColumn->addWidget(m_kansokuData, 1);
  m_form->setColumnStretch(1, 1);
  auto* formColumn = new QVBoxLayout;
  formColumn->addLayout(m_form);
  formColumn->addStretch();

  auto* middle = new QHBoxLayout;
  middle->addLayout(m_listColumn, 1);
  middle->addSpacing(8);
  middle->addLayout(formColumn);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_txtKansokubi);
  layout->addLayout(middle, 1);
  layout->addLayout(m_buttons);
}

void EntryWindow::AddListLabel(const char* caption) {
  m_listColumn->insertWidget(0, new QLabel(QString::fromUtf8(caption), this));
}

void EntryWindow::AddFormRow(const char* label, QWidget* field) {
  const int row = m_form->rowCount();
  m_form->addWidget(new QLabel(QString::fromUtf8(label), this), row, 0, Qt::AlignRight | Qt::AlignVCenter);
  m_form->addWidget(field, row, 1, Qt::AlignLeft | Qt::AlignVCenter);
}

NumericField* EntryWindow::AddNumber(const char* label, EntryField field, const char* name) {
  auto* numeric = new NumericField(field, QString::fromUtf8(name), this);
  AddFormRow(label, numeric);
  return numeric;
}

QComboBox* EntryWindow::AddChoice(const char* label, const char* name, std::span<const std::string_view> items,
                                  int initial) {
  auto* choice = new QComboBox(this);
  choice->setObjectName(QString::fromUtf8(name));
  for (std::string_view item : items) choice->addItem(WidgetText(item));
  choice->setCurrentIndex(initial);
  AddFormRow(label, choice);
  return choice;
}

QPushButton* EntryWindow::AddButton(const char* name, const char* caption) {
  auto* button = new QPushButton(QString::fromUtf8(caption), this);
  button->setObjectName(QString::fromUtf8(name));
  m_buttons->addWidget(button);
  return button;
}

QPushButton* EntryWindow::AddEnterButton() {
  QPushButton* tugi = AddButton("Tugi", "データ入力");
  tugi->setAutoDefault(true);
  return tugi;
}

void EntryWindow::ChainTabs(std::initializer_list<QWidget*> fields) {
  QWidget* previous = nullptr;
  auto link = [&](QWidget* next) {
    if (previous) setTabOrder(previous, next);
    previous = next;
  };
  for (QWidget* field : fields) link(field);
  for (int i = 0; i < m_buttons->count(); ++i) link(m_buttons->itemAt(i)->widget());
  link(m_kansokuData);
  link(m_txtKansokubi);
}

void EntryWindow::closeEvent(QCloseEvent* event) {
  Modoru_Click();
  QWidget::closeEvent(event);
}

void EntryWindow::showEvent(QShowEvent* event) {
  // Not when the window only comes back from being minimized: a date being
  // typed stays.
  if (!event->spontaneous()) ShowDate();
  QWidget::showEvent(event);
}

void EntryWindow::Refresh() {
  ShowRows();
  ShowDate();
}

void EntryWindow::FollowDate() {
  if (m_app.state.store.observationDate != m_shownDate) ShowDate();
}

void EntryWindow::ShowDate() {
  m_shownDate = m_app.state.store.observationDate;
  m_txtKansokubi->setText(QString::fromStdString(m_shownDate));  // no longer typed into
}

void EntryWindow::ShowRows() {
  const QSignalBlocker quiet(m_kansokuData);
  m_kansokuData->clear();
  for (const std::string& row : m_rows.rows) m_kansokuData->addItem(QString::fromStdString(row));
  const int selected = SelectedRow(m_rows);
  m_kansokuData->setCurrentRow(selected);
  if (selected < 0) {
    m_kansokuData->clearSelection();
    return;
  }
  m_kansokuData->scrollToItem(m_kansokuData->item(selected));
  // A button moved the selection or changed the selected record: the fields
  // follow, so that a second データ入力 never copies one row over the next.
  ShowRecord(selected);
}

std::optional<std::string> EntryWindow::TypedDate() const {
  if (!m_txtKansokubi->isModified()) return std::nullopt;
  return m_txtKansokubi->text().toStdString();
}

void EntryWindow::KansokuData_Click(int row) {
  m_rows.selected = row;
  if (SelectedRow(m_rows) >= 0) ShowRecord(row);
}

void EntryWindow::ShowChoice(QComboBox* choice, int index) {
  if (index >= 0 && index < choice->count()) choice->setCurrentIndex(index);
}

}  // namespace nimbara
