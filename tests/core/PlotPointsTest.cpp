#include "core/PlotPoints.h"

#include <gtest/gtest.h>

#include "core/Projection.h"

namespace nimbara {
namespace {

class PlotPointsTest : public ::testing::Test {
 protected:
  ObservationStore store;
  PlotPointTable table;
  PressureField field;
};

TEST_F(PlotPointsTest, StationsOnlyEndAtTheLastStation) {
  store.stationRecords[0].pressure = 1013;
  BuildPlotPoints(store, table, field);
  EXPECT_EQ(table.lastIndex, 53);
  EXPECT_EQ(table.x[0], 173);
  EXPECT_EQ(table.y[0], 270);
  EXPECT_EQ(table.pressure[0], 101300);
  EXPECT_EQ(table.pressure[1], 0);
}

TEST_F(PlotPointsTest, ShipsThenSystemsAreProjectedAfterTheStations) {
  store.shipCount = 2;
  store.ships[0] = {35, 140, 0, 0, 0, 1008};
  store.ships[1] = {9, 140, 0, 0, 0, 1000};  // south of the map
  store.systemCount = 1;
  store.systems[0] = {"低気圧", 35, 135, 996};
  BuildPlotPoints(store, table, field);
  EXPECT_EQ(table.lastIndex, 56);
  EXPECT_EQ((MapPoint{table.x[54], table.y[54]}), (MapPoint{296, 183}));
  EXPECT_EQ(table.pressure[54], 100800);
  EXPECT_EQ((MapPoint{table.x[55], table.y[55]}), (MapPoint{0, 0}));
  EXPECT_EQ((MapPoint{table.x[56], table.y[56]}), (MapPoint{263, 184}));
  EXPECT_EQ(table.pressure[56], 99600);
  EXPECT_EQ(PlotName(store, 56), "低気圧");
  EXPECT_EQ(FirstSystemSlot(store), 56);
}

TEST_F(PlotPointsTest, SystemKindsShareTheStationNameTable) {
  store.stationCount = 10;
  store.systemCount = 1;
  store.systems[0] = {"台風", 25, 130, 960};
  BuildPlotPoints(store, table, field);
  EXPECT_EQ(store.stations.names[10], "台風");
  EXPECT_EQ(store.stations.names[9], "松山");
}

TEST_F(PlotPointsTest, BuildingClearsTheGridAndItsWorkCopy) {
  field.grid.At(0, 0) = 101300;
  field.grid.At(33, 33) = 99900;
  field.scratch.At(5, 5) = 100000;
  field.grid.At(40, 40) = 7;  // outside the used part
  BuildPlotPoints(store, table, field);
  EXPECT_FALSE(field.grid.IsValid());
  EXPECT_EQ(field.grid.At(33, 33), 0);
  EXPECT_EQ(field.scratch.At(5, 5), 0);
  EXPECT_EQ(field.grid.At(40, 40), 7);
}

TEST_F(PlotPointsTest, CountsBeyondTheTableNeverWritePastSlotTwoHundred) {
  store.shipCount = 150;
  store.systemCount = 150;
  BuildPlotPoints(store, table, field);
  EXPECT_EQ(table.lastIndex, kLastSlot);
}

}  // namespace
}  // namespace nimbara
