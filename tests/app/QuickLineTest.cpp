#include "app/QuickLine.h"

#include <gtest/gtest.h>

namespace nimbara {
namespace {

struct StationCase {
  const char* line;
  LineKind kind;
  StationRecord record;
  const char* reason = "";  // the start of the reason
};

const StationCase kStationCases[] = {
    {"南南西 2 くもり 18 7", LineKind::Report, {7, 2, 2, 1018, 7}},
    {"なんなんせい ２ kumo 18 m7", LineKind::Report, {7, 2, 2, 1018, -7}},
    {"SSW 2 niwaame 998 -3", LineKind::Report, {7, 2, 3, 998, -3}},
    {"ene 3 e 1012hPa 7度", LineKind::Report, {13, 3, 10, 1012, 7}},
    {"0 はれ 5 －12", LineKind::Report, {0, 0, 1, 1005, -12}},
    {"北 1 雪", LineKind::Report, {0, 1, 4, 0, 0}},
    {"-", LineKind::NoReport, {}},
    {"入電なし", LineKind::NoReport, {}},
    {" 　", LineKind::Empty, {}},
    {"南南西 2 くもろ 18 7", LineKind::Unreadable, {}, "「くもろ」は風向・天気・数のどれでもありません"},
    {"南 2 ka 18 7", LineKind::Unreadable, {}, "「ka」は 快晴・雷 のどれか"},
    {"南南西 2 18 7", LineKind::Unreadable, {}, "天気がありません"},
    {"南 2 くもり 雨 18", LineKind::Unreadable, {}, "天気が二つあります"},
    {"2 南 くもり 18", LineKind::Unreadable, {}, "風向「南」は行の初めに"},
    {"南 2 くもり 18 7 5", LineKind::Unreadable, {}, "数が多すぎるか"},
    {"くもり 2 18 7", LineKind::Unreadable, {}, "数が多すぎるか"},
    {"南 13 くもり 18 7", LineKind::Unreadable, {}, "風力 13 は 0 から 12 までです"},
    {"南 2 くもり 850 7", LineKind::Unreadable, {}, "気圧 850 は 900 から 1100 までです"},
    {"南 2 くもり 18 41", LineKind::Unreadable, {}, "気温 41 は -40 から 40 までです"},
};

TEST(ReadStationQuickLine, ReadsShortFormsInBroadcastOrderAndSaysWhyNot) {
  for (const StationCase& c : kStationCases) {
    const QuickLine<StationRecord> read = ReadStationQuickLine(c.line);
    EXPECT_EQ(read.kind, c.kind) << c.line;
    EXPECT_EQ(read.record, c.record) << c.line;
    EXPECT_TRUE(read.reason.starts_with(c.reason)) << c.line << ": " << read.reason;
  }
}

TEST(ReadShipQuickLine, ReadsThePositionThenTheReport) {
  const std::tuple<const char*, ShipRecord, const char*> cases[] = {
      {"32 141 北東 5 あめ 1006", {32, 141, 14, 5, 3, 1006}, ""},
      {"32 141 ne 5 ame 6", {32, 141, 14, 5, 3, 1006}, ""},
      {"北東 5 あめ 1006", {}, "初めに緯度と経度を書きます"},
      {"12 141 北東 5 あめ 1006", {}, "緯度 12 は 15 から 60 までです"},
      {"32 141 北東 5 あめ 1006 12", {}, "数が多すぎるか、順が違います（風向 風力 天気 気圧 の順"},
  };
  for (const auto& [line, record, reason] : cases) {
    const QuickLine<ShipRecord> read = ReadShipQuickLine(line);
    EXPECT_EQ(read.record, record) << line;
    EXPECT_TRUE(read.reason.starts_with(reason)) << line << ": " << read.reason;
  }
  EXPECT_EQ(ReadShipQuickLine("-").kind, LineKind::NoReport);
}

}  // namespace
}  // namespace nimbara
