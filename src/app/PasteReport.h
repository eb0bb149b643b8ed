#pragma once
// The one message after a paste: what the text was read as, what it gave
// (stations with a pressure, ships, systems by kind), and everything it did
// not give as it stood: parts nothing read (quoted), values changed or
// missing, repeats, stations left or emptied. The command line prints the
// same lines.

#include <string>
#include <string_view>
#include <vector>

#include "app/Ui.h"
#include "core/ObservationStore.h"
#include "io/ReadingNotes.h"

namespace nimbara {

struct PasteReport {
  bool Recognised() const { return stations || ships || systems; }

  bool stations = false;  // the paste rewrote the stations
  bool ships = false;     // ... the ship reports
  bool systems = false;   // ... the systems list
  bool stationPage = false;       // stations in the agency's layout
  bool stationSentences = false;  // stations in the broadcast's words
  bool systemsList = false;       // systems in the agency's list
  bool systemsSentences = false;  // systems in the broadcast's sentences
  std::vector<std::string> keptStations;     // stations the text did not give, kept from the same time's paste
  std::vector<std::string> emptiedStations;  // stations the text did not give, emptied for another time's
  bool shipsEmptied = false;                 // another time's ships were removed
  ReadingNotes notes;
};

inline constexpr std::string_view kPasteTitle = "データの貼り付け";
// Each list of the report names at most this many items, then "ほか N 件".
inline constexpr std::size_t kLongestListed = 20;

// The report's lines, counted from the store as the paste left it.
std::vector<std::string> PasteReportLines(const PasteReport& report, const ObservationStore& store);

// One message box: information after a recognised paste, a warning after an
// unreadable one.
void ShowPasteReport(Ui& ui, const PasteReport& report, const ObservationStore& store);

}  // namespace nimbara
