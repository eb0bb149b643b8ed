#pragma once
// A fresh folder under the system's temporary folder, removed with the test.

#include <filesystem>
#include <string>

#include <unistd.h>

#include <gtest/gtest.h>

namespace nimbara::testing {

class ScratchFolder {
 public:
  ScratchFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    m_path = std::filesystem::temp_directory_path() /
             ("nimbara_" + std::string(info->test_suite_name()) + "_" + info->name() + "_" +
              std::to_string(::getpid()));
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::string Path() const { return m_path.generic_string(); }
  std::string File(const std::string& name) const { return (m_path / name).generic_string(); }

 private:
  std::filesystem::path m_path;
};

}  // namespace nimbara::testing
