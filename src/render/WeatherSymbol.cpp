#include "render/WeatherSymbol.h"

#include <array>
#include <cmath>

#include "render/HalfDisc.h"

namespace nimbara {

namespace {

// The weather codes (kWeatherList) whose symbol has marks; 快晴 (0) has none.
enum class Marked : std::int16_t {
  Fine = 1,
  Cloudy = 2,
  Rain = 3,
  Snow = 4,
  Sleet = 5,
  Graupel = 6,
  Hail = 7,
  Thunder = 8,
  Fog = 9,
  Undetermined = 10,
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
  switch (static_cast<Marked>(code)) {
    case Marked::Fine:
      canvas.Line(f.At(0, r), f.At(0, -r), colour);
      break;
    case Marked::Cloudy:
      canvas.SetFillStyle(FillStyle::Transparent);
      canvas.Circle({f.x, f.y}, r / 2, colour);
      break;
    case Marked::Rain:
      canvas.Circle({f.x, f.y}, r, colour);
      break;
    case Marked::Snow:
      canvas.Line(f.At(r / 2, h), f.At(-r / 2, -h), colour);
      canvas.Line(f.At(-r / 2, h), f.At(r / 2, -h), colour);
      canvas.Line(f.At(r, 0), f.At(-r, 0), colour);
      break;
    case Marked::Sleet:
      canvas.Line(f.At(r / 2, -h), f.At(0, 0), colour);
      canvas.Line(f.At(0, 0), f.At(-r / 2, -h), colour);
      canvas.SetFillStyle(FillStyle::Solid);
      LowerHalfDisc(canvas, f, colour);
      canvas.SetFillStyle(FillStyle::Transparent);
      break;
    case Marked::Graupel:
      canvas.Line(f.At(-h, r / 2), f.At(h, r / 2), colour);
      canvas.Line(f.At(-h, r / 2), f.At(0, -r), colour);
      canvas.Line(f.At(0, -r), f.At(h, r / 2), colour);
      break;
    case Marked::Hail: {
      const std::array<PointF, 3> triangle = {f.At(-h, r / 2), f.At(h, r / 2), f.At(0, -r + kHailApexDrop)};
      canvas.Polygon(triangle);
      break;
    }
    case Marked::Thunder:
      LowerHalfDisc(canvas, f, colour);
      break;
    case Marked::Fog:
      canvas.Circle({f.x, f.y}, r / kFogDotDivisor, colour);
      break;
    case Marked::Undetermined:
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
  const Colour colour = colours[ColourSlot::Weather];
  const float r = size.circleRadius;
  const SymbolFrame frame{x,
                          y,
                          r,
                          static_cast<float>(r * std::sqrt(3.0) / 2),
                          static_cast<float>(r / std::sqrt(2.0)),
                          static_cast<float>(canvas.VerticalUnitsPerHorizontalUnit())};
  canvas.SetForeColour(colour);
  canvas.SetFillColour(colours[ColourSlot::Background]);
  canvas.SetFillStyle(FillStyle::Solid);
  canvas.Circle({x, y}, r, colour);
  canvas.SetFillColour(colour);
  DrawMarks(canvas, frame, code, colour);
}

}  // namespace nimbara
