#include <unistd.h>

#include <iostream>

#include "app/FileCommands.h"
#include "app/IsobarLayer.h"
#include "app/PasteCommands.h"
#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/OutputClash.h"
#include "cli/Session.h"
#include "io/Cp932.h"
#include "io/FileIo.h"
#include "io/FileNames.h"

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

// What a save at `output` writes or removes: a full save also the isobar file
// and the pictures beside the data file.
std::vector<std::string> SavedFiles(const std::string& output, bool full) {
  std::vector<std::string> files{output};
  if (!full) return files;
  files.push_back(CompanionIsobarName(output));
  for (std::string& picture : CompanionPictureNames(output)) files.push_back(std::move(picture));
  return files;
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
  // The loaded file may be saved over (a load and save); a bulletin may not.
  std::vector<std::string> inputs;
  for (const std::string& bulletin : bulletins) {
    if (bulletin != kStandardInput) inputs.push_back(bulletin);
  }
  if (std::string clash = OutputClash(SavedFiles(*output, full), inputs); !clash.empty()) return Failure(clash);

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
  // A full data file carries the isobar file of the observations beside it,
  // and no picture: one of another day under its name would show with it.
  // Saved over the loaded file, the set keeps its own picture.
  if (full && StationPressureCount(state.store) > 0) EnsurePressureGrid(app);
  const bool resaved = previous && SameFile(*previous, *output);
  return SaveDataFileAt(app, *output, resaved ? CompanionPictures::Untouched : CompanionPictures::Saved)
             ? kExitOk
             : kExitFailure;
}

}  // namespace nimbara
