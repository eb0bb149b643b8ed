#pragma once
// The weather words people write: the broadcast's 21 words in their usual
// spellings (曇り, 晴, 地吹雪, …), each with the one of the eleven names of
// WeatherList it is stored as. A reduction that loses something the word said
// (霧雨 stored as 雨) is one the paste report names; the three that only
// shorten a word (にわか雨 → 雨, にわか雪 → 雪, 天気不明 → 不明) are not.

#include <optional>
#include <string_view>

#include "io/ScanText.h"

namespace nimbara {

struct WeatherWord {
  std::string_view word;  // the broadcast's own word ("くもり" for "曇り")
  std::string_view name;  // the name of WeatherList it is stored as
  std::size_t end = 0;    // offset after the spelling in the text
};

// The longest weather word spelled at `at`, or nothing.
std::optional<WeatherWord> MatchWeatherWord(const ScanText& text, std::size_t at);

// The name a broadcast word is stored as when the report names that
// reduction ("霧雨" gives "雨"), else nothing.
std::optional<std::string_view> NamedReduction(std::string_view word);

}  // namespace nimbara
