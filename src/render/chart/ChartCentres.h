#pragma once
// The pressure centres of the chart: a cross at the centre, its mark (高, 低,
// 台, 熱低) above and its central pressure below, each text over a white
// halo so that nothing drawn before hides it.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "canvas/Canvas.h"
#include "core/ObservationStore.h"
#include "core/PathGeometry.h"
#include "core/PlotPoints.h"

namespace nimbara::chart {

// Map units across a centre's cross.
inline constexpr double kCentreCrossSide = 6.0;

// Where a centre's mark stands, its pressure across the cross from it.
enum class MarkSide { Above, Below, Left, Right };

struct Centre {
  PointF at;
  std::string_view mark;
  std::string pressure;  // "996"; empty when the entry gives none
  MarkSide side = MarkSide::Above;
};

// The centre entries of the plot table that have a map position, in table order.
std::vector<Centre> CentresOf(const ObservationStore& store, const PlotPointTable& plot);

// Puts each centre's mark and pressure on the first side (above, below,
// left, right) where they cover no box of `busy` (stations, other centres'
// crosses) and no front (with the reach of its symbols); above where no side
// is free.
void ChooseMarkSides(Canvas& canvas, std::span<Centre> centres, std::span<const Box> busy,
                     std::span<const Path> fronts, double frontReach);

// What each centre covers: its cross and its two texts.
std::vector<Box> CentreBoxes(Canvas& canvas, std::span<const Centre> centres);

void DrawCentres(Canvas& canvas, std::span<const Centre> centres);

}  // namespace nimbara::chart
