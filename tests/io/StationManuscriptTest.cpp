#include "io/StationManuscript.h"

#include <gtest/gtest.h>

#include <map>

#include "io/StationLine.h"

namespace nimbara {
namespace {

struct ManuscriptCase {
  const char* what;
  std::string text;
  std::map<int, StationRecord> expected;  // every station read
  std::vector<std::string> unknown;
};

const std::map<int, StationRecord> kThreeStations = {
    {0, {15, 4, 2, 1022, 17}}, {1, {0, 5, 2, 1021, 15}}, {20, {7, 2, 2, 1018, 7}}};

const ManuscriptCase kManuscripts[] = {
    {"listing shape",
     "石 垣 島  北北東  風力 4  くもり  22mb  17度\n那 覇    北      風力 5  くもり  21    15度\n"
     "輪 島    南南西  風力 2  くもり  18mb  7度\n",
     kThreeStations, {}},
    {"listing whose line ends became spaces",
     "石 垣 島 北北東 風力 4 くもり 22mb 17度 那 覇 北 風力 5 くもり 21 15度 輪 島 南南西 風力 2 くもり 18 7度",
     kThreeStations, {}},
    {"reading shape broken anywhere",
     "石垣島では、北北東の風、風力4、天気 くもり、気圧 22ヘクトパスカル、気温 17度。那覇では、北の風、風力5、くもり、"
     "21ヘクト\nパスカル、15度。輪\n島では、南南西の風、風力2、くもり、1\n8ヘクトパスカル、7度。",
     kThreeStations, {}},
    {"unknown name, no report, wind unknown, a station given twice",
     "ナホトカでは、北西の風、風力3、晴れ、20ヘクトパスカル、5度。名瀬では、入電がありません。前橋では、風向・風力不明、"
     "晴れ、9ヘクトパスカル、マイナス1度。前橋では、北の風、風力1、雨、10ヘクトパスカル、3度。",
     {{3, kNoStationReport}, {18, {0, 0, 1, 1009, -1}}}, {"ナホトカ"}},
    {"names of places in the systems part",
     "父島の南東約300キロには、1002ヘクトパスカルの低気圧があって、北へ毎時20キロで進んでいます。奄美大島では、北の風、"
     "風力3、雨、10ヘクトパスカル、20度。",
     {}, {"奄美大島"}},
};

TEST(ReadStationManuscript, ReadsEveryStationOfBothShapes) {
  for (const ManuscriptCase& c : kManuscripts) {
    SCOPED_TRACE(c.what);
    const StationManuscript part = ReadStationManuscript(ScanText(c.text));
    EXPECT_EQ(part.Count(), static_cast<int>(c.expected.size()));
    for (const auto& [slot, record] : c.expected) {
      ASSERT_TRUE(part.records[static_cast<std::size_t>(slot)]) << "slot " << slot;
      EXPECT_EQ(*part.records[static_cast<std::size_t>(slot)], record) << "slot " << slot;
    }
    EXPECT_EQ(part.unknownStations, c.unknown);
  }
}

TEST(ReadStationManuscript, OzernayaNamesSlot30) {
  EXPECT_TRUE(ReadStationManuscript(ScanText("オゼルナヤでは、南東の風、風力3、雪、2ヘクトパスカル、マイナス10度。")).namesOzernaya);
  EXPECT_FALSE(ReadStationManuscript(ScanText("セベロクリリスク 南東 風力 3 雪 2 -10度")).namesOzernaya);
}

}  // namespace
}  // namespace nimbara
