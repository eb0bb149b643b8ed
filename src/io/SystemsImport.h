#pragma once
// The agency's list of pressure systems and fronts ("低気圧や前線の位置"):
// a kind's word, its pressure in hPa for a centre or an isobar, then its
// positions in brackets, "(44N,151E)", as many as the kind has (a front's run
// over several lines). Read wherever the words stand, whatever the line ends.

#include <string>
#include <vector>

#include "core/ObservationStore.h"
#include "io/ScanText.h"

namespace nimbara {

// One centre, or one front's or isobar's run of positions.
struct SystemItem {
  std::vector<SystemEntry> entries;
  std::size_t begin = 0;  // its place in the text
  std::size_t end = 0;
  bool IsRun() const;     // a front or an isobar
};

// Every kind's word followed by positions in brackets, in order. A word
// without bracketed positions before the next kind's word adds nothing.
std::vector<SystemItem> ReadSystemsList(const ScanText& text);

}  // namespace nimbara
