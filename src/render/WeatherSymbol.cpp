#include "render/WeatherSymbol.h"

#include <array>
#include <cmath>

#include "render/HalfDisc.h"

namespace nimbara {

namespace {

enum WeatherCode : std::int16_t {
  kFine = 1,
  kCloudy = 2,
  kRain = 3,
  kSnow = 4,
  kSleet = 5,
  kGraupel = 6,
  kHail = 7,
  kThunder = 8,
  kFog = 9,
  kUndetermined = 10,
};

constexpr float kHailApexDrop = 0.5f;  // the filled triangle's apex sits this much lower
constexpr float kFogDotDivisor = 3.0f;

// The symbol's geometry: centre, radius and the derived lengths of its marks.
struct SymbolFrame {
  float x;
  float y;
  float r;
  float h;         // R·√3/2: half the side of the inscribed triangle
  float d;         // R/√2: half a diagonal's horizontal extent
  float vertical;  // map units down per unit across, so the marks fit the round circle

  PointF At(float dx, float dy) const { return {x + dx, y + dy * vertical}; }
};

// The lower half of the circle (the larger y values), filled with the fill colour.
void LowerHalfDisc(Canvas& canvas, const SymbolFrame& f, Colour colour) {
  canvas.Circle({f.x, f.y}, f.r, colour, ClosedSector(kPi, 2 * kPi));
}

void DrawMarks(Canvas& canvas, const SymbolFrame& f, std::int16_t code, Colour colour) {
  const float r = f.r;
  const float h = f.h;
  const float d = f.d;
  switch (code) {
    case kFine:
      canvas.Line(f.At(0, r), f.At(0, -r), colour);
      break;
    case kCloudy:
      canvas.SetFillStyle(FillStyle::Transparent);
      canvas.Circle({f.x, f.y}, r / 2, colour);
      break;
    case kRain:
      canvas.Circle({f.x, f.y}, r, colour);
      break;
    case kSnow:
      canvas.Line(f.At(r / 2, h), f.At(-r / 2, -h), colour);
      canvas.Line(f.At(-r / 2, h), f.At(r / 2, -h), colour);
      canvas.Line(f.At(r, 0), f.At(-r, 0), colour);
      break;
    case kSleet:
      canvas.Line(f.At(r / 2, -h), f.At(0, 0), colour);
      canvas.Line(f.At(0, 0), f.At(-r / 2, -h), colour);
      canvas.SetFillStyle(FillStyle::Solid);
      LowerHalfDisc(canvas, f, colour);
      canvas.SetFillStyle(FillStyle::Transparent);
      break;
    case kGraupel:
      canvas.Line(f.At(-h, r / 2), f.At(h, r / 2), colour);
      canvas.Line(f.At(-h, r / 2), f.At(0, -r), colour);
      canvas.Line(f.At(0, -r), f.At(h, r / 2), colour);
      break;
    case kHail: {
      const std::array<PointF, 3> triangle = {f.At(-h, r / 2), f.At(h, r / 2), f.At(0, -r + kHailApexDrop)};
      canvas.Polygon(triangle);
      break;
    }
    case kThunder:
      LowerHalfDisc(canvas, f, colour);
      break;
    case kFog:
      canvas.Circle({f.x, f.y}, r / kFogDotDivisor, colour);
      break;
    case kUndetermined:
      canvas.Line(f.At(d, d), f.At(-d, -d), colour);
      canvas.Line(f.At(-d, d), f.At(d, -d), colour);
      break;
    default:  // 快晴 and every code outside the list: the empty circle
      break;
  }
}

}  // namespace

void DrawWeatherSymbol(Canvas& canvas, float x, float y, std::int16_t code, const SymbolSize& size,
                       const ColourSlots& colours) {
  const Colour colour = colours[kWeatherColour];
  const float r = size.circleRadius;
  const SymbolFrame frame{x,
                          y,
                          r,
                          static_cast<float>(r * std::sqrt(3.0) / 2),
                          static_cast<float>(r / std::sqrt(2.0)),
                          static_cast<float>(canvas.VerticalUnitsPerHorizontalUnit())};
  canvas.SetForeColour(colour);
  canvas.SetFillColour(colours[kBackgroundColour]);
  canvas.SetFillStyle(FillStyle::Solid);
  canvas.Circle({x, y}, r, colour);
  canvas.SetFillColour(colour);
  DrawMarks(canvas, frame, code, colour);
}

}  // namespace nimbara
