#pragma once
// Grids, plot points and drawing-log filters shared by the pressure tests.

#include <string>
#include <string_view>
#include <vector>

#include "core/ObservationStore.h"
#include "core/PlotPoints.h"
#include "core/PressureGrid.h"
#include "render/RecordingCanvas.h"

namespace nimbara::testing {

inline PressureGrid UniformGrid(std::int32_t value) {
  PressureGrid grid;
  for (int c = 0; c <= kGridLast; ++c)
    for (int r = 0; r <= kGridLast; ++r) grid.At(c, r) = value;
  return grid;
}

// The four corners of the cell whose upper-left node is (column, row).
inline void SetCell(PressureGrid& grid, int column, int row, std::int32_t ul, std::int32_t ur, std::int32_t lr,
                    std::int32_t ll) {
  grid.At(column, row) = ul;
  grid.At(column + 1, row) = ur;
  grid.At(column + 1, row + 1) = lr;
  grid.At(column, row + 1) = ll;
}

// Plot points written straight into the table, with no stations or ships
// unless added: slot = index of the point, kinds written into the name table.
struct PlotBuilder {
  ObservationStore store;
  PlotPointTable plot;

  PlotBuilder() {
    store.stationCount = 0;
    store.shipCount = 0;
  }
  // A station entry (before any system entry is added).
  PlotBuilder& Station(int x, int y, std::int32_t pressure) {
    ++store.stationCount;
    return Add(x, y, pressure, "");
  }
  PlotBuilder& System(std::string_view kind, int x, int y, std::int32_t pressure = 0) {
    ++store.systemCount;
    return Add(x, y, pressure, kind);
  }

 private:
  PlotBuilder& Add(int x, int y, std::int32_t pressure, std::string_view name) {
    const auto slot = static_cast<std::size_t>(++plot.lastIndex);
    plot.x[slot] = x;
    plot.y[slot] = y;
    plot.pressure[slot] = pressure;
    store.stations.names[slot] = std::string(name);
    return *this;
  }
};

inline std::vector<std::string> LogLinesOf(const RecordingCanvas& canvas, std::string_view op) {
  std::vector<std::string> out;
  for (const std::string& line : canvas.Lines())
    if (line.rfind(std::string(op) + " ", 0) == 0) out.push_back(line);
  return out;
}

}  // namespace nimbara::testing
