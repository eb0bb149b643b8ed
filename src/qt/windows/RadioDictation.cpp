#include "qt/windows/RadioDictation.h"

#include <QCloseEvent>
#include <QDate>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

#include "app/Dictation.h"
#include "app/DisplayCommands.h"
#include "app/EntryCommands.h"
#include "app/Guides.h"
#include "qt/Fonts.h"
#include "qt/WidgetText.h"

namespace nimbara {
namespace {

using Headers = std::array<const char*, std::tuple_size_v<TableCells>>;
constexpr Headers kStationHeaders = {"地名", "風向", "風力", "天気", "気圧", "気温"};
constexpr Headers kShipHeaders = {"緯度", "経度", "風向", "風力", "天気", "気圧"};
// The widest text of each column, so that no value is ever cut off.
constexpr Headers kWidestStation = {"ルドナヤプリスタニ", "西北西", "12", "みぞれ", "1018", "-40"};
constexpr Headers kWidestShip = {"60", "160", "西北西", "12", "みぞれ", "1018"};
constexpr int kCellPadding = 12;
constexpr const char* kStationHint = "南南西 2 くもり 18 7　（入電なし: -）";
constexpr const char* kShipHint = "32 141 北東 5 あめ 1006　（削除: -）";
constexpr const char* kSystemsHint =
    "低 1002 41 147（L 1002 41 147）\n温暖 40 152 37 155（W 40 152 37 155）\n高 1030 40 115\n（放送の文のままでも読めます）";
// The date box's label: Alt+D goes to the box from anywhere in the window.
constexpr const char* kDateLabel = "観測日時(&D)：";
constexpr const char* kNewShip = "新しい船：";
constexpr const char* kUnreadCaption = "読めなかったところ：";
constexpr const char* kUnreadSeparator = "／";
// 天気図を表示する, as in the main window.
constexpr int kDisplayKey = Qt::Key_F5;
constexpr int kVisibleStations = 16;
constexpr int kVisibleShips = 5;

QTableWidget* MakeTable(QWidget* parent, const char* name, const Headers& headers, const Headers& widest,
                        int visibleRows) {
  auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
  table->setObjectName(QString::fromUtf8(name));
  QStringList labels;
  int width = 2 * table->frameWidth() + table->verticalScrollBar()->sizeHint().width();
  for (std::size_t column = 0; column < headers.size(); ++column) {
    labels << WidgetText(headers[column]);
    const int columnWidth = std::max(table->horizontalHeader()->fontMetrics().horizontalAdvance(labels.back()),
                                     table->fontMetrics().horizontalAdvance(WidgetText(widest[column]))) +
                            kCellPadding;
    table->setColumnWidth(static_cast<int>(column), columnWidth);
    width += columnWidth;
  }
  table->setHorizontalHeaderLabels(labels);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Tab goes on to the next control: the arrows walk through the rows.
  table->setTabKeyNavigation(false);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().lineSpacing() + 4);
  table->setMinimumSize(width, table->verticalHeader()->defaultSectionSize() * (visibleRows + 1));
  return table;
}

void SetCells(QTableWidget* table, int row, const TableCells& cells) {
  for (int column = 0; column < static_cast<int>(cells.size()); ++column) {
    QTableWidgetItem* item = table->item(row, column);
    if (!item) table->setItem(row, column, item = new QTableWidgetItem);
    item->setText(WidgetText(cells[static_cast<std::size_t>(column)]));
  }
}

QLineEdit* MakeLine(QWidget* parent, const char* name, const char* hint) {
  auto* line = new QLineEdit(parent);
  line->setObjectName(QString::fromUtf8(name));
  line->setPlaceholderText(WidgetText(hint));
  return line;
}

// Why a line was not read, in red under it.
QLabel* MakeReason(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromUtf8(name));
  label->setWordWrap(true);
  label->setStyleSheet(QStringLiteral("color: #C00000;"));
  return label;
}

QLabel* MakeTitle(QWidget* parent, const char* caption) {
  auto* title = new QLabel(WidgetText(caption), parent);
  QFont font = title->font();
  font.setBold(true);
  title->setFont(font);
  return title;
}

// A quick line with the name of what its cursor is on before it.
QHBoxLayout* LineRow(QLabel* name, QLineEdit* line) {
  auto* row = new QHBoxLayout;
  row->addWidget(name);
  row->addWidget(line, 1);
  return row;
}

}  // namespace

RadioDictation::RadioDictation(AppContext app, QWidget* parent)
    : MapToolWindow(app, parent, Qt::Tool),
      m_txtKansokubi(MakeLine(this, "txtKansokubi", "")),
      m_stations(MakeTable(this, "Stations", kStationHeaders, kWidestStation, kVisibleStations)),
      m_stationName(new QLabel(this)),
      m_stationLine(MakeLine(this, "StationLine", kStationHint)),
      m_stationReason(MakeReason(this, "StationReason")),
      m_ships(MakeTable(this, "Ships", kShipHeaders, kWidestShip, kVisibleShips)),
      m_shipName(new QLabel(this)),
      m_shipLine(MakeLine(this, "ShipLine", kShipHint)),
      m_shipReason(MakeReason(this, "ShipReason")),
      m_systemsText(new QPlainTextEdit(this)),
      m_systemsRead(new QListWidget(this)),
      m_systemsReason(MakeReason(this, "SystemsReason")) {
  setWindowTitle(WidgetText(kRadioDictationCaption));
  m_stations->setRowCount(kDictatedStationCount);
  m_stations->verticalHeader()->hide();
  m_systemsText->setObjectName(QStringLiteral("SystemsText"));
  m_systemsText->setPlaceholderText(WidgetText(kSystemsHint));
  m_systemsText->setTabChangesFocus(true);
  m_systemsRead->setObjectName(QStringLiteral("SystemsRead"));
  m_systemsRead->setFont(RowFont(font()));
  m_systemsRead->setFocusPolicy(Qt::NoFocus);
  auto* cmdDelete = new QPushButton(WidgetText("削除"), this);
  cmdDelete->setObjectName(QStringLiteral("cmdDelete"));
  auto* cmdDisplay = new QPushButton(WidgetText("天気図を表示する (F5)"), this);
  cmdDisplay->setObjectName(QStringLiteral("cmdDisplay"));
  auto* modoru = new QPushButton(WidgetText("もどる"), this);
  modoru->setObjectName(QStringLiteral("Modoru"));
  auto* setumei = new QPushButton(WidgetText("説明"), this);
  setumei->setObjectName(QStringLiteral("Setumei"));

  LayOut(cmdDelete, {cmdDisplay, modoru, setumei});
  setTabOrder(m_stationLine, m_shipLine);
  setTabOrder(m_shipLine, m_systemsText);
  setTabOrder(m_systemsText, cmdDisplay);
  for (QObject* watched : {static_cast<QObject*>(m_stationLine), static_cast<QObject*>(m_shipLine),
                           static_cast<QObject*>(m_systemsText)})
    watched->installEventFilter(this);

  connect(m_stationLine, &QLineEdit::returnPressed, this, &RadioDictation::StationLine_Return);
  connect(m_shipLine, &QLineEdit::returnPressed, this, &RadioDictation::ShipLine_Return);
  connect(m_stations, &QTableWidget::currentCellChanged, this, [this](int row) {
    if (row >= 0 && row != m_station.Station()) MoveStation(row);
  });
  connect(m_ships, &QTableWidget::currentCellChanged, this, [this](int row) {
    if (row >= 0) MoveShip(row);
  });
  connect(m_txtKansokubi, &QLineEdit::textEdited, this,
          [this](const QString& text) { KeepObservationDate(m_app, text.toStdString()); });
  connect(cmdDelete, &QPushButton::clicked, this, &RadioDictation::cmdDelete_Click);
  connect(cmdDisplay, &QPushButton::clicked, this, &RadioDictation::cmdDisplay_Click);
  connect(modoru, &QPushButton::clicked, this, &QWidget::close);
  connect(setumei, &QPushButton::clicked, this, &RadioDictation::Setumei_Click);
  Refresh();
}

void RadioDictation::LayOut(QPushButton* cmdDelete, std::initializer_list<QPushButton*> bottomButtons) {
  auto* stationColumn = new QVBoxLayout;
  stationColumn->addWidget(MakeTitle(this, "各地の天気"));
  stationColumn->addWidget(m_stations, 1);
  stationColumn->addLayout(LineRow(m_stationName, m_stationLine));
  stationColumn->addWidget(m_stationReason);

  auto* shipDelete = new QHBoxLayout;
  shipDelete->addWidget(m_shipReason, 1);
  shipDelete->addWidget(cmdDelete);
  auto* otherColumn = new QVBoxLayout;
  otherColumn->addWidget(MakeTitle(this, "船舶の報告"));
  otherColumn->addWidget(m_ships);
  otherColumn->addLayout(LineRow(m_shipName, m_shipLine));
  otherColumn->addLayout(shipDelete);
  otherColumn->addWidget(MakeTitle(this, "低気圧や前線（漁業気象）"));
  otherColumn->addWidget(m_systemsText, 1);
  otherColumn->addWidget(m_systemsRead, 1);
  otherColumn->addWidget(m_systemsReason);

  auto* columns = new QHBoxLayout;
  columns->addLayout(stationColumn, 1);
  columns->addLayout(otherColumn, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* button : bottomButtons) buttons->addWidget(button);
  auto* dateLabel = new QLabel(WidgetText(kDateLabel), this);
  dateLabel->setBuddy(m_txtKansokubi);
  auto* date = new QHBoxLayout;
  date->addWidget(dateLabel);
  date->addWidget(m_txtKansokubi, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(date);
  layout->addLayout(columns, 1);
  layout->addLayout(buttons);
}

void RadioDictation::showEvent(QShowEvent* event) {
  const ObservationStore& store = m_app.state.store;
  const QDate today = QDate::currentDate();
  const std::string date = DictationDateText(store, today.year(), today.month(), today.day());
  m_txtKansokubi->setText(WidgetText(date));
  KeepObservationDate(m_app, date);
  m_systemsShown = SystemsText(store);
  m_systemsText->setPlainText(WidgetText(m_systemsShown));
  m_station.Open(store);
  m_ship = store.shipCount;
  Refresh();
  m_stationLine->setFocus();
  MapToolWindow::showEvent(event);
}

void RadioDictation::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) Refresh();
  MapToolWindow::changeEvent(event);
}

void RadioDictation::closeEvent(QCloseEvent* event) {
  CloseEntryWindow(m_app, WindowId::RadioDictation);
  MapToolWindow::closeEvent(event);
}

void RadioDictation::keyPressEvent(QKeyEvent* event) {
  if (event->key() == kDisplayKey) cmdDisplay_Click();
  else MapToolWindow::keyPressEvent(event);
}

bool RadioDictation::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return MapToolWindow::eventFilter(watched, event);
  const int key = static_cast<QKeyEvent*>(event)->key();
  const int step = key == Qt::Key_Down ? 1 : key == Qt::Key_Up ? -1 : 0;
  if (watched == m_stationLine && step != 0) MoveStation(m_station.Station() + step);
  else if (watched == m_shipLine && step != 0) MoveShip(m_ship + step);
  else if (watched == m_systemsText && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
    m_systemsText->textCursor().insertBlock();
    SystemsText_Return();
  } else {
    return MapToolWindow::eventFilter(watched, event);
  }
  return true;
}

void RadioDictation::Refresh() {
  const ObservationStore& store = m_app.state.store;
  for (int slot = 0; slot < kDictatedStationCount; ++slot) ShowStation(slot);
  ShowShips();
  if (const std::string systems = SystemsText(store); systems != m_systemsShown) {
    m_systemsShown = systems;
    m_systemsText->setPlainText(WidgetText(systems));
  }
  ShowSystems();
  if (m_txtKansokubi->text().toStdString() != store.observationDate)
    m_txtKansokubi->setText(WidgetText(store.observationDate));
  ShowStationCursor();
  MoveShip(m_ship);
}

void RadioDictation::StationLine_Return() {
  const int slot = m_station.Station();
  const LineOutcome outcome = m_station.Enter(m_app, m_stationLine->text().toStdString());
  m_stationReason->setText(WidgetText(outcome.reason));
  if (!outcome.reason.empty()) return;
  ShowStation(slot);
  m_stationLine->clear();
  ShowStationCursor();
  emit MapChanged();
  if (outcome.done) m_shipLine->setFocus();
}

void RadioDictation::ShipLine_Return() {
  const LineOutcome outcome = EnterShipLine(m_app, m_ship, m_shipLine->text().toStdString());
  m_shipReason->setText(WidgetText(outcome.reason));
  if (!outcome.reason.empty()) return;
  ShowShips();
  m_shipLine->clear();
  MoveShip(outcome.cursor);
  emit MapChanged();
  if (outcome.done) m_systemsText->setFocus();
}

void RadioDictation::SystemsText_Return() {
  const std::vector<std::string> unread = EnterSystemsText(m_app, m_systemsText->toPlainText().toStdString());
  m_systemsShown = SystemsText(m_app.state.store);
  ShowSystems();
  std::string noted;
  for (const std::string& clause : unread) noted += (noted.empty() ? kUnreadCaption : kUnreadSeparator) + clause;
  m_systemsReason->setText(WidgetText(noted));
}

void RadioDictation::cmdDelete_Click() {
  RemoveDictatedShip(m_app, m_ship);
  ShowShips();
  MoveShip(m_ship);
  emit MapChanged();
}

void RadioDictation::cmdDisplay_Click() {
  cntDisplay_Click(m_app);
  emit MapChanged();
}

void RadioDictation::Setumei_Click() { ShowHelp(m_app, DictationHelp()); }

void RadioDictation::MoveStation(int slot) {
  m_station.MoveTo(slot);
  m_stationReason->clear();
  ShowStationCursor();
}

void RadioDictation::ShowStationCursor() {
  const int slot = m_station.Station();
  m_stations->setCurrentCell(slot, 0);
  m_stations->scrollToItem(m_stations->item(slot, 0));
  m_stationName->setText(WidgetText(m_app.state.store.stations.names[slot] + "："));
}

void RadioDictation::MoveShip(int row) {
  m_ship = std::clamp(row, 0, m_ships->rowCount() - 1);
  m_ships->setCurrentCell(m_ship, 0);
  const bool newShip = m_ship == m_ships->rowCount() - 1;
  m_shipName->setText(newShip ? WidgetText(kNewShip) : WidgetText("船 " + std::to_string(m_ship + 1) + "："));
}

void RadioDictation::ShowStation(int slot) { SetCells(m_stations, slot, StationCells(m_app.state.store, slot)); }

void RadioDictation::ShowShips() {
  const QSignalBlocker quiet(m_ships);
  const ObservationStore& store = m_app.state.store;
  // One row per ship and one for the next ship.
  m_ships->setRowCount(store.shipCount + 1);
  QStringList numbers;
  for (int i = 0; i < store.shipCount; ++i) {
    SetCells(m_ships, i, ShipCells(store, i));
    numbers << QString::number(i + 1);
  }
  SetCells(m_ships, store.shipCount, {});
  m_ships->setVerticalHeaderLabels(numbers << WidgetText("新"));
}

void RadioDictation::ShowSystems() {
  m_systemsRead->clear();
  for (const std::string& row : m_app.state.systemRows.rows) m_systemsRead->addItem(WidgetText(row));
}

}  // namespace nimbara
