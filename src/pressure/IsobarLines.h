#pragma once
// Isobars as whole lines rather than cell pieces: pieces joined where they
// meet on a cell edge, the parts of lines a view shows, and the value
// written on a line. The chart traces its own analysis with them
// (pressure/FieldIsobars.h).

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/PathGeometry.h"

namespace nimbara {

struct IsobarLine {
  float level = 0.0f;  // grid units (hPa x 100)
  Path points;         // a closed line repeats its first point last
  bool Closed() const;
};

// One straight piece of an isobar between two crossings of its level, each
// crossing named by a key that the neighbouring piece through it shares.
struct IsobarPiece {
  PointF from;
  PointF to;
  float level = 0.0f;
  std::uint64_t fromKey = 0;
  std::uint64_t toKey = 0;
};

// The pieces joined into whole lines where they share a crossing: lines with
// an open end walked from that end, loops closed.
std::vector<IsobarLine> JoinIsobarPieces(std::span<const IsobarPiece> pieces);

// Map units: a part of a line shorter than this is a scrap left by a cut,
// not drawn.
inline constexpr double kShortestIsobarPart = 1.0;

// The parts of the lines inside `area` (the view), each part a line of its own.
std::vector<IsobarLine> VisibleIsobarLines(std::span<const IsobarLine> lines, const Box& area);

// The value written on an isobar: "1008", "1010.5".
std::string IsobarLabelText(float level);

}  // namespace nimbara
