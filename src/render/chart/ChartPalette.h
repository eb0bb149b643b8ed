#pragma once
// The chart style's fixed colours and weights: black and grey for the map,
// isobars and stations (the conventional colours of fronts and centres are in
// their rows of core/SystemKind.h). The colour window changes only the
// classic drawing. (Listed in the README.)

#include "core/Colour.h"

namespace nimbara::chart {

inline constexpr Colour kPaper = kWhite;
// The tints of the agency's colour charts, pale enough for black lines and
// texts over them: land warm, sea cool. Not over a satellite picture.
inline constexpr Colour kLand = Rgb(246, 238, 214);
inline constexpr Colour kSea = Rgb(228, 240, 250);
inline constexpr Colour kCoast = Rgb(96, 96, 96);
inline constexpr Colour kGraticule = Rgb(190, 190, 190);
inline constexpr Colour kGraticuleText = Rgb(128, 128, 128);
inline constexpr Colour kPictureGraticule = Rgb(230, 200, 60);  // dashed, over a satellite picture
inline constexpr Colour kIsobar = Rgb(40, 40, 40);
inline constexpr Colour kInk = kBlack;  // stations, ships, centre crosses, texts
inline constexpr Colour kHalo = kWhite;
inline constexpr Colour kFrame = Rgb(120, 120, 120);

// Line widths in pixels of the 800-pixel map.
inline constexpr int kCoastWidth = 1;
inline constexpr int kThinIsobarWidth = 1;
inline constexpr int kBoldIsobarWidth = 2;
inline constexpr int kFrontWidth = 3;
// Around texts, always (white on white paper shows nothing).
inline constexpr int kHaloWidth = 3;
// Added to a line's width for the white outline under it over a satellite picture.
inline constexpr int kLineHaloExtra = 1;

}  // namespace nimbara::chart
