#include "io/DataFile.h"

#include <gtest/gtest.h>

#include "core/CodeTables.h"
#include "io/Cp932.h"
#include "io/FieldWriter.h"
#include "io/FileIo.h"
#include "support/TestApp.h"

namespace nimbara {
namespace {

using testing::TestDataPath;

constexpr int kIshigakijima = 0;
constexpr int kNaha = 1;
constexpr int kFuji = 53;

std::string Text(const std::vector<std::string>& lines) { return JoinCrLfLines(lines); }

// Stations without an observation hold "不明", as they read back.
ObservationStore Observed() {
  ObservationStore store;
  for (int slot = 0; slot < store.stationCount; ++slot)
    store.stationRecords[slot].weather = WeatherCode("不明");
  store.observationDate = "2024年1月15日 9時";
  store.stationRecords[kIshigakijima] = {DirectionCode("北北西"), 3, WeatherCode("くもり"), 1012, 25};
  store.stationRecords[kNaha] = {DirectionCode("西"), 12, WeatherCode("雨"), 998, -5};
  store.stationRecords[kFuji] = {DirectionCode("西北西"), 8, WeatherCode("快晴"), 0, -18};
  store.shipCount = 2;
  store.ships[0] = {40, 145, DirectionCode("西"), 6, WeatherCode("雪"), 992};
  store.ships[1] = {-5, 181, 0, 0, WeatherCode("不明"), 0};
  store.systemCount = 3;
  store.systems[0] = {"低気圧", 44, 150, 980};
  store.systems[1] = {"寒冷前線", 46, 154, 0};
  store.systems[2] = {"高気圧", 45, 110, 1040};
  return store;
}

DataFileCounts CountsOf(const ObservationStore& store) {
  return {store.stationCount, store.shipCount, store.systemCount};
}

ObservationStore ReadBack(const ObservationStore& written, ObservationStore store = {}) {
  const auto contents = ParseDataFile(Text(DataFileLines(written, CountsOf(written), nullptr)));
  EXPECT_TRUE(contents);
  if (contents) ApplyDataFile(*contents, store);
  return store;
}

TEST(DataFileLines, StationLineHasSixPaddedFields) {
  const auto lines = DataFileLines(Observed(), CountsOf(Observed()), nullptr);
  EXPECT_EQ(lines[3], "石垣島       ,北北西   ,  3 ,くもり   , 1012 ,  25");
  EXPECT_EQ(lines[4], "那覇        ,西     , 12 ,雨     ,  998 ,  -5");
}

TEST(DataFileLines, SectionsAndHeadersFrameTheRecords) {
  const auto lines = DataFileLines(Observed(), CountsOf(Observed()), nullptr);
  ASSERT_EQ(lines.size(), 1u + 2 + 54 + 3 + 2 + 3 + 3);
  EXPECT_EQ(lines[0], "2024年1月15日 9時");
  EXPECT_EQ(lines[1], "各地の天気, 54 ");
  EXPECT_EQ(lines[2], " 地 名　　　風向　風力　天気　 気圧　気温");
  EXPECT_EQ(lines[57], "");
  EXPECT_EQ(lines[58], "船舶の報告, 2 ");
  EXPECT_EQ(lines[59], " 北緯 東経   風向   風力  天気　気圧");
  EXPECT_EQ(lines[60], "  40 , 145 ,西     ,  6 ,雪     ,  992");
  EXPECT_EQ(lines[61], "  -5 , 181 ,      ,  0 ,不明    ,    0");
  EXPECT_EQ(lines[63], "漁業気象, 3 ");
  EXPECT_EQ(lines[64], "  種 類 　北緯　東経　 気圧");
  EXPECT_EQ(lines[65], "低気圧     ,  44 , 150 ,  980");
  EXPECT_EQ(lines[66], "寒冷前線    ,  46 , 154 ,    0");
}

TEST(DataFileLines, StationWithoutObservationIsUndetermined) {
  const auto lines = DataFileLines(Observed(), CountsOf(Observed()), nullptr);
  EXPECT_EQ(lines[5], "南大東島      ,      ,  0 ,不明    ,    0 ,   0");
  const ObservationStore read = ReadBack(Observed());
  EXPECT_EQ(read.stationRecords[2], (StationRecord{0, 0, WeatherCode("不明"), 0, 0}));
}

TEST(DataFileLines, MountFujiHasAnEmptyPressureFieldAndKeepsItsName) {
  ObservationStore store = Observed();
  store.stationRecords[kFuji].pressure = 640;
  const auto lines = DataFileLines(store, CountsOf(store), nullptr);
  EXPECT_EQ(lines[3 + kFuji], "富士山       ,西北西   ,  8 ,快晴    ,      , -18");
  const ObservationStore read = ReadBack(store);
  EXPECT_EQ(read.stationRecords[kFuji].pressure, 0);
  EXPECT_EQ(read.stations.names[kFuji], "富士山");
  EXPECT_EQ(DataFileLines(read, CountsOf(read), nullptr)[3 + kFuji], lines[3 + kFuji]);
}

TEST(DataFileLines, NegativeValuesBecomeZeroExceptTemperatures) {
  ObservationStore store = Observed();
  store.stationRecords[kNaha] = {-1, -3, -2, -1000, -5};
  store.ships[0].pressure = -7;
  store.systems[0].pressure = -980;
  store.systems[2].pressure = -1;  // beyond the counted entries below
  ClearNegativeValues(store, {54, 1, 1});
  EXPECT_EQ(store.stationRecords[kNaha], (StationRecord{0, 0, 0, 0, -5}));
  EXPECT_EQ(store.ships[0].pressure, 0);
  EXPECT_EQ(store.systems[0].pressure, 0);
  EXPECT_EQ(store.systems[2].pressure, -1);
  EXPECT_EQ(DataFileLines(store, CountsOf(store), nullptr)[4],
            "那覇        ,      ,  0 ,快晴    ,    0 ,  -5");
}

TEST(DataFileRoundTrip, ObservationFileGivesBackTheStore) { EXPECT_EQ(ReadBack(Observed()), Observed()); }

TEST(DataFileRoundTrip, FullFileCarriesTheSettings) {
  Settings settings;
  settings.colours[ColourSlot::Background] = 0xC0FFC0;
  settings.view = {10.0f, -20.0f, 300.0f, 310.0f};
  settings.isobar = IsobarInterval::FromHectopascals(2.0f);
  settings.lastFile = "/not/written.txt";
  const auto lines = DataFileLines(Observed(), CountsOf(Observed()), &settings);
  EXPECT_EQ(lines[68], "");
  EXPECT_EQ(lines[69], "' 設定ファイル  17");
  EXPECT_EQ(lines.size(), 70u + 16);
  const auto contents = ParseDataFile(Text(lines));
  ASSERT_TRUE(contents);
  Settings read;
  for (const SettingLine& line : contents->settingLines) ApplySettingLine(read, line);
  read.lastFile = settings.lastFile;
  EXPECT_EQ(read, settings);
}

TEST(DataFileRoundTrip, CommasAndQuotesInTextsReadBack) {
  ObservationStore store = Observed();
  store.observationDate = "2024年1月18日, 9時";
  store.stations.names[kNaha] = "\"那覇\", 沖縄";
  store.stations.names[2] = "\"";
  store.systems[1].kind = "寒冷,前線";
  EXPECT_EQ(ReadBack(store), store);
}

TEST(DataFileReading, UnquotedCommaInTheDateIsNotADataFile) {
  EXPECT_EQ(ParseDataFile("2024年1月18日, 9時\r\n各地の天気, 0 \r\n"), std::nullopt);
  const auto quoted = ReadCp932File(TestDataPath("data_comma_in_date.txt"));
  ASSERT_TRUE(quoted);
  const auto contents = ParseDataFile(*quoted);
  ASSERT_TRUE(contents);
  EXPECT_EQ(contents->observationDate, "2024年1月18日, 9時");
  ASSERT_EQ(contents->systems.size(), 1u);
  EXPECT_EQ(contents->systems[0], (SystemEntry{"台風", 20, 130, 960}));
}

TEST(DataFileReading, OtherTextIsNotADataFile) {
  const auto text = ReadCp932File(TestDataPath("data_not_a_data_file.txt"));
  ASSERT_TRUE(text);
  EXPECT_EQ(ParseDataFile(*text), std::nullopt);
  EXPECT_EQ(ParseDataFile(""), std::nullopt);
}

TEST(DataFileReading, RealisticFileReadsAndIsWrittenAgainByteForByte) {
  const auto bytes = ReadWholeFile(TestDataPath("data_realistic.txt"));
  ASSERT_TRUE(bytes);
  const auto contents = ParseDataFile(DecodeCp932(*bytes).text);
  ASSERT_TRUE(contents);
  EXPECT_EQ(contents->stations.size(), 54u);
  EXPECT_EQ(contents->ships.size(), 4u);
  EXPECT_EQ(contents->systems.size(), 12u);
  EXPECT_EQ(contents->settingLines.size(), 16u);
  ObservationStore store;
  ApplyDataFile(*contents, store);
  EXPECT_EQ(store.stations, ObservationStore{}.stations);
  EXPECT_EQ(store.stationRecords[42], (StationRecord{DirectionCode("北"), 2, WeatherCode("快晴"), 1040, -6}));
  Settings settings;
  for (const SettingLine& line : contents->settingLines) ApplySettingLine(settings, line);
  EXPECT_EQ(EncodeCp932(Text(DataFileLines(store, CountsOf(store), &settings))).bytes, *bytes);
}

TEST(DataFileReading, LfLineEndsReadLikeCrLf) {
  const auto text = ReadCp932File(TestDataPath("data_realistic.txt"));
  ASSERT_TRUE(text);
  std::string lf;
  for (char c : *text) {
    if (c != '\r') lf += c;
  }
  const auto crlf = ParseDataFile(*text);
  const auto plain = ParseDataFile(lf);
  ASSERT_TRUE(crlf && plain);
  EXPECT_EQ(plain->stations, crlf->stations);
  EXPECT_EQ(plain->ships, crlf->ships);
  EXPECT_EQ(plain->systems, crlf->systems);
  EXPECT_EQ(plain->settingLines, crlf->settingLines);
}

TEST(DataFileReading, RecordsBeyondSlot200AreReadOverAndDropped) {
  const auto text = ReadCp932File(TestDataPath("data_count_above_201.txt"));
  ASSERT_TRUE(text);
  const auto contents = ParseDataFile(*text);
  ASSERT_TRUE(contents);
  EXPECT_EQ(contents->stations.size(), 3u);
  EXPECT_EQ(contents->ships.size(), 201u);
  EXPECT_EQ(contents->ships[200], (ShipRecord{30, 130, 0, 3, 1, 1010}));
  ASSERT_EQ(contents->systems.size(), 1u);
  EXPECT_EQ(contents->systems[0], (SystemEntry{"低気圧", 44, 150, 980}));
  ObservationStore store;
  ApplyDataFile(*contents, store);
  EXPECT_EQ(store.shipCount, 201);
  EXPECT_EQ(store.stationCount, 3);
}

TEST(DataFileReading, NegativeCountsReadNoRecords) {
  const auto contents = ParseDataFile(
      "d\r\n各地の天気,-3 \r\nh\r\n\r\n船舶の報告,-1 \r\nh\r\n\r\n漁業気象, 1 \r\nh\r\n低気圧,  44 , 150 ,  "
      "980\r\n");
  ASSERT_TRUE(contents);
  EXPECT_TRUE(contents->stations.empty());
  EXPECT_TRUE(contents->ships.empty());
  ASSERT_EQ(contents->systems.size(), 1u);
  EXPECT_EQ(contents->systems[0].pressure, 980);
}

TEST(DataFileReading, HugeCountInATruncatedFileEnds) {
  const auto contents = ParseDataFile("d\r\n各地の天気, 2000000000 \r\nh\r\n石垣島,北,1,晴れ,1000,20\r\n");
  ASSERT_TRUE(contents);
  EXPECT_EQ(contents->stations.size(), 201u);
  EXPECT_EQ(contents->stations[0].record.pressure, 1000);
}

TEST(DataFileReading, TruncatedFileFillsMissingFieldsWithEmpty) {
  const auto text = ReadCp932File(TestDataPath("data_truncated.txt"));
  ASSERT_TRUE(text);
  const auto contents = ParseDataFile(*text);
  ASSERT_TRUE(contents);
  ASSERT_EQ(contents->stations.size(), 54u);
  EXPECT_EQ(contents->stations[9].name, "松山");
  EXPECT_EQ(contents->stations[9].record.pressure, 1022);
  EXPECT_EQ(contents->stations[30], (DataFileStation{"", {0, 0, kUnknownWeather, 0, 0}}));
  EXPECT_TRUE(contents->ships.empty());
  EXPECT_TRUE(contents->systems.empty());
}

TEST(DataFileReading, FieldsAreCountedNotLines) {
  // The first station record spreads over two lines; the second follows in place.
  const auto contents = ParseDataFile("d\n各地の天気, 2 \nh\n石垣島,北\n1,晴れ,1000,20\n那覇,,0,,,\n");
  ASSERT_TRUE(contents);
  ASSERT_EQ(contents->stations.size(), 2u);
  EXPECT_EQ(contents->stations[0], (DataFileStation{"石垣島", {0, 1, 1, 1000, 20}}));
  EXPECT_EQ(contents->stations[1].name, "那覇");
}

}  // namespace
}  // namespace nimbara
