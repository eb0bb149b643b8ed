#pragma once
// The station part of the broadcast manuscript ("各地の天気"): one station
// after another, each its name followed by its report in the listing shape
// ("輪 島 南南西 風力 2 くもり 18mb 7度") or the reading shape ("輪島では、南南西
// の風、風力2、くもり、18ヘクトパスカル、7度。"), pasted as one or several
// paragraphs whose line ends may fall anywhere.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ObservationStore.h"
#include "io/ScanText.h"

namespace nimbara {

struct StationManuscript {
  std::array<std::optional<StationRecord>, kBulletinStationCount> records;  // the stations read, by slot
  bool namesOzernaya = false;  // slot 30 was read under the name "オゼルナヤ"
  std::vector<std::string> unknownStations;
  int Count() const;
};

// Every station report of the text that starts with a known name and has a
// wind (風力, の風, 風弱く, 風向・風力不明) or says 入電がありません; a name
// counts where a word can start (after a blank or a punctuation mark), so
// "大島" inside "奄美大島" is not that station. The first report of a station
// is kept. Reports under other names are noted.
StationManuscript ReadStationManuscript(const ScanText& text);

}  // namespace nimbara
