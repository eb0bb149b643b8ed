#pragma once
// The short forms of the words of a station report that a pupil can type
// while the radio broadcast is read, without an input method: wind
// directions in hiragana or letters, weather words in hiragana or in the
// first letters of their romaji. Words arrive as ScanText makes them:
// half-width, letters in lower case.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace nimbara {

// The direction code of a direction's name ("南南西"), its reading in
// hiragana ("なんなんせい") or its letters ("ssw"); nothing for any other word.
std::optional<std::int32_t> DirectionOfShortForm(std::string_view word);

// The broadcast's weather words that a word stands for: the word itself (the
// 21 words of the broadcast and 不明), its reading in hiragana ("くもり",
// "にわかあめ") or its romaji, in Hepburn or in the school's kunrei form, each
// part shortened to its first letters ("kumo", "niwaame", "yutuyo"). A whole
// romaji word stands for that word alone; a shortening that fits several
// words gives all of them ("ka": 快晴 and 雷), one that fits none gives none.
std::vector<std::string_view> WeatherWordsOfShortForm(std::string_view word);

}  // namespace nimbara
