#pragma once
// The isobars of the pressure grid as whole lines rather than cell pieces:
// the pieces of ContourCellSegments joined where they meet on a cell edge.
// The chart drawing smooths them and writes their values on them; the grid
// itself is only read.

#include <span>
#include <string>
#include <vector>

#include "core/PathGeometry.h"
#include "core/PressureGrid.h"

namespace nimbara {

struct IsobarLine {
  float level = 0.0f;  // grid units (hPa x 100)
  Path points;         // a closed line repeats its first point last
  bool Closed() const;
};

// Every isobar of the contoured cells: each line the crossings of one level
// in order along it, from where it enters the traced area to where it
// leaves, or round a loop. Lines come in the order their first piece is met
// cell by cell.
std::vector<IsobarLine> ChainIsobarLines(const PressureGrid& grid, float interval, float startOffset);

// Each line as a smooth curve through all of its crossings (four pieces per
// span between neighbouring crossings, as if contoured on a grid four times
// finer); the crossings themselves stay where they are.
std::vector<IsobarLine> SmoothIsobarLines(std::span<const IsobarLine> lines);

// Map units: a part of a line shorter than this is a scrap left by a cut,
// not drawn.
inline constexpr double kShortestIsobarPart = 1.0;

// The parts of the lines inside `area` and outside every box of `hidden`
// (what a title band or a legend covers), each part a line of its own.
std::vector<IsobarLine> VisibleIsobarLines(std::span<const IsobarLine> lines, const Box& area,
                                           std::span<const Box> hidden);

// The value written on an isobar: "1008", "1010.5".
std::string IsobarLabelText(float level);

}  // namespace nimbara
