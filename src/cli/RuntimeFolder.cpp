#include "cli/RuntimeFolder.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <ctime>
#include <filesystem>
#include <string_view>

namespace nimbara {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kPrefix = "nimbara-runtime-";
constexpr std::size_t kUniqueLength = 6;  // the XXXXXX of mkdtemp
constexpr std::time_t kOldFormSeconds = 60 * 60;

bool ProcessEnded(pid_t pid) { return ::kill(pid, 0) != 0 && errno == ESRCH; }

bool Stale(std::string_view name, const fs::path& path, const struct stat& info) {
  if (!name.starts_with(kPrefix)) return false;
  name.remove_prefix(kPrefix.size());
  if (name.size() == kUniqueLength) {
    std::error_code error;
    return fs::is_empty(path, error) && !error && info.st_mtime < std::time(nullptr) - kOldFormSeconds;
  }
  // "PID-XXXXXX"
  const std::size_t dash = name.size() > kUniqueLength ? name.size() - kUniqueLength - 1 : 0;
  if (dash == 0 || name[dash] != '-') return false;
  pid_t pid = 0;
  const auto [end, fault] = std::from_chars(name.data(), name.data() + dash, pid);
  return fault == std::errc() && end == name.data() + dash && pid > 0 && ProcessEnded(pid);
}

}  // namespace

void RemoveStaleRuntimeFolders(const std::string& tempFolder) {
  std::error_code error;
  for (fs::directory_iterator it(tempFolder, error), end; !error && it != end; it.increment(error)) {
    struct stat info {};
    if (::lstat(it->path().c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::geteuid()) continue;
    if (!Stale(it->path().filename().string(), it->path(), info)) continue;
    std::error_code ignored;
    fs::remove_all(it->path(), ignored);
  }
}

std::string MakePrivateRuntimeFolder(const std::string& tempFolder) {
  RemoveStaleRuntimeFolders(tempFolder);
  std::string pattern =
      (fs::path(tempFolder) / (std::string(kPrefix) + std::to_string(::getpid()) + "-XXXXXX")).string();
  return ::mkdtemp(pattern.data()) ? pattern : std::string();
}

}  // namespace nimbara
