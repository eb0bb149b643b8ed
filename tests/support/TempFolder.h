#pragma once
// A fresh folder under the system's temporary folder for a test that writes
// files, unique to the process and the test (ctest runs tests side by side),
// removed with everything in it when the test ends.

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <string>

namespace nimbara::testing {

class TempFolder {
 public:
  TempFolder() {
    static std::atomic<int> serial{0};
    m_path = std::filesystem::temp_directory_path() /
             ("nimbara_test_" + std::to_string(::getpid()) + "_" + std::to_string(serial++));
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string Path() const { return m_path.generic_string(); }
  std::string File(const std::string& name) const { return (m_path / name).generic_string(); }

 private:
  std::filesystem::path m_path;
};

}  // namespace nimbara::testing
