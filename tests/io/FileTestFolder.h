#pragma once
// A fresh folder under the system's temporary folder for tests that write
// files; removed with everything in it when the test ends.

#include <atomic>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace nimbara::testing {

class FileTestFolder {
 public:
  FileTestFolder() {
    static std::atomic<int> serial{0};
    m_path = std::filesystem::temp_directory_path() /
             ("nimbara_files_" + std::to_string(::getpid()) + "_" + std::to_string(serial++));
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
  }
  ~FileTestFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
  }
  FileTestFolder(const FileTestFolder&) = delete;
  FileTestFolder& operator=(const FileTestFolder&) = delete;

  std::string Path() const { return m_path.string(); }
  std::string File(const std::string& name) const { return (m_path / name).string(); }

 private:
  std::filesystem::path m_path;
};

}  // namespace nimbara::testing
