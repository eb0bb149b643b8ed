#include "web/QuickLines.h"

#include <vector>

namespace nimbara {
namespace {

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines.emplace_back();
    } else {
      lines.back() += text[i];
    }
  }
  return lines;
}

}  // namespace

QuickLinesOutcome EnterQuickLines(std::string_view text, const std::function<std::string(std::string_view)>& enter) {
  const std::vector<std::string> lines = SplitLines(text);
  QuickLinesOutcome outcome;
  std::size_t line = 0;
  // The last line is unfinished: no line break ends it.
  for (; line + 1 < lines.size(); ++line) {
    outcome.reason = enter(lines[line]);
    if (!outcome.reason.empty()) break;
  }
  for (std::size_t kept = line; kept < lines.size(); ++kept)
    outcome.kept += (kept == line ? "" : "\n") + lines[kept];
  // An empty unfinished line after the one not read is no line of its own: ⏎ ended it.
  if (!outcome.kept.empty() && outcome.kept.back() == '\n') outcome.kept.pop_back();
  return outcome;
}

}  // namespace nimbara
