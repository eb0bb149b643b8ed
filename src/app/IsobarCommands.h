#pragma once
// The commands of the isobar correction window Teisei and the main window's
// isobar menu items: correcting the grid by clicks, changing the interval,
// redrawing, averaging and the pressure relief.

#include <optional>
#include <string>
#include <string_view>

#include "app/AppContext.h"

namespace nimbara {

// The default answer of the interval box opened from Teisei's 間隔 button.
inline constexpr std::string_view kTeiseiIntervalDefault = "2";

// A click on the map in the click modes "?", "+" and "-": "+" raises and "-"
// lowers the nearest node (2 hPa for the left button, 0.5 hPa for any other)
// and redraws the cells around it. Returns the node's pressure in hPa for
// Text1 ("1014.5"), or nothing for a click outside the grid.
std::optional<std::string> CorrectAtClick(const AppContext& app, bool leftButton, double x, double y);

// Asks for a new interval between 0.5 and 10 hPa (full-width digits read as
// half-width ones) and redraws the isobars with it; anything else is refused
// with a message and changes nothing.
void ChangeIsobarInterval(const AppContext& app, const std::string& defaultText);

// 等圧線を描く: the map view, a cleared Canvas, the base map and the isobars of
// the current grid (not recomputed).
void RedrawIsobarMap(const AppContext& app);

// データの平均: one smoothing pass (fixed cells kept), then RedrawIsobarMap.
void AverageIsobarField(const AppContext& app);

// 等圧線の間隔の変更: ChangeIsobarInterval with the interval in whole hPa.
void cntTKankaku_Click(const AppContext& app);

// 等圧線の修正、保存: RedrawIsobarMap, click mode "?" and the window Teisei,
// whose text follows the mode when it was open already.
void cntSyusei_Click(const AppContext& app);

// 気圧の立体表示: computes a stale grid (with the pressure-count check), removes
// the background picture and draws the relief on a cleared Canvas in a view
// that shows all of it. The next map drawing must apply the map view again.
void cntRittai_Click(const AppContext& app);

}  // namespace nimbara
