#pragma once
// The device pixels of the canvases that paint (QtCanvas, and HtmlCanvas on
// the web page), so that both paint alike: where a map point falls, how wide
// a line and how large a font is, and how an arc is laid out. Line widths and
// font sizes are given for a map drawn 800 pixels wide, fonts at 96 pixels to
// the inch, so a larger canvas shows the same map larger.

#include <optional>

#include "canvas/Canvas.h"

namespace nimbara {

inline constexpr double kReferenceWidth = 800.0;  // pixels

struct DevicePixel {
  int x = 0;
  int y = 0;
};

// The pixel of `canvas` that holds map point `p`, or nothing for a point off
// the surface (or not finite).
std::optional<DevicePixel> PixelUnder(const Canvas& canvas, PointF p);
// The whole pixel nearest to map point `p`: where a polygon's vertex goes, as
// the platforms' polygon fill takes whole pixels.
DevicePixel NearestPixel(const Canvas& canvas, PointF p);

// Device pixels per pixel of the 800-pixel reference map.
double PixelsPerReferencePixel(const Canvas& canvas);
// The pen of the canvas's line width, at least one pixel.
double PenPixels(const Canvas& canvas);
// A polygon's outline: the pen, or 0 for none at line width kNoOutline.
double OutlinePixels(const Canvas& canvas);
// The height of the canvas's font, at least one pixel.
int FontPixels(const Canvas& canvas);
// A circle's radius, measured with the horizontal scale so circles stay round.
double RadiusPixels(const Canvas& canvas, double radius);

// An arc as a painter lays it out: from `start` counter-clockwise through
// `sweep` radians (0 < sweep <= 2π), with the radius drawn to its start and
// to its end as ArcAngles asks; closed, and so filled, when both are drawn.
struct PixelArc {
  double start = 0.0;
  double sweep = 0.0;
  bool fromCentre = false;
  bool toCentre = false;
  bool Closed() const { return fromCentre && toCentre; }
};
PixelArc LayOutArc(ArcAngles arc);

}  // namespace nimbara
