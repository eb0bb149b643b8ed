// The web page's isobar practice (等圧線を引く練習): the same commands as the
// desktop's practice window. Points come from the page in pixels of the map's
// canvas and are turned into map units by the map's own scale.

#include <emscripten.h>

#include <string>

#include "web/PageContext.h"
#include "app/PracticeCommands.h"
#include "app/PracticeReport.h"

namespace nimbara {
namespace {

PointF MapPointAt(const AppContext& app, double x, double y) { return app.canvas.FromPixels({x, y}); }

}  // namespace
}  // namespace nimbara

using namespace nimbara;

extern "C" {

// 等圧線を引く練習: the map without isobars; 0 when there is no grid to check against.
EMSCRIPTEN_KEEPALIVE int nimbara_practice_start() { return StartPractice(PageContext()); }

EMSCRIPTEN_KEEPALIVE double nimbara_practice_value() { return PageContext().state.practice.value; }
EMSCRIPTEN_KEEPALIVE double nimbara_practice_step() { return PracticeValueStep(PageContext().state); }
EMSCRIPTEN_KEEPALIVE void nimbara_practice_set_value(double value) { PageContext().state.practice.value = value; }

// A finished stroke: `count` points, x and y in turn, in canvas pixels. Gives
// 1 when it became a line; the map is drawn again either way.
EMSCRIPTEN_KEEPALIVE int nimbara_practice_line(const double* xy, int count) {
  const AppContext app = PageContext();
  Path stroke;
  for (int i = 0; i + 1 < 2 * count; i += 2) stroke.push_back(MapPointAt(app, xy[i], xy[i + 1]));
  const bool added = AddPracticeLine(app.state, stroke);
  DrawPracticeMap(app);
  return added;
}

// A press with tool 1 (erase), 2 (高) or 3 (低) at a canvas pixel.
EMSCRIPTEN_KEEPALIVE void nimbara_practice_press(int tool, double x, double y) {
  const AppContext app = PageContext();
  const PointF at = MapPointAt(app, x, y);
  if (tool == static_cast<int>(PracticeTool::Erase)) ErasePracticeLineAt(app.state, at);
  if (tool == static_cast<int>(PracticeTool::High)) AddPracticeMark(app.state, CentreMarkKind::High, at);
  if (tool == static_cast<int>(PracticeTool::Low)) AddPracticeMark(app.state, CentreMarkKind::Low, at);
  DrawPracticeMap(app);
}

EMSCRIPTEN_KEEPALIVE void nimbara_practice_undo() {
  const AppContext app = PageContext();
  if (UndoPractice(app.state)) DrawPracticeMap(app);
}

EMSCRIPTEN_KEEPALIVE int nimbara_practice_line_count() {
  return static_cast<int>(PageContext().state.practice.drawing.lines.size());
}

// 答え合わせ: the score in words, a line each; empty without a grid.
EMSCRIPTEN_KEEPALIVE const char* nimbara_practice_check() {
  // Kept until the next call; the page copies it at once.
  static std::string text;
  text.clear();
  if (const std::optional<PracticeScore> score = CheckPractice(PageContext()))
    for (const std::string& line : PracticeReportLines(*score)) text += line + "\n";
  return text.c_str();
}

// 保存 into a file the page then downloads, and 読みこみ of a file it stored.
EMSCRIPTEN_KEEPALIVE int nimbara_practice_save(const char* path) { return SavePracticeAs(PageContext(), path); }
EMSCRIPTEN_KEEPALIVE int nimbara_practice_open(const char* path) { return LoadPracticeFrom(PageContext(), path); }
}
