#include <iostream>

#include "app/FileCommands.h"
#include "app/IsobarLayer.h"
#include "app/PracticeCommands.h"
#include "app/PracticeReport.h"
#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/Session.h"
#include "io/PracticeFile.h"

namespace nimbara {

int PracticeScoreCommand(int argc, char** argv) {
  Arguments args(argc, argv, 2);
  const auto files = args.TakePositionals();
  if (!args.Error().empty()) return UsageError(args.Error().c_str());
  if (files.size() < 2) return UsageError("practice-score needs DATA.txt and at least one DRAWING.practice.txt");
  QuietRun run;
  AppState& state = run.state;
  const AppContext app = run.Context();
  if (FileStatus status = OpenDataFile(app, files.front()); !status) return Failure(ReadProblem(status));
  if (StationPressureCount(state.store) == 0 || !EnsurePressureGrid(app))
    return Failure(files.front() + ": no pressures to draw isobars from");
  const PracticeReference reference = CurrentPracticeReference(state);
  int exitCode = kExitOk;
  for (std::size_t i = 1; i < files.size(); ++i) {
    const PracticeFileRead read = ReadPracticeFile(files[i]);
    if (!read.status) {
      std::cerr << "nimbara: " << ReadProblem(read.status) << "\n";
      exitCode = kExitFailure;
      continue;
    }
    std::cout << PracticeScoreRow(files[i], ScoreDrawing(state, reference, read.drawing)) << "\n";
  }
  return exitCode;
}

}  // namespace nimbara
