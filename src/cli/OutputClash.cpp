#include "cli/OutputClash.h"

#include <sys/stat.h>

#include <filesystem>
#include <map>

namespace nimbara {
namespace {

// One key per file: an existing file by its device and inode (so links and
// ".." lead to it), a new one by its absolute path with links resolved.
std::string FileKey(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0) return std::to_string(info.st_dev) + ":" + std::to_string(info.st_ino);
  const std::filesystem::path absolute = std::filesystem::absolute(path).lexically_normal();
  std::error_code error;
  const std::filesystem::path resolved = std::filesystem::weakly_canonical(absolute, error);
  return "/" + (error ? absolute : resolved).string();
}

}  // namespace

std::string OutputClash(const std::vector<std::string>& outputs, const std::vector<std::string>& inputs,
                        const std::vector<std::string>& sources) {
  std::map<std::string, std::string> inputKeys;
  for (const std::string& input : inputs) inputKeys.emplace(FileKey(input), input);
  std::map<std::string, std::size_t> outputKeys;
  for (std::size_t i = 0; i < outputs.size(); ++i) {
    const std::string& output = outputs[i];
    const std::string key = FileKey(output);
    if (auto input = inputKeys.find(key); input != inputKeys.end())
      return output + " would overwrite the input " + input->second;
    auto [earlier, added] = outputKeys.emplace(key, i);
    if (added) continue;
    if (i < sources.size())
      return sources[earlier->second] + " and " + sources[i] + " would both be drawn into " + output;
    return outputs[earlier->second] + " and " + output + " are the same output file; a map would be lost";
  }
  return {};
}

bool SameFile(const std::string& a, const std::string& b) { return FileKey(a) == FileKey(b); }

}  // namespace nimbara
