#include "io/IsobarFile.h"

#include <gtest/gtest.h>

#include "io/Cp932.h"
#include "io/FieldWriter.h"
#include "io/FileIo.h"
#include "support/TestApp.h"

namespace nimbara {
namespace {

using testing::TestDataPath;

struct IsobarFixture {
  ObservationStore store;
  PlotPointTable plot;
  PressureGrid grid;

  // System entries in plot slots S + P onwards.
  void AddEntry(std::string_view kind, int x, int y) {
    const int slot = plot.lastIndex + 1;
    store.stations.names[slot] = std::string(kind);
    plot.x[slot] = x;
    plot.y[slot] = y;
    plot.lastIndex = slot;
  }
};

IsobarFixture WithShipsAndSystems() {
  IsobarFixture f;
  f.store.shipCount = 2;
  f.plot.lastIndex = FirstSystemSlot(f.store) - 1;
  f.AddEntry("高気圧", 60, 120);
  f.AddEntry("熱帯低気圧", 150, 300);
  f.AddEntry("低気圧", 300, 100);
  f.AddEntry("寒冷前線", 310, 120);
  f.AddEntry("寒冷前線", 300, 140);
  f.AddEntry("等圧線", 200, 200);
  f.AddEntry("寒冷前線", 290, 160);
  f.store.systemCount = 7;
  return f;
}

TEST(IsobarFileLines, NumbersHaveASignOrSpaceAndATrailingSpace) {
  IsobarFixture f;
  f.grid.At(0, 0) = 101300;
  f.grid.At(1, 0) = -5;
  f.grid.At(33, 33) = 99000;
  const auto lines = IsobarFileLines(f.grid, f.store, f.plot);
  ASSERT_EQ(lines.size(), 35u);
  EXPECT_EQ(lines[0].substr(0, 16), " 101300 ,-5 , 0 ");
  EXPECT_EQ(lines[33].substr(lines[33].size() - 8), ", 99000 ");
  EXPECT_EQ(lines[34], " 0 ");
}

TEST(IsobarFileLines, CentresAndFrontPointsInTableOrderWithoutTropicalDepressions) {
  const IsobarFixture f = WithShipsAndSystems();
  const auto lines = IsobarFileLines(f.grid, f.store, f.plot);
  const std::vector<std::string> entries(lines.begin() + 34, lines.end());
  const std::vector<std::string> expected = {" 5 ",
                                             "高気圧, 60 , 120 ",
                                             "低気圧, 300 , 100 ",
                                             "寒冷前線, 310 , 120 ",
                                             "寒冷前線, 300 , 140 ",
                                             "寒冷前線, 290 , 160 "};
  EXPECT_EQ(entries, expected);
}

TEST(IsobarFileReading, EntriesFollowTheStationsAndShipsAreDropped) {
  IsobarFixture f = WithShipsAndSystems();
  const std::string text = JoinCrLfLines(IsobarFileLines(f.grid, f.store, f.plot));
  f.grid.incomplete = true;  // an incomplete computation gives way to the file's stale grid
  ReadIsobarText(text, f.store, f.plot, f.grid);
  EXPECT_FALSE(f.grid.IsValid());
  EXPECT_EQ(f.store.shipCount, 0);
  EXPECT_EQ(f.store.systemCount, 5);
  EXPECT_EQ(f.plot.lastIndex, 54 + 5 - 1);
  EXPECT_EQ(PlotName(f.store, 54), "高気圧");
  EXPECT_EQ(PlotName(f.store, 55), "低気圧");
  EXPECT_EQ(f.plot.x[55], 300);
  EXPECT_EQ(f.plot.y[55], 100);
  EXPECT_EQ(PlotName(f.store, 58), "寒冷前線");
  EXPECT_EQ(f.plot.y[58], 160);
}

TEST(IsobarFileReading, LoadingAndSavingGivesTheSameFile) {
  const auto bytes = ReadWholeFile(TestDataPath("isobar_small.cnt"));
  ASSERT_TRUE(bytes);
  IsobarFixture f;
  ReadIsobarText(DecodeCp932(*bytes).text, f.store, f.plot, f.grid);
  EXPECT_EQ(f.grid.At(0, 0), 101000);
  EXPECT_EQ(f.grid.At(2, 1), 101000 + 100 - 100);
  EXPECT_TRUE(f.grid.IsValid());
  EXPECT_EQ(EncodeCp932(JoinCrLfLines(IsobarFileLines(f.grid, f.store, f.plot))).bytes, *bytes);
}

TEST(IsobarFileReading, FewerValuesLeaveTheRemainingCells) {
  IsobarFixture f;
  f.grid.At(10, 1) = 1234;
  f.grid.At(0, 2) = 5678;
  f.store.systemCount = 3;
  ASSERT_TRUE(ReadIsobarFile(TestDataPath("isobar_short.cnt"), f.store, f.plot, f.grid));
  EXPECT_EQ(f.grid.At(33, 0), 101000 - 50 * 33);
  EXPECT_EQ(f.grid.At(9, 1), 101100 - 50 * 9);
  EXPECT_EQ(f.grid.At(10, 1), 1234);
  EXPECT_EQ(f.grid.At(0, 2), 5678);
  EXPECT_EQ(f.store.systemCount, 3);
}

TEST(IsobarFileReading, MissingValuesAreTakenFromTheFollowingItems) {
  IsobarFixture f;
  std::string text;
  for (int i = 0; i < 34 * 34 - 1; ++i) text += i == 0 ? " 100000 " : ", 100000 ";  // one cell short
  text += "\r\n 1 \r\n低気圧, 10 , 20 \r\n";
  ReadIsobarText(text, f.store, f.plot, f.grid);
  EXPECT_EQ(f.grid.At(33, 33), 1);
  EXPECT_EQ(f.store.systemCount, 0);  // "低気圧" read as the count
  EXPECT_EQ(f.plot.lastIndex, 53);
}

TEST(IsobarFileReading, EntryCountNeverReachesBeyondSlot200) {
  IsobarFixture f;
  std::string text;
  for (int i = 0; i < 34 * 34; ++i) text += " 0 ,";
  text += " 500 \r\n";
  ReadIsobarText(text, f.store, f.plot, f.grid);
  EXPECT_EQ(f.store.systemCount, 201 - 54);
  EXPECT_EQ(f.plot.lastIndex, 200);
}

TEST(IsobarFileReading, MissingFileChangesNothing) {
  IsobarFixture f = WithShipsAndSystems();
  const IsobarFixture before = f;
  EXPECT_FALSE(ReadIsobarFile(TestDataPath("isobar_no_such_file.cnt"), f.store, f.plot, f.grid));
  EXPECT_EQ(f.store, before.store);
  EXPECT_EQ(f.plot, before.plot);
}

}  // namespace
}  // namespace nimbara
