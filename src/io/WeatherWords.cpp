#include "io/WeatherWords.h"

#include <array>

namespace nimbara {
namespace {

struct Spelling {
  std::string_view spelling;
  std::string_view word;
};

// Every spelling of every word, the word itself included.
constexpr std::array<Spelling, 38> kSpellings = {{
    {"快晴", "快晴"},         {"晴れ", "晴れ"},         {"晴", "晴れ"},           {"はれ", "晴れ"},
    {"くもり", "くもり"},     {"曇り", "くもり"},       {"曇", "くもり"},         {"煙霧", "煙霧"},
    {"ちり煙霧", "ちり煙霧"}, {"塵煙霧", "ちり煙霧"},   {"砂じんあらし", "砂じんあらし"},
    {"砂じん嵐", "砂じんあらし"}, {"砂塵嵐", "砂じんあらし"}, {"砂塵あらし", "砂じんあらし"},
    {"地ふぶき", "地ふぶき"}, {"地吹雪", "地ふぶき"},   {"霧", "霧"},
    {"霧雨", "霧雨"},         {"雨", "雨"},
    {"雨強し", "雨強し"},     {"にわか雨", "にわか雨"}, {"俄雨", "にわか雨"},     {"しゅう雨", "にわか雨"},
    {"みぞれ", "みぞれ"},     {"霙", "みぞれ"},         {"雪", "雪"},
    {"雪強し", "雪強し"},     {"にわか雪", "にわか雪"}, {"俄雪", "にわか雪"},     {"しゅう雪", "にわか雪"},
    {"あられ", "あられ"},     {"霰", "あられ"},         {"ひょう", "ひょう"},     {"雹", "ひょう"},
    {"雷", "雷"},             {"雷強し", "雷強し"},     {"天気不明", "天気不明"}, {"不明", "不明"},
}};

struct Reduction {
  std::string_view word;
  std::string_view name;
  bool named;  // the report names it
};

// The broadcast words that are not names of WeatherList, and what each is
// stored as.
constexpr std::array<Reduction, 11> kReductions = {{
    {"にわか雨", "雨", false},
    {"にわか雪", "雪", false},
    {"天気不明", "不明", false},
    {"霧雨", "雨", true},
    {"雨強し", "雨", true},
    {"雪強し", "雪", true},
    {"雷強し", "雷", true},
    {"煙霧", "不明", true},
    {"ちり煙霧", "不明", true},
    {"砂じんあらし", "不明", true},
    {"地ふぶき", "不明", true},
}};

const Reduction* ReductionOf(std::string_view word) {
  for (const Reduction& r : kReductions) {
    if (r.word == word) return &r;
  }
  return nullptr;
}

}  // namespace

std::optional<std::string_view> NamedReduction(std::string_view word) {
  const Reduction* r = ReductionOf(word);
  if (r == nullptr || !r->named) return std::nullopt;
  return r->name;
}

std::optional<WeatherWord> MatchWeatherWord(const ScanText& text, std::size_t at) {
  static const FirstBytes firstBytes = [] {
    std::array<std::string_view, kSpellings.size()> spellings;
    for (std::size_t i = 0; i < kSpellings.size(); ++i) spellings[i] = kSpellings[i].spelling;
    return FirstBytes(spellings);
  }();
  if (!firstBytes.MayStartAt(text, at)) return std::nullopt;
  const Spelling* longest = nullptr;
  for (const Spelling& s : kSpellings) {
    if ((longest == nullptr || s.spelling.size() > longest->spelling.size()) && text.At(at, s.spelling)) longest = &s;
  }
  if (longest == nullptr) return std::nullopt;
  const Reduction* r = ReductionOf(longest->word);
  return WeatherWord{longest->word, r != nullptr ? r->name : longest->word, at + longest->spelling.size()};
}

}  // namespace nimbara
