#include "app/SystemEntryEditor.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/TestApp.h"

namespace nimbara {
namespace {

class SystemEntryEditorTest : public ::testing::Test {
 protected:
  testing::TestApp app;
  AppState& state = app.state;

  void Enter(std::string_view kind, int latitude, int longitude, const char* pressure = "1008") {
    EnterSystem(state, {std::to_string(latitude), std::to_string(longitude), pressure, std::string(kind)});
  }
  const SystemEntry& At(int i) const { return state.store.systems[i]; }
  std::vector<std::string> Kinds() const {
    std::vector<std::string> kinds;
    for (int i = 0; i < state.store.systemCount; ++i) kinds.push_back(At(i).kind);
    return kinds;
  }
};

TEST_F(SystemEntryEditorTest, LoadingBuildsARowPerEntryAndSelectsTheLast) {
  state.store.systems[0] = {"低気圧", 35, 140, 1008};
  state.store.systems[1] = {"寒冷前線", 40, 145, 0};
  state.store.systemCount = 2;
  LoadSystemRows(state);
  EXPECT_EQ(state.systemRows.rows, (std::vector<std::string>{"  35N  140E 1008hPa 低気圧", "  40N  145E         寒冷前線"}));
  EXPECT_EQ(state.systemRows.selected, 1);
}

TEST_F(SystemEntryEditorTest, HandEntriesAreAppended) {
  Enter(kind::kLow, 35, 140);
  Enter(kind::kTropicalDepression, 20, 130, "998");
  EXPECT_EQ(state.systemRows.rows, (std::vector<std::string>{"  35N  140E 1008hPa 低気圧", "  20N  130E  998hPa 熱帯低気圧"}));
  EXPECT_EQ(At(1), (SystemEntry{"熱帯低気圧", 20, 130, 998}));
  EXPECT_EQ(state.systemRows.selected, 1);
  EXPECT_EQ(state.store.systemCount, 2);
}

TEST_F(SystemEntryEditorTest, FrontsAreStoredWithoutPressure) {
  Enter(kind::kWarmFront, 35, 140, "1013");
  EXPECT_EQ(At(0), (SystemEntry{"温暖前線", 35, 140, 0}));
  EXPECT_EQ(state.systemRows.rows[0], "  35N  140E         温暖前線");
}

TEST_F(SystemEntryEditorTest, ASelectedEntryBeforeTheLastIsEditedInPlace) {
  Enter(kind::kLow, 35, 140);
  Enter(kind::kHigh, 40, 150, "1030");
  Enter(kind::kHigh, 45, 155, "1025");
  state.systemRows.selected = 1;
  Enter(kind::kTyphoon, 25, 135, "960");
  EXPECT_EQ(Kinds(), (std::vector<std::string>{"低気圧", "台風", "高気圧"}));
  EXPECT_EQ(state.systemRows.selected, 2);
}

// After a load or a paste nothing is selected; the first entry must survive.
TEST_F(SystemEntryEditorTest, WithoutSelectionANewEntryIsAppended) {
  Enter(kind::kLow, 35, 140);
  Enter(kind::kHigh, 40, 150, "1030");
  state.systemRows.selected = -1;
  Enter(kind::kTyphoon, 25, 135, "960");
  EXPECT_EQ(Kinds(), (std::vector<std::string>{"低気圧", "高気圧", "台風"}));
  EXPECT_EQ(state.systemRows.selected, 2);
}

TEST_F(SystemEntryEditorTest, FromThereAfterALowThenAColdFrontStartsTheFrontAtTheLow) {
  Enter(kind::kLow, 35, 140);
  StartFromThere(state);
  EXPECT_EQ(At(1), (SystemEntry{"そこから", 35, 140, 0}));
  EXPECT_EQ(state.systemRows.rows[1], "  35N  140E         そこから");
  EXPECT_EQ(state.systemRows.selected, 1);
  Enter(kind::kColdFront, 30, 135);
  EXPECT_EQ(Kinds(), (std::vector<std::string>{"低気圧", "寒冷前線", "寒冷前線"}));
  EXPECT_EQ(At(1), (SystemEntry{"寒冷前線", 35, 140, 0}));
  EXPECT_EQ(At(2), (SystemEntry{"寒冷前線", 30, 135, 0}));
  EXPECT_EQ(state.systemRows.rows[1], "  35N  140E         寒冷前線");
  EXPECT_EQ(state.systemRows.selected, 2);
}

TEST_F(SystemEntryEditorTest, FromCentreAfterALowStartsAFront) {
  Enter(kind::kLow, 35, 140);
  StartFromCentre(state);
  Enter(kind::kWarmFront, 33, 145);
  EXPECT_EQ(Kinds(), (std::vector<std::string>{"低気圧", "温暖前線", "温暖前線"}));
  EXPECT_EQ(At(1).latitude, 35);
}

TEST_F(SystemEntryEditorTest, FromThereAfterAFrontContinuesFromItsLastPoint) {
  Enter(kind::kColdFront, 35, 140);
  Enter(kind::kColdFront, 30, 135);
  StartFromThere(state);
  Enter(kind::kStationaryFront, 28, 125);
  EXPECT_EQ(At(2), (SystemEntry{"停滞前線", 30, 135, 0}));
  EXPECT_EQ(state.store.systemCount, 4);
}

TEST_F(SystemEntryEditorTest, FromCentreAfterAFrontDoesNothing) {
  Enter(kind::kColdFront, 35, 140);
  StartFromCentre(state);
  EXPECT_EQ(state.systemRows.Count(), 1);
  EXPECT_EQ(state.systemRows.selected, 0);
}

TEST_F(SystemEntryEditorTest, FromThereAfterAHighDoesNothing) {
  Enter(kind::kHigh, 35, 140);
  StartFromThere(state);
  EXPECT_EQ(state.systemRows.Count(), 1);
}

TEST_F(SystemEntryEditorTest, MarkersNeedASelectedRowWithAnEntryBeforeTheTarget) {
  StartFromThere(state);
  EXPECT_EQ(state.systemRows.Count(), 0);
  Enter(kind::kLow, 35, 140);
  Enter(kind::kLow, 40, 145);
  state.systemRows.selected = -1;
  StartFromThere(state);
  state.systemRows.selected = 0;  // not the last row: the target is row 0 itself
  StartFromThere(state);
  EXPECT_EQ(Kinds(), (std::vector<std::string>{"低気圧", "低気圧"}));
}

TEST_F(SystemEntryEditorTest, AMarkerFollowedByANonFrontIsDropped) {
  Enter(kind::kLow, 35, 140);
  StartFromCentre(state);
  Enter(kind::kHigh, 45, 150, "1030");
  EXPECT_EQ(Kinds(), (std::vector<std::string>{"低気圧", "高気圧"}));
  EXPECT_EQ(state.systemRows.rows[1], "  45N  150E 1030hPa 高気圧");
  EXPECT_EQ(state.systemRows.selected, 1);
}

TEST_F(SystemEntryEditorTest, DeletingMovesTheLaterEntriesUpWithTheirKinds) {
  Enter(kind::kLow, 35, 140);
  Enter(kind::kHigh, 40, 150, "1030");
  Enter(kind::kColdFront, 30, 135);
  state.systemRows.selected = 0;
  DeleteSystem(state);
  EXPECT_EQ(Kinds(), (std::vector<std::string>{"高気圧", "寒冷前線"}));
  EXPECT_EQ(At(2), SystemEntry{});
  EXPECT_EQ(state.systemRows.selected, -1);
}

TEST_F(SystemEntryEditorTest, ATwoHundredAndSecondEntryIsRefused) {
  for (int i = 0; i < kSlotCount; ++i) Enter(kind::kIsobarPoint, 30, 130);
  Enter(kind::kHigh, 40, 150, "1030");
  StartFromThere(state);
  EXPECT_EQ(state.systemRows.Count(), kSlotCount);
  EXPECT_EQ(At(kLastSlot).kind, "等圧線");
}

TEST_F(SystemEntryEditorTest, BackSetsTheCountKeepsATypedDateAndHides) {
  Enter(kind::kLow, 35, 140);
  state.store.systemCount = 0;
  CloseSystemWindow(app.Context(), "日付");
  EXPECT_EQ(state.store.systemCount, 1);
  EXPECT_EQ(state.store.observationDate, "日付");
  EXPECT_EQ(app.ui.windowEvents.back(), "hide Gyogyou");
}

}  // namespace
}  // namespace nimbara
