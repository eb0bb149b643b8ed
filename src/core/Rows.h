#pragma once
// The display rows of the three entry windows' lists, one layout per list:
// a row reads the same whether its record was pasted, loaded from a file or
// typed by hand. Rows are display text only: nothing ever parses a row back.

#include <string>

#include "core/ObservationStore.h"

namespace nimbara {

// A station without an observation (no wind, pressure or temperature) shows
// its name alone, as after 削除.
std::string FormatStationRow(const ObservationStore& store, int slot);
std::string FormatShipRow(const ObservationStore& store, int index);
// Fronts, markers and entries without a pressure leave the pressure field blank.
std::string FormatSystemRow(const ObservationStore& store, int index);

}  // namespace nimbara
