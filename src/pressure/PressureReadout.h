#pragma once
// The pressure written onto the map where the user clicks (no click mode set),
// and the pressure under the mouse pointer.

#include <cstdint>
#include <optional>
#include <string>

#include "core/PressureGrid.h"
#include "core/Projection.h"

namespace nimbara {

// The first five characters of the value in hPa written with a leading space
// (" 1013" for 101325), then " hPa"; "気圧データなし" for a node without a
// value (0), such as every node before any pressure has been entered.
std::string PressureLabel(std::int32_t gridValue);

// The label of the node nearest to a click and the upper-left corner of its
// text, a little left of and above the click; nothing for a click outside the
// map square.
struct PressureLabelPlace {
  PointF topLeft;
  std::string text;
  bool operator==(const PressureLabelPlace&) const = default;
};
std::optional<PressureLabelPlace> PressureLabelAtClick(const PressureGrid& grid, double x, double y);

// The pressure in hPa at a point of the map square, bilinear between the four
// grid nodes around it (the last nodes, at 396, hold out to the edge);
// nothing outside the square or where one of the four holds no value.
std::optional<double> InterpolatedPressure(const PressureGrid& grid, double x, double y);

}  // namespace nimbara
