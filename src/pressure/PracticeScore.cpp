#include "pressure/PracticeScore.h"

#include <algorithm>
#include <cmath>

#include "core/Numbers.h"
#include "core/Projection.h"
#include "pressure/PracticeGeometry.h"

namespace nimbara {
namespace {

// Map units between the points at which lines are measured.
constexpr double kSampleStep = 2.0;
// A line this far from its true isobar on average earns nothing for closeness.
constexpr double kNoCloseness = 150.0;
// A stretch of a true isobar counts as drawn when a line of its value passes this near.
constexpr double kCoveredKm = 100.0;
// Stations farther from a line than this many grid cells say nothing of its sides.
constexpr double kStationReachCells = 2.0;
// How far to each side of a line the analysis is read to tell its high side.
constexpr double kSideProbeCells = 0.5;

constexpr double kClosenessPoints = 50.0;
constexpr double kCoveragePoints = 20.0;
constexpr double kOrderPoints = 15.0;
constexpr double kCentrePoints = 15.0;
constexpr double kFullScore = 100.0;

using LineRefs = std::vector<const PracticeLine*>;

LineRefs LinesOfValue(std::span<const PracticeLine> lines, double value) {
  LineRefs found;
  for (const PracticeLine& line : lines)
    if (SamePracticeValue(line.value, value)) found.push_back(&line);
  return found;
}

// The distance in km from `p` to the nearest of the lines, measured between
// the places the two points stand for.
std::optional<double> KilometresToNearest(const LineRefs& lines, PointF p) {
  std::optional<NearestOnPath> best;
  for (const PracticeLine* line : lines) {
    const std::optional<NearestOnPath> nearest = NearestPointOn(line->points, p);
    if (nearest && (!best || nearest->distance < best->distance)) best = nearest;
  }
  if (!best) return std::nullopt;
  return KilometresBetween(p, best->at);
}

std::optional<double> MeanDistanceKm(const PracticeLine& line, const LineRefs& truth, const Box& area) {
  double sum = 0;
  int count = 0;
  for (const PointF& p : EvenPoints(line.points, kSampleStep)) {
    if (!area.Contains(p)) continue;
    if (const std::optional<double> km = KilometresToNearest(truth, p)) {
      sum += *km;
      ++count;
    }
  }
  if (count == 0) return std::nullopt;
  return sum / count;
}

double Coverage(std::span<const PracticeLine> drawn, std::span<const PracticeLine> truth) {
  int covered = 0;
  int total = 0;
  for (const PracticeLine& line : truth) {
    const LineRefs sameValue = LinesOfValue(drawn, line.value);
    for (const PointF& p : EvenPoints(line.points, kSampleStep)) {
      if (!LatLonAt(p.x, p.y)) continue;  // beyond the latitudes the map measures
      ++total;
      const std::optional<double> km = KilometresToNearest(sameValue, p);
      if (km && *km <= kCoveredKm) ++covered;
    }
  }
  return total == 0 ? 0.0 : static_cast<double>(covered) / total;
}

// +1 when the analysis is higher left of the segment from `a` to `b`, -1
// when right, 0 when it cannot tell.
int HighSideOf(PointF a, PointF b, const PracticeReference& reference) {
  const double length = Distance(a, b);
  if (length == 0) return 0;
  const double probe = kSideProbeCells * reference.cellSize;
  // The left normal as the map shows it (y downwards).
  const PointF left{(b.y - a.y) / length * probe, -(b.x - a.x) / length * probe};
  const PointF mid{(a.x + b.x) / 2, (a.y + b.y) / 2};
  const auto high = reference.pressureAt({mid.x + left.x, mid.y + left.y});
  const auto low = reference.pressureAt({mid.x - left.x, mid.y - left.y});
  if (!high || !low || *high == *low) return 0;
  return *high > *low ? 1 : -1;
}

// The high side of the whole line: of most of its length.
int HighSide(const Path& points, const PracticeReference& reference) {
  double leftMinusRight = 0;
  for (std::size_t i = 0; i + 1 < points.size(); ++i)
    leftMinusRight += HighSideOf(points[i], points[i + 1], reference) * Distance(points[i], points[i + 1]);
  return leftMinusRight > 0 ? 1 : leftMinusRight < 0 ? -1 : 0;
}

// Stations near the line whose pressure disagrees with the side they are on.
// A station the analysis itself puts across the value is left out: the
// answer's line would have it on the wrong side too.
std::vector<std::string> WrongSideStations(const PracticeLine& line, const PracticeReference& reference,
                                           std::span<const PracticeStation> stations) {
  std::vector<std::string> wrong;
  const int highSide = HighSide(line.points, reference);
  if (highSide == 0) return wrong;
  const double reach = kStationReachCells * reference.cellSize;
  for (const PracticeStation& station : stations) {
    if (station.pressure == line.value) continue;
    const std::optional<NearestOnPath> nearest = NearestPointOn(line.points, station.at);
    if (!nearest || nearest->atEnd || nearest->distance > reach) continue;
    const PointF a = line.points[nearest->segment];
    const PointF b = line.points[nearest->segment + 1];
    const double side = SideOf(a, b, station.at);
    if (side == 0) continue;
    // Where the line runs near the station, the analysis there says which side is high.
    const int localHigh = HighSideOf(a, b, reference);
    const bool onHighSide = (side > 0) == ((localHigh != 0 ? localHigh : highSide) > 0);
    const bool above = station.pressure > line.value;
    const std::optional<double> analysed = reference.pressureAt(station.at);
    if (onHighSide != above && analysed && (*analysed > line.value) == above) wrong.push_back(station.name);
  }
  return wrong;
}

double Closeness(const PracticeLineCheck& check) {
  if (!check.valueOnMap || !check.meanDistanceKm) return 0.0;
  return std::max(0.0, 1.0 - *check.meanDistanceKm / kNoCloseness);
}

// A line of a value the map does not have is in no order to speak of.
bool InOrder(const PracticeLineCheck& check) {
  return check.valueOnMap && check.crosses.empty() && check.wrongSideStations.empty();
}

template <typename Share>
double MeanOver(const std::vector<PracticeLineCheck>& lines, Share share) {
  if (lines.empty()) return 0.0;
  double sum = 0;
  for (const PracticeLineCheck& line : lines) sum += share(line);
  return sum / static_cast<double>(lines.size());
}

bool MarkedNear(const PracticeMark& centre, std::span<const PracticeMark> marks, double cell) {
  return std::any_of(marks.begin(), marks.end(), [&](const PracticeMark& mark) {
    return mark.kind == centre.kind && std::abs(mark.at.x - centre.at.x) <= cell &&
           std::abs(mark.at.y - centre.at.y) <= cell;
  });
}

std::string Points(const PracticeScorePart& part) {
  return part.name + " " + std::to_string(RoundToInt(part.earned)) + "/" + std::to_string(RoundToInt(part.most)) +
         "点";
}

std::string MeanKmText(const std::vector<PracticeLineCheck>& lines) {
  double sum = 0;
  int count = 0;
  for (const PracticeLineCheck& line : lines)
    if (line.valueOnMap && line.meanDistanceKm) {
      sum += *line.meanDistanceKm;
      ++count;
    }
  return count == 0 ? "－" : std::to_string(RoundToInt(sum / count)) + "km";
}

std::string Explanation(const PracticeScore& score) {
  const std::string zero = std::to_string(RoundToInt(kNoCloseness));
  std::string text = "点数は次の合計を100点満点に直したものです。" + Points(score.parts[0]) +
                     "（答えの線からの平均のずれ " + MeanKmText(score.lines) + "：0kmで満点、" + zero +
                     "kmで0点）、" + Points(score.parts[1]) + "（答えの線のうち、同じ気圧の線が" +
                     std::to_string(RoundToInt(kCoveredKm)) + "km以内にある長さの割合）、" +
                     Points(score.parts[2]) + "（ほかの線と交わらず、近くの観測点の気圧とも合う線の割合）";
  if (score.parts.size() > 3) text += "、" + Points(score.parts[3]) + "（答えの中心から1格子以内の印）";
  return text + "。";
}

}  // namespace

PracticeScore ScorePractice(const PracticeDrawing& drawing, const PracticeReference& reference,
                            std::span<const PracticeStation> stations) {
  PracticeScore score;
  for (const PracticeLine& line : drawing.lines) {
    PracticeLineCheck check;
    check.value = line.value;
    const LineRefs truth = LinesOfValue(reference.isobars, line.value);
    check.valueOnMap = !truth.empty();
    if (check.valueOnMap) check.meanDistanceKm = MeanDistanceKm(line, truth, reference.area);
    check.wrongSideStations = WrongSideStations(line, reference, stations);
    score.lines.push_back(std::move(check));
  }
  for (std::size_t i = 0; i < drawing.lines.size(); ++i)
    for (std::size_t j = i + 1; j < drawing.lines.size(); ++j)
      // Lines of one value may meet (at a saddle, or where a line goes on in
      // a second stroke); lines of two values never may.
      if (!SamePracticeValue(drawing.lines[i].value, drawing.lines[j].value) &&
          PathsCross(drawing.lines[i].points, drawing.lines[j].points)) {
        score.lines[i].crosses.push_back(static_cast<int>(j));
        score.lines[j].crosses.push_back(static_cast<int>(i));
      }
  score.coverage = Coverage(drawing.lines, reference.isobars);
  score.centresTotal = static_cast<int>(reference.centres.size());
  score.centresFound = static_cast<int>(std::count_if(
      reference.centres.begin(), reference.centres.end(),
      [&](const PracticeMark& centre) { return MarkedNear(centre, drawing.marks, reference.cellSize); }));

  score.parts = {{"近さ", kClosenessPoints * MeanOver(score.lines, Closeness), kClosenessPoints},
                 {"長さ", kCoveragePoints * score.coverage, kCoveragePoints},
                 {"正しさ", kOrderPoints * MeanOver(score.lines, [](const PracticeLineCheck& c) {
                    return InOrder(c) ? 1.0 : 0.0;
                  }), kOrderPoints}};
  // A map without centres has none to mark: the part is left out, not given.
  if (score.centresTotal > 0)
    score.parts.push_back(
        {"高・低", kCentrePoints * score.centresFound / score.centresTotal, kCentrePoints});
  double earned = 0;
  double most = 0;
  for (const PracticeScorePart& part : score.parts) {
    earned += part.earned;
    most += part.most;
  }
  score.score = RoundToInt(kFullScore * earned / most);
  score.explanation = Explanation(score);
  return score;
}

}  // namespace nimbara
