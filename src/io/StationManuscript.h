#pragma once
// Station reports wherever a text gives them: the agency's page ("石垣島
// 北北東 風力 ４ くもり １０２２ｈＰａ １７度"), the broadcast's listing ("輪 島
// 南南西 風力 2 くもり 18mb 7度") and its sentences ("輪島では、南南西の風、
// 風力2、くもり、18ヘクトパスカル、7度。"), whatever the line ends.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ObservationStore.h"
#include "io/ReadingNotes.h"
#include "io/ScanText.h"
#include "io/StationLine.h"

namespace nimbara {

struct StationReport {
  int slot = 0;
  std::string_view name;  // as the table writes it ("オゼルナヤ" for slot 30's other name)
  StationReading reading;
  std::size_t begin = 0;  // where the name stands
};

struct StationManuscript {
  std::vector<StationReport> reports;  // every report, in order, repeats included
  std::vector<std::string> unknownStations;
};

// Every report that starts with a known name and has a wind (風力, の風,
// 風弱く, 風向・風力不明) or says 入電がありません, with no more than a
// particle between name and report ("では", "は", "、"). A name counts where
// it cannot be the end of a longer name: not after a kanji or katakana, so
// "大島" inside "奄美大島" is not that station ("度", the end of the report
// before, is the one kanji it may follow). Reports under other names are
// noted; every report read is added to `used`.
StationManuscript ReadStationManuscript(const ScanText& text, UsedSpans& used);

}  // namespace nimbara
