#include "app/StationEntry.h"

#include <gtest/gtest.h>

#include "core/CodeTables.h"
#include "core/Rows.h"
#include "support/TestApp.h"

namespace nimbara {
namespace {

class StationEntryTest : public ::testing::Test {
 protected:
  StationEntryTest() { LoadStationRows(app.state); }
  testing::TestApp app;
  AppState& state = app.state;

  static StationFields Fields(int direction, const char* force, int weather, const char* pressure,
                              const char* temperature) {
    return {direction, force, weather, pressure, temperature};
  }
};

TEST_F(StationEntryTest, LoadingBuildsOneEntryRowPerStationWithNoneSelected) {
  state.store.stationRecords[0] = {DirectionCode("北北西"), 3, WeatherCode("くもり"), 1012, 25};
  LoadStationRows(state);
  ASSERT_EQ(state.stationRows.Count(), kBuiltInStationCount);
  EXPECT_EQ(state.stationRows.rows[0], "石垣島            北北西  3 くもり 1012  25");
  EXPECT_EQ(state.stationRows.rows[53], "富士山");
  EXPECT_EQ(state.stationRows.selected, -1);
}

TEST_F(StationEntryTest, WithoutSelectionTheFirstStationIsWrittenAndTheNextSelected) {
  EnterStation(state, Fields(1, " 3", 2, "1012", "25"));
  EXPECT_EQ(state.store.stationRecords[0], (StationRecord{1, 3, 2, 1012, 25}));
  EXPECT_EQ(state.stationRows.rows[0], "石垣島            北北西  3 くもり 1012  25");
  EXPECT_EQ(state.stationRows.selected, 1);
}

TEST_F(StationEntryTest, RowShowsTheStoredValues) {
  state.stationRows.selected = 4;
  EnterStation(state, Fields(0, "12", 3, " 990", "-5.2"));
  EXPECT_EQ(state.stationRows.rows[4], "鹿児島            北      12 雨      990  -5");
  EXPECT_EQ(state.store.stationRecords[4], (StationRecord{0, 12, 3, 990, -5}));
}

TEST_F(StationEntryTest, WeatherIsKeptOnlyWithAnObservation) {
  state.stationRows.selected = 2;
  EnterStation(state, Fields(5, "0", 3, "0", "0"));
  EXPECT_EQ(state.store.stationRecords[2], (StationRecord{5, 0, 0, 0, 0}));
  EXPECT_EQ(state.stationRows.rows[2], "南大東島");
}

TEST_F(StationEntryTest, LastRowIsReplacedAndStaysSelected) {
  state.stationRows.selected = kBuiltInStationCount - 1;
  EnterStation(state, Fields(0, "1", 1, "1000", "-3"));
  EXPECT_EQ(state.stationRows.Count(), kBuiltInStationCount);
  EXPECT_EQ(state.stationRows.selected, kBuiltInStationCount - 1);
  EXPECT_EQ(state.store.stationRecords[53].temperature, -3);
  EXPECT_EQ(state.store.stationCount, kBuiltInStationCount);
}

TEST_F(StationEntryTest, PressingRepeatedlyWalksThroughTheStations) {
  for (int i = 0; i < 3; ++i) EnterStation(state, Fields(0, "1", 1, "1000", "10"));
  EXPECT_EQ(state.stationRows.selected, 3);
  EXPECT_EQ(state.store.stationRecords[2].pressure, 1000);
  EXPECT_EQ(state.store.stationRecords[3].pressure, 0);
}

TEST_F(StationEntryTest, AnEmptyListWritesNothing) {
  state.stationRows.rows.clear();
  EnterStation(state, Fields(0, "1", 1, "1000", "10"));
  EXPECT_EQ(state.store.stationRecords[0], StationRecord{});
}

TEST_F(StationEntryTest, DeleteEmptiesTheSelectedStationAndItsRow) {
  DeleteStation(state);  // nothing selected: nothing happens
  state.store.stationRecords[4] = {DirectionCode("北"), 3, WeatherCode("雨"), 1002, 7};
  LoadStationRows(state);
  const std::vector<std::string> rowsBefore = state.stationRows.rows;
  state.stationRows.selected = 4;
  DeleteStation(state);
  EXPECT_EQ(state.store.stationRecords[4], StationRecord{});
  EXPECT_EQ(state.stationRows.rows[4], state.store.stations.names[4]);
  EXPECT_EQ(state.stationRows.rows[3], rowsBefore[3]);
  EXPECT_EQ(state.stationRows.selected, 4);
}

TEST_F(StationEntryTest, BackKeepsTheDateMarksTheGridStaleAndHides) {
  state.field.grid.At(0, 0) = 101300;
  CloseStationWindow(app.Context(), "2024年1月1日 6時");
  EXPECT_EQ(state.headerText, "2024年1月1日 6時");
  EXPECT_EQ(state.store.observationDate, "2024年1月1日 6時");
  EXPECT_EQ(state.field.grid.At(0, 0), 0);
  EXPECT_EQ(app.ui.windowEvents.back(), "hide Tenki1");
}

}  // namespace
}  // namespace nimbara
