#include "io/StationLine.h"

#include <gtest/gtest.h>

#include "io/ScanText.h"

namespace nimbara {
namespace {

struct FieldsCase {
  const char* what;
  std::string fields;  // what follows the station name
  ReportForm form;
  StationRecord expected;
};

constexpr auto kBulletin = ReportForm::Bulletin;
constexpr auto kBroadcast = ReportForm::Broadcast;

const FieldsCase kFieldsCases[] = {
    {"bulletin line", "        北北東       風力 ４ くもり   １０２２ｈＰａ  １７度", kBulletin, {15, 4, 2, 1022, 17}},
    {"bulletin calm", "          風弱く            晴れ    　９９８ｈＰａ  －３度", kBulletin, {0, 0, 1, 998, -3}},
    {"bulletin word outside the list", " 北西 風力 ２ 煙霧 １０４０ｈＰａ －５度", kBulletin, {2, 2, 10, 1040, -5}},
    {"broadcast reduces 煙霧", " 北西 風力 ２ 煙霧 40 -5度", kBroadcast, {2, 2, 10, 1040, -5}},
    {"bulletin pressure unit without digits", " 北西 風力 ３ 晴れ 　　　ｈＰａ ３度", kBulletin, {2, 3, 1, 0, 3}},
    {"listing shape", " 南南西 風力 2 くもり 18mb 7度", kBroadcast, {7, 2, 2, 1018, 7}},
    {"listing shape without units", " 南南西 風力 2 くもり 18 7", kBroadcast, {7, 2, 2, 1018, 7}},
    {"dictated line", "南南西 2 くもり 18 7", kBroadcast, {7, 2, 2, 1018, 7}},
    {"reading shape", "では、南南西の風、風力2、くもり、18ヘクトパスカル、7度。", kBroadcast, {7, 2, 2, 1018, 7}},
    {"reading shape with its labels", "では、北の風、風力3、天気 晴れ、気圧 998ヘクトパスカル、気温 21度。", kBroadcast,
     {0, 3, 1, 998, 21}},
    {"line ends inside words and numbers", "では、南\n南西の風、風 力2、く\nもり、1\n8ヘクト\nパスカル、マイナ\nス7度。",
     kBroadcast, {7, 2, 2, 1018, -7}},
    {"one digit is above 1000", " 北 風力 1 晴れ 5 0度", kBroadcast, {0, 1, 1, 1005, 0}},
    {"four digits stand as written", " 北 風力 1 晴れ 1000 0度", kBroadcast, {0, 1, 1, 1000, 0}},
    {"wind unknown", "では、風向・風力不明、雨、12ヘクトパスカル、4度。", kBroadcast, {0, 0, 3, 1012, 4}},
    {"no report", "では、入電がありません。", kBroadcast, {0, 0, 11, 0, 0}},
    {"minus word", " 北 風力 1 雪 20 マイナス3度", kBroadcast, {0, 1, 4, 1020, -3}},
    {"long vowel as minus", " 北 風力 1 雪 20 ー3度", kBroadcast, {0, 1, 4, 1020, -3}},
    {"full-width minus", "北 風力１ 雪 ２０ －３度", kBroadcast, {0, 1, 4, 1020, -3}},
    {"霧雨 is rain", " 東 風力 2 霧雨 10 5度", kBroadcast, {12, 2, 3, 1010, 5}},
    {"地ふぶき is weather unknown", " 東 風力 2 地吹雪 10 5度", kBroadcast, {12, 2, 10, 1010, 5}},
    {"雷強し is thunder", " 東 風力 2 雷強し 10 5度", kBroadcast, {12, 2, 8, 1010, 5}},
    {"砂じんあらし is undetermined", " 東 風力 2 砂じんあらし 10 5度", kBroadcast, {12, 2, 10, 1010, 5}},
    {"reading stops after the temperature", " 北 風力 1 雪 20 3度 南 風力 5", kBroadcast, {0, 1, 4, 1020, 3}},
};

TEST(ReadStationFields, ReadsEveryFormOfAStationReport) {
  for (const FieldsCase& c : kFieldsCases) {
    EXPECT_EQ(ReadStationFields(c.fields, c.form).record, c.expected) << c.what;
  }
}

TEST(MatchStationName, FindsNamesWrittenWithBlanks) {
  const std::pair<std::string, int> cases[] = {{"石 垣 島 北", 0}, {"南大東島", 2}, {"オゼルナヤ 南東", 30},
                                               {"ウ ラ ジ オ ス ト ク", 33}, {"ナホトカ", -1}};
  for (const auto& [text, slot] : cases) {
    const auto match = MatchStationName(ScanText(text), 0);
    EXPECT_EQ(match ? match->slot : -1, slot) << text;
  }
}

TEST(NoteUnknownStations, NamesWhatStandsBeforeTheWind) {
  std::vector<std::string> names;
  const ScanText text("。ナホトカでは、北西の風、風力3、晴れ、20ヘクトパスカル、5度。東京 北西 風力 2 くもり 12 9度 "
                      "ＪＧＱＨ　北緯３８度 東経１４５度 西北西 風力８");
  NoteUnknownStations(text, 0, text.Size(), names);
  EXPECT_EQ(names, (std::vector<std::string>{"ナホトカ", "東京"}));
}

TEST(ScanPosition, TurnsMinutesIntoWholeDegrees) {
  const std::tuple<std::string, int, int> cases[] = {{"北緯41度20分、東経147度50分", 41, 148},
                                                     {"北 緯２５度 東経１３０度", 25, 130},
                                                     {"北緯41度30分,東経150度30分", 42, 150},
                                                     {"北緯35.5度、東経140度", 36, 140}};
  for (const auto& [text, latitude, longitude] : cases) {
    const auto position = ScanPosition(ScanText(text), 0);
    ASSERT_TRUE(position) << text;
    EXPECT_EQ(position->latitude, latitude) << text;
    EXPECT_EQ(position->longitude, longitude) << text;
  }
  EXPECT_FALSE(ScanPosition(ScanText("北緯41度、東経1"), 0));
}

}  // namespace
}  // namespace nimbara
