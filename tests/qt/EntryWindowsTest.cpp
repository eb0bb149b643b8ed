#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "app/FileCommands.h"
#include "app/ShipEntry.h"
#include "app/StationEntry.h"
#include "core/CodeTables.h"
#include "qt/windows/Gyogyou.h"
#include "qt/windows/Kaiyou1.h"
#include "qt/windows/Tenki1.h"
#include "support/TestApp.h"
#include "support/WindowTesting.h"

namespace nimbara {
namespace {

using testing::Activate;
using testing::Child;

QStringList ListRows(QWidget& window) {
  QStringList rows;
  QListWidget* list = Child<QListWidget>(window, "KansokuData");
  for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
  return rows;
}

QStringList StateRows(const RowList& list) {
  QStringList rows;
  for (const std::string& row : list.rows) rows << QString::fromStdString(row);
  return rows;
}

class EntryWindowsTest : public ::testing::Test {
 protected:
  testing::TestApp app;

  // Tabbing into a box empties it; typing then leaving it applies the field rules.
  static void TypeInto(QWidget& window, const char* box, const char* keys, const char* next) {
    Child<QLineEdit>(window, box)->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(Child<QLineEdit>(window, box), QString::fromUtf8(keys));
    Child<QWidget>(window, next)->setFocus(Qt::TabFocusReason);
  }
};

TEST_F(EntryWindowsTest, ControlsCarryTheirNamesAndCaptions) {
  Gyogyou window(app.Context());
  EXPECT_EQ(window.windowTitle(), QString::fromUtf8("低気圧や前線の位置の入力"));
  for (const char* name : {"Hokui", "Toukei", "Kiatu", "txtKansokubi"}) Child<QLineEdit>(window, name);
  for (const char* name : {"HokuiVS", "ToukeiVS", "KiatuVS"}) Child<QScrollBar>(window, name);
  EXPECT_EQ(Child<QComboBox>(window, "Syurui")->currentText(), QString::fromUtf8("高気圧"));
  EXPECT_EQ(Child<QPushButton>(window, "cmdSoko")->text(), QString::fromUtf8("そこから"));
  EXPECT_EQ(Child<QPushButton>(window, "cmdTyuusin")->text(), QString::fromUtf8("中心から"));
  QStringList labels;
  for (QLabel* label : window.findChildren<QLabel*>()) labels << label->text();
  EXPECT_EQ(labels, QStringList({"北緯", "東経", "気 圧", "種　類"}));
}

TEST_F(EntryWindowsTest, StationWindowStartsWithItsInitialChoicesAndValues) {
  Tenki1 window(app.Context());
  EXPECT_EQ(window.windowTitle(), QString::fromUtf8("気象データの入力"));
  EXPECT_EQ(Child<QComboBox>(window, "Huukou")->currentText(), QString::fromUtf8("南南西"));
  EXPECT_EQ(Child<QComboBox>(window, "Tenki")->currentText(), QString::fromUtf8("快晴"));
  EXPECT_EQ(Child<QLineEdit>(window, "Ondo")->text(), "20");
  EXPECT_EQ(Child<QScrollBar>(window, "KiatuVS")->value(), -1013);
  EXPECT_EQ(ListRows(window).size(), kBuiltInStationCount);
  EXPECT_TRUE(Child<QListWidget>(window, "KansokuData")->selectedItems().isEmpty());
}

TEST_F(EntryWindowsTest, TypedPressureIsCompletedOnLeavingTheBox) {
  Tenki1 window(app.Context());
  Activate(window);
  TypeInto(window, "Kiatu", "5", "Ondo");
  EXPECT_EQ(Child<QLineEdit>(window, "Kiatu")->text(), "1005");
  EXPECT_EQ(Child<QScrollBar>(window, "KiatuVS")->value(), -1005);
}

TEST_F(EntryWindowsTest, LettersAreDroppedAndAnEmptyBoxGetsItsTextBack) {
  Tenki1 window(app.Context());
  Activate(window);
  TypeInto(window, "Kiatu", "9a8", "Ondo");
  EXPECT_EQ(Child<QLineEdit>(window, "Kiatu")->text(), "998");
  TypeInto(window, "Huuryoku", "", "Ondo");
  EXPECT_EQ(Child<QLineEdit>(window, "Huuryoku")->text(), "0");
}

TEST_F(EntryWindowsTest, SpinUpRaisesTheValueAndWritesItWithASpace) {
  Tenki1 window(app.Context());
  Child<QScrollBar>(window, "HuuryokuVS")->triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(Child<QLineEdit>(window, "Huuryoku")->text(), " 1");
}

TEST_F(EntryWindowsTest, ClickingEnterAddsAShipRow) {
  Kaiyou1 window(app.Context());
  Activate(window);
  TypeInto(window, "Hokui", "40", "Kiatu");
  QTest::mouseClick(Child<QPushButton>(window, "Tugi"), Qt::LeftButton);
  ASSERT_EQ(ListRows(window).size(), 1);
  EXPECT_EQ(ListRows(window), StateRows(app.state.shipRows));
  EXPECT_EQ(app.state.store.ships[0], (ShipRecord{40, 135, 7, 0, 0, 1013}));
  EXPECT_EQ(Child<QListWidget>(window, "KansokuData")->currentRow(), 0);
}

TEST_F(EntryWindowsTest, ReturnOnEnterButtonEntersTheStation) {
  Tenki1 window(app.Context());
  Activate(window);
  QPushButton* tugi = Child<QPushButton>(window, "Tugi");
  tugi->setFocus(Qt::TabFocusReason);
  QTest::keyClick(tugi, Qt::Key_Return);
  EXPECT_EQ(app.state.store.stationRecords[0].pressure, 1013);
  EXPECT_EQ(Child<QListWidget>(window, "KansokuData")->currentRow(), 1);
}

// A correction is one change and データ入力: the fields show the chosen record,
// so entering it unchanged changes nothing.
TEST_F(EntryWindowsTest, ChoosingARowShowsItsRecordInTheFields) {
  ObservationStore& store = app.state.store;
  store.stationRecords[3] = {DirectionCode("北東"), 4, WeatherCode("雪"), 996, -8};
  store.ships[0] = {40, 145, DirectionCode("西"), 6, WeatherCode("霧"), 992};
  store.ships[1] = {30, 130, DirectionCode("北"), 5, WeatherCode("くもり"), 1022};
  store.systems[0] = {"台風", 25, 130, 960};
  store.systems[1] = {"寒冷前線", 46, 154, 0};
  store.shipCount = store.systemCount = 2;
  const ObservationStore before = store;
  Tenki1 tenki(app.Context());
  Kaiyou1 kaiyou(app.Context());
  Gyogyou gyogyou(app.Context());
  for (auto [window, row] : {std::pair<QWidget*, int>{&tenki, 3}, {&kaiyou, 0}, {&gyogyou, 0}}) {
    Child<QListWidget>(*window, "KansokuData")->setCurrentRow(row);
    if (window == &kaiyou) EXPECT_EQ(Child<QLineEdit>(kaiyou, "Kiatu")->text(), " 992");
    if (window == &gyogyou) EXPECT_EQ(Child<QComboBox>(gyogyou, "Syurui")->currentText(), QString::fromUtf8("台風"));
    QTest::mouseClick(Child<QPushButton>(*window, "Tugi"), Qt::LeftButton);
  }
  EXPECT_EQ(app.state.stationRows.selected, 4);  // chosen, then moved on by データ入力
  EXPECT_EQ(Child<QLineEdit>(kaiyou, "Kiatu")->text(), " 1022") << "the fields follow the selection";
  EXPECT_EQ(Child<QComboBox>(gyogyou, "Syurui")->currentText(), QString::fromUtf8("寒冷前線"));
  EXPECT_EQ(store.stationRecords, before.stationRecords);
  EXPECT_EQ(store.ships, before.ships);
  EXPECT_EQ(store.systems, before.systems);
}

// データ入力 moves the selection on and 削除 empties the row: the fields show
// the selected row then, so a second press never copies a row over the next.
TEST_F(EntryWindowsTest, AfterEnterAndDeleteTheFieldsShowTheSelectedRow) {
  app.state.fullDataMode = false;
  ASSERT_TRUE(OpenDataFile(app.Context(), std::string(NIMBARA_SAMPLES) + "/20240115_06.txt"));
  ObservationStore& store = app.state.store;
  const ObservationStore loaded = store;
  Tenki1 tenki(app.Context());
  Kaiyou1 kaiyou(app.Context());
  const auto changeFirstAndEnterTwice = [](QWidget& window, int row, const char* box, const char* value) {
    Activate(window);
    Child<QListWidget>(window, "KansokuData")->setCurrentRow(row);
    TypeInto(window, box, value, "Tugi");
    for (int press = 0; press < 2; ++press) QTest::mouseClick(Child<QPushButton>(window, "Tugi"), Qt::LeftButton);
  };
  changeFirstAndEnterTwice(tenki, 1, "Ondo", "18");  // 那覇
  EXPECT_EQ(store.stationRecords[1].temperature, 18);
  EXPECT_EQ(store.stationRecords[2], loaded.stationRecords[2]) << "南大東島 keeps its report";
  EXPECT_EQ(Child<QLineEdit>(tenki, "Ondo")->text().toStdString(), StationFieldsOf(store, 3).temperature);
  QTest::mouseClick(Child<QPushButton>(tenki, "cmdDelete"), Qt::LeftButton);
  EXPECT_EQ(Child<QLineEdit>(tenki, "Kiatu")->text().toStdString(), StationFieldsOf(store, 3).pressure);

  changeFirstAndEnterTwice(kaiyou, 0, "Kiatu", "990");
  EXPECT_EQ(store.ships[0].pressure, 990);
  EXPECT_EQ(store.ships[1], loaded.ships[1]) << "ship 2 keeps its report";
  EXPECT_EQ(Child<QLineEdit>(kaiyou, "Kiatu")->text().toStdString(), ShipFieldsOf(store, 2).pressure);
}

TEST_F(EntryWindowsTest, DeleteTakesAStationBack) {
  app.state.store.stationRecords[2] = {DirectionCode("北"), 3, WeatherCode("雨"), 1002, 7};
  Tenki1 window(app.Context());
  Child<QListWidget>(window, "KansokuData")->setCurrentRow(2);
  QTest::mouseClick(Child<QPushButton>(window, "cmdDelete"), Qt::LeftButton);
  EXPECT_EQ(app.state.store.stationRecords[2], StationRecord{});
  EXPECT_EQ(ListRows(window), StateRows(app.state.stationRows));
}

TEST_F(EntryWindowsTest, FromThereThenAColdFrontThroughTheButtons) {
  app.state.store.systems[0] = {"低気圧", 35, 140, 1000};
  app.state.store.systemCount = 1;
  Gyogyou window(app.Context());
  Activate(window);
  QTest::mouseClick(Child<QPushButton>(window, "cmdSoko"), Qt::LeftButton);
  Child<QComboBox>(window, "Syurui")->setCurrentText(QString::fromUtf8("寒冷前線"));
  TypeInto(window, "Hokui", "34", "Toukei");
  TypeInto(window, "Toukei", "135", "Tugi");
  QTest::mouseClick(Child<QPushButton>(window, "Tugi"), Qt::LeftButton);
  EXPECT_EQ(ListRows(window), QStringList({"  35N  140E 1000hPa 低気圧", "  35N  140E         寒冷前線", "  34N  135E         寒冷前線"}));
  EXPECT_EQ(ListRows(window), StateRows(app.state.systemRows));
}

TEST_F(EntryWindowsTest, RefreshFollowsRowsChangedElsewhereAndBackHides) {
  Kaiyou1 window(app.Context());
  app.state.shipRows.rows = {"a", "b"};
  app.state.shipRows.selected = 1;
  app.state.store.observationDate = "12時";
  window.Refresh();
  EXPECT_EQ(ListRows(window), QStringList({"a", "b"}));
  EXPECT_EQ(Child<QListWidget>(window, "KansokuData")->currentRow(), 1);
  EXPECT_EQ(Child<QLineEdit>(window, "txtKansokubi")->text(), QString::fromUtf8("12時"));
  QTest::mouseClick(Child<QPushButton>(window, "Modoru"), Qt::LeftButton);
  EXPECT_EQ(app.state.store.shipCount, 2);
  EXPECT_EQ(app.ui.windowEvents.back(), "hide Kaiyou1");
}

TEST_F(EntryWindowsTest, TabGoesThroughTheFieldsToTheEnterButton) {
  Gyogyou window(app.Context());
  Activate(window);
  Child<QLineEdit>(window, "Hokui")->setFocus(Qt::TabFocusReason);
  QStringList visited;
  for (int i = 0; i < 4; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget()->objectName();
  }
  EXPECT_EQ(visited, QStringList({"Toukei", "Kiatu", "Syurui", "Tugi"}));
}

TEST_F(EntryWindowsTest, ClosingTheWindowKeepsTheDateLikeBack) {
  Tenki1 window(app.Context());
  window.show();
  QTest::keyClicks(Child<QLineEdit>(window, "txtKansokubi"), "1/15 18h");
  window.close();
  EXPECT_EQ(app.state.headerText, "1/15 18h");
  EXPECT_EQ(app.ui.windowEvents.back(), "hide Tenki1");
}

// A date box shows the shared date whenever its window is shown, and もどる
// writes it back only when it was typed into.
TEST_F(EntryWindowsTest, BackNeverBringsBackAnOldDate) {
  app.state.store.observationDate = "6時";
  Tenki1 tenki(app.Context());
  Kaiyou1 kaiyou(app.Context());
  tenki.show();
  QLineEdit* tenkiDate = Child<QLineEdit>(tenki, "txtKansokubi");
  tenkiDate->clear();
  QTest::keyClicks(tenkiDate, "9h");
  QTest::mouseClick(Child<QPushButton>(tenki, "Modoru"), Qt::LeftButton);
  kaiyou.show();
  EXPECT_EQ(Child<QLineEdit>(kaiyou, "txtKansokubi")->text(), "9h");
  app.state.store.observationDate = "12時";  // a paste while Kaiyou1 is open
  QTest::mouseClick(Child<QPushButton>(kaiyou, "Modoru"), Qt::LeftButton);
  EXPECT_EQ(app.state.store.observationDate, "12時");
}

TEST_F(EntryWindowsTest, HelpButtonShowsTheWindowsHelpText) {
  Kaiyou1 window(app.Context());
  QTest::mouseClick(Child<QPushButton>(window, "Setumei"), Qt::LeftButton);
  ASSERT_EQ(app.ui.messages.size(), 1u);
  EXPECT_EQ(app.ui.messages[0].title, " 「船舶、海洋ブイからの報告」の説明 ");
}

}  // namespace
}  // namespace nimbara
