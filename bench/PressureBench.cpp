// Pressure grid computation and isobar tracing on a realistic weather map:
// every built-in station reporting, a few ships, a high, a low, a typhoon and
// a front; and the chart style's analysis of it with its isobars.

#include <benchmark/benchmark.h>

#include <cmath>
#include <type_traits>

#include "bench/CountingCanvas.h"
#include "core/Projection.h"
#include "pressure/ComputePressureGrid.h"
#include "pressure/FieldIsobars.h"
#include "pressure/PressureAnalysis.h"
#include "render/ClassicIsobars.h"
#include "render/RecordingCanvas.h"

namespace nimbara {
namespace {

struct PressureCentre {
  double x;
  double y;
  double depth;  // hPa at the centre relative to 1013
  double spread;
};

constexpr PressureCentre kHighOverChina = {110, 170, 14, 110};
constexpr PressureCentre kLowOffHokkaido = {300, 90, -22, 80};
constexpr PressureCentre kTyphoonSouth = {190, 330, -40, 35};

std::int32_t PressureAt(double x, double y) {
  double hPa = 1013;
  for (const PressureCentre& c : {kHighOverChina, kLowOffHokkaido, kTyphoonSouth}) {
    const double d2 = (x - c.x) * (x - c.x) + (y - c.y) * (y - c.y);
    hPa += c.depth * std::exp(-d2 / (c.spread * c.spread));
  }
  return static_cast<std::int32_t>(std::lround(hPa));
}

ObservationStore RealisticStore() {
  ObservationStore store;
  for (int i = 0; i < store.stationCount; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    store.stationRecords[slot].pressure = PressureAt(store.stations.x[slot], store.stations.y[slot]);
  }
  const std::array<std::pair<int, int>, 5> shipPositions = {{{30, 140}, {25, 128}, {38, 150}, {20, 135}, {45, 160}}};
  for (const auto& [lat, lon] : shipPositions) {
    ShipRecord& ship = store.ships[store.shipCount++];
    ship.latitude = lat;
    ship.longitude = lon;
    const MapPoint p = ProjectLatLon(lat, lon);
    ship.pressure = PressureAt(p.x, p.y);
  }
  const SystemEntry systems[] = {{"高気圧", 38, 115, 1026}, {"低気圧", 47, 148, 992},
                                 {"台風", 22, 132, 975},    {"寒冷前線", 45, 147, 0},
                                 {"寒冷前線", 40, 142, 0},  {"熱帯低気圧", 15, 150, 1004}};
  for (const SystemEntry& s : systems) store.systems[store.systemCount++] = s;
  return store;
}

void BM_ComputePressureGrid(benchmark::State& state) {
  ObservationStore store = RealisticStore();
  PlotPointTable plot;
  PressureField field;
  for (auto _ : state) {
    ComputePressureGrid(store, plot, field);
    benchmark::DoNotOptimize(field.grid.At(17, 17));
  }
}
BENCHMARK(BM_ComputePressureGrid);

// The chart style's own analysis of the same map, and tracing its isobars.
void BM_PressureAnalysis(benchmark::State& state) {
  ObservationStore store = RealisticStore();
  PlotPointTable plot;
  PressureField field;
  ComputePressureGrid(store, plot, field);
  const std::vector<PressureObservation> observations = AnalysisObservations(store, plot);
  for (auto _ : state) benchmark::DoNotOptimize(AnalysePressure(observations).Node(50, 50));
}
BENCHMARK(BM_PressureAnalysis)->Unit(benchmark::kMillisecond);

void BM_FieldIsobars(benchmark::State& state) {
  ObservationStore store = RealisticStore();
  PlotPointTable plot;
  PressureField field;
  ComputePressureGrid(store, plot, field);
  const SampledField analysis = AnalysePressure(AnalysisObservations(store, plot));
  for (auto _ : state) benchmark::DoNotOptimize(FieldIsobars(analysis, 400.0f).size());
}
BENCHMARK(BM_FieldIsobars)->Unit(benchmark::kMillisecond);


template <typename CanvasType>
void BM_TraceIsobars(benchmark::State& state) {
  ObservationStore store = RealisticStore();
  PlotPointTable plot;
  PressureField field;
  ComputePressureGrid(store, plot, field);
  CanvasType canvas;
  for (auto _ : state) {
    if constexpr (std::is_same_v<CanvasType, RecordingCanvas>) canvas.ClearLog();
    TraceIsobars(canvas, field.grid, 400.0f, 200.0f, kLightBlue, {store, plot, kBlack});
    benchmark::ClobberMemory();
  }
}
BENCHMARK_TEMPLATE(BM_TraceIsobars, RecordingCanvas);
BENCHMARK_TEMPLATE(BM_TraceIsobars, CountingCanvas);

}  // namespace
}  // namespace nimbara
