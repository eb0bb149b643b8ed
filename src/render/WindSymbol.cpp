#include "render/WindSymbol.h"

#include <algorithm>
#include <cmath>

#include "core/Projection.h"

namespace nimbara {

namespace {

constexpr double kTiltPointX = 263.0;
constexpr double kTiltPointY = -265.0;
constexpr double kDirectionsPerHalfTurn = 8.0;
constexpr int kFeathersPerSide = 6;
constexpr double kLongFeather = 1.4;
constexpr double kSingleFeatherShaft = 1.6;  // force 1: the shaft runs on past its feather

enum class Side { Right, Left };

// The symbol of one station: its shaft along u, feathers across it along n.
// Their vertical parts are stretched like the canvas's vertical units, so the
// symbol keeps its shape beside the round weather circle.
class Barb {
 public:
  Barb(float x, float y, double phi, const SymbolSize& size, Colour colour, Canvas& canvas)
      : m_x(x),
        m_y(y),
        m_ux(-std::sin(phi)),
        m_uy(std::cos(phi) * canvas.VerticalUnitsPerHorizontalUnit()),
        m_nx(-std::cos(phi)),
        m_ny(-std::sin(phi) * canvas.VerticalUnitsPerHorizontalUnit()),
        m_size(size),
        m_colour(colour),
        m_canvas(canvas) {}

  // The shaft point at distance s from the centre.
  PointF Shaft(double s) const { return {m_x + s * m_ux, m_y + s * m_uy}; }
  // The shaft point where feather i stands (i = 0: where the shaft begins).
  PointF Step(double i) const { return Shaft(m_size.shaftStart + i * m_size.shaftStep); }

  void ShaftSegment(double fromStep, double toStep) const {
    m_canvas.Line(Step(fromStep), Step(toStep), m_colour);
  }

  void Feather(int i, Side side, double k) const {
    const PointF root = Step(i);
    const double along = k * m_size.featherSize / 2;
    const double across = (side == Side::Right ? 1.0 : -1.0) * k * m_size.featherSize * std::sqrt(3.0);
    m_canvas.Line(root, {root.x + along * m_ux + across * m_nx, root.y + along * m_uy + across * m_ny},
                  m_colour);
  }

 private:
  float m_x;
  float m_y;
  double m_ux, m_uy;  // shaft direction
  double m_nx, m_ny;  // right side: the shaft direction turned a quarter turn clockwise
  const SymbolSize& m_size;
  Colour m_colour;
  Canvas& m_canvas;
};

}  // namespace

double MeridianTilt(float x, float y) { return std::atan((kTiltPointX - x) / (y - kTiltPointY)); }

namespace {

// The angle the shaft is turned by, or nothing for a symbol that is not drawn.
std::optional<double> ShaftAngle(float x, float y, std::int16_t direction, std::int16_t force) {
  if (direction < 0 || direction > kLastDirectionCode || force <= 0) return std::nullopt;
  const double compass = direction * kMapPi / kDirectionsPerHalfTurn;
  return kMapPi - compass + MeridianTilt(x, y);
}

}  // namespace

void DrawWindSymbol(Canvas& canvas, float x, float y, std::int16_t direction, std::int16_t force,
                    const SymbolSize& size, Colour colour) {
  if (const std::optional<double> angle = ShaftAngle(x, y, direction, force))
    DrawWindBarb(canvas, x, y, *angle, force, size, colour);
}

std::optional<PointF> WindShaftEnd(float x, float y, std::int16_t direction, std::int16_t force,
                                   const SymbolSize& size) {
  const std::optional<double> angle = ShaftAngle(x, y, direction, force);
  if (!angle) return std::nullopt;
  const int steps = std::min<int>(force, kFeathersPerSide);
  const double length = size.shaftStart + (force == 1 ? kSingleFeatherShaft : steps) * size.shaftStep;
  return PointF{x - length * std::sin(*angle), y + length * std::cos(*angle)};
}

void DrawWindBarb(Canvas& canvas, float x, float y, double angle, std::int16_t force, const SymbolSize& size,
                  Colour colour) {
  if (force <= 0) return;
  const Barb barb(x, y, angle, size, colour, canvas);
  const int f = std::min<int>(force, kMaxWindForce);

  const int right = std::min(f, kFeathersPerSide);
  for (int i = 1; i <= right; ++i) {
    barb.ShaftSegment(i - 1, i);
    barb.Feather(i, Side::Right, i == kFeathersPerSide ? kLongFeather : 1.0);
  }
  // The outermost feather always looks long: drawn again over the normal one.
  if (f < kFeathersPerSide) barb.Feather(f, Side::Right, kLongFeather);
  if (f == 1) barb.ShaftSegment(1, kSingleFeatherShaft);
  // Forces above 6 put the rest, f - 6 feathers, on the left from the outer
  // end inwards: the long one at 6, then 5 down to 13 - f.
  if (f > kFeathersPerSide) {
    barb.Feather(kFeathersPerSide, Side::Left, kLongFeather);
    for (int i = kFeathersPerSide - 1; i >= 2 * kFeathersPerSide + 1 - f; --i) barb.Feather(i, Side::Left, 1.0);
  }
}

}  // namespace nimbara
