#pragma once
// Ship and buoy reports wherever a text gives them: the agency's page
// ("ＪＧＱＨ　北緯３８度 東経１４５度 西北西 風力８ 天気 雪 気圧 ９８８ｈＰａ"), the
// same in letters ("JGQH 38N 145E …") and the broadcast's sentences ("北緯30度、
// 東経135度では、北西の風、風力5、くもり、1014ヘクトパスカル。"). A report is a
// position followed, with no more than a particle between, by a wind, a
// weather or a pressure.

#include <string>
#include <vector>

#include "core/ObservationStore.h"
#include "io/ReadingNotes.h"
#include "io/ScanText.h"

namespace nimbara {

struct ShipReport {
  ShipRecord record;
  std::string name;          // the call sign or buoy number as written, empty when there is none
  bool hasPressure = false;  // a report without one cannot feed the map
  std::size_t begin = 0;     // the report's place in the text
  std::size_t end = 0;
  std::string Who() const;   // "JPBX（北緯41度 東経138度）"
};

// Every report whose position is not inside a used span, in order.
std::vector<ShipReport> FindShipReports(const ScanText& text, const UsedSpans& used);

}  // namespace nimbara
