#pragma once
// The subcommands of the command line. Each returns the process exit code:
// 0 done, 2 a usage error or input that cannot be used (message on stderr).

#include <string>

namespace nimbara {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 2;

int RenderCommand(int argc, char** argv);
int GridCommand(int argc, char** argv);
int ImportCommand(int argc, char** argv);
int PracticeScoreCommand(int argc, char** argv);
int PrintHelp();
int UsageError(const char* message);
// Input or output that cannot be used: the message on stderr, exit code 2.
int Failure(const std::string& message);

}  // namespace nimbara
