#include "app/PasteCommands.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <tuple>
#include <fstream>
#include <map>
#include <sstream>

#include "core/Rows.h"
#include "core/Text.h"
#include "io/BulletinItems.h"
#include "io/Cp932.h"
#include "io/FieldReader.h"
#include "io/FileIo.h"
#include "io/StationLine.h"
#include "app/DisplayCommands.h"
#include "app/FileCommands.h"
#include "app/StationEntry.h"
#include "support/TempFolder.h"
#include "support/TestApp.h"

namespace nimbara {
namespace {

using testing::TestApp;
using testing::TestDataPath;

std::string SampleBulletin(const std::string& name) {
  return ReadCp932File(std::string(NIMBARA_SAMPLES) + "/bulletins/" + name).value();
}

std::vector<std::vector<std::string>> ExpectedRows(const std::string& name) {
  std::vector<std::vector<std::string>> rows;
  for (const std::string& line : SplitLines(ReadCp932File(TestDataPath(name)).value())) {
    std::istringstream words(line);
    std::vector<std::string> row;
    for (std::string word; words >> word;) row.push_back(word);
    rows.push_back(row);
  }
  return rows;
}

class Paste : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "paste-XXXXXX").string();
    m_folder = mkdtemp(pattern.data());
    app.state.tempFileDirectory = m_folder;
  }
  void TearDown() override { std::filesystem::remove_all(m_folder); }

  PasteReport Import(const std::string& text) { return ImportBulletinText(app.Context(), text); }
  std::string TempFile() const { return (std::filesystem::path(m_folder) / kBulletinTempFileName).string(); }

  TestApp app;
  std::string m_folder;
};

// Every station and counted ship of a sample bulletin against the values it
// was written from, but for the stations in `changed`.
void ExpectStationRecords(const ObservationStore& store, const std::string& expectedFile,
                          const std::map<int, StationRecord>& changed = {}, bool withShips = true) {
  int ships = 0;
  for (const auto& row : ExpectedRows(expectedFile)) {
    std::vector<int> n;
    for (std::size_t i = 1; i < row.size(); ++i) n.push_back(std::stoi(row[i]));
    if (row[0] == "station") {
      const auto change = changed.find(n[0]);
      EXPECT_EQ(store.stationRecords[n[0]],
                (change != changed.end() ? change->second : StationRecord{n[1], n[2], n[3], n[4], n[5]}))
          << "slot " << n[0];
    } else if (withShips) {
      EXPECT_EQ(store.ships[ships++], (ShipRecord{n[0], n[1], n[2], n[3], n[4], n[5]}));
    }
  }
  if (withShips) {
    EXPECT_EQ(store.shipCount, ships);
  }
}

void ExpectSystems(const ObservationStore& store, const std::string& expectedFile) {
  const auto rows = ExpectedRows(expectedFile);
  ASSERT_EQ(store.systemCount, static_cast<int>(rows.size()));
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(store.systems[i],
              (SystemEntry{rows[i][0], std::stoi(rows[i][1]), std::stoi(rows[i][2]), std::stoi(rows[i][3])}))
        << "entry " << i;
  }
}

TEST_F(Paste, LayoutABulletinFillsEveryStationAndShip) {
  Import(SampleBulletin("winter_stations.txt"));
  ExpectStationRecords(app.state.store, "bulletin_winter_stations_expected.txt");
  EXPECT_EQ(app.state.store.stations.names[30], "セベロクリリスク");
  EXPECT_EQ(app.state.store.observationDate, "２０２４年０１月１５日０６時の各地の観測値");
  EXPECT_EQ(app.state.headerText, app.state.store.observationDate);
}

TEST_F(Paste, LayoutBBulletinRenamesSlot30) {
  Import(SampleBulletin("summer_stations.txt"));
  ExpectStationRecords(app.state.store, "bulletin_summer_stations_expected.txt");
  EXPECT_EQ(app.state.store.stations.names[30], "オゼルナヤ");
  EXPECT_EQ(app.state.stationRows.rows[30].rfind("オゼルナヤ", 0), 0u);
  Import(SampleBulletin("winter_stations.txt"));
  EXPECT_EQ(app.state.store.stations.names[30], "オゼルナヤ");  // layout A does not name it back
}

TEST_F(Paste, StationLinesAreFoundByTheirNamesAndReadByTheirWords) {
  const std::string naha = "那覇          北         風力 ５ くもり   １０２１ｈＰａ  １５度\r\n";
  const std::string daito = "南大東島      北         風力 ４ 晴れ    １０２１ｈＰａ  １６度\r\n";
  const std::string nakhodka = "ナホトカ      北西        風力 ３ 晴れ    １０２０ｈＰａ  －５度\r\n";
  struct Edit {
    const char* what;
    std::string from;
    std::string to;
    std::map<int, StationRecord> changed;
  };
  const Edit edits[] = {
      {"duplicated line", naha, naha + naha, {}},
      {"missing line: the same time's earlier paste stays", naha, "", {}},
      {"lines in another order", naha + daito, daito + naha, {}},
      {"station of another year", naha, nakhodka + naha, {}},
      {"spaced name, half-width digits, unit after a space", naha, "那 覇 北 風力 5 くもり 1021 hPa 15度\r\n", {}},
      {"unit mb and the minus sign −", daito, "南大東島 北 風力４ 晴れ １０２１ｍｂ −３度\r\n", {{2, {0, 4, 1, 1021, -3}}}},
      {"ヘクトパスカル and the minus word", daito, "南大東島 北 風力 4 晴れ 1021ヘクトパスカル マイナス3度\r\n",
       {{2, {0, 4, 1, 1021, -3}}}},
      {"implausible pressure", "１０２２ｈＰａ", "１２２２ｈＰａ", {{0, {15, 4, 2, 0, 17}}}},
      {"ship position in half-width digits", "北緯３８度 東経１４５度", "北緯 38度、東経 145度", {}},
  };
  for (const Edit& edit : edits) {
    SCOPED_TRACE(edit.what);
    std::string text = SampleBulletin("winter_stations.txt");
    text.replace(text.find(edit.from), edit.from.size(), edit.to);
    Import(text);
    ExpectStationRecords(app.state.store, "bulletin_winter_stations_expected.txt", edit.changed);
  }
}

TEST_F(Paste, StationImportWritesRowsMarksGridStaleAndShowsWindows) {
  app.state.field.grid.At(0, 0) = 101300;
  app.state.stationRows.rows.assign(54, "old");
  app.state.shipRows = {{"a", "b", "c", "d", "e", "f", "g"}, 3};
  Import(SampleBulletin("winter_stations.txt"));
  const AppState& s = app.state;
  ASSERT_EQ(s.stationRows.Count(), 54);
  for (int slot = 0; slot < kBulletinStationCount; ++slot) {
    EXPECT_EQ(s.stationRows.rows[static_cast<std::size_t>(slot)], FormatStationRow(s.store, slot));
  }
  EXPECT_EQ(s.stationRows.rows[53], "old");
  ASSERT_EQ(s.shipRows.Count(), 4);
  EXPECT_EQ(s.shipRows.rows[0], FormatShipRow(s.store, 0));
  EXPECT_EQ(s.shipRows.selected, -1);
  EXPECT_FALSE(s.field.grid.IsValid());
  EXPECT_EQ(app.ui.windowEvents, (std::vector<std::string>{"refresh Tenki1", "show Tenki1", "refresh Kaiyou1",
                                                           "show Kaiyou1"}));
}

TEST_F(Paste, CalmStationRowShowsNoDirectionAndForceZero) {
  Import(SampleBulletin("winter_stations.txt"));
  const std::string& row = app.state.stationRows.rows[46];  // 武漢, 風弱く
  EXPECT_EQ(row, "武漢" + std::string(14, ' ') + "　　　" + "  0 くもり 1030   3");
}

TEST_F(Paste, Slot53KeepsItsRecord) {
  app.state.store.stationRecords[53] = {3, 4, 1, 640, -12};
  Import(SampleBulletin("summer_stations.txt"));
  EXPECT_EQ(app.state.store.stationRecords[53], (StationRecord{3, 4, 1, 640, -12}));
}

TEST_F(Paste, SystemsBulletinsFillTheSystemsList) {
  for (const char* season : {"winter", "summer"}) {
    app.ui.windowEvents.clear();
    Import(SampleBulletin(std::string(season) + "_systems.txt"));
    ExpectSystems(app.state.store, std::string("bulletin_") + season + "_systems_expected.txt");
    ASSERT_EQ(app.state.systemRows.Count(), app.state.store.systemCount);
    EXPECT_EQ(app.ui.windowEvents, (std::vector<std::string>{"refresh Gyogyou", "show Gyogyou"}));
  }
  EXPECT_EQ(app.state.systemRows.rows[4], FormatSystemRow(app.state.store, 4));
  EXPECT_NE(app.state.systemRows.rows[4].find("E         停滞前線"), std::string::npos) << app.state.systemRows.rows[4];
  EXPECT_NE(app.state.systemRows.rows[1].find(" 965hPa 台風"), std::string::npos) << app.state.systemRows.rows[1];
}

TEST_F(Paste, BroadcastManuscriptSamplesGiveTheWinterMap) {
  EXPECT_TRUE(Import(SampleBulletin("broadcast_station_part.txt")).stationSentences);
  ExpectStationRecords(app.state.store, "bulletin_winter_stations_expected.txt", {}, false);
  EXPECT_EQ(app.state.store.observationDate, "気象通報原稿　各地の天気　２０２４年０１月１５日０６時");

  Import(SampleBulletin("broadcast_station_part_listing.txt"));
  EXPECT_EQ(app.state.store.stationRecords[20], (StationRecord{3, 7, 4, 1010, -2}));  // 輪島
  EXPECT_EQ(app.state.store.stationRecords[28], AsReadBack(kNoStationReport));       // 稚内: 入電がありません
  EXPECT_EQ(app.state.store.stationRecords[2], (StationRecord{0, 4, 1, 1021, 16}));  // not listed: kept

  Import(SampleBulletin("broadcast_systems_part.txt"));
  std::vector<SystemEntry> read(app.state.store.systems.begin(),
                                app.state.store.systems.begin() + app.state.store.systemCount);
  Import(SampleBulletin("winter_systems.txt"));
  std::vector<SystemEntry> bulletin(app.state.store.systems.begin(),
                                    app.state.store.systems.begin() + app.state.store.systemCount);
  const auto byPlace = [](const SystemEntry& a, const SystemEntry& b) {
    return std::tie(a.kind, a.latitude, a.longitude) < std::tie(b.kind, b.latitude, b.longitude);
  };
  std::sort(read.begin(), read.end(), byPlace);
  std::sort(bulletin.begin(), bulletin.end(), byPlace);
  EXPECT_EQ(read, bulletin);
}

TEST_F(Paste, SystemsImportReplacesTheWholeListAndMarksTheGridStale) {
  app.state.field.grid.At(0, 0) = 101300;
  app.state.store.systemCount = 3;
  app.state.systemRows = {{"x", "y", "z"}, 1};
  app.state.store.systems[2] = {"高気圧", 40, 120, 1030};
  Import("日付\n高気圧 1020hPa (32N,160E)\n");
  EXPECT_EQ(app.state.store.systemCount, 1);
  EXPECT_EQ(app.state.store.systems[2].pressure, 0);
  EXPECT_EQ(app.state.systemRows.selected, -1);
  EXPECT_EQ(app.state.systemRows.rows, (std::vector<std::string>{"  32N  160E 1020hPa 高気圧"}));
  EXPECT_FALSE(app.state.field.grid.IsValid());
}

TEST_F(Paste, AnotherTimesStationsAreEmptiedAndTheSameTimesKept) {
  Import(SampleBulletin("winter_stations.txt"));
  const std::string ishigaki = "石垣島        北北東       風力 ４ くもり   １０２２ｈＰａ  １７度\n";
  const PasteReport same = Import("２０２４年０１月１５日０６時の各地の観測値\n" + ishigaki);
  EXPECT_EQ(same.keptStations.size(), 52u);
  EXPECT_TRUE(same.emptiedStations.empty());
  EXPECT_EQ(app.state.store.stationRecords[1], (StationRecord{0, 5, 2, 1021, 15}));
  EXPECT_EQ(app.state.store.shipCount, 4);

  const PasteReport other = Import("２０２４年０１月１６日０６時の各地の観測値\n" + ishigaki);
  EXPECT_EQ(other.emptiedStations.size(), 52u);
  EXPECT_EQ(other.emptiedStations[0], "那覇");
  EXPECT_EQ(app.state.store.stationRecords[1], AsReadBack(kNoStationReport));
  EXPECT_EQ(app.state.store.stationRecords[0], (StationRecord{15, 4, 2, 1022, 17}));
  EXPECT_EQ(app.state.store.shipCount, 0);
  EXPECT_EQ(app.state.store.observationDate, "２０２４年０１月１６日０６時の各地の観測値");
}

TEST_F(Paste, PastedMapIsTheMapOfItsSavedFile) {
  for (const char* sample : {"broadcast_station_part_listing.txt", "winter_stations.txt"}) {
    SCOPED_TRACE(sample);
    TestApp pasted;
    pasted.state.tempFileDirectory = m_folder;
    pasted.state.fullDataMode = false;
    LoadStationRows(pasted.state);  // as the start does
    ImportBulletinText(pasted.Context(), SampleBulletin(sample));
    cntDisplay_Click(pasted.Context());
    const testing::TempFolder folder;
    ASSERT_TRUE(SaveDataFileAt(pasted.Context(), folder.File("map.txt")));
    TestApp opened;
    opened.state.fullDataMode = false;
    ASSERT_TRUE(OpenDataFile(opened.Context(), folder.File("map.txt")));  // and displays it
    const auto& a = pasted.canvas.Lines();
    const auto& b = opened.canvas.Lines();
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) ASSERT_EQ(a[i], b[i]) << "drawing call " << i;
  }
}

// Pastes as people make them, with what they must store and the report lines
// that must name what was not stored as it stood.
struct ReportedPaste {
  const char* what;
  std::string text;
  std::function<void(const ObservationStore&)> stores;
  std::vector<std::string> lines;  // each must stand in a line of the report
};

TEST_F(Paste, ReportNamesWhatWasNotStoredAsItStood) {
  const ReportedPaste pastes[] = {
      {"a ship without pressure, weather words reduced",
       "２０２４年０１月１５日０６時\nJPBX 北緯41度 東経138度 西北西 風力7 天気 雪 気圧 不明\n"
       "香港 東 風力 2 霧雨 1021hPa 15度 マニラ 北 風力 2 霧雨 1014hPa 25度",
       [](const ObservationStore& s) {
         EXPECT_EQ(s.shipCount, 0);
         EXPECT_EQ(s.stationRecords[48].weather, 3);
       },
       {"　霧雨を「雨」として読みました：香港、マニラ", "　気圧のない船舶の報告：JPBX（北緯41度 東経138度）"}},
      {"positions no map shows",
       "低気圧 1000hPa (8N,130E) 高気圧 1020hPa (95N,200E)",
       [](const ObservationStore& s) { EXPECT_EQ(s.systemCount, 1); },
       {"　地図の外の位置：低気圧（北緯8度 東経130度）", "　ありえない位置：高気圧（北緯95度 東経200度）"}},
      {"thirty unknown stations: the list is cut at twenty", [] {
         std::string text;
         for (char32_t c = U'ア'; c < U'ア' + 60; c += 2) {
           std::string name = "地点";
           AppendUtf8(name, c);
           text += name + "では、北の風、風力1、晴れ、10ヘクトパスカル、5度。";
         }
         return text + "那覇では、北の風、風力1、晴れ、10ヘクトパスカル、5度。";
       }(),
       [](const ObservationStore& s) { EXPECT_EQ(s.stationRecords[1].pressure, 1010); },
       {"　表にない地点：地点ア、地点イ、", "　ほか 10 件"}},
  };
  for (const ReportedPaste& p : pastes) {
    SCOPED_TRACE(p.what);
    const PasteReport report = Import(p.text);
    p.stores(app.state.store);
    const std::vector<std::string> lines = PasteReportLines(report, app.state.store);
    for (const std::string& part : p.lines) {
      EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                              [&](const std::string& line) { return line.find(part) != std::string::npos; }))
          << part;
    }
    for (const std::string& line : lines) EXPECT_LE(CharLength(line), 1000u) << "a line of the report stays readable";
  }
}

TEST_F(Paste, TemporaryFileHoldsThePasteAsCp932WithCrLf) {
  Import("見出し\n高気圧 1020hPa (32N,160E)");
  EXPECT_EQ(ReadWholeFile(TempFile()).value(), EncodeCp932("見出し\r\n高気圧 1020hPa (32N,160E)\r\n").bytes);
}

TEST_F(Paste, UnwritableTemporaryFolderStillImports) {
  std::ofstream(TempFile()) << "a file, not a folder";
  app.state.tempFileDirectory = TempFile();
  Import(SampleBulletin("winter_stations.txt"));
  ExpectStationRecords(app.state.store, "bulletin_winter_stations_expected.txt");
}

TEST_F(Paste, CharacterWithoutCp932FormKeepsTheTextWhole) {
  Import("観測値 🌀 速報\n高気圧 1020hPa (32N,160E)\n");
  EXPECT_EQ(app.state.store.observationDate, "観測値 🌀 速報");
  EXPECT_EQ(app.state.store.systemCount, 1);
}

TEST_F(Paste, OnlyCharactersWithoutCp932FormSkipTheRoundTrip) {
  // The flag's tag characters have no CP932 form either; the encoder drops them.
  for (const std::string header : {"観測値 🌀", "観測値 🏴\U000E0067\U000E0062\U000E0065\U000E006E\U000E0067\U000E007F"}) {
    Import(header + "\n地点\n石垣島        北北東       風力 ４ くもり   １０２２ｈＰａ  −５度\n");
    EXPECT_EQ(app.state.store.observationDate, header);
    EXPECT_EQ(app.state.store.stationRecords[0].temperature, -5);
  }
}

TEST_F(Paste, ByteOrderMarkBeforeTheTextIsDropped) {
  Import("\xEF\xBB\xBF" + SampleBulletin("winter_systems.txt"));
  EXPECT_EQ(app.state.store.observationDate, "２０２４年０１月１５日０６時の低気圧や前線の位置");
}

TEST_F(Paste, HugeTextsFinish) {
  const std::string oneLine(std::size_t{2} << 20, 'x');
  EXPECT_FALSE(Import(oneLine).Recognised());

  std::string manyPositions = "日付\n等圧線 1020hPa ";
  for (int i = 0; i < 200000; ++i) manyPositions += "(1N,2E)";
  Import(manyPositions);
  EXPECT_EQ(app.state.store.systemCount, kSlotCount);

  std::string manyNames = SampleBulletin("winter_stations.txt");
  for (int i = 0; i < 200000; ++i) manyNames += "石垣島,";
  Import(manyNames);
  ExpectStationRecords(app.state.store, "bulletin_winter_stations_expected.txt");
}

TEST_F(Paste, PasteCommandTakesTextThenPicture) {
  app.ui.clipboardText = SampleBulletin("winter_systems.txt");
  app.ui.clipboardPicture = Picture{1, 1, {0xFF102030}};
  cntPaste_Click(app.Context());
  EXPECT_EQ(app.state.store.systemCount, 23);
  EXPECT_TRUE(app.canvas.HasPicture());
}

TEST_F(Paste, UnreadableTextChangesNothingAndSaysSo) {
  Import(SampleBulletin("winter_stations.txt"));
  const ObservationStore store = app.state.store;
  app.ui.windowEvents.clear();
  for (const char* text : {"ようこそ\n今日は晴れです。\n", "日付\n\n高気圧があります\n", ""}) {
    app.ui.clipboardText = text;
    cntPaste_Click(app.Context());
  }
  EXPECT_EQ(app.state.store, store);
  EXPECT_EQ(app.state.headerText, store.observationDate);
  EXPECT_TRUE(app.ui.windowEvents.empty());
  ASSERT_EQ(app.ui.messages.size(), 3u);
  EXPECT_EQ(app.ui.messages[0].title, "データの貼り付け");
  EXPECT_EQ(app.ui.messages[0].icon, MessageIcon::Warning);
  EXPECT_EQ(app.ui.messages[0].text.substr(0, app.ui.messages[0].text.find("\r\n")),
            "貼り付けたテキストは気象通報のデータとして読めませんでした。");
}

TEST_F(Paste, RecognisedTextEndsWithASummary) {
  std::string withNotes = SampleBulletin("winter_stations.txt");
  withNotes.replace(withNotes.find("１０２２ｈＰａ"), 18, "１２２２ｈＰａ");
  withNotes.insert(withNotes.find("那覇"), "ナホトカ      北西        風力 ３ 晴れ    １０２０ｈＰａ  －５度\r\n"
                                         "ニコラエフスク\r\n　　　　　　　北  風力 ８ 雪  　９８６ｈＰａ  －８度\r\n");
  const std::pair<std::string, std::string> cases[] = {
      {withNotes,
       "気象庁の「各地の観測値」として読みました。\r\n気圧のある地点：53地点のうち 52地点\r\n船舶・ブイの報告：4件\r\n"
       "読みかえたもの：\r\n　煙霧を「不明」として読みました：北京\r\n　ありえない気圧（欠測にしました）：石垣島 1222hPa\r\n"
       "読まなかったもの：\r\n　表にない地点：ナホトカ、ニコラエフスク\r\n"
       "　気圧のない船舶の報告：ＪＰＢＸ（北緯41度 東経138度）"},
      {SampleBulletin("winter_systems.txt"),
       "気象庁の「低気圧や前線の位置」として読みました。\r\n低気圧や前線：高気圧 2、低気圧 2、温暖前線 3点、寒冷前線 5点、"
       "停滞前線 4点、閉塞前線 3点、等圧線 4点\r\n読まなかったもの：\r\n　「北東 30km/h」「東北東 40km/h」「東 15km/h」"},
      {"漁業気象\n北緯41度、東経147度には、1002hPaの低気圧があって、中心から寒冷前線が北緯36度、東経147度、北緯33",
       "気象通報の原稿（漁業気象）として読みました。\r\n低気圧や前線：低気圧 1\r\n読まなかったもの：\r\n"
       "　途中で切れた文や位置のない文：「中心から寒冷前線が北緯36度、東経147…」"},
  };
  for (const auto& [text, summary] : cases) {
    app.ui.messages.clear();
    app.ui.clipboardText = text;
    cntPaste_Click(app.Context());
    ASSERT_EQ(app.ui.messages.size(), 1u);
    EXPECT_EQ(app.ui.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(app.ui.messages[0].text, summary);
  }
}

TEST_F(Paste, EmptyClipboardDoesNothing) {
  cntPaste_Click(app.Context());
  EXPECT_TRUE(app.ui.windowEvents.empty());
  EXPECT_FALSE(app.canvas.HasPicture());
  EXPECT_FALSE(std::filesystem::exists(TempFile()));
}

}  // namespace
}  // namespace nimbara
