#pragma once
// How close a pupil's isobars come to the analysis's (答え合わせ): for each
// drawn line its mean distance in km from the true isobar of its value, the
// drawn lines it crosses and the stations on its wrong side; the centres
// marked near the true ones; and one score out of 100 with a short Japanese
// account of how it was made. Pure geometry over a PracticeReference.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/PracticeDrawing.h"
#include "pressure/PracticeReference.h"

namespace nimbara {

struct PracticeLineCheck {
  double value = 0.0;                          // hPa
  bool valueOnMap = false;                     // the analysis has an isobar of this value
  std::optional<double> meanDistanceKm;        // over the points inside the traced area
  std::vector<int> crosses;                    // indices of the drawn lines of other values it crosses
  std::vector<std::string> wrongSideStations;  // names, in the order of the stations
};

// One part of the score: what it is called, what was earned of how much.
struct PracticeScorePart {
  std::string name;
  double earned = 0.0;
  double most = 0.0;
};

struct PracticeScore {
  std::vector<PracticeLineCheck> lines;  // in the order of the drawing
  double coverage = 0.0;                 // share of the true isobars' length a drawn line of the value follows
  int centresFound = 0;
  int centresTotal = 0;
  std::vector<PracticeScorePart> parts;
  int score = 0;  // 0 to 100
  std::string explanation;
};

PracticeScore ScorePractice(const PracticeDrawing& drawing, const PracticeReference& reference,
                            std::span<const PracticeStation> stations);

}  // namespace nimbara
