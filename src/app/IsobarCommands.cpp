#include "app/IsobarCommands.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "app/DisplayCommands.h"
#include "app/IsobarLayer.h"
#include "core/Numbers.h"
#include "core/Text.h"
#include "pressure/GridPasses.h"
#include "pressure/IsobarCorrection.h"
#include "pressure/NearestNode.h"
#include "pressure/PressureRelief.h"
#include "render/BaseMap.h"
#include "render/ClassicIsobars.h"
#include "render/ReliefDrawing.h"

namespace nimbara {

namespace {

constexpr double kLeastIntervalHectopascals = 0.5;
constexpr double kGreatestIntervalHectopascals = 10.0;

std::int32_t SaturatedSum(std::int32_t value, std::int32_t change) {
  const std::int64_t sum = static_cast<std::int64_t>(value) + change;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max()));
}

std::string IntervalPrompt(const IsobarInterval& isobar) {
  const float hPa = isobar.interval / static_cast<float>(kPressureScale);
  return "等圧線は" + ShortestDecimal(hPa) + "hPaごとに描いています。\r\n何hPaごとにしますか？\r\n（0.5から10）";
}

}  // namespace

std::optional<std::string> CorrectAtClick(const AppContext& app, bool leftButton, double x, double y) {
  const std::optional<GridNode> node = NearestNode(x, y);
  if (!node) return std::nullopt;
  AppState& state = app.state;
  std::int32_t& value = state.field.grid.At(node->column, node->row);
  const std::int32_t step = leftButton ? kLeftButtonStep : kOtherButtonStep;
  if (state.clickMode == ClickMode::Raise || state.clickMode == ClickMode::Lower) {
    value = SaturatedSum(value, state.clickMode == ClickMode::Raise ? step : -step);
    RedrawAroundNode(app.canvas, state.field.grid, *node, state.isobar.interval, state.isobar.startOffset,
                     state.colours[ColourSlot::Isobar]);
  }
  return HectopascalText(value);
}

void ChangeIsobarInterval(const AppContext& app, const std::string& defaultText) {
  const std::optional<std::string> answer =
      app.ui.InputBox("等圧線の間隔（かんかく）の変更", IntervalPrompt(app.state.isobar), defaultText);
  if (!answer || answer->empty()) return;
  const double hPa = ReadNumber(HalfWidthNumberText(*answer));
  if (hPa < kLeastIntervalHectopascals || hPa > kGreatestIntervalHectopascals) {
    app.ui.Message("注意", "正しい入力をしてください！", MessageIcon::None);
    return;
  }
  app.state.isobar = IsobarInterval::FromHectopascals(static_cast<float>(hPa));
  RedrawIsobarMap(app);
}

void RedrawIsobarMap(const AppContext& app) {
  ApplyMapView(app.canvas, app.state.view);
  ClearCanvas(app.canvas);
  if (DrawsChartStyle(app.state)) {
    DrawChartIsobarMap(app);
    return;
  }
  DrawBaseMap(app.canvas, app.state.colours[ColourSlot::Map]);
  TraceCurrentIsobars(app);
}

void AverageIsobarField(const AppContext& app) {
  SmoothGrid(app.state.field);
  RedrawIsobarMap(app);
}

void cntTKankaku_Click(const AppContext& app) {
  const std::int32_t wholeHectopascals = FloorToInt(app.state.isobar.interval / kPressureScale);
  ChangeIsobarInterval(app, std::to_string(wholeHectopascals));
}

void cntSyusei_Click(const AppContext& app) {
  app.state.clickMode = ClickMode::Read;  // before the drawing: corrections redraw classic isobars
  RedrawIsobarMap(app);
  app.ui.ShowWindow(WindowId::Teisei);
  app.ui.RefreshWindow(WindowId::Teisei);  // already open: its text follows the mode
}

void cntRittai_Click(const AppContext& app) {
  if (!EnsurePressureGrid(app)) return;
  app.canvas.ClearPicture();
  ApplyMapView(app.canvas, ReliefView(app.state.field.grid));
  ClearCanvas(app.canvas);
  DrawPressureRelief(app.canvas, app.state.field.grid, app.state.colours[ColourSlot::Map],
                     app.state.colours[ColourSlot::Isobar]);
}

}  // namespace nimbara
