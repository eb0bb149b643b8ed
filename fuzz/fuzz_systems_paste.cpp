// Arbitrary pasted text through the systems-and-fronts reader and the rows
// built from its entries.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/Rows.h"
#include "io/SystemsImport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace nimbara;
  ObservationStore store;
  static BulletinItemList lines{};
  const int last = ReadSystemsLines(std::string_view(reinterpret_cast<const char*>(data), size), lines);
  if (last == kNotSystemsBulletin) return 0;
  AddSystemLines(store, lines, last);
  for (int i = 0; i < store.systemCount; ++i) FormatSystemRow(store, i, RowLayout::Import, true);
  return 0;
}
