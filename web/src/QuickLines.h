#pragma once
// Text arriving in the dictation's quick line at once (a paste of several
// lines, a tablet's keyboard): the desktop's quick line takes a line at a
// time, so the lines are entered one after another as ⏎ enters each.

#include <functional>
#include <string>
#include <string_view>

namespace nimbara {

struct QuickLinesOutcome {
  std::string kept;    // what stays in the quick line
  std::string reason;  // why its first line was not read ("" when all were)
};

// Each line of `text` finished by a line break (CR LF, LF or CR) goes to
// `enter` in turn until one is not read (`enter` gives the reason). That line
// stays in the quick line with the lines after it; once all are read, the
// unfinished last line stays.
QuickLinesOutcome EnterQuickLines(std::string_view text, const std::function<std::string(std::string_view)>& enter);

}  // namespace nimbara
