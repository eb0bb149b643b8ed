#pragma once
// The display command and the switches of the 表示の設定 menu.

#include "app/AppContext.h"

namespace nimbara {

// 天気図を表示する: applies the map view, clears the Canvas (a background
// picture stays) and draws the switched-on layers in order: base map, isobars
// with centre marks, weather symbols, wind, fronts. In the chart style the
// same layers are drawn as the chart draws them (render/chart/ChartMap.h),
// with the legend when it is switched on. Every display, export, print, copy
// and slide show goes through here, so all follow the style that is on.
void cntDisplay_Click(const AppContext& app);
// The same drawing with other layer switches, in the style that is on: the
// one place where the classic or the chart drawing is chosen.
void DrawLayers(const AppContext& app, const LayerSwitches& layers);

// Whether maps are drawn in the chart style: its switch is on and no isobar
// correction is under way (the correction redraws single cells of the
// classic isobars, so it keeps the classic drawing).
bool DrawsChartStyle(const AppState& state);

// The map without observations: the base map, or in the chart style the
// paper, graticule, coast and title band.
void DrawEmptyMap(const AppContext& app);

// The isobar map of the chart style: coast, isobars and centres.
void DrawChartIsobarMap(const AppContext& app);

// The layer switches: each only inverts its tick; the next display shows it.
void cntTizu_Click(const AppContext& app);
void cntTouatu2_Click(const AppContext& app);
void cntKigou_Click(const AppContext& app);
void cntHuuryoku_Click(const AppContext& app);
void cntZensen_Click(const AppContext& app);

// 全観測地のデータを表示: all stations or the thinned set; redraws at once.
void cntAllData_Click(const AppContext& app);
// 天気記号を拡大表示: normal or enlarged symbol sizes; redraws at once.
void cntZoomUp_Click(const AppContext& app);
// 天気図の見た目：気象庁風: the chart style or the classic drawing; redraws at once.
void cntMitame_Click(const AppContext& app);
// 凡例: the chart style's legend shown or hidden; redraws at once.
void cntHanrei_Click(const AppContext& app);
// 天気図の表示を消す: clears the Canvas only.
void cntClsLine_Click(const AppContext& app);
// 気圧の表示を消す: redraws, which removes the pressure values written by map clicks.
void mnuKiatuClear_Click(const AppContext& app);

}  // namespace nimbara
