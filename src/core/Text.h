#pragma once
// Text by character. All text inside the program is UTF-8; positions, lengths
// and field widths count Unicode code points, never bytes.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace nimbara {

inline constexpr std::size_t kNoPosition = std::string_view::npos;

// The well-formed character at byte offset `pos`, moving `pos` past it. A
// malformed one gives nothing and moves past its maximal ill-formed part (the
// lead byte and the continuation bytes that could still have completed it),
// as Unicode recommends for replacing it with one U+FFFD.
std::optional<char32_t> NextUtf8(std::string_view utf8, std::size_t& pos);
// The same with U+FFFD for a malformed character: what every character
// count and position below counts.
char32_t DecodeUtf8(std::string_view utf8, std::size_t& pos);

// Code points of a UTF-8 text, each malformed part one U+FFFD.
std::u32string ToCodePoints(std::string_view utf8);
std::string FromCodePoints(std::u32string_view codePoints);
void AppendUtf8(std::string& out, char32_t codePoint);

std::size_t CharLength(std::string_view text);
// `count` characters from character index `start` (0-based); clipped at the end.
std::string CharSubstr(std::string_view text, std::size_t start, std::size_t count = kNoPosition);
// Character index of the first occurrence of `needle` at or after character
// index `from`, or kNoPosition.
std::size_t CharFind(std::string_view text, std::string_view needle, std::size_t from = 0);

// Padding with half-width spaces; a text already as long as the field is
// neither padded nor cut.
std::string PadRight(std::string_view text, std::size_t characters);
std::string PadLeft(std::string_view text, std::size_t characters);
// Every character counts as two columns.
std::string PadRightColumns(std::string_view text, std::size_t columns);

// The width of a text in half-width columns as the map's font sets it: ASCII
// and half-width katakana take one column, every other character two.
std::size_t DisplayColumns(std::string_view text);

// Half-width spaces removed at both ends / at the end.
std::string TrimSpaces(std::string_view text);
std::string TrimRightSpaces(std::string_view text);

// Full-width digits, signs, decimal point and space (what Japanese input mode
// types: "２．５", "－５") as their half-width forms; any other character is
// returned as it is.
char32_t HalfWidthNumberChar(char32_t c);
std::string HalfWidthNumberText(std::string_view text);

}  // namespace nimbara
