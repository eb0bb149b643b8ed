#pragma once
// The station bulletin reader: stations are found by their item position and
// fields by fixed character offsets from keywords, never by searching names.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/ObservationStore.h"
#include "io/BulletinItems.h"

namespace nimbara {

// Full-width digits become half-width, "－" becomes "-", everything else
// (half-width digits and the full-width point included) is dropped.
std::string ToAsciiDigits(std::string_view text);

// "にわか雪" -> "雪", "にわか雨" -> "雨", "天気不明" -> "不明"; other words unchanged.
std::string ReduceWeatherWord(std::string weather);

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

// Parses the station items (positions 0 to 54) into slots 0 to 52; layout B
// renames slot 30. Returns the position where the ship reports begin.
int ReadStations(ObservationStore& store, const BulletinItemList& items);

}  // namespace nimbara
