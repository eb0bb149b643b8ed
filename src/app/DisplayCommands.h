#pragma once
// The display command and the switches of the 表示の設定 menu.

#include "app/AppContext.h"

namespace nimbara {

// 天気図を表示する: clears the Canvas and draws the switched-on layers in order:
// base map, isobars with centre marks, weather symbols, wind, fronts.
void cntDisplay_Click(const AppContext& app);

}  // namespace nimbara
