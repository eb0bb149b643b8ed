#include "cli/RuntimeFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <chrono>
#include <fstream>
#include <set>

#include "support/TempFolder.h"

namespace nimbara {
namespace {

namespace fs = std::filesystem;

// A process id no process can have: one above the system's largest.
std::string EndedProcess() {
  long largest = 0;
  std::ifstream("/proc/sys/kernel/pid_max") >> largest;
  return std::to_string(largest + 1);
}

TEST(RuntimeFolder, AStartRemovesOnlyTheFoldersOfEndedRunsOfThisUser) {
  testing::TempFolder temp;
  const std::string ended = EndedProcess();
  const std::string running = std::to_string(::getpid());
  const auto make = [&](const std::string& name) {
    fs::create_directory(temp.File(name));
    return temp.File(name);
  };
  make("nimbara-runtime-" + ended + "-aB3xYz");
  std::ofstream(make("nimbara-runtime-" + ended + "-fulL00") + "/socket") << "";
  make("nimbara-runtime-" + running + "-aB3xYz");
  const std::string oldForm = make("nimbara-runtime-Old123");
  const fs::file_time_type twoHoursAgo = fs::last_write_time(oldForm) - std::chrono::hours(2);
  fs::last_write_time(oldForm, twoHoursAgo);
  make("nimbara-runtime-New123");
  std::ofstream(make("nimbara-runtime-Use123") + "/socket") << "";
  fs::last_write_time(temp.File("nimbara-runtime-Use123"), twoHoursAgo);
  make("target");
  fs::create_directory_symlink(temp.File("target"), temp.File("nimbara-runtime-" + ended + "-linked"));
  make("other-" + ended + "-aB3xYz");

  const std::string mine = MakePrivateRuntimeFolder(temp.Path());
  std::set<std::string> left;
  for (const fs::directory_entry& entry : fs::directory_iterator(temp.Path())) left.insert(entry.path().filename());
  EXPECT_EQ(left, (std::set<std::string>{"nimbara-runtime-" + running + "-aB3xYz", "nimbara-runtime-New123",
                                         "nimbara-runtime-Use123", "target", "nimbara-runtime-" + ended + "-linked",
                                         "other-" + ended + "-aB3xYz", fs::path(mine).filename()}));
  EXPECT_TRUE(fs::path(mine).filename().string().starts_with("nimbara-runtime-" + running + "-"));
  EXPECT_EQ(fs::status(mine).permissions(), fs::perms::owner_all);
}

}  // namespace
}  // namespace nimbara
