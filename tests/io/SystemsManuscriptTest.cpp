#include "io/SystemsManuscript.h"

#include <gtest/gtest.h>

namespace nimbara {
namespace {

struct SystemsCase {
  const char* what;
  std::string text;
  std::vector<SystemEntry> expected;
  std::size_t unread;  // clauses noted as not read
};

const SystemsCase kSystemsCases[] = {
    {"low with fronts from its centre, line ends anywhere",
     "北緯41度20分、東経147度50分には、1002hPaの発達中の低気圧があって、東へ毎時30キロで進んでいます。\n中心から温暖前線が"
     "北緯40度、東経152度を通って、北緯37度、東\n経155度にのび、寒冷前線が北緯36度、東経147度、北 緯33度、東経140度を通"
     "って、北緯31度、東経134度に達しています。",
     {{"低気圧", 41, 148, 1002}, {"温暖前線", 41, 148, 0}, {"温暖前線", 40, 152, 0}, {"温暖前線", 37, 155, 0},
      {"寒冷前線", 41, 148, 0}, {"寒冷前線", 36, 147, 0}, {"寒冷前線", 33, 140, 0}, {"寒冷前線", 31, 134, 0}},
     0},
    {"kinds and their pressures",
     "北緯20度、東経130度には、台風第5号があって、中心気圧は965ヘクトパスカル、北へ毎時15キロで進んでいます。"
     "北緯15度、東経135度には、1004ヘクトパスカルの熱帯低気圧があって、ほとんど停滞しています。"
     "北緯38度30分、東経165度には、1 008hPaの温帯低気圧があります。北緯45度、東経120度には、1036hPaの高気圧があって、"
     "東へ毎時20キロで進んでいます。",
     {{"台風", 20, 130, 965}, {"熱帯低気圧", 15, 135, 1004}, {"低気圧", 38, 165, 1008}, {"高気圧", 45, 120, 1036}},
     0},
    {"front without a centre, then one from where it ended",
     "停滞前線が北緯30度、東経125度、北緯32度、東経135度を通って、北緯33度、東経145度にのびています。そこから寒冷前線が北緯31度、"
     "東経150度に達しています。",
     {{"停滞前線", 30, 125, 0}, {"停滞前線", 32, 135, 0}, {"停滞前線", 33, 145, 0}, {"寒冷前線", 33, 145, 0},
      {"寒冷前線", 31, 150, 0}},
     0},
    {"isobar",
     "1020ヘクトパスカルの等圧線が北緯40度、東経120度、北緯38度、東経125度を通って、北緯35度、東経130度に達しています。",
     {{"等圧線", 40, 120, 1020}, {"等圧線", 38, 125, 1020}, {"等圧線", 35, 130, 1020}}, 0},
    {"forecast circles, movement, wind areas and warnings add nothing",
     "この低気圧は、24時間後には北緯43度、東経155度を中心とする半径300キロの円内に進む見込みです。(37、150)(35、155)"
     "(33、150)の各点で囲まれた海域では、北西の風が強く、最大風速は18メートルです。海上強風警報が発表されています。",
     {}, 0},
    {"clauses cut off or without positions",
     "停滞前線が日本の南岸にのびています。北緯41度、東経147度には、1002hPaの低気圧があって、中心から寒冷前線が北緯36度、東経147"
     "度、北緯33",
     {{"低気圧", 41, 147, 1002}}, 2},
};

TEST(ReadSystemsManuscript, ReadsSystemsFrontsAndIsobars) {
  for (const SystemsCase& c : kSystemsCases) {
    const SystemsManuscript part = ReadSystemsManuscript(ScanText(c.text));
    EXPECT_EQ(part.entries, c.expected) << c.what;
    EXPECT_EQ(part.unreadClauses.size(), c.unread) << c.what;
  }
}

}  // namespace
}  // namespace nimbara
