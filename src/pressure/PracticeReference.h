#pragma once
// What a practice drawing is checked against: the analysis's isobars by
// value, the pressure it gives at any point, the area where it traces
// isobars, the grid cell a mark is judged in and the true centres. The scoring
// sees only this, so any analysis can answer: the chart style's own analysis
// (AnalysisPracticeReference), which every map with pressures has.

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/ObservationStore.h"
#include "core/PlotPoints.h"
#include "core/PracticeDrawing.h"
#include "core/PressureGrid.h"
#include "pressure/PressureAnalysis.h"

namespace nimbara {

struct PracticeReference {
  std::vector<PracticeLine> isobars;                          // values in hPa
  std::function<std::optional<double>(PointF)> pressureAt;    // hPa; nothing where unknown
  Box area;                                                   // where isobars are traced
  double cellSize = kNodeSpacing;  // map units: the map's grid cell, which a centre's mark must be within
  std::vector<PracticeMark> centres;                          // the true 高 and 低

  // Whether the analysis has an isobar of this value.
  bool HasValue(double value) const;
};

// Whether two isobar values are one (values are whole or half hPa).
bool SamePracticeValue(double a, double b);

// A station with its observed pressure, for the wrong-side check.
struct PracticeStation {
  std::string name;
  PointF at;
  double pressure = 0.0;  // hPa
};

// The isobars of the analysis as the chart style traces them (every multiple
// of `interval`, hPa x 100), with its pressure anywhere on the map.
PracticeReference AnalysisPracticeReference(const SampledField& field, float interval,
                                            std::vector<PracticeMark> centres);

// The system entries that mark a centre, as 高 or 低 (typhoons and tropical
// depressions are lows), at their plot positions.
std::vector<PracticeMark> TrueCentres(const ObservationStore& store, const PlotPointTable& plot);

// The stations and ships of the plot table that have a pressure and a place.
std::vector<PracticeStation> PracticeStations(const ObservationStore& store, const PlotPointTable& plot);

// The analysis's isobars and centres as a drawing: the answer.
PracticeDrawing AnswerDrawing(const PracticeReference& reference);

}  // namespace nimbara
