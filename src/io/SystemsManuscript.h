#pragma once
// The systems part of the broadcast manuscript ("漁業気象"): pressure systems,
// fronts and isobars told in sentences, with positions written
// "北緯D度[M分]、東経D度[M分]" and line ends that may fall anywhere.

#include <string>
#include <string_view>
#include <vector>

#include "core/ObservationStore.h"
#include "io/ScanText.h"
#include "io/SystemsImport.h"

namespace nimbara {

struct SystemsManuscript {
  std::vector<SystemEntry> entries;        // in the order the text gives them
  std::vector<SystemItem> items;           // the same entries by clause, with the clause's place
  std::vector<std::string> unreadClauses;  // beginnings of clauses that were cut off or had no position
  std::vector<std::pair<std::size_t, std::size_t>> noted;     // where those clauses stand
  std::vector<std::pair<std::size_t, std::size_t>> alsoRead;  // read outside the clauses: a pressure told later
};

// Reads three kinds of clause; everything else (forecast circles, movement,
// wind areas, warnings) adds nothing.
// - "<position>には、PhPaの<kind>があって": one entry of the kind — 台風
//   (台風第N号), 熱帯低気圧, 低気圧 (also 発達中の低気圧, 温帯低気圧), 高気圧 —
//   with its pressure (else the first pressure later in the sentence, or in
//   the next sentence when it starts "中心気圧は965ヘクトパスカル").
// - "[中心から|ここから|そこから]<front>が<positions>を通って、<position>に…":
//   one run of the front kind (温暖, 寒冷, 停滞, 閉塞前線). It starts at the
//   system's centre after "中心から", and so does every further front clause
//   of a sentence that told a system or said "中心から"; after "ここから" or
//   "そこから" it starts where the previous front ended; otherwise at its own
//   first position.
// - "PhPaの等圧線が<positions>…": a run of 等圧線 entries with that pressure.
// A front or isobar clause that the text cuts off (no position where one must
// follow, or the text ends) adds nothing and is noted, as is one without
// positions.
SystemsManuscript ReadSystemsManuscript(const ScanText& text);

}  // namespace nimbara
