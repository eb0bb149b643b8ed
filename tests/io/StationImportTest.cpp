#include "io/StationImport.h"

#include <gtest/gtest.h>

#include "core/CodeTables.h"
#include "core/Text.h"
#include "io/ShipImport.h"

namespace nimbara {
namespace {

TEST(ToAsciiDigits, KeepsOnlyFullWidthDigitsAndMinus) {
  const std::pair<std::string, std::string> cases[] = {
      {"１２ｈ", "12"}, {"1012", ""}, {"１０１２．３", "10123"}, {"－３", "-3"}, {" ４ ", "4"}, {"", ""}};
  for (const auto& [text, digits] : cases) EXPECT_EQ(ToAsciiDigits(text), digits) << text;
}

struct StationCase {
  const char* what;
  std::string line;
  std::string name;
  StationRecord expected;
};

// Lines laid out in the bulletin's columns: direction at 15 - (name length),
// "風力" ten characters later, weather five after "風力".
const StationCase kStationCases[] = {
    {"ordinary line", "石垣島        北北東       風力 ４ くもり   １０２２ｈＰａ  １７度", "石垣島",
     {15, 4, 2, 1022, 17}},
    {"calm gives force 0 and reads the weather 15 after 風弱く", "前橋          風弱く            晴れ    １００９ｈＰａ  ３５度",
     "前橋", {0, 0, 1, 1009, 35}},
    {"にわか雨 is rain", "名瀬          北西        風力 ４ にわか雨  １０２０ｈＰａ  １２度", "名瀬", {2, 4, 3, 1020, 12}},
    {"にわか雪 is snow", "福江          北西        風力 ６ にわか雪  １０２１ｈＰａ   ３度", "福江", {2, 6, 4, 1021, 3}},
    {"天気不明 is undetermined", "ラワーグ      東北東      風力 ３ 天気不明  １０１６ｈＰａ  ２４度", "ラワーグ",
     {13, 3, 10, 1016, 24}},
    {"unknown weather word", "北京          北西        風力 ２ 煙霧    １０４０ｈＰａ  －５度", "北京", {2, 2, 11, 1040, -5}},
    {"three digits below 300 gain 1000", "根室          北西        風力 ９ 雪     　９８２ｈＰａ  －６度", "根室",
     {2, 9, 4, 982, -6}},
    {"1020 read from its last three digits", "銚子          西北西      風力 ６ 晴れ    １０２０ｈＰａ   ３度", "銚子",
     {3, 6, 1, 1020, 3}},
    {"no ｈＰａ gives pressure 0 and no 度 temperature 0", "銚子          西北西      風力 ６ 晴れ", "銚子",
     {3, 6, 1, 0, 0}},
    {"half-width digits are ignored", "石垣島        北北東       風力 4  くもり   1022ｈＰａ  17度", "石垣島",
     {15, 0, 2, 0, 0}},
    {"force 10", "那覇          東          風力１０ 雨     　９８２ｈＰａ  ２６度", "那覇", {12, 10, 3, 982, 26}},
    {"force 12", "那覇          東          風力１２ 雨     　９５２ｈＰａ  ２６度", "那覇", {12, 12, 3, 952, 26}},
    {"data line of a long name", "　　　　　　　　　　　　　　北          風力 ８ 雪     　９８６ｈＰａ  －８度", "",
     {0, 8, 4, 986, -8}},
    {"ｈＰａ without digits is a missing reading", "大阪          北西        風力 ３ 晴れ    　　　ｈＰａ   ３度", "大阪",
     {2, 3, 1, 0, 3}},
    {"empty item", "", "石垣島", {0, 0, 11, 0, 0}},
};

TEST(ParseStationLine, ReadsFieldsAtFixedOffsets) {
  for (const StationCase& c : kStationCases) {
    ObservationStore store;
    ParseStationLine(store, c.line, c.name, 5);
    EXPECT_EQ(store.stationRecords[5], c.expected) << c.what;
  }
}

TEST(ParseStationLine, NameLengthShiftsTheDirectionColumn) {
  ObservationStore store;
  ParseStationLine(store, "ウラジオストク北北西       風力 ５ 快晴    １０３０ｈＰａ －１３度", "ウラジオストク", 33);
  EXPECT_EQ(store.stationRecords[33], (StationRecord{1, 5, 0, 1030, -13}));
}

TEST(StoreStationObservation, ConvertsTexts) {
  ObservationStore store;
  StoreStationObservation(store, 0, "南東", "7", "みぞれ", "1001", "-2");
  EXPECT_EQ(store.stationRecords[0], (StationRecord{10, 7, 5, 1001, -2}));
  StoreStationObservation(store, 0, "南東東", "", "", "", "");
  EXPECT_EQ(store.stationRecords[0], (StationRecord{0, 0, 11, 0, 0}));
}

class ShipReports : public ::testing::Test {
 protected:
  void SetItems(int first, std::initializer_list<std::string> lines) {
    int p = first;
    for (const std::string& line : lines) items[static_cast<std::size_t>(p++)] = line;
  }
  ObservationStore store;
  BulletinItemList items{};
};

TEST_F(ShipReports, ReadsPositionWindWeatherAndPressure) {
  SetItems(55, {"ＪＧＱＨ　北緯３８度 東経１４５度 西北西 風力８", "天気 雪    気圧 ９８８ｈＰａ"});
  ReadShipReports(store, items, 55, 56, 0);
  ASSERT_EQ(store.shipCount, 1);
  EXPECT_EQ(store.ships[0], (ShipRecord{38, 145, 3, 8, 4, 988}));
}

TEST_F(ShipReports, ReportWithoutPressureIsNotCountedAndOverwritten) {
  SetItems(56, {"ＪＰＢＸ　北緯４１度 東経１３８度 西北西 風力７", "天気 雪    気圧 不明",
                "ＪＤＷＸ　北緯３４度 東経１４２度 西   風力６", "天気 晴れ   気圧 １００８ｈＰａ"});
  ReadShipReports(store, items, 56, 59, 0);
  ASSERT_EQ(store.shipCount, 1);
  EXPECT_EQ(store.ships[0], (ShipRecord{34, 142, 4, 6, 1, 1008}));
}

TEST_F(ShipReports, UnknownDirectionGivesNoWind) {
  SetItems(55, {"ＪＧＱＨ　北緯３８度 東経１４５度 不明  風力８", "天気 にわか雪 気圧 １０１０ｈＰａ"});
  ReadShipReports(store, items, 55, 56, 0);
  EXPECT_EQ(store.ships[0], (ShipRecord{38, 145, 0, 0, 4, 1010}));
}

TEST_F(ShipReports, FirstLineWithoutPartnerIsNoReport) {
  SetItems(55, {"ＪＧＱＨ　北緯３８度 東経１４５度 西北西 風力８", "天気 雪    気圧 ９８８ｈＰａ"});
  ReadShipReports(store, items, 55, 55, 0);
  EXPECT_EQ(store.shipCount, 0);
}

TEST_F(ShipReports, RemovedShipsLoseWindWeatherAndPressureOnly) {
  store.ships[0] = {30, 130, 5, 6, 3, 1000};
  store.ships[1] = {31, 131, 5, 6, 3, 1001};
  store.ships[2] = {32, 132, 5, 6, 3, 1002};
  ReadShipReports(store, items, 55, 0, 2);
  EXPECT_EQ(store.shipCount, 0);
  EXPECT_EQ(store.ships[0], (ShipRecord{30, 130, 0, 0, 0, 0}));
  EXPECT_EQ(store.ships[1], (ShipRecord{31, 131, 0, 0, 0, 0}));
  EXPECT_EQ(store.ships[2], (ShipRecord{32, 132, 5, 6, 3, 1002}));
}

}  // namespace
}  // namespace nimbara
