#pragma once
// Text by character. All text inside the program is UTF-8; positions, lengths
// and field widths count Unicode code points, never bytes.

#include <cstddef>
#include <string>
#include <string_view>

namespace nimbara {

inline constexpr std::size_t kNoPosition = std::string_view::npos;

// Code points of a UTF-8 text; a byte that does not start a valid sequence
// counts as one character (U+FFFD).
std::u32string ToCodePoints(std::string_view utf8);
std::string FromCodePoints(std::u32string_view codePoints);
// The code point at byte offset `pos`, moving `pos` past it; an invalid byte
// gives U+FFFD and moves one byte.
char32_t DecodeUtf8(std::string_view utf8, std::size_t& pos);
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
