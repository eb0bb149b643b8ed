#pragma once
// The isobar file: the used part of the pressure grid (34 lines of 34
// values, top row first) and the pressure centres and front points of the
// plot-point table with their map positions.

#include <string>
#include <string_view>
#include <vector>

#include "core/ObservationStore.h"
#include "core/PlotPoints.h"
#include "core/PressureGrid.h"
#include "io/FieldWriter.h"

namespace nimbara {

// Lows, highs, typhoons and the front kinds travel with the grid; tropical
// depressions and the isobar-entry kinds do not.
bool IsIsobarFileKind(std::string_view kind);

// The lines of the file: the grid, the number of centre entries, then one
// "kind, x, y" line per system slot of the plot table (from S + P to its last
// index) whose kind is a centre kind.
std::vector<std::string> IsobarFileLines(const PressureGrid& grid, const ObservationStore& store,
                                         const PlotPointTable& plot);

// Reads an isobar text item by item: the ship count becomes 0, then the grid
// cells, the entry count N (the system count; the plot table then ends at
// S + N - 1) and the kind names and positions of plot slots S to S + N - 1.
// Items missing at the end of the text leave the earlier values in place; N is
// limited so that no slot beyond 200 is written.
void ReadIsobarText(std::string_view text, ObservationStore& store, PlotPointTable& plot, PressureGrid& grid);

// The file read as ReadIsobarText does; nothing changes when it cannot be
// read (the status says why).
FileStatus ReadIsobarFile(const std::string& path, ObservationStore& store, PlotPointTable& plot,
                          PressureGrid& grid);
// The file replaced atomically.
TextFileSave WriteIsobarFile(const std::string& path, const PressureGrid& grid, const ObservationStore& store,
                             const PlotPointTable& plot);

}  // namespace nimbara
