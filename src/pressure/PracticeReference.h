#pragma once
// What a practice drawing is checked against: the analysis's isobars by
// value, the pressure it gives at any point, the area where it traces
// isobars, its grid spacing and the true centres. The scoring sees only this,
// so any analysis can answer: today the classic grid (ClassicPracticeReference).

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/ObservationStore.h"
#include "core/PlotPoints.h"
#include "core/PracticeDrawing.h"
#include "core/PressureGrid.h"

namespace nimbara {

struct PracticeReference {
  std::vector<PracticeLine> isobars;                          // values in hPa
  std::function<std::optional<double>(PointF)> pressureAt;    // hPa; nothing where unknown
  Box area;                                                   // where isobars are traced
  double cellSize = kNodeSpacing;                             // map units
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

// The isobars of the classic grid as the map traces them, unsmoothed, with the
// pressure read bilinearly between nodes of a copy of the grid.
PracticeReference ClassicPracticeReference(const PressureGrid& grid, float interval, float startOffset,
                                           std::vector<PracticeMark> centres);

// The system entries that mark a centre, as 高 or 低 (typhoons and tropical
// depressions are lows), at their plot positions.
std::vector<PracticeMark> TrueCentres(const ObservationStore& store, const PlotPointTable& plot);

// The stations and ships of the plot table that have a pressure and a place.
std::vector<PracticeStation> PracticeStations(const ObservationStore& store, const PlotPointTable& plot);

// The analysis's isobars and centres as a drawing: the answer.
PracticeDrawing AnswerDrawing(const PracticeReference& reference);

}  // namespace nimbara
