#include <unistd.h>

#include <iostream>

#include "app/FileCommands.h"
#include "app/IsobarLayer.h"
#include "app/PasteCommands.h"
#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/Session.h"
#include "io/Cp932.h"
#include "io/FileIo.h"

namespace nimbara {
namespace {

constexpr std::string_view kStandardInput = "-";

// Standard input is read to its end, like a file: the bulletin is one text,
// within the same limit.
FileRead ReadAllOf(const std::string& path) {
  if (path != kStandardInput) return ReadFile(path, kMaxBulletinBytes);
  return ReadDescriptor(STDIN_FILENO, "standard input", kMaxBulletinBytes);
}

// A bulletin saved from a browser is UTF-8 today; older ones are CP932.
std::string BulletinText(std::string bytes) {
  if (IsValidUtf8(bytes)) return bytes;
  return DecodeCp932(bytes).text;
}

// The paste's report, as its message box would show it.
void PrintReport(const std::string& path, const PasteReport& report, const ObservationStore& store) {
  std::cerr << (path == kStandardInput ? "(standard input)" : path) << ":\n";
  for (const std::string& line : PasteReportLines(report, store)) std::cerr << line << "\n";
}

}  // namespace

int ImportCommand(int argc, char** argv) {
  Arguments args(argc, argv, 2);
  const auto output = args.TakeValue("-o");
  const auto previous = args.TakeValue("--load");
  const bool full = args.TakeFlag("--full");
  const auto bulletins = args.TakePositionals();
  if (!args.Error().empty()) return UsageError(args.Error().c_str());
  if (!output) return UsageError("import needs -o DATA.txt");
  if (bulletins.empty() && !previous) return UsageError("import needs bulletin files or --load OLD.txt");

  QuietRun run;
  AppState& state = run.state;
  const AppContext app = run.Context();
  if (previous) {
    state.fullDataMode = false;
    if (FileStatus status = OpenDataFile(app, *previous); !status) return Failure(ReadProblem(status));
  }
  for (const auto& path : bulletins) {
    FileRead read = ReadAllOf(path);
    if (!read.status) return Failure(ReadProblem(read.status));
    const PasteReport report = ImportBulletinText(app, BulletinText(std::move(read.content)), PastedCopy::None);
    PrintReport(path, report, state.store);
    if (!report.Recognised()) return kExitFailure;
  }
  state.fullDataMode = full;
  // A full data file carries the isobar file of the observations beside it.
  if (full && StationPressureCount(state.store) > 0) EnsurePressureGrid(app);
  return SaveDataFileAt(app, *output, CompanionPictures::Untouched) ? kExitOk : kExitFailure;
}

}  // namespace nimbara
