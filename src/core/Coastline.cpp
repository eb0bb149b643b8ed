#include "core/Coastline.h"

namespace nimbara {
namespace {

bool LiftsPen(float x, float y) { return x <= 0 || y <= 0; }

std::vector<CoastSegment> MakeSegments() {
  const CoastlineTable& t = Coastline();
  std::vector<CoastSegment> segments;
  for (int i = 0; i < kCoastlinePointCount; ++i) {
    if (!LiftsPen(t.x[i], t.y[i]) && !LiftsPen(t.x[i + 1], t.y[i + 1]))
      segments.push_back({t.x[i], t.y[i], t.x[i + 1], t.y[i + 1]});
  }
  return segments;
}

}  // namespace

const std::vector<CoastSegment>& CoastSegments() {
  static const std::vector<CoastSegment> segments = MakeSegments();
  return segments;
}

}  // namespace nimbara
