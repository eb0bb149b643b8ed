#pragma once
// The station bulletin reader: each station item is found by the station name
// it starts with and read by its words; the fixed-layout reading by item
// position and character offsets remains for the stations beyond the end of
// a short text.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/ObservationStore.h"
#include "io/BulletinItems.h"
#include "io/ReadingNotes.h"

namespace nimbara {

// Full-width digits become half-width, "－" becomes "-", everything else
// (half-width digits and the full-width point included) is dropped.
std::string ToAsciiDigits(std::string_view text);

// The pressure written before "ｈＰａ" in a bulletin line: the digits of the
// up to 3 characters before it, 1000 added below 300. 0 without "ｈＰａ" or
// without digits there.
std::int32_t BulletinPressure(std::u32string_view line);

// Converts the five field texts of one station and writes its record.
void StoreStationObservation(ObservationStore& store, int slot, std::string_view directionText,
                             std::string_view forceText, std::string_view weatherText,
                             std::string_view pressureText, std::string_view temperatureText);

// Extracts the five field texts of one station item; `name` is the station
// name the item starts with (empty for the data line of a long name).
void ParseStationLine(ObservationStore& store, std::string_view item, std::string_view name, int slot);

// Reads the station items, up to the first item that holds a position (the
// first ship report), into slots 0 to 52. Each item goes to the slot of the
// name it starts with ("オゼルナヤ" names slot 30); a long name standing alone
// has its values in the next item. Later items of the same name, and items of
// names not in the table (noted), are skipped. A slot no item names is empty;
// when its item of the fixed layout lies beyond this text, that item is parsed
// instead, whatever an earlier paste left there (layout B then renames slot
// 30). Returns the position where the ship reports begin.
int ReadStations(ObservationStore& store, const BulletinItemList& items, int itemCount, ReadingNotes& notes);

}  // namespace nimbara
