#include "cli/CommandLine.h"

namespace nimbara {

int RunMain(int, char**) { return 0; }

}  // namespace nimbara
