#pragma once
// The ship reports at the end of the station bulletin: two items each, the
// position in the first, the weather and pressure in the second.

#include "core/ObservationStore.h"
#include "io/BulletinItems.h"

namespace nimbara {

// Empties the ship reports, zeroing direction, force, weather and pressure of
// the `previousShipRows` ships listed so far, then reads a report from every
// pair of items from `shipStart` up to `itemCount` (the last position the
// import wrote). Only a report whose second line holds a pressure is counted.
void ReadShipReports(ObservationStore& store, const BulletinItemList& items, int shipStart, int itemCount,
                     int previousShipRows);

}  // namespace nimbara
