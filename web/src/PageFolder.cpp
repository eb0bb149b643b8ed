#include "web/PageFolder.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace nimbara {
namespace {

constexpr mode_t kFolderMode = 0755;
constexpr const char* kRoot = "/";

}  // namespace

FolderVisit::FolderVisit(const char* folder) {
  mkdir(folder, kFolderMode);
  chdir(folder);
}

FolderVisit::~FolderVisit() { chdir(kRoot); }

std::vector<std::string> FolderFiles(const std::string& folder) {
  std::vector<std::string> names;
  DIR* listing = opendir(folder.c_str());
  if (!listing) return names;
  while (const dirent* entry = readdir(listing)) {
    struct stat about {};
    const std::string name = entry->d_name;
    if (stat((folder + "/" + name).c_str(), &about) == 0 && S_ISREG(about.st_mode)) names.push_back(name);
  }
  closedir(listing);
  std::sort(names.begin(), names.end());
  return names;
}

void EmptyFolder(const std::string& folder) {
  for (const std::string& name : FolderFiles(folder)) std::remove((folder + "/" + name).c_str());
}

}  // namespace nimbara
