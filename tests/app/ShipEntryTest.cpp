#include "app/ShipEntry.h"

#include <gtest/gtest.h>

#include "support/TestApp.h"

namespace nimbara {
namespace {

class ShipEntryTest : public ::testing::Test {
 protected:
  testing::TestApp app;
  AppState& state = app.state;

  // A ship at (latitude, 140) with the given pressure; the other fields as the window starts.
  static ShipFields Ship(int latitude, int pressure) {
    ShipFields fields;
    fields.latitude = std::to_string(latitude);
    fields.longitude = "140";
    fields.pressure = std::to_string(pressure);
    return fields;
  }
  void AddShips(int count) {
    for (int i = 0; i < count; ++i) EnterShip(state, Ship(20 + i, 1000 + i));
  }
};

TEST_F(ShipEntryTest, LoadingShowsEveryShipAndSelectsTheLast) {
  state.store.ships[0] = {35, 140, 12, 4, 1, 1008};
  state.store.ships[1] = {30, 150, 0, 0, 3, 1010};
  state.store.shipCount = 2;
  LoadShipRows(state);
  ASSERT_EQ(state.shipRows.Count(), 2);
  EXPECT_EQ(state.shipRows.rows[0], "  35 140東       4 晴れ     1008");
  EXPECT_EQ(state.shipRows.selected, 1);
}

TEST_F(ShipEntryTest, FirstEntryOfAnEmptyListIsAppendedAndSelected) {
  ShipFields fields = Ship(35, 1008);
  fields.direction = 12;
  fields.force = " 4";
  fields.weather = 1;
  EnterShip(state, fields);
  ASSERT_EQ(state.shipRows.Count(), 1);
  EXPECT_EQ(state.shipRows.rows[0], "  35 140東       4 晴れ     1008");
  EXPECT_EQ(state.store.ships[0], (ShipRecord{35, 140, 12, 4, 1, 1008}));
  EXPECT_EQ(state.shipRows.selected, 0);
  EXPECT_EQ(state.store.shipCount, 1);
}

TEST_F(ShipEntryTest, WithTheLastRowSelectedANewRowIsAppended) {
  AddShips(3);
  EXPECT_EQ(state.shipRows.Count(), 3);
  EXPECT_EQ(state.shipRows.selected, 2);
  EXPECT_EQ(state.store.ships[2].latitude, 22);
  EXPECT_EQ(state.store.shipCount, 3);
}

TEST_F(ShipEntryTest, ASelectedRowBeforeTheLastIsReplaced) {
  AddShips(3);
  state.shipRows.selected = 1;
  EnterShip(state, Ship(45, 990));
  EXPECT_EQ(state.shipRows.Count(), 3);
  EXPECT_EQ(state.store.ships[1].latitude, 45);
  EXPECT_EQ(state.shipRows.selected, 2);
}

// After a load or a paste nothing is selected; the first ship must survive.
TEST_F(ShipEntryTest, WithoutSelectionANewRowIsAppended) {
  for (int ships : {1, 3}) {
    state = {};
    AddShips(ships);
    state.shipRows.selected = -1;
    EnterShip(state, Ship(45, 990));
    EXPECT_EQ(state.shipRows.Count(), ships + 1);
    EXPECT_EQ(state.store.ships[0].latitude, 20);
    EXPECT_EQ(state.store.ships[ships].latitude, 45);
    EXPECT_EQ(state.shipRows.selected, ships);
    EXPECT_EQ(state.store.shipCount, ships + 1);
  }
}

TEST_F(ShipEntryTest, DeletingTheSecondOfThreeMovesTheThirdUp) {
  AddShips(3);
  const std::string thirdRow = state.shipRows.rows[2];
  state.shipRows.selected = 1;
  DeleteShip(state);
  ASSERT_EQ(state.shipRows.Count(), 2);
  EXPECT_EQ(state.store.ships[0].latitude, 20);
  EXPECT_EQ(state.store.ships[1], (ShipRecord{22, 140, 7, 0, 0, 1002}));
  EXPECT_EQ(state.shipRows.rows[1], thirdRow);
  EXPECT_EQ(state.store.ships[2], ShipRecord{});
  EXPECT_EQ(state.shipRows.selected, 0);
  EXPECT_EQ(state.store.shipCount, 2);
}

TEST_F(ShipEntryTest, DeletingWithoutSelectionRemovesNothing) {
  AddShips(2);
  state.shipRows.selected = -1;
  DeleteShip(state);
  EXPECT_EQ(state.shipRows.Count(), 2);
}

TEST_F(ShipEntryTest, ATwoHundredAndSecondShipIsRefused) {
  AddShips(kSlotCount);
  ASSERT_EQ(state.shipRows.Count(), kSlotCount);
  EnterShip(state, Ship(50, 1000));
  EXPECT_EQ(state.shipRows.Count(), kSlotCount);
  EXPECT_EQ(state.store.shipCount, kSlotCount);
  EXPECT_EQ(state.store.ships[kLastSlot].pressure, 1200);
}

TEST_F(ShipEntryTest, BackSetsTheCountFromTheRowsAndKeepsTheDate) {
  AddShips(2);
  state.store.shipCount = 0;
  CloseShipWindow(app.Context(), "日付");
  EXPECT_EQ(state.store.shipCount, 2);
  EXPECT_EQ(state.headerText, "日付");
  EXPECT_EQ(app.ui.windowEvents.back(), "hide Kaiyou1");
}

}  // namespace
}  // namespace nimbara
