// The isobar file reader on arbitrary bytes, with a few ships and systems
// already in the store so that every slot limit is exercised; what was read
// is then turned into what the program draws (isobars, centre marks, relief,
// pressure readout) and written again.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/IsobarInterval.h"
#include "core/MapView.h"
#include "io/Cp932.h"
#include "io/IsobarFile.h"
#include "pressure/CentreMarkPlaces.h"
#include "pressure/IsobarTracer.h"
#include "pressure/PressureReadout.h"
#include "pressure/PressureRelief.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace nimbara;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  ObservationStore store;
  store.shipCount = 100;
  store.systemCount = 47;
  PlotPointTable plot;
  plot.lastIndex = kLastSlot;
  PressureGrid grid;
  ReadIsobarText(DecodeCp932(bytes).text, store, plot, grid);
  IsobarFileLines(grid, store, plot);

  const IsobarInterval isobar;
  TraceIsobarSegments(grid, isobar.interval, isobar.startOffset);
  CentreMarkPlaces(store, plot);
  PressureRelief(grid);
  UsableMapView(ReliefView(grid));
  PressureLabelAtClick(grid, plot.x[kLastSlot], plot.y[kLastSlot]);
  return 0;
}
