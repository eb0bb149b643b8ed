#pragma once
// The quick lines of the radio dictation window: one station's or one ship's
// report per line, written down in the order the broadcast reads it. Words
// are separated by blanks and may be given in the short forms of
// io/ShortForms.h; numbers take "-", "－" or "m" for minus.

#include <string>
#include <string_view>

#include "core/ObservationStore.h"

namespace nimbara {

enum class LineKind {
  Report,      // a report was read into the record
  NoReport,    // "-" or "入電なし"
  Empty,       // nothing but blanks
  Unreadable,  // the reason says why; nothing is to be stored
};

template <typename Record>
struct QuickLine {
  LineKind kind = LineKind::Unreadable;
  Record record{};
  std::string reason;
};

// "南南西 2 くもり 18 7": direction, force, weather, pressure and temperature,
// in that order, read as the broadcast's manuscript is read (18 is 1018 hPa).
// The weather must be given; the direction, the pressure and the temperature
// may be left out. A value outside what the station window accepts, a word
// that is none of the five or stands out of order, is unreadable.
QuickLine<StationRecord> ReadStationQuickLine(std::string_view line);

// "32 141 北東 5 あめ 1006": latitude and longitude in whole degrees, then
// direction, force, weather and pressure as in a station's line.
QuickLine<ShipRecord> ReadShipQuickLine(std::string_view line);

}  // namespace nimbara
