#include "pressure/ComputePressureGrid.h"

#include "pressure/GridPasses.h"

namespace nimbara {

namespace {

constexpr int kInnerRingRadius = 4;
constexpr int kOuterRingRadius = 8;
constexpr int kFillRepeats = 4;
constexpr int kFinalSmoothings = 5;
// Every round that goes on fills at least one of the used cells, so no more
// rounds than cells are ever needed.
constexpr int kMaxExtrapolationRounds = (kGridLast + 1) * (kGridLast + 1);

int NonZeroCells(const PressureGrid& grid) {
  int count = 0;
  for (int c = 0; c <= kGridLast; ++c)
    for (int r = 0; r <= kGridLast; ++r)
      if (grid.At(c, r) != 0) ++count;
  return count;
}

// Extrapolation and interpolation alternate until enough cells are filled
// (true) or a round changes nothing (both passes only ever fill empty cells).
bool ExtrapolateUntilFilled(PressureField& field) {
  int filledBefore = NonZeroCells(field.grid);
  for (int round = 0; round < kMaxExtrapolationRounds; ++round) {
    const bool enough = ExtrapolateOutward(field);
    FillBetweenNeighbours(field);
    const int filledAfter = NonZeroCells(field.grid);
    if (enough) return true;
    if (filledAfter == filledBefore) return false;
    filledBefore = filledAfter;
  }
  return false;
}

}  // namespace

bool ComputePressureGrid(ObservationStore& store, PlotPointTable& plot, PressureField& field) {
  BuildPlotPoints(store, plot, field);
  BinObservations(store, plot, field);
  ImprintIsobarPoints(store, plot, field.grid);
  FillBetweenNeighbours(field);
  FillAroundCentres(store, plot, field, kInnerRingRadius, CentreKinds::SetA, CentreRule::A);
  for (int i = 0; i < kFillRepeats; ++i) FillBetweenNeighbours(field);
  FillAroundCentres(store, plot, field, kOuterRingRadius, CentreKinds::SetA, CentreRule::A);
  FillBetweenNeighbours(field);
  const bool complete = ExtrapolateUntilFilled(field);
  SmoothGrid(field);
  FillAroundCentres(store, plot, field, kInnerRingRadius, CentreKinds::SetB, CentreRule::B);
  for (int i = 0; i < kFinalSmoothings; ++i) SmoothGrid(field);
  field.grid.incomplete = !complete;
  return complete;
}

}  // namespace nimbara
