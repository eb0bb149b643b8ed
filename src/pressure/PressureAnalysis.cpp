#include "pressure/PressureAnalysis.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

#include "core/CodeTables.h"
#include "core/MapView.h"
#include "core/PathGeometry.h"
#include "core/SystemKind.h"

namespace nimbara {
namespace {

// The Barnes passes' weight radii in map units (a weight falls to 1/e at the
// radius): a broad first pass sets the background where observations are
// sparse, each later pass spreads the remaining misfit over a shorter reach,
// so dense station groups are fitted closely without ripples over the sea.
constexpr std::array<double, 4> kPassRadii = {64.0, 30.0, 15.0, 8.0};
// A correction pass fades out away from every observation: its weights sum
// is taken with this floor, the weight at about 1.6 radii, so a lone
// observation's misfit does not spread over an empty sea.
const double kCorrectionWeightFloor = std::exp(-2.5);
// Beyond this many radii a correction weight is left out.
constexpr double kCorrectionReach = 5.0;
constexpr double kFirstPassReach = 4 * kMapSize;

// Each centre is a dip (a low) or rise (a high) of its own, a profile
// exp(-r / R), steepest at the cross like a real depression's: the
// Barnes passes analyse what the stations say beyond the centres' profiles,
// so the profile stays centred on its cross even where a data-void sea
// lies on one side, and its slope at the cross outweighs the slope of
// the surroundings, so the cross stays the extreme. R is the candidate that best explains the observations
// within kFitReach against the broad first pass alone.
constexpr std::array<double, 9> kCentreRadii = {8.0, 12.0, 16.0, 20.0, 25.0, 30.0, 40.0, 50.0, 60.0};
constexpr double kFitReach = 100.0;
constexpr int kCentreRounds = 4;
// The field under a cross is brought this far beyond the central pressure
// (lower for a low), so an isobar at exactly that pressure still rings it.
constexpr double kCentreDepth = 0.3;
// Where observations disagree round a centre (a ship beside a typhoon
// reading nearly its pressure, a data-void sea on one side), the field could
// still dip lower beside the cross than under it. Round each centre it is
// therefore held above a bowl of the centre's own profile at kBowlDepth of its
// depth, from just under the centre's pressure (below a dome for a high), out
// to half the way to the next centre but at most kWidestBowl, joined smoothly
// (a soft maximum rounding the join over about kBowlJoin hPa). Where the
// surroundings are flat the bowl stays under them and changes nothing.
constexpr double kBowlDepth = 0.5;
constexpr double kBowlSlack = 0.3;
constexpr double kWidestBowl = 80.0;
constexpr double kBowlShare = 0.5;
constexpr double kBowlJoin = 0.3;
// Past its reach the bowl falls away steeply, so it holds nothing there.
constexpr double kBowlFall = 0.05;  // hPa per squared map unit beyond the reach
// The last touch brings the sampled field under each cross to its target
// with a narrow bump (what sampling on the nodes took off the profile's tip).
constexpr double kTouchRadius = 6.0;
constexpr double kGiveBackRadius = 8.0;
constexpr double kTouchReach = 4.0;  // radii
constexpr int kTouchRounds = 3;

double Weight(double squaredDistance, double radius) { return std::exp(-squaredDistance / (radius * radius)); }

double NodeCoordinate(int index) { return index * SampledField::kSpacing; }

// The weights between every two of a set of observations at one radius,
// worked out once: the passes are repeated while the centres are fitted.
class ObservationWeights {
 public:
  // The distances are the same either way, so each pair is worked out once.
  ObservationWeights(std::span<const PressureObservation> obs, double radius)
      : m_count(obs.size()), m_weights(m_count * m_count) {
    for (std::size_t to = 0; to < m_count; ++to)
      for (std::size_t from = 0; from <= to; ++from)
        m_weights[to * m_count + from] = m_weights[from * m_count + to] =
            Weight(SquaredDistance(obs[from].at, obs[to].at), radius);
  }
  double Between(std::size_t to, std::size_t from) const { return m_weights[to * m_count + from]; }

 private:
  std::size_t m_count;
  std::vector<double> m_weights;
};

// One pass: a weighted mean of `values` (the observations' pressures in the
// first pass, their misfits in the later ones) at a point.
struct Pass {
  double radius;
  bool first;
  std::vector<double> values;

  double At(std::span<const PressureObservation> obs, PointF p) const {
    return Mean([&](std::size_t i) { return Weight(SquaredDistance(obs[i].at, p), radius); }, obs.size());
  }
  // The same at the observation `j` of the set `weights` was made for.
  double AtObservation(const ObservationWeights& weights, std::size_t j) const {
    return Mean([&](std::size_t i) { return weights.Between(j, i); }, values.size());
  }

  template <typename WeightOf>
  double Mean(WeightOf weightOf, std::size_t count) const {
    double sum = 0;
    double weights = first ? 0 : kCorrectionWeightFloor;
    for (std::size_t i = 0; i < count; ++i) {
      const double w = weightOf(i);
      sum += w * values[i];
      weights += w;
    }
    return weights > 0 ? sum / weights : 0;
  }

  // Adds the pass to every node: the weights are products of a column and a
  // row factor, so each observation costs two rows of exponentials.
  void AddTo(std::span<const PressureObservation> obs, SampledField& field) const {
    constexpr int n = SampledField::kNodes;
    std::vector<double> sums(static_cast<std::size_t>(n) * n, 0.0);
    std::vector<double> weights(sums.size(), first ? 0.0 : kCorrectionWeightFloor);
    std::array<double, n> across{};
    std::array<double, n> down{};
    // The first pass reaches every node, from observations off the map too.
    const double reach = first ? kFirstPassReach : kCorrectionReach * radius;
    // Observations stand on whole map units and nodes every 4, so the
    // factors repeat: each whole offset's weight is worked out once.
    std::vector<double> byWholeOffset(static_cast<std::size_t>(reach + SampledField::kSpacing) + 1, -1.0);
    const auto weightAlong = [&](double offset) {
      const double size = std::fabs(offset);
      if (size != std::floor(size) || size >= static_cast<double>(byWholeOffset.size()))
        return Weight(std::pow(offset, 2), radius);
      double& weight = byWholeOffset[static_cast<std::size_t>(size)];
      if (weight < 0) weight = Weight(std::pow(offset, 2), radius);
      return weight;
    };
    for (std::size_t i = 0; i < obs.size(); ++i) {
      const PointF at = obs[i].at;
      const int c0 = std::clamp(static_cast<int>(std::floor((at.x - reach) / SampledField::kSpacing)), 0, n);
      const int c1 = std::clamp(static_cast<int>(std::ceil((at.x + reach) / SampledField::kSpacing)) + 1, 0, n);
      const int r0 = std::clamp(static_cast<int>(std::floor((at.y - reach) / SampledField::kSpacing)), 0, n);
      const int r1 = std::clamp(static_cast<int>(std::ceil((at.y + reach) / SampledField::kSpacing)) + 1, 0, n);
      for (int c = c0; c < c1; ++c) across[c] = weightAlong(NodeCoordinate(c) - at.x);
      for (int r = r0; r < r1; ++r) down[r] = weightAlong(NodeCoordinate(r) - at.y);
      for (int r = r0; r < r1; ++r) {
        double* sumRow = &sums[static_cast<std::size_t>(r) * n];
        double* weightRow = &weights[static_cast<std::size_t>(r) * n];
        const double value = values[i];
        for (int c = c0; c < c1; ++c) {
          const double w = across[c] * down[r];
          sumRow[c] += w * value;
          weightRow[c] += w;
        }
      }
    }
    for (int r = 0; r < n; ++r)
      for (int c = 0; c < n; ++c) {
        const std::size_t k = static_cast<std::size_t>(r) * n + c;
        if (weights[k] > 0) field.Node(c, r) += sums[k] / weights[k];
      }
  }
};

// The passes over the observations that are not centres: a centre's
// pressure enters through its own dip or rise, centred on its cross.
// `weights`: the observations' own, one set for each radius.
std::vector<Pass> BarnesPasses(std::span<const PressureObservation> obs, std::span<const ObservationWeights> weights,
                               std::span<const double> radii) {
  std::vector<Pass> passes;
  std::vector<double> analysed(obs.size(), 0.0);
  for (std::size_t k = 0; k < radii.size(); ++k) {
    Pass pass{radii[k], passes.empty(), {}};
    for (std::size_t i = 0; i < obs.size(); ++i) pass.values.push_back(obs[i].hPa - analysed[i]);
    for (std::size_t i = 0; i < obs.size(); ++i) analysed[i] += pass.AtObservation(weights[k], i);
    passes.push_back(std::move(pass));
  }
  return passes;
}

struct CentreProfile {
  PointF at;
  double target = 0;
  double radius = 0;
  double depth = 0;  // hPa added at the cross
  CentreSense sense = CentreSense::Low;

  double At(PointF p) const { return depth * std::exp(-std::sqrt(SquaredDistance(p, at)) / radius); }
};

double CentreTarget(const PressureObservation& centre) {
  return centre.hPa + (centre.centre == CentreSense::High ? kCentreDepth : -kCentreDepth);
}

// `beyondBroad`: each observation's misfit to the broad first pass.
double ProfileRadius(std::span<const PressureObservation> others, std::span<const double> beyondBroad,
                     const Pass& broad, PointF at, double target) {
  const double depth = target - broad.At(others, at);
  double best = kCentreRadii.front();
  double bestCost = std::numeric_limits<double>::infinity();
  for (const double radius : kCentreRadii) {
    const CentreProfile profile{at, target, radius, depth};
    double cost = 0;
    for (std::size_t i = 0; i < others.size(); ++i)
      if (SquaredDistance(others[i].at, at) < kFitReach * kFitReach)
        cost += std::pow(beyondBroad[i] - profile.At(others[i].at), 2);
    if (cost < bestCost) {
      bestCost = cost;
      best = radius;
    }
  }
  return best;
}

std::vector<CentreProfile> CentreProfiles(std::span<const PressureObservation> obs,
                                          std::span<const PressureObservation> others,
                                          std::span<const ObservationWeights> weights) {
  const Pass broad = BarnesPasses(others, weights, std::span(kPassRadii).first(1)).front();
  std::vector<double> beyondBroad;
  for (std::size_t i = 0; i < others.size(); ++i) beyondBroad.push_back(others[i].hPa - broad.AtObservation(weights[0], i));
  std::vector<CentreProfile> centres;
  for (const PressureObservation& c : obs) {
    if (c.centre == CentreSense::None || !OnBaseMap(c.at.x) || !OnBaseMap(c.at.y)) continue;
    const double target = CentreTarget(c);
    centres.push_back({c.at, target, ProfileRadius(others, beyondBroad, broad, c.at, target), 0, c.centre});
  }
  return centres;
}

double ProfilesAt(std::span<const CentreProfile> centres, PointF p) {
  double sum = 0;
  for (const CentreProfile& c : centres) sum += c.At(p);
  return sum;
}

// The passes of the stations beyond the centres' profiles, with the
// profiles' depths chosen so that passes and profiles together reach each
// centre's target under its cross.
std::vector<Pass> FitCentres(std::span<const PressureObservation> others, std::span<const ObservationWeights> weights,
                             std::vector<CentreProfile>& centres) {
  std::vector<Pass> passes;
  for (int round = 0; round < kCentreRounds; ++round) {
    std::vector<PressureObservation> beyond(others.begin(), others.end());
    for (PressureObservation& o : beyond) o.hPa -= ProfilesAt(centres, o.at);
    passes = BarnesPasses(beyond, weights, kPassRadii);
    std::vector<double> depths;
    for (const CentreProfile& c : centres) {
      double background = 0;
      for (const Pass& pass : passes) background += pass.At(beyond, c.at);
      depths.push_back(c.target - background - (ProfilesAt(centres, c.at) - c.depth));
    }
    for (std::size_t k = 0; k < centres.size(); ++k) centres[k].depth = depths[k];
  }
  return passes;
}

double SoftMax(double a, double b) { return (a + b + std::sqrt((a - b) * (a - b) + kBowlJoin * kBowlJoin)) / 2; }

// Each centre's distance to every node and its profile's decay there,
// exp(-distance / radius): the profile and the bowl are both made of them.
// Nodes mirrored round the cross take those of their earlier mirror.
struct NodeDecay {
  std::vector<double> distance;
  std::vector<double> decay;
};

// The earlier node index as far from `centre` on the other side of it, if
// there is one: the nodes mirrored round a cross have its distances.
std::optional<int> EarlierMirror(int index, double centre) {
  const double mirrored = 2 * centre / SampledField::kSpacing - index;
  const int earlier = static_cast<int>(mirrored);
  if (mirrored != earlier || earlier < 0 || earlier >= index ||
      std::fabs(NodeCoordinate(earlier) - centre) != std::fabs(NodeCoordinate(index) - centre))
    return std::nullopt;
  return earlier;
}

std::vector<NodeDecay> NodeDecays(std::span<const CentreProfile> centres) {
  constexpr int n = SampledField::kNodes;
  const auto node = [](int col, int r) { return static_cast<std::size_t>(r) * n + static_cast<std::size_t>(col); };
  std::vector<NodeDecay> decays;
  for (const CentreProfile& c : centres) {
    NodeDecay& d = decays.emplace_back();
    d.distance.resize(static_cast<std::size_t>(n) * n);
    d.decay.resize(d.distance.size());
    for (int r = 0; r < n; ++r) {
      const std::optional<int> rowMirror = EarlierMirror(r, c.at.y);
      for (int col = 0; col < n; ++col) {
        std::optional<std::size_t> same;
        if (rowMirror) same = node(col, *rowMirror);
        else if (const std::optional<int> colMirror = EarlierMirror(col, c.at.x)) same = node(*colMirror, r);
        const std::size_t k = node(col, r);
        if (same) {
          d.distance[k] = d.distance[*same];
          d.decay[k] = d.decay[*same];
          continue;
        }
        d.distance[k] = std::sqrt(SquaredDistance({NodeCoordinate(col), NodeCoordinate(r)}, c.at));
        d.decay[k] = std::exp(-d.distance[k] / c.radius);
      }
    }
  }
  return decays;
}

// Each centre's bowl (a low's field is held above it, a high's under its
// dome) at every node, in the field's sign for the centre.
std::vector<std::vector<double>> Bowls(std::span<const CentreProfile> centres, std::span<const NodeDecay> decays) {
  std::vector<std::vector<double>> bowls;
  for (std::size_t k = 0; k < centres.size(); ++k) {
    const CentreProfile& c = centres[k];
    double reach = kWidestBowl;
    for (const CentreProfile& other : centres)
      if (&other != &c) reach = std::min(reach, kBowlShare * std::sqrt(SquaredDistance(other.at, c.at)));
    const double sign = c.sense == CentreSense::High ? -1 : 1;
    std::vector<double>& bowl = bowls.emplace_back();
    for (std::size_t node = 0; node < decays[k].distance.size(); ++node) {
      const double beyond = std::max(0.0, decays[k].distance[node] - reach);
      const double rise = kBowlDepth * std::abs(c.depth) * (1 - decays[k].decay[node]);
      bowl.push_back(sign * (c.target - sign * kBowlSlack) + rise - kBowlFall * beyond * beyond);
    }
  }
  return bowls;
}

void HoldCentresExtreme(std::span<const CentreProfile> centres, std::span<const std::vector<double>> bowls,
                        SampledField& field) {
  for (std::size_t k = 0; k < centres.size(); ++k) {
    const double sign = centres[k].sense == CentreSense::High ? -1 : 1;
    std::size_t node = 0;
    for (int r = 0; r < SampledField::kNodes; ++r)
      for (int col = 0; col < SampledField::kNodes; ++col) {
        double& value = field.Node(col, r);
        value = sign * SoftMax(sign * value, bowls[k][node++]);
      }
  }
}

void AddBump(SampledField& field, PointF at, double amount) {
  const double reach = kTouchReach * kTouchRadius;
  const int last = SampledField::kNodes - 1;
  const int c0 = std::clamp(static_cast<int>(std::floor((at.x - reach) / SampledField::kSpacing)), 0, last);
  const int c1 = std::clamp(static_cast<int>(std::ceil((at.x + reach) / SampledField::kSpacing)), 0, last);
  const int r0 = std::clamp(static_cast<int>(std::floor((at.y - reach) / SampledField::kSpacing)), 0, last);
  const int r1 = std::clamp(static_cast<int>(std::ceil((at.y + reach) / SampledField::kSpacing)), 0, last);
  for (int r = r0; r <= r1; ++r)
    for (int c = c0; c <= c1; ++c)
      field.Node(c, r) += amount * Weight(SquaredDistance({NodeCoordinate(c), NodeCoordinate(r)}, at), kTouchRadius);
}

void TouchUpCentres(std::span<const CentreProfile> centres, SampledField& field) {
  for (int round = 0; round < kTouchRounds; ++round) {
    std::vector<double> lacking;
    for (const CentreProfile& c : centres) lacking.push_back(c.target - field.At(c.at));
    for (std::size_t k = 0; k < centres.size(); ++k) AddBump(field, centres[k].at, lacking[k]);
  }
}

}  // namespace

std::vector<PressureObservation> AnalysisObservations(const ObservationStore& store, const PlotPointTable& plot) {
  std::vector<PressureObservation> obs;
  const int firstSystem = FirstSystemSlot(store);
  for (int slot = 0; slot <= plot.lastIndex; ++slot) {
    const MapPoint at = PlotPosition(plot, slot);
    const std::int32_t pressure = plot.pressure[slot];
    if (pressure <= 0 || !HasMapPosition(at)) continue;
    CentreSense sense = CentreSense::None;
    if (slot >= firstSystem) {
      const std::string& kind = PlotName(store, slot);
      if (IsCentreKind(kind, CentreKinds::SetB))
        sense = kind == kind::kHigh ? CentreSense::High : CentreSense::Low;
      else if (kind != kind::kIsobarPoint)
        continue;
    }
    obs.push_back({{static_cast<double>(at.x), static_cast<double>(at.y)},
                   static_cast<double>(pressure) / kPressureScale,
                   sense});
  }
  return obs;
}

double SampledField::At(PointF p) const {
  const double last = kNodes - 1;
  const double x = std::clamp(p.x / kSpacing, 0.0, last);
  const double y = std::clamp(p.y / kSpacing, 0.0, last);
  const int c = std::min(static_cast<int>(x), kNodes - 2);
  const int r = std::min(static_cast<int>(y), kNodes - 2);
  const double fx = x - c;
  const double fy = y - r;
  const double top = Node(c, r) * (1 - fx) + Node(c + 1, r) * fx;
  const double bottom = Node(c, r + 1) * (1 - fx) + Node(c + 1, r + 1) * fx;
  return top * (1 - fy) + bottom * fy;
}

SampledField AnalysePressure(std::span<const PressureObservation> observations) {
  SampledField field;
  std::vector<PressureObservation> others;
  for (const PressureObservation& o : observations)
    if (o.centre == CentreSense::None) others.push_back(o);
  if (others.empty()) return field;
  std::vector<ObservationWeights> weights;
  for (const double radius : kPassRadii) weights.emplace_back(others, radius);
  std::vector<CentreProfile> centres = CentreProfiles(observations, others, weights);
  const std::vector<Pass> passes = FitCentres(others, weights, centres);
  std::vector<PressureObservation> beyond = others;
  for (PressureObservation& o : beyond) o.hPa -= ProfilesAt(centres, o.at);
  for (const Pass& pass : passes) pass.AddTo(beyond, field);
  const std::vector<NodeDecay> decays = NodeDecays(centres);
  std::size_t node = 0;
  for (int r = 0; r < SampledField::kNodes; ++r)
    for (int c = 0; c < SampledField::kNodes; ++c, ++node) {
      double profiles = 0;
      for (std::size_t k = 0; k < centres.size(); ++k) profiles += centres[k].depth * decays[k].decay[node];
      field.Node(c, r) += profiles;
    }
  const std::vector<std::vector<double>> bowls = Bowls(centres, decays);
  HoldCentresExtreme(centres, bowls, field);
  // What the centres' profiles and bowls took from the stations near them is
  // given back close to those stations, before the centres' last touch.
  Pass giveBack{kGiveBackRadius, false, {}};
  for (const PressureObservation& o : others) giveBack.values.push_back(o.hPa - field.At(o.at));
  giveBack.AddTo(others, field);
  HoldCentresExtreme(centres, bowls, field);
  TouchUpCentres(centres, field);
  return field;
}

}  // namespace nimbara
