#pragma once
// A complete application state with a recording canvas and a scripted Ui,
// for tests of the commands.

#include <string>

#include "app/AppContext.h"
#include "render/RecordingCanvas.h"
#include "support/ScriptedUi.h"

namespace nimbara::testing {

struct TestApp {
  AppState state;
  RecordingCanvas canvas;
  ScriptedUi ui;
  AppContext Context() { return {state, canvas, ui}; }
};

// Path of a file in tests/data.
inline std::string TestDataPath(const std::string& name) { return std::string(NIMBARA_TEST_DATA) + "/" + name; }

}  // namespace nimbara::testing
