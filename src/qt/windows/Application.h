#pragma once

namespace nimbara {

// Starts the desktop application and returns its exit code.
int RunApplication(int argc, char** argv);

}  // namespace nimbara
