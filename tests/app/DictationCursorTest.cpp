#include "app/DictationCursor.h"

#include <gtest/gtest.h>

#include "app/StationEntry.h"
#include "support/TestApp.h"

namespace nimbara {
namespace {

constexpr StationRecord kNaha{0, 5, 2, 1021, 15};

class DictationCursorTest : public ::testing::Test {
 protected:
  DictationCursorTest() {
    LoadStationRows(app.state);
    cursor.Open(store);
  }
  // Lines for the stations from the cursor on, as the broadcast reads them.
  void Dictate(std::initializer_list<const char*> lines) {
    for (const char* line : lines) ASSERT_EQ(cursor.Enter(app.Context(), line).reason, "") << line;
  }
  testing::TestApp app;
  ObservationStore& store = app.state.store;
  DictationCursor cursor;
};

TEST_F(DictationCursorTest, ACorrectionAsksBeforeReplacingThenReturnsToTheBroadcast) {
  Dictate({"nne 4 kumori 22 17", "n 5 kumori 21 13", "n 4 hare 21 16"});
  cursor.MoveTo(1);
  const LineOutcome asked = cursor.Enter(app.Context(), "n 5 kumori 21 15");
  EXPECT_EQ(asked.reason, "那覇には「北 5 くもり 1021 13」が入っています。置き換えるときは、もう一度 ⏎");
  EXPECT_EQ(store.stationRecords[1].temperature, 13);
  EXPECT_EQ(cursor.Station(), 1);

  EXPECT_NE(cursor.Enter(app.Context(), "n 5 kumori 21 16").reason, "") << "another line is asked about anew";
  cursor.MoveTo(2);
  cursor.MoveTo(1);
  EXPECT_NE(cursor.Enter(app.Context(), "n 5 kumori 21 15").reason, "") << "moving away lets the held line go";
  const LineOutcome replaced = cursor.Enter(app.Context(), "n 5 kumori 21 15");
  EXPECT_EQ(replaced.reason, "");
  EXPECT_EQ(store.stationRecords[1], kNaha);
  EXPECT_EQ(replaced.cursor, 3) << "the next line belongs to where the broadcast is, not to 南大東島";
  EXPECT_EQ(cursor.Station(), 3);
}

TEST_F(DictationCursorTest, FillingASkippedStationAndCorrectingAfterTheLastReturnToTheBroadcast) {
  Dictate({"nne 4 kumori 22 17", "-", "n 4 hare 21 16"});
  cursor.MoveTo(1);
  Dictate({"n 5 kumori 21 15"});
  EXPECT_EQ(cursor.Station(), 3) << "a station without a report is filled at once";
  cursor.MoveTo(0);
  EXPECT_EQ(cursor.Enter(app.Context(), "n 5 くもろ").reason, "「くもろ」は風向・天気・数のどれでもありません")
      << "an unreadable line says why, not what it would replace";

  cursor.MoveTo(kDictatedStationCount - 1);
  Dictate({"ene 4 hare 16 23"});
  EXPECT_TRUE(cursor.StationsDone());
  cursor.MoveTo(1);
  EXPECT_FALSE(cursor.StationsDone());
  cursor.Enter(app.Context(), "");
  Dictate({""});
  EXPECT_FALSE(HasStationReport(store.stationRecords[1]));
  EXPECT_EQ(cursor.Station(), kDictatedStationCount - 1);
  EXPECT_TRUE(cursor.StationsDone()) << "the broadcast has gone on to the ships";
}

TEST_F(DictationCursorTest, OpensWhereTheBroadcastIsAndAsksAboutAFilledStationThere) {
  store.stationRecords[0] = store.stationRecords[2] = kNaha;
  cursor.Open(store);
  EXPECT_EQ(cursor.Station(), 1);
  Dictate({"n 5 kumori 21 15"});
  EXPECT_EQ(cursor.Station(), 2);
  EXPECT_NE(cursor.Enter(app.Context(), "n 4 hare 21 16").reason, "");
  EXPECT_EQ(store.stationRecords[2], kNaha);
}

}  // namespace
}  // namespace nimbara
