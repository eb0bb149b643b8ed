#include "core/Text.h"

namespace nimbara {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

}  // namespace

std::optional<char32_t> NextUtf8(std::string_view text, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos++]);
  if (lead < 0x80) return lead;
  int continuations;
  char32_t codePoint;
  // The range of the first continuation byte excludes overlong forms,
  // surrogates and code points beyond U+10FFFF.
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    continuations = 1;
    codePoint = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    continuations = 2;
    codePoint = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    continuations = 3;
    codePoint = lead & 0x07;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return std::nullopt;
  }
  for (int i = 0; i < continuations; ++i) {
    if (pos == text.size()) return std::nullopt;
    const auto next = static_cast<unsigned char>(text[pos]);
    if (next < low || next > high) return std::nullopt;
    codePoint = codePoint << 6 | (next & 0x3F);
    low = 0x80;
    high = 0xBF;
    ++pos;
  }
  return codePoint;
}

char32_t DecodeUtf8(std::string_view s, std::size_t& pos) { return NextUtf8(s, pos).value_or(kReplacement); }

namespace {

// Byte offset of character index `index` (or the text size when beyond).
std::size_t ByteOffset(std::string_view s, std::size_t index) {
  std::size_t pos = 0;
  for (std::size_t i = 0; i < index && pos < s.size(); ++i) DecodeUtf8(s, pos);
  return pos;
}

}  // namespace

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::u32string ToCodePoints(std::string_view s) {
  std::u32string out;
  out.reserve(s.size());
  for (std::size_t pos = 0; pos < s.size();) out += DecodeUtf8(s, pos);
  return out;
}

std::string FromCodePoints(std::u32string_view cps) {
  std::string out;
  out.reserve(cps.size());
  for (char32_t cp : cps) AppendUtf8(out, cp);
  return out;
}

std::size_t CharLength(std::string_view s) {
  std::size_t n = 0;
  for (std::size_t pos = 0; pos < s.size(); ++n) DecodeUtf8(s, pos);
  return n;
}

std::string CharSubstr(std::string_view s, std::size_t start, std::size_t count) {
  const std::size_t begin = ByteOffset(s, start);
  if (count == kNoPosition) return std::string(s.substr(begin));
  std::size_t end = begin;
  for (std::size_t i = 0; i < count && end < s.size(); ++i) DecodeUtf8(s, end);
  return std::string(s.substr(begin, end - begin));
}

std::size_t CharFind(std::string_view s, std::string_view needle, std::size_t from) {
  std::size_t pos = ByteOffset(s, from);
  std::size_t index = from;
  if (pos >= s.size() && !(needle.empty() && pos == s.size())) return kNoPosition;
  while (pos <= s.size()) {
    if (s.substr(pos, needle.size()) == needle) return index;
    if (pos == s.size()) break;
    DecodeUtf8(s, pos);
    ++index;
  }
  return kNoPosition;
}

std::string PadRight(std::string_view text, std::size_t characters) {
  std::string out(text);
  const std::size_t len = CharLength(text);
  if (len < characters) out.append(characters - len, ' ');
  return out;
}

std::string PadLeft(std::string_view text, std::size_t characters) {
  const std::size_t len = CharLength(text);
  std::string out;
  if (len < characters) out.assign(characters - len, ' ');
  out += text;
  return out;
}

std::string PadRightColumns(std::string_view text, std::size_t columns) {
  std::string out(text);
  const std::size_t used = 2 * CharLength(text);
  if (used < columns) out.append(columns - used, ' ');
  return out;
}

std::size_t DisplayColumns(std::string_view text) {
  constexpr char32_t kFirstWide = 0x80;
  constexpr char32_t kFirstHalfWidthKatakana = 0xFF61;
  constexpr char32_t kLastHalfWidthKatakana = 0xFF9F;
  std::size_t columns = 0;
  for (const char32_t c : ToCodePoints(text)) {
    const bool narrow = c < kFirstWide || (c >= kFirstHalfWidthKatakana && c <= kLastHalfWidthKatakana);
    columns += narrow ? 1 : 2;
  }
  return columns;
}

std::string TrimSpaces(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

std::string TrimRightSpaces(std::string_view text) {
  const auto last = text.find_last_not_of(' ');
  if (last == std::string_view::npos) return {};
  return std::string(text.substr(0, last + 1));
}

char32_t HalfWidthNumberChar(char32_t c) {
  constexpr char32_t kFullWidthZero = U'０';
  if (c >= kFullWidthZero && c <= U'９') return U'0' + (c - kFullWidthZero);
  switch (c) {
    case U'．':
      return U'.';
    case U'－':
    case U'−':  // the minus sign some input methods give
      return U'-';
    case U'＋':
      return U'+';
    case U'　':
      return U' ';
    default:
      return c;
  }
}

std::string HalfWidthNumberText(std::string_view text) {
  std::u32string characters = ToCodePoints(text);
  for (char32_t& c : characters) c = HalfWidthNumberChar(c);
  return FromCodePoints(characters);
}

}  // namespace nimbara
