#pragma once
// The cloud cross-section tool: the window Danmen and the click modes
// NorthSouth and EastWest of the map.

#include <string>

#include "app/AppContext.h"

namespace nimbara {

inline constexpr const char* kDanmenOpeningText =
    "赤外線画像から雲の高さがわかります。\r\n高い雲ほど、白い色で表示されます。\r\n地図の上をクリック\r\n";
inline constexpr const char* kDanmenClickText = "地図の上をクリック";

// 雲の断面図: shows Danmen beside the map.
void cntDanmen_Click(const AppContext& app);

// Danmen opens: drawn layers cleared, the east-west section chosen. Returns
// the text of Text1.
std::string DanmenOpened(const AppContext& app);
// 南北の断面図 / 東西の断面図: the click mode, cleared drawn layers; returns
// the text of Text1.
std::string DanmenChooseNorthSouth(const AppContext& app);
std::string DanmenChooseEastWest(const AppContext& app);
// 図をもとへ: the drawn layers cleared.
void DanmenRestorePicture(const AppContext& app);
// もどる or any other close: no click mode, drawn layers cleared.
void DanmenClosed(const AppContext& app);

// A click on the map in mode NorthSouth (`northSouth`) or EastWest: the
// section through (x, y), then Danmen brought forward. Fits
// ClickHooks::crossSection.
void DrawCloudSectionAtClick(const AppContext& app, bool northSouth, double x, double y);

}  // namespace nimbara
