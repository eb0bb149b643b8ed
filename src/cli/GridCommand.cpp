#include <iostream>

#include "app/FileCommands.h"
#include "app/IsobarLayer.h"
#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/OutputClash.h"
#include "cli/Session.h"
#include "io/IsobarFile.h"

namespace nimbara {
namespace {

constexpr const char* kNoPressures = "気圧が入力されていません";

}  // namespace

int GridCommand(int argc, char** argv) {
  Arguments args(argc, argv, 2);
  const auto output = args.TakeValue("-o");
  const auto files = args.TakePositionals();
  if (!args.Error().empty()) return UsageError(args.Error().c_str());
  if (!output || files.size() != 1) return UsageError("grid needs DATA.txt and -o ISOBARS.cnt");
  if (std::string clash = OutputClash({*output}, files); !clash.empty()) return Failure(clash);
  QuietRun run;
  AppState& state = run.state;
  const AppContext app = run.Context();
  state.fullDataMode = false;
  if (FileStatus status = OpenDataFile(app, files.front()); !status) return Failure(ReadProblem(status));
  if (StationPressureCount(state.store) == 0) {
    std::cerr << kNoPressures << "\n";
    return kExitFailure;
  }
  EnsurePressureGrid(app);
  if (TextFileSave save = WriteIsobarFile(*output, state.field.grid, state.store, state.plot); !save)
    return Failure(WriteProblem(save.status));
  return kExitOk;
}

}  // namespace nimbara
