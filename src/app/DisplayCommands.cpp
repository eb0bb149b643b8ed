#include "app/DisplayCommands.h"

#include "core/BaseMap.h"

namespace nimbara {

void cntDisplay_Click(const AppContext& app) {
  ClearCanvas(app.canvas);
  if (app.state.layers.map) DrawBaseMap(app.canvas, app.state.colours[kMapColour]);
}

}  // namespace nimbara
