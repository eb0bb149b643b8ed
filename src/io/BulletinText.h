#pragma once
// Character-window helpers for the fixed-layout bulletin readers. Lines are
// held as code points so that every search and window is linear in the line.
// Positions here are 1-based, as the bulletin layouts are described; a keyword
// that does not occur stands at position 0.

#include <cstdint>
#include <string>
#include <string_view>

namespace nimbara {

// 1-based position of the first `keyword` at or after position `from`
// (positions below 1 search from the start), or 0 when it does not occur.
std::int64_t KeywordPosition(std::u32string_view line, std::u32string_view keyword, std::int64_t from = 1);

// The characters at positions `start` to `start + count - 1` that exist in the
// line, as UTF-8: a window reaching before position 1 or past the end is cut.
std::string CharWindow(std::u32string_view line, std::int64_t start, std::int64_t count);

// CharWindow with half-width spaces removed at both ends.
std::string TrimmedWindow(std::u32string_view line, std::int64_t start, std::int64_t count);

}  // namespace nimbara
