#pragma once
// One reading of any pasted text: station reports, ship reports, pressure
// systems and fronts, in the agency's layouts or in the broadcast's sentences,
// in any order and whatever its line ends (a line end is a blank, and a word
// or number may be broken by one). What the text is comes from what it
// holds, not from its first line. With the records comes the account of the
// text: what was read, changed, repeated, and every part with a number or a
// station name that nothing read.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ObservationStore.h"
#include "io/ObservationTime.h"
#include "io/ReadingNotes.h"
#include "io/ShipReports.h"
#include "io/SystemsImport.h"

namespace nimbara {

struct PastedStation {
  StationRecord record;
  bool temperatureGiven = false;
};

struct PastedText {
  std::array<std::optional<PastedStation>, kBulletinStationCount> stations;  // the first report of each
  bool namesOzernaya = false;  // slot 30 was read under the name "オゼルナヤ"
  bool stationsInSentences = false;  // some station report was the broadcast's ("ヘクトパスカル", "mb")
  bool shipReports = false;          // the text holds ship reports, stored or not
  std::vector<ShipRecord> ships;     // those with a pressure and a possible position
  std::vector<SystemEntry> systems;  // every centre, front and isobar, repeats left out
  bool systemsList = false;          // some came in the agency's list layout
  bool systemsSentences = false;     // some in the broadcast's sentences
  std::optional<ObservationTime> time;  // the first the text names
  std::string title;                 // the first line when nothing was read in it, else the words up to the time
  ReadingNotes notes;

  int StationCount() const;
  bool Empty() const { return StationCount() == 0 && !shipReports && systems.empty(); }
};

PastedText ReadPastedText(std::string_view utf8);

}  // namespace nimbara
