#include "app/PracticeCommands.h"

#include <cmath>

#include "app/DisplayCommands.h"
#include "app/FileCommands.h"
#include "app/FileMessages.h"
#include "app/IsobarLayer.h"
#include "core/Numbers.h"
#include "io/PracticeFile.h"
#include "pressure/PracticeGeometry.h"
#include "render/PracticeLayer.h"

namespace nimbara {
namespace {

// Where the value box starts when no station has a pressure.
constexpr double kStandardPressure = 1012.0;
// Points of a stroke closer than this to the one kept before add nothing.
constexpr double kStrokeStep = 1.0;
// A stroke shorter than this is a slip of the hand, not a line.
constexpr double kShortestLine = 3.0;
// How near a press must come to a line to erase it.
constexpr double kEraseReach = 8.0;
constexpr double kTenths = 10.0;

PointF ToTenths(PointF p) {
  return {std::nearbyint(p.x * kTenths) / kTenths, std::nearbyint(p.y * kTenths) / kTenths};
}

// The drawing is about to change: the old one is kept for 元に戻す and the
// answer, which was for it, is put away.
void BeforeChange(PracticeSession& session) {
  session.history.push_back(session.drawing);
  session.answerShown = false;
}

// The drawing is kept beside the data file: without one, that is said.
bool HasDataFileBeside(const AppContext& app) {
  if (!app.state.currentFilePath.empty()) return true;
  app.ui.Message(kPracticeTitle, kNoDataFileForPractice, MessageIcon::Information);
  return false;
}

}  // namespace

void cntRenshuu_Click(const AppContext& app) { app.ui.ShowWindow(WindowId::Renshuu); }

PracticeReference CurrentPracticeReference(const AppState& state) {
  const SampledField field = AnalysePressure(AnalysisObservations(state.store, state.plot));
  return AnalysisPracticeReference(field, state.isobar.interval, TrueCentres(state.store, state.plot));
}

double PracticeValueStep(const AppState& state) { return state.isobar.interval / kPressureScale; }

double StartingPracticeValue(const AppState& state) {
  double sum = 0;
  int count = 0;
  for (int i = 0; i < ClampCount(state.store.stationCount); ++i)
    if (const std::int32_t hPa = state.store.stationRecords[i].pressure; hPa > 0) {
      sum += hPa;
      ++count;
    }
  const double step = PracticeValueStep(state);
  if (count == 0 || step <= 0) return kStandardPressure;
  return std::nearbyint(sum / count / step) * step;
}

bool StartPractice(const AppContext& app) {
  if (!EnsurePressureGrid(app)) return false;
  app.state.practice = PracticeSession{};
  app.state.practice.value = StartingPracticeValue(app.state);
  DrawPracticeMap(app);
  return true;
}

void DrawPracticeMap(const AppContext& app) {
  const AppState& state = app.state;
  LayerSwitches layers = state.layers;
  layers.isobars = false;
  DrawLayers(app, layers);
  const PracticeSession& session = state.practice;
  if (session.answerShown)
    DrawPracticeWithAnswer(app.canvas, session.drawing, AnswerDrawing(CurrentPracticeReference(state)));
  else
    DrawPracticeDrawing(app.canvas, session.drawing, kPupilLineColour);
}

bool AddPracticeLine(AppState& state, const Path& stroke) {
  Path points;
  for (const PointF& p : stroke)
    if (points.empty() || Distance(points.back(), p) >= kStrokeStep) points.push_back(ToTenths(p));
  if (points.size() < 2 || PathLength(points) < kShortestLine) return false;
  PracticeSession& session = state.practice;
  BeforeChange(session);
  session.drawing.lines.push_back({session.value, std::move(points)});
  return true;
}

void AddPracticeMark(AppState& state, CentreMarkKind kind, PointF at) {
  BeforeChange(state.practice);
  state.practice.drawing.marks.push_back({kind, ToTenths(at)});
}

bool ErasePracticeLineAt(AppState& state, PointF at) {
  std::vector<PracticeLine>& lines = state.practice.drawing.lines;
  std::optional<std::size_t> nearest;
  double nearestDistance = kEraseReach;
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (const auto on = NearestPointOn(lines[i].points, at); on && on->distance <= nearestDistance) {
      nearest = i;
      nearestDistance = on->distance;
    }
  if (!nearest) return false;
  BeforeChange(state.practice);
  lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*nearest));
  return true;
}

bool UndoPractice(AppState& state) {
  PracticeSession& session = state.practice;
  if (session.history.empty()) return false;
  session.drawing = std::move(session.history.back());
  session.history.pop_back();
  session.answerShown = false;
  return true;
}

PracticeScore ScoreDrawing(const AppState& state, const PracticeReference& reference,
                           const PracticeDrawing& drawing) {
  return ScorePractice(drawing, reference, PracticeStations(state.store, state.plot));
}

std::optional<PracticeScore> CheckPractice(const AppContext& app) {
  if (!EnsurePressureGrid(app)) return std::nullopt;
  PracticeScore score = ScoreDrawing(app.state, CurrentPracticeReference(app.state), app.state.practice.drawing);
  app.state.practice.answerShown = true;
  DrawPracticeMap(app);
  return score;
}

bool SavePractice(const AppContext& app) {
  if (!HasDataFileBeside(app)) return false;
  return SavePracticeAs(app, PracticeFileName(app.state.currentFilePath));
}

bool SavePracticeAs(const AppContext& app, const std::string& path) {
  return ReportSave(app.ui, path, WritePracticeFile(path, app.state.practice.drawing));
}

bool LoadPractice(const AppContext& app) {
  if (!HasDataFileBeside(app)) return false;
  return LoadPracticeFrom(app, PracticeFileName(app.state.currentFilePath));
}

bool LoadPracticeFrom(const AppContext& app, const std::string& path) {
  PracticeFileRead read = ReadPracticeFile(path);
  if (!read.status) {
    ReportUnreadFile(app.ui, kPracticeTitle, read.status);
    return false;
  }
  BeforeChange(app.state.practice);
  app.state.practice.drawing = std::move(read.drawing);
  DrawPracticeMap(app);
  return true;
}

FileStatus ShowPracticeFile(const AppContext& app, const std::string& practicePath,
                            const std::optional<std::string>& givenDataPath) {
  const std::optional<std::string> dataPath = givenDataPath ? givenDataPath : DataFileOfPractice(practicePath);
  if (!dataPath) return {FileFault::WrongKind, 0, practicePath};
  PracticeFileRead read = ReadPracticeFile(practicePath);
  if (!read.status) return read.status;
  if (FileStatus status = OpenDataFile(app, *dataPath); !status) return status;
  if (!EnsurePressureGrid(app)) return {FileFault::WrongKind, 0, *dataPath};
  PracticeSession& session = app.state.practice;
  session = PracticeSession{};
  session.drawing = std::move(read.drawing);
  session.answerShown = true;
  DrawPracticeMap(app);
  return {};
}

}  // namespace nimbara
