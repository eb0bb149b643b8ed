#pragma once
// The cloud cross-section: the brightness of the infrared picture along a
// north-south or east-west line through a clicked point, as a bar graph
// beside the line. Whiter (colder, higher) cloud tops give longer bars.

#include <array>
#include <functional>
#include <vector>

#include "core/Colour.h"
#include "core/PathGeometry.h"

namespace nimbara {

// One brightness value per sampled map coordinate, positions 0 to 400.
using BrightnessProfile = std::array<int, 401>;

// The brightness of a point colour as the north-south section reads it: the
// six lowest hexadecimal digits of colour + 0x1000000, so -1 (outside the
// surface) reads as white, 255.
int NorthSouthBrightness(Colour colour);
// The brightness as the east-west section reads it: the components by
// division, so -1 reads as blue -1, green 255, red 255, giving 170. Both ways
// agree for every real colour.
int EastWestBrightness(Colour colour);

// The colour shown at a map point, -1 outside the picture's surface.
using ColourAt = std::function<Colour(PointF)>;

// A box filled with one colour.
struct FilledBox {
  Box box;
  Colour colour;
};

// A section read from the picture: the brightness along the line, the frame
// beside the line (boxes drawn in order) and a white bar per sample brighter
// than black.
struct CloudSection {
  BrightnessProfile profile{};
  std::vector<FilledBox> frame;
  std::vector<LineSegment> bars;
};

// The section along x (map units) with its frame left of the line and the
// bars growing away from it.
CloudSection NorthSouthSection(const ColourAt& colourAt, double x);
// The section along y with the bars growing upward from the line.
CloudSection EastWestSection(const ColourAt& colourAt, double y);

}  // namespace nimbara
