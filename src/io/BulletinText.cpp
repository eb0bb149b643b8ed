#include "io/BulletinText.h"

#include <algorithm>

#include "core/Text.h"

namespace nimbara {

std::int64_t KeywordPosition(std::u32string_view line, std::u32string_view keyword, std::int64_t from) {
  const std::size_t index = line.find(keyword, static_cast<std::size_t>(std::max<std::int64_t>(from, 1) - 1));
  return index == std::u32string_view::npos ? 0 : static_cast<std::int64_t>(index) + 1;
}

std::string CharWindow(std::u32string_view line, std::int64_t start, std::int64_t count) {
  const std::int64_t first = std::max<std::int64_t>(start, 1);
  const std::int64_t last = std::min<std::int64_t>(start + count - 1, static_cast<std::int64_t>(line.size()));
  if (last < first) return {};
  return FromCodePoints(line.substr(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(last - first + 1)));
}

std::string TrimmedWindow(std::u32string_view line, std::int64_t start, std::int64_t count) {
  return TrimSpaces(CharWindow(line, start, count));
}

}  // namespace nimbara
