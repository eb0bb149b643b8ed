#include "io/ShortForms.h"

#include <gtest/gtest.h>

#include "io/ScanText.h"

namespace nimbara {
namespace {

TEST(DirectionOfShortForm, ReadsNamesHiraganaAndLetters) {
  const std::pair<const char*, int> cases[] = {{"南南西", 7}, {"なんなんせい", 7}, {"ssw", 7}, {"北", 0}, {"きた", 0},
                                               {"n", 0},      {"ene", 13},         {"ほくほくとう", 15},   {"nn", -1},
                                               {"なん", -1},  {"くもり", -1}};
  for (const auto& [word, code] : cases) EXPECT_EQ(DirectionOfShortForm(word).value_or(-1), code) << word;
}

TEST(WeatherWordsOfShortForm, ReadsWordsHiraganaAndShortenedRomaji) {
  using Words = std::vector<std::string_view>;
  const std::pair<const char*, Words> cases[] = {
      {"くもり", {"くもり"}},         {"はれ", {"晴れ"}},         {"霧雨", {"霧雨"}},
      {"かみなりつよし", {"雷強し"}}, {"kumo", {"くもり"}},       {"ame", {"雨"}},
      {"niwaame", {"にわか雨"}},      {"niway", {"にわか雪"}},    {"yutuyo", {"雪強し"}},
      {"ametsu", {"雨強し"}},         {"zihu", {"地ふぶき"}},     {"kiri", {"霧"}},
      {"kisa", {"霧雨"}},             {"fu", {"不明"}},           {"m", {"みぞれ"}},
      {"ka", {"快晴", "雷"}},         {"a", {"雨", "あられ"}},    {"ni", {}},
      {"x", {}},                      {"", {}},
  };
  for (const auto& [word, words] : cases) EXPECT_EQ(WeatherWordsOfShortForm(word), words) << word;
}

TEST(ScanText, WordsAreWhatStandsBetweenBlanks) {
  const ScanText text("　南南西  ２\tくもり\n18 ");
  EXPECT_EQ(text.Words(), (std::vector<std::string_view>{"南南西", "2", "くもり", "18"}));
}

}  // namespace
}  // namespace nimbara
