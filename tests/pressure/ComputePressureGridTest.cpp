#include "pressure/ComputePressureGrid.h"

#include <gtest/gtest.h>

#include <utility>

#include "core/Projection.h"
#include "io/IsobarFile.h"
#include "support/TestApp.h"

namespace nimbara {
namespace {

// Every built-in station with a pressure falling from west to east.
ObservationStore AllStationsReporting() {
  ObservationStore store;
  for (int i = 0; i < store.stationCount; ++i)
    store.stationRecords[i].pressure = 1020 - store.stations.x[i] / 40;
  return store;
}

TEST(PressureGridComputation, ReportingStationsFillTheWholeInterior) {
  ObservationStore store = AllStationsReporting();
  PlotPointTable plot;
  PressureField field;
  EXPECT_TRUE(ComputePressureGrid(store, plot, field));
  EXPECT_TRUE(field.grid.IsValid());
  for (int c = 1; c < kGridLast; ++c)
    for (int r = 1; r < kGridLast; ++r) {
      EXPECT_GT(field.grid.At(c, r), 95000) << c << "," << r;
      EXPECT_LT(field.grid.At(c, r), 105000) << c << "," << r;
    }
}

TEST(PressureGridComputation, SingleReportingStationEndsIncomplete) {
  ObservationStore store;
  store.stationRecords[10].pressure = 1013;
  PlotPointTable plot;
  PressureField field;
  EXPECT_FALSE(ComputePressureGrid(store, plot, field));
  EXPECT_TRUE(field.grid.incomplete);
  EXPECT_EQ(plot.lastIndex, store.stationCount - 1);
}

TEST(PressureGridComputation, HighSharingAStationCellKeepsTheirMean) {
  ObservationStore store = AllStationsReporting();
  store.systems[0] = {"高気圧", 40, 135, 1030};
  store.systemCount = 1;
  const MapPoint high = ProjectLatLon(40, 135);
  // Move station 0 into the high's cell, alone with it there.
  store.stations.x[0] = high.x;
  store.stations.y[0] = high.y;
  store.stationRecords[0].pressure = 1020;
  for (int i = 1; i < store.stationCount; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    if (std::abs(store.stations.x[slot] - high.x) < 24 && std::abs(store.stations.y[slot] - high.y) < 24)
      store.stationRecords[slot].pressure = 0;
  }
  PlotPointTable plot;
  PressureField field;
  ComputePressureGrid(store, plot, field);
  const int column = high.x / kNodeSpacing + 1;
  const int row = (high.y + kNodeSpacing - 1) / kNodeSpacing;
  EXPECT_EQ(field.fixed.At(column, row), -1);
  EXPECT_EQ(field.grid.At(column, row), 102500);
}

// Every cell of the finished grid of a small winter field (sixteen stations,
// a ship, a high over the continent, a deep low east of Hokkaido, a tropical
// depression and a slanted hand-drawn isobar), so that a changed pass, repeat
// count, radius or rule shows. The stored grid is the isobar file of this
// computation; write it anew only for an intended change of the computation.
TEST(PressureGridComputation, SmallWinterFieldGivesTheStoredGridCellForCell) {
  ObservationStore store;
  const std::pair<int, std::int32_t> stations[] = {
      {0, 1020},  {4, 1024},  {9, 1022},  {12, 1020}, {17, 1012}, {22, 1006}, {25, 998},  {27, 986},
      {29, 1000}, {31, 1030}, {34, 1030}, {39, 1023}, {42, 1040}, {45, 1031}, {48, 1023}, {51, 1016}};
  for (const auto& [slot, hPa] : stations) store.stationRecords[slot].pressure = hPa;
  store.shipCount = 1;
  store.ships[0] = {40, 145, 0, 0, 0, 992};
  store.systemCount = 5;
  const SystemEntry systems[] = {{"高気圧", 45, 110, 1040}, {"低気圧", 44, 150, 980}, {"熱帯低気圧", 15, 130, 1004},
                                 {"等圧線", 28, 142, 1012}, {"等圧線", 22, 146, 1012}};
  std::copy(std::begin(systems), std::end(systems), store.systems.begin());
  PlotPointTable plot;
  PressureField field;
  ASSERT_TRUE(ComputePressureGrid(store, plot, field));
  PressureGrid stored;
  ASSERT_TRUE(ReadIsobarFile(testing::TestDataPath("grid_small_winter_field.cnt"), store, plot, stored));
  for (int c = 0; c <= kGridLast; ++c)
    for (int r = 0; r <= kGridLast; ++r) ASSERT_EQ(field.grid.At(c, r), stored.At(c, r)) << c << "," << r;
}

TEST(PressureGridComputation, IsRepeatable) {
  ObservationStore store = AllStationsReporting();
  PlotPointTable plot;
  PressureField first;
  ComputePressureGrid(store, plot, first);
  PressureField second;
  second.grid.At(5, 5) = 12345;
  ComputePressureGrid(store, plot, second);
  EXPECT_EQ(first.grid, second.grid);
}

}  // namespace
}  // namespace nimbara
