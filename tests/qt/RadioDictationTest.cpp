#include "qt/windows/RadioDictation.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include "app/FileCommands.h"
#include "io/FileIo.h"
#include "qt/windows/Gyogyou.h"
#include "qt/windows/Kaiyou1.h"
#include "qt/windows/Tenki1.h"
#include "support/TempFolder.h"
#include "support/TestApp.h"
#include "support/WindowTesting.h"

namespace nimbara {
namespace {

using testing::Activate;
using testing::Child;

// Types text as a keyboard does: letters as key clicks, Japanese words as
// the input method commits them.
void Type(QWidget* widget, const char* utf8) {
  const QString text = QString::fromUtf8(utf8);
  for (qsizetype start = 0, end = 0; start < text.size(); start = end) {
    const bool ascii = text[start].unicode() < 0x80;
    for (end = start; end < text.size() && (text[end].unicode() < 0x80) == ascii;) ++end;
    if (ascii) {
      QTest::keyClicks(widget, text.mid(start, end - start));
    } else {
      QInputMethodEvent commit;
      commit.setCommitString(text.mid(start, end - start));
      QApplication::sendEvent(widget, &commit);
    }
  }
}

// Types a line into a box and presses Return.
void Dictate(QWidget& window, const char* box, const char* line) {
  QWidget* widget = Child<QWidget>(window, box);
  widget->setFocus();
  Type(widget, line);
  QTest::keyClick(widget, Qt::Key_Return);
}

std::string Saved(testing::TestApp& app, const testing::TempFolder& folder) {
  const std::string path = folder.Path() + "/saved.txt";
  EXPECT_TRUE(SaveDataFileAt(app.Context(), path));
  return ReadCp932File(path).value_or("");
}

constexpr const char* kDate = "２０２４年０１月１５日１２時";

// The same report through the three entry windows: their boxes, lists and buttons.
std::string TypedIntoTheEntryWindows(const testing::TempFolder& folder) {
  testing::TestApp app;
  Tenki1 tenki(app.Context());
  Activate(tenki);
  const auto choose = [](QWidget& window, const char* list, const char* text) {
    Child<QComboBox>(window, list)->setCurrentText(QString::fromUtf8(text));
  };
  const auto type = [](QWidget& window, const char* box, const char* text) {
    Child<QLineEdit>(window, box)->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(QApplication::focusWidget(), QString::fromUtf8(text));
    Child<QWidget>(window, "Tugi")->setFocus(Qt::TabFocusReason);
  };
  const auto enter = [](QWidget& window) { QTest::mouseClick(Child<QPushButton>(window, "Tugi"), Qt::LeftButton); };
  struct Station { int row; const char* direction; const char* force; const char* weather; const char* pressure; const char* temperature; };
  for (const Station& s : {Station{0, "南南西", "2", "くもり", "18", "7"}, Station{1, "南南西", "3", "晴れ", "20", "12"},
                           Station{3, "北", "1", "雨", "15", "5"}, Station{4, "北", "4", "雪", "998", "-2"},
                           Station{5, "北東", "2", "くもり", "10", "3"}}) {
    Child<QListWidget>(tenki, "KansokuData")->setCurrentRow(s.row);
    choose(tenki, "Huukou", s.direction);
    type(tenki, "Huuryoku", s.force);
    choose(tenki, "Tenki", s.weather);
    type(tenki, "Kiatu", s.pressure);
    type(tenki, "Ondo", s.temperature);
    enter(tenki);
  }
  Type(Child<QLineEdit>(tenki, "txtKansokubi"), kDate);
  tenki.close();

  Kaiyou1 kaiyou(app.Context());
  Activate(kaiyou);
  for (auto [box, text] : {std::pair{"Hokui", "32"}, {"Toukei", "141"}, {"Huuryoku", "5"}, {"Kiatu", "1006"}})
    type(kaiyou, box, text);
  choose(kaiyou, "Huukou", "北東");
  choose(kaiyou, "Tenki", "雨");
  enter(kaiyou);
  kaiyou.close();

  Gyogyou gyogyou(app.Context());
  Activate(gyogyou);
  struct Point { const char* kind; const char* latitude; const char* longitude; };
  for (const Point& p : {Point{"低気圧", "41", "147"}, Point{"温暖前線", "40", "152"}, Point{"温暖前線", "37", "155"},
                         Point{"寒冷前線", "41", "147"}, Point{"寒冷前線", "38", "140"}, Point{"寒冷前線", "35", "135"}}) {
    if (std::string(p.latitude) == "40") QTest::mouseClick(Child<QPushButton>(gyogyou, "cmdTyuusin"), Qt::LeftButton);
    choose(gyogyou, "Syurui", p.kind);
    type(gyogyou, "Hokui", p.latitude);
    type(gyogyou, "Toukei", p.longitude);
    type(gyogyou, "Kiatu", "1002");
    enter(gyogyou);
  }
  gyogyou.close();
  return Saved(app, folder);
}

TEST(RadioDictationWindow, TheKeyboardAloneMakesTheFileTheEntryWindowsMake) {
  testing::TempFolder folder;
  testing::TestApp app;
  RadioDictation window(app.Context());
  QSignalSpy mapChanges(&window, &RadioDictation::MapChanged);
  Activate(window);
  Child<QLineEdit>(window, "txtKansokubi")->selectAll();
  Type(Child<QLineEdit>(window, "txtKansokubi"), kDate);
  for (const char* line : {"南南西 2 くもり 18 7", "ssw 3 hare 20 12", "-", "n 1 ame 15 5", "きた 4 yuki 998 m2"})
    Dictate(window, "StationLine", line);
  Dictate(window, "StationLine", "ne 2 くもろ 10 3");
  EXPECT_EQ(Child<QLabel>(window, "StationReason")->text(),
            QString::fromUtf8("「くもろ」は風向・天気・数のどれでもありません"));
  EXPECT_EQ(Child<QLineEdit>(window, "StationLine")->text(), QString::fromUtf8("ne 2 くもろ 10 3"));
  Child<QLineEdit>(window, "StationLine")->clear();
  QTest::keyClick(Child<QLineEdit>(window, "StationLine"), Qt::Key_Down);
  QTest::keyClick(Child<QLineEdit>(window, "StationLine"), Qt::Key_Up);
  Dictate(window, "StationLine", "ne 2 kumo 10 3");
  Dictate(window, "ShipLine", "32 141 北東 5 あめ 1006");
  Dictate(window, "SystemsText", "低 1002 41 147");
  Dictate(window, "SystemsText", "温暖 40 152 37 155");
  Dictate(window, "SystemsText", "寒冷 41 147 38 140 35 135");

  QTableWidget* stations = Child<QTableWidget>(window, "Stations");
  EXPECT_EQ(stations->currentRow(), 6);
  EXPECT_EQ(stations->item(4, 5)->text(), "-2");
  EXPECT_EQ(Child<QTableWidget>(window, "Ships")->item(0, 2)->text(), QString::fromUtf8("北東"));
  EXPECT_EQ(Child<QListWidget>(window, "SystemsRead")->count(), 7);
  EXPECT_EQ(mapChanges.count(), 7);  // six stations and a ship
  QTest::keyClick(Child<QWidget>(window, "SystemsText"), Qt::Key_F5);
  EXPECT_EQ(app.ui.questions.size(), 1u) << "F5 draws the isobars, which ask about the few pressures";
  app.state.field.grid.At(0, 0) = 101300;  // as if F5 had been answered Yes
  QTest::mouseClick(Child<QPushButton>(window, "Modoru"), Qt::LeftButton);
  EXPECT_FALSE(app.state.field.grid.IsValid());
  EXPECT_EQ(app.ui.windowEvents.back(), "hide RadioDictation");

  const std::string saved = Saved(app, folder);
  EXPECT_NE(saved.find("1018"), std::string::npos);
  EXPECT_EQ(saved, TypedIntoTheEntryWindows(folder));
}

}  // namespace
}  // namespace nimbara
