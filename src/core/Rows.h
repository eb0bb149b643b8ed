#pragma once
// The display rows of the three entry windows' lists. Rows are display text
// only: nothing ever parses a row back.

#include <string>
#include <string_view>

#include "core/ObservationStore.h"

namespace nimbara {

// Entry: rows made by the entry windows. Import: rows made by the imports and
// by loading a data file.
enum class RowLayout { Entry, Import };

std::string FormatStationRow(const ObservationStore& store, int slot, RowLayout layout);
std::string FormatShipRow(const ObservationStore& store, int index);
// Import layout writes the pressure field for pressure 0 too unless
// `blankZeroPressure` (the systems import writes eight spaces instead).
std::string FormatSystemRow(const ObservationStore& store, int index, RowLayout layout,
                            bool blankZeroPressure = false);

// Entry-layout rows from the texts of the entry boxes. The record decides the
// direction and weather columns; the texts stand where the numbers go.
std::string StationEntryRow(std::string_view name, const StationRecord& record, std::string_view forceText,
                            std::string_view pressureText, std::string_view temperatureText);
std::string ShipEntryRow(const ShipRecord& record, std::string_view latitudeText, std::string_view longitudeText,
                         std::string_view forceText, std::string_view pressureText);
// `longitudeWidth` is 4 for hand entries and 5 for rows built from the store;
// an empty pressure text stands for "no pressure" (five spaces).
std::string SystemEntryRow(std::string_view kind, std::string_view latitudeText, std::string_view longitudeText,
                           std::size_t longitudeWidth, std::string_view pressureText);

inline constexpr std::string_view kNoDirection = "　　　";  // three ideographic spaces

}  // namespace nimbara
