#include "app/Dictation.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/ShipEntry.h"
#include "app/StationEntry.h"
#include "app/SystemEntryEditor.h"
#include "io/StationLine.h"
#include "support/TestApp.h"

namespace nimbara {
namespace {

class DictationTest : public ::testing::Test {
 protected:
  DictationTest() { LoadStationRows(app.state); }
  testing::TestApp app;
  AppState& state = app.state;
};

// The same values typed into the three entry windows give the same store and rows.
TEST_F(DictationTest, LinesStoreWhatTheEntryWindowsStore) {
  testing::TestApp typed;
  LoadStationRows(typed.state);
  typed.state.stationRows.selected = 2;
  EnterStation(typed.state, {7, "2", 2, "1018", "-7"});
  EnterShip(typed.state, {"32", "141", 14, "5", 3, "1006"});
  EnterShip(typed.state, {"30", "150", 0, "0", 1, "1020"});
  for (const SystemFields& fields : std::initializer_list<SystemFields>{
           {"41", "147", "1002", "低気圧"}, {"40", "152", "1013", "温暖前線"}, {"37", "155", "1013", "温暖前線"}}) {
    if (fields.latitude == "40") StartFromCentre(typed.state);
    EnterSystem(typed.state, fields);
  }

  EXPECT_EQ(EnterStationLine(app.Context(), 2, "なんなんせい 2 kumo 18 m7").cursor, 3);
  EXPECT_EQ(EnterShipLine(app.Context(), 0, "32 141 ne 5 ame 1006").cursor, 1);
  EXPECT_EQ(EnterShipLine(app.Context(), 1, "30 150 n 0 hare 1020").cursor, 2);
  EXPECT_TRUE(EnterSystemsText(app.Context(), "低 1002 41 147\n温暖 40 152 37 155").empty());
  EXPECT_EQ(state.store, typed.state.store);
  EXPECT_EQ(state.stationRows.rows, typed.state.stationRows.rows);
  EXPECT_EQ(state.shipRows.rows, typed.state.shipRows.rows);
  EXPECT_EQ(state.systemRows.rows, typed.state.systemRows.rows);
  EXPECT_EQ(app.ui.windowEvents,
            (std::vector<std::string>{"refresh Tenki1", "refresh Kaiyou1", "refresh Kaiyou1", "refresh Gyogyou"}));
}

TEST_F(DictationTest, NoReportEmptiesTheStationAndAnUnreadableLineChangesNothing) {
  state.store.stationRecords[4] = {1, 2, 3, 1004, 5};
  state.store.stationRecords[5] = kNoStationReport;
  state.field.grid.At(0, 0) = 101300;
  const ObservationStore before = state.store;
  const LineOutcome unread = EnterStationLine(app.Context(), 4, "北 2 くもろ");
  EXPECT_EQ(unread.cursor, 4);
  EXPECT_FALSE(unread.reason.empty());
  EXPECT_EQ(state.store, before);
  EXPECT_TRUE(state.field.grid.IsValid());

  EXPECT_EQ(EnterStationLine(app.Context(), 4, "-").cursor, 5);
  EXPECT_EQ(state.store.stationRecords[4], StationRecord{});
  EXPECT_FALSE(state.field.grid.IsValid());
  EXPECT_EQ(EnterStationLine(app.Context(), 5, "").cursor, 6);
  EXPECT_EQ(state.store.stationRecords[5], kNoStationReport);
  const LineOutcome last = EnterStationLine(app.Context(), 52, "");
  EXPECT_EQ(last.cursor, 52);
  EXPECT_TRUE(last.done);
  EXPECT_EQ(FirstStationWithoutReport(state.store), 0);
  state.store.stationRecords[0] = {1, 2, 3, 1004, 5};
  EXPECT_EQ(FirstStationWithoutReport(state.store), 1);
}

TEST_F(DictationTest, ShipLinesReplaceRemoveAndMoveOn) {
  EnterShipLine(app.Context(), 0, "32 141 ne 5 ame 1006");
  EnterShipLine(app.Context(), 1, "30 150 n 0 hare 1020");
  EXPECT_EQ(EnterShipLine(app.Context(), 0, "33 142 ne 5 ame 1006").cursor, 1);
  EXPECT_EQ(state.store.ships[0].latitude, 33);
  EXPECT_EQ(EnterShipLine(app.Context(), 0, "").cursor, 1);
  EXPECT_EQ(EnterShipLine(app.Context(), 0, "-").cursor, 0);
  EXPECT_EQ(state.store.shipCount, 1);
  EXPECT_EQ(state.store.ships[0].latitude, 30);
  EXPECT_EQ(EnterShipLine(app.Context(), 1, "-").cursor, 1);
  EXPECT_EQ(state.store.shipCount, 1);
  EXPECT_FALSE(EnterShipLine(app.Context(), 0, "").done);
  EXPECT_TRUE(EnterShipLine(app.Context(), 1, "").done);
}

TEST_F(DictationTest, CellsShowTheReportsAsTheTablesShowThem) {
  state.store.stationRecords[0] = {7, 2, 2, 1018, -7};
  state.store.stationRecords[1] = {0, 0, 1, 0, 12};
  state.store.stationRecords[2] = kNoStationReport;
  state.store.ships[0] = {32, 141, 14, 5, 3, 1006};
  EXPECT_EQ(StationCells(state.store, 0), (TableCells{"石垣島", "南南西", "2", "くもり", "1018", "-7"}));
  EXPECT_EQ(StationCells(state.store, 1), (TableCells{"那覇", "", "0", "晴れ", "", "12"}));
  EXPECT_EQ(StationCells(state.store, 2), (TableCells{"南大東島"}));
  EXPECT_EQ(ShipCells(state.store, 0), (TableCells{"32", "141", "北東", "5", "雨", "1006"}));
}

TEST_F(DictationTest, SystemsTextIsTheStoresSystemsAndNotesWhatWasNotRead) {
  EXPECT_EQ(EnterSystemsText(app.Context(), "低 1002 41 147\n寒冷 40\n温暖 40 152"), std::vector<std::string>{"寒冷 40"});
  EXPECT_EQ(SystemsText(state.store), "低 1002 41 147\n\n温暖 40 152\n");
}

TEST_F(DictationTest, TheLiveMapShowsTheSymbolsWithoutIsobarsOrFronts) {
  state.layers.map = false;
  state.store.systemCount = 2;
  state.store.systems[0] = {"寒冷前線", 35, 135, 0};
  state.store.systems[1] = {"寒冷前線", 30, 130, 0};
  EnterStationLine(app.Context(), 0, "東 1 晴れ 8 25");
  const std::vector<std::string>& log = app.canvas.Lines();
  EXPECT_EQ(log.at(1), "circle 173 270 3 - - 1 #0000FF #FFFFFF");
  EXPECT_TRUE(std::none_of(log.begin(), log.end(), [](const std::string& l) { return l.ends_with(" 2 #FF0000"); }));
  EXPECT_TRUE(app.ui.questions.empty()) << "the isobars would ask about the few pressures";
}

TEST_F(DictationTest, TheDateIsTodaysBroadcastUntilAStationHasAReport) {
  state.store.observationDate = "２０２４年０１月１５日０６時の各地の観測値";
  EXPECT_EQ(DictationDateText(state.store, 2026, 3, 9), "2026年03月09日12時");
  state.store.stationRecords[52] = {1, 2, 3, 1004, 5};
  EXPECT_EQ(DictationDateText(state.store, 2026, 3, 9), state.store.observationDate);
}

}  // namespace
}  // namespace nimbara
