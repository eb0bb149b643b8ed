#pragma once
// The words of the main window's status bar: what a click on the map does
// now, and the place and pressure under the mouse pointer.

#include <string>

#include "app/AppState.h"
#include "core/PressureGrid.h"

namespace nimbara {

// "クリック：等圧線の気圧を調べる" and the like, in words a pupil reads.
std::string ClickModeText(ClickMode mode);

// "北緯35.2度　東経139.7度　1012.4hPa" for map point (x, y): the pressure only
// while the grid is valid and holds values round the point; empty outside the
// map square or the latitudes of the map.
std::string PointerText(const PressureGrid& grid, double x, double y);

}  // namespace nimbara
