#include "cli/CommandLine.h"

#include <cstring>
#include <iostream>

#include "app/windows/Application.h"
#include "cli/Commands.h"

namespace nimbara {

int PrintHelp() {
  std::cout <<
      R"(Usage: nimbara [COMMAND [OPTIONS]]

With no command, nimbara starts the application.

Commands:
  render [DATA.txt] -o OUT.png [options]
      Draws the weather map into a PNG picture. Without DATA.txt the empty
      map (the base map only) is drawn.
      --size WxH        picture size in pixels (default 800x800)
      --ops OPS.txt     also write the drawing log, one line per drawing call
                        (format in the README)

  --help, -h   show this text

Errors go to standard error; the exit code is then 2.
)";
  return kExitOk;
}

int UsageError(const char* message) {
  std::cerr << "nimbara: " << message << "\nTry 'nimbara --help'.\n";
  return kExitFailure;
}

int RunMain(int argc, char** argv) {
  if (argc < 2) return RunApplication(argc, argv);
  const char* command = argv[1];
  if (std::strcmp(command, "--help") == 0 || std::strcmp(command, "-h") == 0 ||
      std::strcmp(command, "help") == 0)
    return PrintHelp();
  if (std::strcmp(command, "render") == 0) return RenderCommand(argc, argv);
  return UsageError((std::string("unknown command ") + command).c_str());
}

}  // namespace nimbara
