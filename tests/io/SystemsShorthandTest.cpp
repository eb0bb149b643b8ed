#include "io/SystemsShorthand.h"

#include <gtest/gtest.h>

#include "io/FileIo.h"
#include "io/ScanText.h"

namespace nimbara {
namespace {

using Lines = std::vector<std::string>;

Lines Described(const std::vector<SystemEntry>& entries) {
  Lines lines;
  for (const SystemEntry& e : entries)
    lines.push_back(e.kind + " " + std::to_string(e.latitude) + " " + std::to_string(e.longitude) + " " +
                    std::to_string(e.pressure));
  return lines;
}

struct ReadCase {
  const char* name;
  const char* text;
  Lines entries;
  Lines unread;
};

const ReadCase kReadCases[] = {
    {"LowItsFrontsAndAHigh",
     "低 1002 41 147\n温暖 40 152 37 155\n寒冷 41 147 38 140\n高 1030 40 115",
     {"低気圧 41 147 1002", "温暖前線 41 147 0", "温暖前線 40 152 0", "温暖前線 37 155 0", "寒冷前線 41 147 0",
      "寒冷前線 38 140 0", "高気圧 40 115 1030"},
     {}},
    {"EmptyLinePartsAFrontFromTheLow", "低 1002 41 147\n\n停滞 40 152", {"低気圧 41 147 1002", "停滞前線 40 152 0"}, {}},
    {"FullNamesShortPressuresCommasNoPressure",
     "台風 965 25 130\n熱帯低気圧1004 20 135\n低 02 41,147\n高 40 115",
     {"台風 25 130 965", "熱帯低気圧 20 135 1004", "低気圧 41 147 1002", "高気圧 40 115 0"},
     {}},
    {"LettersForTheKindsInEitherCase",
     "L 1002 41 147\nw 40 152\nTD 1004 20 135\nt 965 25 130\nH 1030 40 115\nC 41 147 38 140\nS 30 138\no 46 155\n"
     "I 1040 52 115",
     {"低気圧 41 147 1002", "温暖前線 41 147 0", "温暖前線 40 152 0", "熱帯低気圧 20 135 1004", "台風 25 130 965",
      "高気圧 40 115 1030", "寒冷前線 41 147 0", "寒冷前線 38 140 0", "停滞前線 30 138 0", "閉塞前線 46 155 0",
      "等圧線 52 115 1040"},
     {}},
    {"Isobar", "等圧 1040 52 115 47 120", {"等圧線 52 115 1040", "等圧線 47 120 1040"}, {}},
    {"SentencesBetweenShortLines",
     "北緯30度、東経138度には、1008ヘクトパス\nカルの低気圧があって、東へ進んでいます。\n高 1030 40 115",
     {"低気圧 30 138 1008", "高気圧 40 115 1030"},
     {}},
    {"LinesThatCannotBeRead", "低 1002 41\n寒冷 40 152 37\n台 965 25 130 ですか\nあいうえお", {},
     {"低 1002 41", "寒冷 40 152 37", "台 965 25 130 ですか", "あいうえお"}},
    {"BothShortFormsOfATropicalDepressionAndTheOcclusion", "熱帯 1004 20 135\n熱低 1006 21 136\n閉塞 46 155 46 158",
     {"熱帯低気圧 20 135 1004", "熱帯低気圧 21 136 1006", "閉塞前線 46 155 0", "閉塞前線 46 158 0"},
     {}},
};

class ShorthandReading : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ShorthandReading, ReadsShortLinesAndSentences) {
  const SystemsManuscript read = ReadSystemsShorthand(GetParam().text);
  EXPECT_EQ(Described(read.entries), GetParam().entries);
  EXPECT_EQ(read.unreadClauses, GetParam().unread);
}

INSTANTIATE_TEST_SUITE_P(Cases, ShorthandReading, ::testing::ValuesIn(kReadCases),
                         [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(WriteSystemsShorthand, ReadsBackAsTheSameEntries) {
  const auto manuscript = ReadCp932File(std::string(NIMBARA_SAMPLES) + "/bulletins/broadcast_systems_part.txt");
  ASSERT_TRUE(manuscript);
  std::vector<SystemEntry> entries = ReadSystemsManuscript(ScanText(*manuscript)).entries;
  ASSERT_GT(entries.size(), 10u);
  // A front right after a low that does not start at its centre, and a marker.
  entries.insert(entries.end(), {{"低気圧", 35, 140, 1000}, {"寒冷前線", 34, 139, 0}, {"そこから", 34, 139, 0}});
  const std::string text = WriteSystemsShorthand(entries);
  EXPECT_EQ(text.substr(0, text.find("\n温暖")), "低 976 44 151\n閉塞 46 155 46 158");
  entries.pop_back();
  EXPECT_EQ(Described(ReadSystemsShorthand(text).entries), Described(entries)) << text;
}

}  // namespace
}  // namespace nimbara
