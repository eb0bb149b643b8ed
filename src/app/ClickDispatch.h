#pragma once
// A press on the map surface Picture1: what it does depends on the click mode
// the tool windows set.

#include <functional>
#include <optional>
#include <string>

#include "app/AppContext.h"

namespace nimbara {

// The work of the windows that own a click mode and live in the shell.
struct ClickHooks {
  // A cross-section through the click: north-south through x or east-west
  // through y.
  std::function<void(const AppContext&, bool northSouth, double x, double y)> crossSection;
  // The pressure in hPa after a correction click, for the correction window.
  std::function<void(const std::string&)> correctedPressure;
};

// Picture1_MouseDown with the press position in map units.
void Picture1_MouseDown(const AppContext& app, bool leftButton, double x, double y, const ClickHooks& hooks);

}  // namespace nimbara
