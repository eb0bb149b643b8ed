// The isobar file reader on arbitrary bytes, with a few ships and systems
// already in the store so that every slot limit is exercised.
#include <cstddef>
#include <cstdint>
#include <string>

#include "io/Cp932.h"
#include "io/IsobarFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  nimbara::ObservationStore store;
  store.shipCount = 100;
  store.systemCount = 47;
  nimbara::PlotPointTable plot;
  plot.lastIndex = nimbara::kLastSlot;
  nimbara::PressureGrid grid;
  nimbara::ReadIsobarText(nimbara::DecodeCp932(bytes).text, store, plot, grid);
  nimbara::IsobarFileLines(grid, store, plot);
  return 0;
}
