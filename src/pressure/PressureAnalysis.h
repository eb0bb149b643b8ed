#pragma once
// The chart style's own pressure analysis: a Barnes successive-correction
// analysis of the observed pressures (stations, ships, hand-placed isobar
// points and the centres' central pressures) over the map square, then a
// local dip or rise at each centre so the field under its cross is its
// central pressure and the cross is the extreme of its closed isobars. The
// classic grid is neither read nor changed.
//
// Pure computation: observations in, a field sampled on a fine grid out, read
// with `At` anywhere on the map (isobar practice scores against it too).

#include <span>
#include <vector>

#include "core/ObservationStore.h"
#include "core/PlotPoints.h"
#include "core/Projection.h"

namespace nimbara {

// How a centre shapes the field: a low (低, 台, 熱低) dips to its pressure,
// a high rises to it; other observations only weigh in.
enum class CentreSense { None, Low, High };

struct PressureObservation {
  PointF at;         // map units
  double hPa = 0.0;
  CentreSense centre = CentreSense::None;
};

// Every plot slot with a map position and a pressure: stations, ships,
// pressure centres and isobar points (fronts carry none).
std::vector<PressureObservation> AnalysisObservations(const ObservationStore& store, const PlotPointTable& plot);

// The field sampled at nodes every kSpacing map units across the whole map
// square, its edges included.
class SampledField {
 public:
  static constexpr double kSpacing = 4.0;
  static constexpr int kNodes = 101;  // 0 to 400 map units

  SampledField() : m_values(static_cast<std::size_t>(kNodes) * kNodes, 0.0) {}
  double Node(int column, int row) const { return m_values[Index(column, row)]; }
  double& Node(int column, int row) { return m_values[Index(column, row)]; }
  // hPa at a map point, bilinear between the four nodes around it; a point
  // off the square takes the value at the nearest point of its edge.
  double At(PointF p) const;

 private:
  static std::size_t Index(int column, int row) {
    return static_cast<std::size_t>(row) * kNodes + static_cast<std::size_t>(column);
  }
  std::vector<double> m_values;  // row by row
};

// The analysis of the observations; a field of 0 everywhere when there are none.
SampledField AnalysePressure(std::span<const PressureObservation> observations);

}  // namespace nimbara
