// Arbitrary pasted text through the station-bulletin reader: item split,
// both station layouts, ship reports and the rows built from them.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/Rows.h"
#include "io/BulletinItems.h"
#include "io/ShipImport.h"
#include "io/StationImport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace nimbara;
  static ObservationStore store;  // kept between inputs, as the program keeps it between pastes
  static BulletinItemList items{};
  FieldReader reader{std::string(reinterpret_cast<const char*>(data), size)};
  items[0] = ReadBulletinHead(reader).firstEntry;
  const int itemCount = ReadFurtherItems(reader, items);
  ReadingNotes notes;
  const int shipStart = ReadStations(store, items, itemCount, notes);
  ReadShipReports(store, items, shipStart, itemCount, store.shipCount);
  for (int slot = 0; slot < kBulletinStationCount; ++slot) FormatStationRow(store, slot, RowLayout::Import);
  for (int i = 0; i < store.shipCount; ++i) FormatShipRow(store, i);
  return 0;
}
