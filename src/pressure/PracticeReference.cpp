#include "pressure/PracticeReference.h"

#include <algorithm>
#include <cmath>

#include "core/SystemKind.h"
#include "pressure/FieldIsobars.h"

namespace nimbara {
namespace {

constexpr double kSameValue = 1e-6;
constexpr double kMapEdge = SampledField::kSpacing * (SampledField::kNodes - 1);

}  // namespace

bool SamePracticeValue(double a, double b) { return std::abs(a - b) < kSameValue; }

bool PracticeReference::HasValue(double value) const {
  return std::any_of(isobars.begin(), isobars.end(),
                     [value](const PracticeLine& line) { return SamePracticeValue(line.value, value); });
}

PracticeReference AnalysisPracticeReference(const SampledField& field, float interval,
                                            std::vector<PracticeMark> centres) {
  PracticeReference reference;
  for (IsobarLine& line : FieldIsobars(field, interval))
    reference.isobars.push_back({static_cast<double>(line.level) / kPressureScale, std::move(line.points)});
  reference.pressureAt = [field](PointF p) -> std::optional<double> { return field.At(p); };
  reference.area = {0.0, 0.0, kMapEdge, kMapEdge};
  reference.centres = std::move(centres);
  return reference;
}

std::vector<PracticeMark> TrueCentres(const ObservationStore& store, const PlotPointTable& plot) {
  std::vector<PracticeMark> centres;
  for (int slot = FirstSystemSlot(store); slot <= plot.lastIndex; ++slot) {
    const std::string_view mark = CentreMark(PlotName(store, slot));
    const MapPoint at = PlotPosition(plot, slot);
    if (mark.empty() || !HasMapPosition(at)) continue;
    const CentreMarkKind kind = mark == CentreMarkText(CentreMarkKind::High) ? CentreMarkKind::High : CentreMarkKind::Low;
    centres.push_back({kind, {static_cast<double>(at.x), static_cast<double>(at.y)}});
  }
  return centres;
}

std::vector<PracticeStation> PracticeStations(const ObservationStore& store, const PlotPointTable& plot) {
  std::vector<PracticeStation> stations;
  const int count = std::min(static_cast<int>(ClampCount(store.stationCount)), plot.lastIndex + 1);
  for (int slot = 0; slot < count; ++slot) {
    const MapPoint at = PlotPosition(plot, slot);
    if (plot.pressure[slot] <= 0 || !HasMapPosition(at)) continue;
    stations.push_back({PlotName(store, slot),
                        {static_cast<double>(at.x), static_cast<double>(at.y)},
                        static_cast<double>(plot.pressure[slot]) / kPressureScale});
  }
  return stations;
}

PracticeDrawing AnswerDrawing(const PracticeReference& reference) {
  return {reference.isobars, reference.centres};
}

}  // namespace nimbara
