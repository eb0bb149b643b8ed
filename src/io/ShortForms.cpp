#include "io/ShortForms.h"

#include <algorithm>
#include <array>

#include "core/CodeTables.h"

namespace nimbara {
namespace {

struct DirectionForms {
  std::string_view hiragana;
  std::string_view letters;
};

// In the order of WindDirectionList: index = direction code.
constexpr std::array<DirectionForms, 16> kDirectionForms = {{
    {"きた", "n"},
    {"ほくほくせい", "nnw"},
    {"ほくせい", "nw"},
    {"せいほくせい", "wnw"},
    {"にし", "w"},
    {"せいなんせい", "wsw"},
    {"なんせい", "sw"},
    {"なんなんせい", "ssw"},
    {"みなみ", "s"},
    {"なんなんとう", "sse"},
    {"なんとう", "se"},
    {"とうなんとう", "ese"},
    {"ひがし", "e"},
    {"とうほくとう", "ene"},
    {"ほくとう", "ne"},
    {"ほくほくとう", "nne"},
}};
static_assert(kDirectionForms.size() == kWindDirectionList.size());

struct WeatherForms {
  std::string_view word;
  std::string_view hiragana;
  // Romaji with "|" between the parts that are shortened one by one; a
  // second spelling (the kunrei form) after a blank.
  std::string_view romaji;
};

constexpr std::array<WeatherForms, 22> kWeatherForms = {{
    {"快晴", "かいせい", "kaisei"},
    {"晴れ", "はれ", "hare"},
    {"くもり", "くもり", "kumori"},
    {"雨", "あめ", "ame"},
    {"雪", "ゆき", "yuki"},
    {"みぞれ", "みぞれ", "mizore"},
    {"あられ", "あられ", "arare"},
    {"ひょう", "ひょう", "hyou"},
    {"雷", "かみなり", "kaminari"},
    {"霧", "きり", "kiri"},
    {"不明", "ふめい", "fumei humei"},
    {"にわか雨", "にわかあめ", "niwaka|ame"},
    {"にわか雪", "にわかゆき", "niwaka|yuki"},
    {"天気不明", "てんきふめい", "tenki|fumei tenki|humei"},
    {"霧雨", "きりさめ", "kiri|same"},
    {"雨強し", "あめつよし", "ame|tsuyoshi ame|tuyosi"},
    {"雪強し", "ゆきつよし", "yuki|tsuyoshi yuki|tuyosi"},
    {"地ふぶき", "じふぶき", "ji|fubuki zi|hubuki"},
    {"雷強し", "かみなりつよし", "kaminari|tsuyoshi kaminari|tuyosi"},
    {"煙霧", "えんむ", "enmu"},
    {"ちり煙霧", "ちりえんむ", "chiri|enmu tiri|enmu"},
    {"砂じんあらし", "さじんあらし", "sajin|arashi sazin|arasi"},
}};

// Cuts `text` at `separator`: the piece before it, and `text` moves past it.
std::string_view NextPiece(std::string_view& text, char separator) {
  const std::size_t at = text.find(separator);
  const std::string_view piece = text.substr(0, at);
  text = at == std::string_view::npos ? std::string_view() : text.substr(at + 1);
  return piece;
}

// Whether `word` is made of a first part of each of the parts, in order.
bool ShortensParts(std::string_view word, std::string_view parts) {
  if (parts.empty()) return word.empty();
  const std::string_view part = NextPiece(parts, '|');
  for (std::size_t length = std::min(part.size(), word.size()); length > 0; --length) {
    if (word.substr(0, length) == part.substr(0, length) && ShortensParts(word.substr(length), parts)) return true;
  }
  return false;
}

bool IsWholeRomaji(std::string_view word, std::string_view spelling) {
  std::size_t at = 0;
  for (char c : spelling) {
    if (c == '|') continue;
    if (at == word.size() || word[at++] != c) return false;
  }
  return at == word.size();
}

template <typename Test>
bool AnySpelling(std::string_view romaji, Test test) {
  while (!romaji.empty()) {
    if (test(NextPiece(romaji, ' '))) return true;
  }
  return false;
}

}  // namespace

std::optional<std::int32_t> DirectionOfShortForm(std::string_view word) {
  for (std::size_t code = 0; code < kDirectionForms.size(); ++code) {
    const DirectionForms& forms = kDirectionForms[code];
    if (word == kWindDirectionList[code] || word == forms.hiragana || word == forms.letters)
      return static_cast<std::int32_t>(code);
  }
  return std::nullopt;
}

std::vector<std::string_view> WeatherWordsOfShortForm(std::string_view word) {
  std::vector<std::string_view> words;
  for (const WeatherForms& forms : kWeatherForms) {
    const auto whole = [&](std::string_view spelling) { return IsWholeRomaji(word, spelling); };
    if (word == forms.word || word == forms.hiragana || AnySpelling(forms.romaji, whole)) return {forms.word};
  }
  for (const WeatherForms& forms : kWeatherForms) {
    const auto shortens = [&](std::string_view spelling) { return !word.empty() && ShortensParts(word, spelling); };
    if (AnySpelling(forms.romaji, shortens)) words.push_back(forms.word);
  }
  return words;
}

}  // namespace nimbara
