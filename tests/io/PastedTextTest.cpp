#include "io/PastedText.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "io/Cp932.h"
#include "io/FileIo.h"
#include "io/StationLine.h"

namespace nimbara {
namespace {

std::string Sample(const std::string& name) {
  return ReadCp932File(std::string(NIMBARA_SAMPLES) + "/bulletins/" + name).value();
}

std::string WithoutLineEnds(std::string text) {
  std::erase(text, '\r');
  std::erase(text, '\n');
  return text;
}

bool Has(const std::vector<std::string>& list, const std::string& part) {
  return std::any_of(list.begin(), list.end(), [&](const std::string& s) { return s.find(part) != std::string::npos; });
}

// A text as people paste it, and what its reading must store and name.
struct Paste {
  const char* name;
  std::string text;
  std::map<int, StationRecord> stations;  // every station read
  std::vector<ShipRecord> ships;
  std::vector<SystemEntry> systems;
  std::function<void(const PastedText&)> alsoNames = [](const PastedText&) {};
};

std::ostream& operator<<(std::ostream& out, const Paste& p) { return out << p.name; }

const Paste kPastes[] = {
    {"ship line with a wave height and no pressure",
     "JGQH 北緯38度 東経145度 西北西 風力8 天気：晴れ 気圧欠測 波高２ｍ",
     {}, {}, {},
     [](const PastedText& r) {
       EXPECT_TRUE(r.shipReports);
       EXPECT_TRUE(Has(r.notes.shipsWithoutPressure, "北緯38度 東経145度"));
     }},
    {"buoy in katakana without a pressure", "ブイ２１　北緯４２度 東経１５３度 北西 風力１０ 天気 雪 気圧 不明", {}, {}, {},
     [](const PastedText& r) {
       EXPECT_EQ(r.notes.shipsWithoutPressure, std::vector<std::string>{"ブイ２１（北緯42度 東経153度）"});
     }},
    {"ship sentence of the broadcast alone",
     "北緯30度、東経135度では、北西の風、風力5、くもり、1014ヘクトパスカル。",
     {}, {{30, 135, 2, 5, 2, 1014}}, {}},
    {"ship in letters", "ＪＧＱＨ　３８Ｎ １４５Ｅ 西北西 風力８ 天気 雪 気圧 ９８８ｈＰａ", {}, {{38, 145, 3, 8, 4, 988}}, {}},
    {"systems list in full-width digits", "低気圧　９７６ｈＰａ　（４４Ｎ，１５１Ｅ）　北東　３０ｋｍ／ｈ", {}, {},
     {{"低気圧", 44, 151, 976}},
     [](const PastedText& r) { EXPECT_TRUE(Has(r.notes.skipped, "３０ｋｍ")) << "the movement is named"; }},
    {"systems list twice in one go", WithoutLineEnds(Sample("winter_systems.txt") + Sample("winter_systems.txt")), {}, {},
     {},
     [](const PastedText& r) {
       EXPECT_EQ(r.systems.size(), 23u);
       EXPECT_EQ(r.notes.repeated.size(), 9u);
     }},
    {"station page twice: no ships invented", Sample("winter_stations.txt") + Sample("winter_stations.txt"), {}, {}, {},
     [](const PastedText& r) {
       EXPECT_EQ(r.StationCount(), 53);
       EXPECT_EQ(r.ships.size(), 4u);
       EXPECT_TRUE(Has(r.notes.shipsWithoutPressure, "ＪＰＢＸ"));
       EXPECT_TRUE(Has(r.notes.repeated, "那覇"));
     }},
    {"station given twice with other values",
     "那覇 北 風力 5 くもり 1021hPa 15度 那覇 北 風力 4 くもり 1019hPa 14度", {{1, {0, 5, 2, 1021, 15}}}, {}, {},
     [](const PastedText& r) { EXPECT_TRUE(Has(r.notes.differing, "1019hPa")); }},
    {"positions off the map and impossible", "低気圧 1000hPa (8N,130E) 高気圧 1020hPa (95N,200E)", {}, {},
     {{"低気圧", 8, 130, 1000}},
     [](const PastedText& r) {
       EXPECT_TRUE(Has(r.notes.offMap, "北緯8度"));
       EXPECT_TRUE(Has(r.notes.impossiblePositions, "北緯95度"));
     }},
    {"weather in kanji and after 天気は, reading example in brackets",
     "（読み上げ例）石垣島では、北東の風、風力4、天気曇り、気圧、1016ヘクトパスカル、気温21度。那覇では、北北東の風、風力3、"
     "天気はくもり、15ヘクトパスカル、22度。",
     {{0, {14, 4, 2, 1016, 21}}, {1, {15, 3, 2, 1015, 22}}}, {}, {}},
    {"霧雨 is rain in the page and in sentences, and named",
     "香港 東 風力 ２ 霧雨 １０２１ｈＰａ １５度 マニラでは、北の風、風力2、霧雨、14ヘクトパスカル、25度。",
     {{48, {12, 2, 3, 1021, 15}}, {50, {0, 2, 3, 1014, 25}}}, {}, {},
     [](const PastedText& r) { EXPECT_EQ(r.notes.reductions.at("霧雨"), (std::vector<std::string>{"香港", "マニラ"})); }},
    {"富士山 is in the table, though not on the map", "富士山では、西の風、風力9、晴れ、マイナス20度。", {}, {}, {},
     [](const PastedText& r) {
       EXPECT_TRUE(r.notes.unknownStations.empty());
       EXPECT_TRUE(Has(r.notes.skipped, "富士山"));
     }},
    {"the next sentence's position is no temperature",
     "函館では、西北西の風、風力6、雪、998ヘクトパスカル 北緯16度、東経116度では、北の風、風力3、晴れ、1013ヘクトパスカル。",
     {{25, {3, 6, 4, 998, 0}}}, {{16, 116, 0, 3, 1, 1013}}, {},
     [](const PastedText& r) { EXPECT_EQ(r.notes.missingTemperatures, std::vector<std::string>{"函館"}); }},
    {"text cut inside マイナス", "浦河では、西の風、風力6、くもり、994ヘクトパスカル、マイ", {{26, {4, 6, 2, 994, 0}}}, {}, {},
     [](const PastedText& r) { EXPECT_EQ(r.notes.missingTemperatures, std::vector<std::string>{"浦河"}); }},
    {"station rows without their title",
     "石垣島        北北東       風力 ４ くもり   １０２２ｈＰａ  １７度\n那覇          北         風力 ５ くもり   １０２１ｈＰａ  １５度",
     {{0, {15, 4, 2, 1022, 17}}, {1, {0, 5, 2, 1021, 15}}}, {}, {},
     [](const PastedText& r) { EXPECT_TRUE(r.title.empty()); }},
    {"systems part from its first system, a typhoon with its number and minutes",
     "北緯24度18分、東経125度36分には、台風第10号があって、北北西へ毎時15キロで進んでいます。中心気圧は965ヘクトパスカル、"
     "中心付近の最大風速は40メートルです。",
     {}, {}, {{"台風", 24, 126, 965}},
     [](const PastedText& r) { EXPECT_TRUE(Has(r.notes.skipped, "毎時15キロ")); }},
};

class PastedTextReading : public ::testing::TestWithParam<Paste> {};

TEST_P(PastedTextReading, StoresWhatTheTextGivesAndNamesTheRest) {
  const Paste& p = GetParam();
  const PastedText read = ReadPastedText(p.text);
  if (!p.stations.empty()) EXPECT_EQ(read.StationCount(), static_cast<int>(p.stations.size()));
  for (const auto& [slot, record] : p.stations) {
    ASSERT_TRUE(read.stations[static_cast<std::size_t>(slot)]) << "slot " << slot;
    EXPECT_EQ(read.stations[static_cast<std::size_t>(slot)]->record, record) << "slot " << slot;
  }
  if (!p.ships.empty()) EXPECT_EQ(read.ships, p.ships);
  if (!p.systems.empty()) EXPECT_EQ(read.systems, p.systems);
  p.alsoNames(read);
}

INSTANTIATE_TEST_SUITE_P(HostileAndRealForms, PastedTextReading, ::testing::ValuesIn(kPastes),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           return name.substr(0, 40) + "_" + std::to_string(info.index);
                         });

// The broadcast's manuscripts as they are copied: with their line ends, on one
// line, and the agency's pages with a blank line after the title.
TEST(PastedTextForms, EveryLayoutGivesTheSameRecords) {
  const PastedText page = ReadPastedText(Sample("winter_stations.txt"));
  const PastedText list = ReadPastedText(Sample("winter_systems.txt"));
  std::string blankAfterTitle = Sample("winter_stations.txt");
  blankAfterTitle.insert(blankAfterTitle.find('\n') + 1, "\r\n");
  const std::string both = Sample("broadcast_station_part.txt") + Sample("broadcast_systems_part.txt");
  for (const std::string& text : {both, WithoutLineEnds(both), blankAfterTitle}) {
    const PastedText read = ReadPastedText(text);
    EXPECT_EQ(read.StationCount(), 53);
    for (std::size_t slot = 0; slot < kBulletinStationCount; ++slot) {
      ASSERT_TRUE(read.stations[slot]) << slot;
      EXPECT_EQ(read.stations[slot]->record, page.stations[slot]->record) << slot;
    }
    if (text == blankAfterTitle) {
      EXPECT_EQ(read.ships, page.ships);
      continue;
    }
    EXPECT_TRUE(read.notes.unknownStations.empty());
    auto sorted = [](std::vector<SystemEntry> v) {
      std::sort(v.begin(), v.end(), [](const SystemEntry& a, const SystemEntry& b) {
        return std::tie(a.kind, a.latitude, a.longitude) < std::tie(b.kind, b.latitude, b.longitude);
      });
      return v;
    };
    EXPECT_EQ(sorted(read.systems), sorted(list.systems));
    EXPECT_EQ(read.title, "気象通報原稿　各地の天気　２０２４年０１月１５日０６時");
    EXPECT_TRUE(Has(read.notes.skipped, "24時間後には北緯33度")) << "the forecast circle is named, not read";
  }
}

}  // namespace
}  // namespace nimbara
