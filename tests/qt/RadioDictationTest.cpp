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
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include <fstream>

#include "app/FileCommands.h"
#include "cli/CommandLine.h"
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
// The date box as the import of the broadcast sets the date: the header of
// its last part.
constexpr const char* kBroadcastDate = "気象通報原稿　漁業気象　２０２４年０１月１５日０６時";

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

// Tab leaves a table in one step without moving the station cursor; Alt+D
// goes to the date box, which starts in half-width digits; 説明 lists the
// letters of the systems' kinds.
TEST(RadioDictationWindow, KeysReachEveryPartAndTheHelpListsTheLetters) {
  testing::TestApp app;
  RadioDictation window(app.Context());
  Activate(window);
  QTableWidget* stations = Child<QTableWidget>(window, "Stations");
  EXPECT_TRUE(Child<QLineEdit>(window, "txtKansokubi")->text().contains(QRegularExpression("^\\d{4}年\\d\\d月\\d\\d日12時$")));
  stations->setFocus(Qt::TabFocusReason);
  QTest::keyClick(stations, Qt::Key_Tab);
  EXPECT_NE(QApplication::focusWidget(), stations);
  EXPECT_EQ(stations->currentRow(), 0);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_D, Qt::AltModifier);
  EXPECT_EQ(QApplication::focusWidget(), Child<QLineEdit>(window, "txtKansokubi"));
  QTest::mouseClick(Child<QPushButton>(window, "Setumei"), Qt::LeftButton);
  ASSERT_EQ(app.ui.messages.size(), 1u);
  EXPECT_NE(app.ui.messages[0].text.find("低＝L（低気圧）"), std::string::npos) << app.ui.messages[0].text;
  EXPECT_NE(app.ui.messages[0].text.find("熱低＝TD（熱帯低気圧）"), std::string::npos);
}

// A pupil's notes of the broadcast samples/bulletins/broadcast_*.txt: a line
// per station, an empty line, the systems part in short lines.
struct BroadcastNotes {
  std::vector<std::string> stations;
  std::vector<std::string> systems;
};

BroadcastNotes ReadBroadcastNotes() {
  BroadcastNotes notes;
  std::ifstream in(testing::TestDataPath("broadcast_dictation.txt"));
  std::vector<std::string>* part = &notes.stations;
  for (std::string line; std::getline(in, line);) {
    if (line.empty()) part = &notes.systems;
    else part->push_back(line);
  }
  return notes;
}

// The data file `nimbara import` makes of the broadcast's two parts.
std::string ImportedBroadcast(const testing::TempFolder& folder) {
  const std::string out = folder.Path() + "/imported.txt";
  std::vector<std::string> args = {"nimbara", "import", std::string(NIMBARA_SAMPLES) + "/bulletins/broadcast_station_part.txt",
                                   std::string(NIMBARA_SAMPLES) + "/bulletins/broadcast_systems_part.txt", "-o", out};
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  EXPECT_EQ(RunMain(static_cast<int>(argv.size()), argv.data()), 0);
  return ReadCp932File(out).value_or("");
}

// A station first taken down wrong, corrected when the broadcast had read
// station `noticedAfter`.
struct Mishearing {
  int slot;
  const char* heard;
  int noticedAfter;
};
constexpr Mishearing kMishearings[] = {
    {1, "n 5 kumori 21 13", 2}, {3, "nw 4 ame 20 12", 9}, {22, "wnw 5 kumori 4 m3", 40}};

TEST(RadioDictationWindow, AWholeBroadcastWithThreeCorrectionsSavesWhatItsImportSaves) {
  testing::TempFolder folder;
  const BroadcastNotes notes = ReadBroadcastNotes();
  ASSERT_EQ(notes.stations.size(), static_cast<std::size_t>(kDictatedStationCount));
  testing::TestApp app;
  app.state.fullDataMode = false;
  RadioDictation window(app.Context());
  Activate(window);
  QLineEdit* date = Child<QLineEdit>(window, "txtKansokubi");
  date->selectAll();
  Type(date, kBroadcastDate);
  QLineEdit* line = Child<QLineEdit>(window, "StationLine");
  QTableWidget* stations = Child<QTableWidget>(window, "Stations");
  for (int slot = 0; slot < kDictatedStationCount; ++slot) {
    const auto heard = std::find_if(std::begin(kMishearings), std::end(kMishearings),
                                    [&](const Mishearing& m) { return m.slot == slot; });
    Dictate(window, "StationLine", heard != std::end(kMishearings) ? heard->heard : notes.stations[slot].c_str());
    for (const Mishearing& m : kMishearings) {
      if (m.noticedAfter != slot) continue;
      for (int up = slot + 1; up > m.slot; --up) QTest::keyClick(line, Qt::Key_Up);
      Dictate(window, "StationLine", notes.stations[m.slot].c_str());
      EXPECT_TRUE(Child<QLabel>(window, "StationReason")->text().contains(QString::fromUtf8("が入っています")));
      QTest::keyClick(line, Qt::Key_Return);
      EXPECT_EQ(stations->currentRow(), slot + 1) << "back where the broadcast is";
    }
  }
  for (const std::string& systemsLine : notes.systems) Dictate(window, "SystemsText", systemsLine.c_str());
  EXPECT_EQ(Child<QLabel>(window, "SystemsReason")->text(), "");
  window.close();

  const std::string dictated = folder.Path() + "/dictated.txt";
  ASSERT_TRUE(SaveDataFileAt(app.Context(), dictated));
  EXPECT_EQ(ReadCp932File(dictated).value_or(""), ImportedBroadcast(folder));
}

}  // namespace
}  // namespace nimbara
