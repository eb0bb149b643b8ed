// Scoring a class set of isobar practice drawings, as `nimbara practice-score`
// does: 40 pupils' drawings of the sample map, each the answer's isobars
// moved a little differently and drawn with a shaky hand (a point every map
// unit, as a stroke keeps them). Goal: the whole set in 1 s.

#include <benchmark/benchmark.h>

#include <cmath>

#include "app/FileCommands.h"
#include "app/IsobarLayer.h"
#include "app/PracticeCommands.h"
#include "cli/Session.h"

namespace nimbara {
namespace {

constexpr int kClassSize = 40;
constexpr double kStrokeStep = 1.0;  // map units between a stroke's points
constexpr double kShake = 1.5;       // map units

PracticeDrawing PupilDrawing(const PracticeDrawing& answer, int pupil) {
  PracticeDrawing drawing{{}, answer.marks};
  const double dx = std::sin(pupil) * 6;
  const double dy = std::cos(pupil * 1.7) * 6;
  for (const PracticeLine& line : answer.lines) {
    PracticeLine drawn{line.value, {}};
    const PathMeasure measure(line.points);
    for (double along = 0; along <= measure.Length(); along += kStrokeStep) {
      const PointF p = measure.At(along).at;
      drawn.points.push_back({p.x + dx + kShake * std::sin(along * 0.7 + pupil),
                              p.y + dy + kShake * std::cos(along * 0.5 + pupil)});
    }
    drawing.lines.push_back(std::move(drawn));
  }
  return drawing;
}

void BM_ScoreClassSet(benchmark::State& benchState) {
  QuietRun run;
  OpenDataFile(run.Context(), std::string(NIMBARA_SAMPLES) + "/20240115_06.txt");
  EnsurePressureGrid(run.Context());
  const PracticeReference reference = CurrentPracticeReference(run.state);
  const PracticeDrawing answer = AnswerDrawing(reference);
  std::vector<PracticeDrawing> drawings;
  for (int pupil = 0; pupil < kClassSize; ++pupil) drawings.push_back(PupilDrawing(answer, pupil));
  for (auto _ : benchState)
    for (const PracticeDrawing& drawing : drawings)
      benchmark::DoNotOptimize(ScoreDrawing(run.state, reference, drawing));
}
BENCHMARK(BM_ScoreClassSet)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace nimbara
