#pragma once
// What every command works on: the state, the map surface and the person.

#include "app/AppState.h"
#include "app/Ui.h"
#include "canvas/Canvas.h"

namespace nimbara {

struct AppContext {
  AppState& state;
  Canvas& canvas;
  Ui& ui;
};

}  // namespace nimbara
