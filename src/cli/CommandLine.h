#pragma once

namespace nimbara {

// No arguments: the application. Otherwise a subcommand of the command line.
int RunMain(int argc, char** argv);

}  // namespace nimbara
