#include "io/FileIo.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "support/FileSizeLimit.h"

namespace nimbara {
namespace {

namespace fs = std::filesystem;

class FileIoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() / ("nimbara-fileio-" + std::to_string(::getpid()));
    fs::create_directories(m_dir);
  }
  void TearDown() override { fs::remove_all(m_dir); }
  std::string Path(const std::string& name) const { return (m_dir / name).string(); }
  std::size_t FileCount() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()));
  }
  fs::path m_dir;
};

TEST_F(FileIoTest, AtomicWriteReplacesTheFileAndLeavesNoTemporary) {
  ASSERT_TRUE(WriteFileAtomically(Path("a.txt"), "old"));
  ASSERT_TRUE(WriteFileAtomically(Path("a.txt"), "new"));
  EXPECT_EQ(ReadWholeFile(Path("a.txt")), "new");
  EXPECT_EQ(FileCount(), 1u);
}

TEST_F(FileIoTest, FailedWriteKeepsTheEarlierFileAndSaysWhy) {
  ASSERT_TRUE(WriteFileAtomically(Path("a.txt"), "good"));
  std::string error;
  {
    testing::FileSizeLimit fullDisk(8);
    EXPECT_FALSE(WriteFileAtomically(Path("a.txt"), "a text too long for the disk", &error));
  }
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(ReadWholeFile(Path("a.txt")), "good");
  EXPECT_EQ(FileCount(), 1u);
}

TEST_F(FileIoTest, AFolderThatCannotHoldFilesFailsEvenForTheSuperuser) {
  std::string error;
  EXPECT_FALSE(WriteFileAtomically("/proc/nimbara-test.txt", "x", &error));
  EXPECT_FALSE(error.empty());
}

TEST_F(FileIoTest, WritingIntoAMissingFolderFails) {
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(Path("missing/a.txt"), "x", &error));
  EXPECT_FALSE(error.empty());
}

TEST_F(FileIoTest, FoldersAndMissingFilesAreNotReadable) {
  EXPECT_EQ(ReadWholeFile(Path("nothing")), std::nullopt);
  EXPECT_EQ(ReadWholeFile(m_dir.string()), std::nullopt);
  ASSERT_TRUE(WriteFileAtomically(Path("big"), std::string(100, 'x')));
  EXPECT_EQ(ReadWholeFile(Path("big"), 10), std::nullopt);
}

TEST_F(FileIoTest, Cp932FilesGetCrLfAndReadBackAsUtf8) {
  ASSERT_TRUE(WriteCp932File(Path("c.txt"), "各地の天気\n石垣島\n"));
  EXPECT_EQ(ReadWholeFile(Path("c.txt")), "\x8a\x65\x92\x6e\x82\xcc\x93\x56\x8b\x43\r\n\x90\xce\x8a\x5f\x93\x87\r\n");
  EXPECT_EQ(ReadCp932File(Path("c.txt")), "各地の天気\r\n石垣島\r\n");
}

TEST(FilePaths, FileNameIgnoresFolders) {
  EXPECT_EQ(FileNameOf("/home/a.b/map"), "map");
  EXPECT_EQ(FileNameOf("map.txt"), "map.txt");
}

}  // namespace
}  // namespace nimbara
