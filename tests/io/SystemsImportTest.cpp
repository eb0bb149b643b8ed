#include "io/SystemsImport.h"

#include <gtest/gtest.h>

#include "core/CodeTables.h"

namespace nimbara {
namespace {

TEST(SystemsLinePressure, ReadsTheFourCharactersBeforeHpa) {
  const std::pair<std::string, std::int32_t> cases[] = {
      {"低気圧 1004hPa (35N,140E)", 1004}, {"低気圧 998hPa (35N,140E)", 998}, {"12hPa", 12},
      {"hPa", 0}, {"低気圧 (35N,140E)", 0}, {"低気圧 998.5hPa", 98}, {"台風 965hPa", 965}};
  for (const auto& [line, pressure] : cases) EXPECT_EQ(SystemsLinePressure(line), pressure) << line;
}

TEST(AddPositions, OneEntryPerBracketedPosition) {
  ObservationStore store;
  AddPositions(store, "温暖前線 (46N,158E) (45N,162E) (43N,165E)", kind::kWarmFront, 0);
  ASSERT_EQ(store.systemCount, 3);
  EXPECT_EQ(store.systems[0], (SystemEntry{"温暖前線", 46, 158, 0}));
  EXPECT_EQ(store.systems[1], (SystemEntry{"温暖前線", 45, 162, 0}));
  EXPECT_EQ(store.systems[2], (SystemEntry{"温暖前線", 43, 165, 0}));
}

TEST(AddPositions, FractionsRoundHalvesToEven) {
  ObservationStore store;
  AddPositions(store, "台風 965hPa (35.5N,140.2E) (36.5N,139.5E)", kind::kTyphoon, 965);
  EXPECT_EQ(store.systems[0], (SystemEntry{"台風", 36, 140, 965}));
  EXPECT_EQ(store.systems[1], (SystemEntry{"台風", 36, 140, 965}));
}

TEST(AddPositions, NorthWithoutCommaIsNotAPosition) {
  ObservationStore store;
  AddPositions(store, "低気圧 1004hPa (35N 140E)", kind::kLow, 1004);
  EXPECT_EQ(store.systemCount, 0);
}

TEST(AddPositions, LatitudeWithoutOpeningBracketIsReadFromTheLineStart) {
  ObservationStore store;
  AddPositions(store, "35N,140E) 36N,141E)", kind::kLow, 0);
  ASSERT_EQ(store.systemCount, 2);
  EXPECT_EQ(store.systems[0].latitude, 35);
  EXPECT_EQ(store.systems[1].latitude, 35);  // the line start again
  EXPECT_EQ(store.systems[1].longitude, 141);
}

TEST(AddPositions, KeepsAtMost201Entries) {
  ObservationStore store;
  std::string line = "等圧線";
  for (int i = 0; i < 300; ++i) line += " (40N,130E)";
  AddPositions(store, line, kind::kIsobarPoint, 1020);
  AddPositions(store, line, kind::kIsobarPoint, 1020);
  EXPECT_EQ(store.systemCount, kSlotCount);
}

BulletinItemList Lines(std::initializer_list<std::string> lines) {
  BulletinItemList list{};
  std::size_t p = 0;
  for (const std::string& line : lines) list[p++] = line;
  return list;
}

TEST(AddSystemLines, FrontOverTwoLinesIsOneRun) {
  ObservationStore store;
  const BulletinItemList lines = Lines({"寒冷前線 (46N,158E) (42N,157E)", " (38N,154E) (34N,150E)"});
  AddSystemLines(store, lines, 1);
  ASSERT_EQ(store.systemCount, 4);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(store.systems[i].kind, "寒冷前線");
  EXPECT_EQ(store.systems[3], (SystemEntry{"寒冷前線", 34, 150, 0}));
}

TEST(AddSystemLines, TropicalLinesAreTropicalDepressionsWithTheirOwnPressure) {
  ObservationStore store;
  const BulletinItemList lines = Lines({"低気圧 1000hPa (48N,128E)", "熱帯低気圧 1004hPa (17N,135E)",
                                        "熱帯低気圧 1006hPa (12N,140E)", "寒冷前線 (40N,130E)", "熱帯低気圧 998hPa (20N,150E)"});
  AddSystemLines(store, lines, 4);
  ASSERT_EQ(store.systemCount, 5);
  EXPECT_EQ(store.systems[1], (SystemEntry{"熱帯低気圧", 17, 135, 1004}));
  EXPECT_EQ(store.systems[2], (SystemEntry{"熱帯低気圧", 12, 140, 1006}));
  EXPECT_EQ(store.systems[4], (SystemEntry{"熱帯低気圧", 20, 150, 998}));
}

TEST(ReadSystemsLines, RecognisesTheSecondLineByItsKeyword) {
  BulletinItemList lines{};
  EXPECT_EQ(ReadSystemsLines("日付\r\n高気圧 1020hPa (32N,160E)\r\n\r\n寒冷前線 (1N,2E)\r\n", lines), 1);
  EXPECT_EQ(lines[0], "高気圧 1020hPa (32N,160E)");
  EXPECT_EQ(lines[1], "寒冷前線 (1N,2E)");
  EXPECT_EQ(ReadSystemsLines("日付\r\n前線の位置\r\n高気圧 1020hPa (32N,160E)\r\n", lines),
            kNotSystemsBulletin);
  EXPECT_EQ(ReadSystemsLines("", lines), kNotSystemsBulletin);
}

TEST(ReadSystemsLines, KeepsLinesUpToPosition400) {
  std::string text = "日付\n";
  for (int i = 0; i < 500; ++i) text += "等圧線 1020hPa (" + std::to_string(i) + "N,130E)\n";
  BulletinItemList lines{};
  EXPECT_EQ(ReadSystemsLines(text, lines), kLastBulletinPosition);
  EXPECT_EQ(lines[400], "等圧線 1020hPa (400N,130E)");
}

}  // namespace
}  // namespace nimbara
