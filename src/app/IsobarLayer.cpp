#include "app/IsobarLayer.h"

#include <algorithm>

#include "pressure/ComputePressureGrid.h"
#include "render/ClassicIsobars.h"

namespace nimbara {
namespace {

constexpr const char* kCautionTitle = "注　意";

}  // namespace

int StationPressureCount(const ObservationStore& store) {
  return static_cast<int>(std::count_if(store.stationRecords.begin(),
                                        store.stationRecords.begin() + ClampCount(store.stationCount),
                                        [](const StationRecord& r) { return r.pressure > 0; }));
}

bool EnsurePressureGrid(const AppContext& app) {
  AppState& state = app.state;
  if (state.field.grid.IsValid()) return true;
  const int count = StationPressureCount(state.store);
  if (count == 0) {
    app.ui.Message(kCautionTitle, "気圧が入力されていません", MessageIcon::None);
    return false;
  }
  if (count < kEnoughStationPressures &&
      !app.ui.AskYesNo("", "データの数が少ないですが\r\n等圧線を描きますか"))
    return false;
  if (!ComputePressureGrid(state.store, state.plot, state.field))
    app.ui.Message(kCautionTitle, kIncompleteGridText, MessageIcon::None);
  return true;
}

void TraceCurrentIsobars(const AppContext& app) {
  const AppState& state = app.state;
  TraceIsobars(app.canvas, state.field.grid, state.isobar.interval, state.isobar.startOffset,
               state.colours[ColourSlot::Isobar], {state.store, state.plot, state.colours[ColourSlot::Text]});
}

void DrawIsobarLayer(const AppContext& app) {
  if (EnsurePressureGrid(app)) TraceCurrentIsobars(app);
}

}  // namespace nimbara
