#pragma once
// A headless run of the program: the state, a map surface painted with Qt,
// the drawing log beside it when one is wanted, and a Ui that answers
// without asking.

#include <memory>
#include <string>

#include "app/AppContext.h"
#include "app/HeadlessUi.h"
#include "io/FileIo.h"
#include "qt/QtCanvas.h"
#include "render/RecordingCanvas.h"
#include "render/TeeCanvas.h"

namespace nimbara {

class Session {
 public:
  Session(int pixelWidth, int pixelHeight, bool keepLog);

  AppContext Context() { return {state, m_keepLog ? static_cast<Canvas&>(m_canvas) : m_picture, ui}; }
  QtCanvas& Picture() { return m_picture; }
  const RecordingCanvas& Log() const { return m_log; }

  AppState state;
  HeadlessUi ui;

 private:
  bool m_keepLog;
  QtCanvas m_picture;
  RecordingCanvas m_log;
  TeeCanvas m_canvas;
};

// A run that draws nothing worth keeping: loading a file still runs the
// display, so every layer is switched off and the drawing goes to a log.
struct QuietRun {
  QuietRun();
  AppContext Context() { return {state, canvas, ui}; }
  AppState state;
  RecordingCanvas canvas;
  HeadlessUi ui;
};

// Qt's text drawing needs a GUI application object (but no screen). It is
// offered only the map's fonts (cli/MapFonts.h).
void EnsureGuiApplication();

// Why a file could not be read or written, for standard error ("cannot read
// a.txt: not a data file", "cannot write map.png: No space left on device").
std::string ReadProblem(const FileStatus& status);
std::string WriteProblem(const FileStatus& status);

}  // namespace nimbara
