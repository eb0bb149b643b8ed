#pragma once
// The folders of the module's in-memory file system that files pass through:
// the page writes the files the person chose into the open folder and
// downloads what a save wrote into the save folder. A command runs inside its
// folder, so that its messages name a file as the person knows it
// ("memo.txt"), not by where the page put it.

#include <string>
#include <vector>

namespace nimbara {

inline constexpr const char* kOpenFolder = "/open";
inline constexpr const char* kSaveFolder = "/save";

// The folder made if need be and entered; left again at the end of the scope.
class FolderVisit {
 public:
  explicit FolderVisit(const char* folder);
  ~FolderVisit();
  FolderVisit(const FolderVisit&) = delete;
  FolderVisit& operator=(const FolderVisit&) = delete;
};

// The names of the files in a folder, sorted.
std::vector<std::string> FolderFiles(const std::string& folder);
// Removes every file in the folder.
void EmptyFolder(const std::string& folder);

}  // namespace nimbara
