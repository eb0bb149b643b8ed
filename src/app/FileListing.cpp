#include "app/FileListing.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace nimbara {
namespace {

char Fold(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool MatchesOne(std::string_view name, std::string_view pattern) {
  if (pattern == "*.*") return true;
  // Iterative wildcard match with one backtracking point for the last "*".
  std::size_t n = 0, p = 0, starAt = std::string_view::npos, resumeAt = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || Fold(pattern[p]) == Fold(name[n]))) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starAt = p++;
      resumeAt = n;
    } else if (starAt != std::string_view::npos) {
      p = starAt + 1;
      n = ++resumeAt;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace

bool MatchesFilePattern(std::string_view name, std::string_view pattern) {
  std::size_t start = 0;
  while (start <= pattern.size()) {
    std::size_t end = pattern.find(';', start);
    if (end == std::string_view::npos) end = pattern.size();
    const std::string_view one = pattern.substr(start, end - start);
    if (!one.empty() && MatchesOne(name, one)) return true;
    start = end + 1;
  }
  return false;
}

std::vector<std::string> ListFiles(const std::string& folder, const std::string& pattern) {
  std::vector<std::string> names;
  std::error_code error;
  std::filesystem::directory_iterator it(folder.empty() ? "." : folder, error);
  for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    std::string name = it->path().filename().string();
    if (MatchesFilePattern(name, pattern)) names.push_back(std::move(name));
  }
  // std::string compares its bytes as unsigned: the code point order of UTF-8.
  std::sort(names.begin(), names.end());
  return names;
}

std::string CurrentDirectory() {
  std::error_code error;
  const auto path = std::filesystem::current_path(error);
  return error ? std::string() : path.generic_string();
}

bool SetCurrentDirectory(const std::string& folder) {
  std::error_code error;
  std::filesystem::current_path(folder, error);
  return !error;
}

bool EnterFolder(const std::string& folder) {
  std::error_code error;
  const std::filesystem::directory_iterator listing(folder, error);
  return !error && SetCurrentDirectory(folder);
}

}  // namespace nimbara
