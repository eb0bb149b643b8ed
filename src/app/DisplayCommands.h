#pragma once
// The display command and the switches of the 表示の設定 menu.

#include "app/AppContext.h"

namespace nimbara {

// 天気図を表示する: applies the map view, clears the Canvas (a background
// picture stays) and draws the switched-on layers in order: base map, isobars
// with centre marks, weather symbols, wind, fronts.
void cntDisplay_Click(const AppContext& app);
// The same drawing with other layer switches.
void DrawLayers(const AppContext& app, const LayerSwitches& layers);

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
// 天気図の表示を消す: clears the Canvas only.
void cntClsLine_Click(const AppContext& app);
// 気圧の表示を消す: redraws, which removes the pressure values written by map clicks.
void mnuKiatuClear_Click(const AppContext& app);

}  // namespace nimbara
