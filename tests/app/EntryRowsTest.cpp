// A row reads the same however its record came in: loaded from a file,
// shown again when a window opens, or typed by hand with the same values.

#include <gtest/gtest.h>

#include "app/FileCommands.h"
#include "app/ShipEntry.h"
#include "app/StationEntry.h"
#include "app/SystemEntryEditor.h"
#include "support/TestApp.h"

namespace nimbara {
namespace {

struct RowKind {
  const char* name;
  RowList AppState::*rows;
  void (*loadRows)(AppState&);
  void (*typeAgain)(AppState&, int index);  // data entry of the row's own values
};

const RowKind kKinds[] = {
    {"Stations", &AppState::stationRows, LoadStationRows,
     [](AppState& s, int i) {
       s.stationRows.selected = i;
       EnterStation(s, StationFieldsOf(s.store, i));
     }},
    {"Ships", &AppState::shipRows, LoadShipRows,
     [](AppState& s, int i) {
       s.shipRows.selected = i;
       EnterShip(s, ShipFieldsOf(s.store, i));
     }},
    {"Systems", &AppState::systemRows, LoadSystemRows,
     [](AppState& s, int i) {
       s.systemRows.selected = i;
       EnterSystem(s, SystemFieldsOf(s.store, i));
     }},
};

class EntryRowsTest : public ::testing::TestWithParam<RowKind> {};

TEST_P(EntryRowsTest, LoadedShownAgainAndRetypedRowsAreAlike) {
  for (const char* sample : {"20240115_06.txt", "20240820_12.txt"}) {
    SCOPED_TRACE(sample);
    testing::TestApp app;
    ASSERT_TRUE(LoadDataFileAt(app.Context(), std::string(NIMBARA_SAMPLES) + "/" + sample));
    RowList& list = app.state.*GetParam().rows;
    const std::vector<std::string> loaded = list.rows;
    ASSERT_FALSE(loaded.empty());

    GetParam().loadRows(app.state);
    EXPECT_EQ(list.rows, loaded) << "rows rebuilt when the window opens";

    for (int i = 0; i + 1 < list.Count(); ++i) GetParam().typeAgain(app.state, i);
    EXPECT_EQ(list.rows, loaded) << "rows typed again by hand";
  }
}

INSTANTIATE_TEST_SUITE_P(AllLists, EntryRowsTest, ::testing::ValuesIn(kKinds),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace nimbara
