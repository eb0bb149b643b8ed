#include "core/Rows.h"

#include <gtest/gtest.h>

#include "core/CodeTables.h"

namespace nimbara {
namespace {

struct StationRowCase {
  const char* name;
  StationRecord record;
  const char* row;
};

class StationRowTest : public ::testing::TestWithParam<StationRowCase> {};

TEST_P(StationRowTest, ColumnsLineUpUnderFullWidthNames) {
  ObservationStore store;
  store.stationRecords[0] = GetParam().record;
  EXPECT_EQ(FormatStationRow(store, 0), GetParam().row);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StationRowTest,
    ::testing::Values(
        StationRowCase{"Observed", {1, 3, 2, 1012, 25}, "石垣島            北北西  3 くもり 1012  25"},
        StationRowCase{"ForceTwelveFillsItsField", {0, 12, 3, 990, 20}, "石垣島            北      12 雨      990  20"},
        StationRowCase{"UnknownWeatherIsBlank", {0, 1, kUnknownWeather, 1000, -5}, "石垣島            北      1        1000  -5"},
        StationRowCase{"CalmShowsIdeographicSpaces", {5, 0, 2, 1000, 3}, "石垣島            　　　  0 くもり 1000   3"},
        StationRowCase{"NoObservationIsTheNameAlone", {5, 0, 2, 0, 0}, "石垣島"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Rows, ShipAndSystemRows) {
  ObservationStore store;
  store.ships[0] = {35, 140, 12, 4, 1, 1008};
  EXPECT_EQ(FormatShipRow(store, 0), "  35 140東       4 晴れ     1008");
  store.systems[0] = {"低気圧", 35, 140, 1008};
  store.systems[1] = {"寒冷前線", 40, 145, 0};
  store.systems[2] = {"低気圧", 35, 140, 0};
  EXPECT_EQ(FormatSystemRow(store, 0), "  35N  140E 1008hPa 低気圧");
  EXPECT_EQ(FormatSystemRow(store, 1), "  40N  145E         寒冷前線");
  EXPECT_EQ(FormatSystemRow(store, 2), "  35N  140E         低気圧");
}

TEST(CodeTables, LookupsFallBackToNorthAndUnknown) {
  EXPECT_EQ(DirectionCode("北北東"), 15);
  EXPECT_EQ(DirectionCode("無風"), 0);
  EXPECT_EQ(WeatherCode("霧"), 9);
  EXPECT_EQ(WeatherCode("晴"), kUnknownWeather);
  EXPECT_EQ(WeatherName(11), "");
  EXPECT_EQ(DirectionName(-1), "");
  EXPECT_TRUE(IsFrontKind("停滞前線"));
  EXPECT_FALSE(IsFrontKind("中心から"));
}

TEST(StationTable, BuiltInTableHoldsFiftyFourFixedStations) {
  const StationTable table = BuiltInStationTable();
  EXPECT_EQ(table.names[0], "石垣島");
  EXPECT_EQ(table.names[53], "富士山");
  EXPECT_EQ(table.x[53], 282);
  EXPECT_EQ(table.names[54], "");
  // 室戸岬 lies on its coast between 足摺岬 and 潮岬.
  EXPECT_GT(table.y[8], table.y[13]);
  EXPECT_LT(table.y[8], table.y[7]);
}

}  // namespace
}  // namespace nimbara
