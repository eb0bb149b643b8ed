#include "io/FileIo.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"

namespace nimbara {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

std::size_t FileCount(const TempFolder& folder) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()));
}

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  ::stat(path.c_str(), &info);
  return info.st_mode & 07777;
}

TEST(AtomicWrite, ReplacesTheFileAndLeavesNoTemporary) {
  TempFolder folder;
  ASSERT_TRUE(WriteFileAtomically(folder.File("a.txt"), "old"));
  ASSERT_TRUE(WriteFileAtomically(folder.File("a.txt"), "new"));
  EXPECT_EQ(ReadWholeFile(folder.File("a.txt")), "new");
  EXPECT_EQ(FileCount(folder), 1u);
}

TEST(AtomicWrite, FailedWriteKeepsTheEarlierFileAndSaysWhy) {
  TempFolder folder;
  ASSERT_TRUE(WriteFileAtomically(folder.File("a.txt"), "good"));
  FileStatus status;
  {
    testing::FileSizeLimit fullDisk(8);
    status = WriteFileAtomically(folder.File("a.txt"), "a text too long for the disk");
  }
  EXPECT_EQ(status.fault, FileFault::System);
  EXPECT_EQ(status.error, EFBIG);
  EXPECT_EQ(ReadWholeFile(folder.File("a.txt")), "good");
  EXPECT_EQ(FileCount(folder), 1u);
}

TEST(AtomicWrite, FoldersThatCannotHoldTheFileFailEvenForTheSuperuser) {
  TempFolder folder;
  for (const std::string& path : {std::string("/proc/nimbara-test.txt"), folder.File("missing/a.txt")}) {
    const FileStatus status = WriteFileAtomically(path, "x");
    EXPECT_EQ(status.fault, FileFault::System) << path;
    EXPECT_NE(status.error, 0) << path;
  }
}

TEST(AtomicWrite, ReplacedFileKeepsItsPermissionBitsAndANewOneFollowsTheUmask) {
  TempFolder folder;
  ASSERT_TRUE(WriteFileAtomically(folder.File("kept.txt"), "old"));
  ::chmod(folder.File("kept.txt").c_str(), 0660);
  const mode_t saved = ::umask(027);
  const bool written = WriteFileAtomically(folder.File("kept.txt"), "new") &&
                       WriteFileAtomically(folder.File("new.txt"), "new");
  ::umask(saved);
  ASSERT_TRUE(written);
  EXPECT_EQ(ModeOf(folder.File("kept.txt")), 0660u);
  EXPECT_EQ(ModeOf(folder.File("new.txt")), 0640u);
}

// The superuser could write the file, so the rule looks at its bits.
TEST(AtomicWrite, ReadOnlyFileIsNotReplaced) {
  TempFolder folder;
  const std::string path = folder.File("a.txt");
  ASSERT_TRUE(WriteFileAtomically(path, "old"));
  ::chmod(path.c_str(), 0444);
  const FileStatus status = WriteFileAtomically(path, "new");
  EXPECT_EQ(status.fault, FileFault::ReadOnly);
  EXPECT_EQ(status.path, path);
  EXPECT_EQ(ReadWholeFile(path), "old");
  EXPECT_EQ(FileCount(folder), 1u);
}

TEST(AtomicWrite, SymbolicLinksStayLinksToTheReplacedFile) {
  TempFolder folder;
  fs::create_directory(folder.File("real"));
  ASSERT_TRUE(WriteFileAtomically(folder.File("real/map.txt"), "old"));
  fs::create_symlink("real/map.txt", folder.File("link.txt"));
  fs::create_symlink(folder.File("link.txt"), folder.File("chain.txt"));
  fs::create_symlink("real/new.txt", folder.File("dangling.txt"));
  ASSERT_TRUE(WriteFileAtomically(folder.File("chain.txt"), "new"));
  ASSERT_TRUE(WriteFileAtomically(folder.File("dangling.txt"), "made"));
  EXPECT_TRUE(fs::is_symlink(folder.File("link.txt")));
  EXPECT_TRUE(fs::is_symlink(folder.File("chain.txt")));
  EXPECT_TRUE(fs::is_symlink(folder.File("dangling.txt")));
  EXPECT_EQ(ReadWholeFile(folder.File("real/map.txt")), "new");
  EXPECT_EQ(ReadWholeFile(folder.File("real/new.txt")), "made");
  // A failure names the file as it was given, not where its link leads.
  fs::permissions(folder.File("real/map.txt"), fs::perms::owner_read);
  EXPECT_EQ(WriteFileAtomically(folder.File("chain.txt"), "newer").path, folder.File("chain.txt"));
}

TEST(FileReading, OnlyRegularFilesWithinTheLimitAreRead) {
  TempFolder folder;
  ASSERT_EQ(::mkfifo(folder.File("fifo").c_str(), 0600), 0);
  ASSERT_TRUE(WriteFileAtomically(folder.File("big"), std::string(100, 'x')));
  const struct {
    std::string path;
    std::size_t limit;
    FileFault fault;
  } cases[] = {
      {folder.File("nothing"), kDefaultMaxFileBytes, FileFault::Missing},
      {folder.Path(), kDefaultMaxFileBytes, FileFault::Folder},
      {folder.File("fifo"), kDefaultMaxFileBytes, FileFault::NotRegular},  // opened without waiting
      {"/dev/zero", kDefaultMaxFileBytes, FileFault::NotRegular},
      {folder.File("big"), 10, FileFault::TooLarge},
      {folder.File("big"), 100, FileFault::None},
  };
  for (const auto& c : cases) {
    const FileRead read = ReadFile(c.path, c.limit);
    EXPECT_EQ(read.status.fault, c.fault) << c.path;
    EXPECT_EQ(read.content.size(), c.fault == FileFault::None ? c.limit : 0u) << c.path;
  }
}

TEST(FileReading, EndlessStreamIsRefusedOnceItPassesTheLimit) {
  const int zero = ::open("/dev/zero", O_RDONLY);
  ASSERT_GE(zero, 0);
  const FileRead read = ReadDescriptor(zero, "standard input", std::size_t{1} << 20);
  ::close(zero);
  EXPECT_EQ(read.status.fault, FileFault::TooLarge);
  EXPECT_EQ(read.status.path, "standard input");
  EXPECT_TRUE(read.content.empty());
}

TEST(FileReading, Cp932FilesReadBackAsUtf8AndUtf8TextIsRefused) {
  TempFolder folder;
  ASSERT_TRUE(WriteFileAtomically(folder.File("c.txt"), "\x8a\x65\x92\x6e\x82\xcc\x93\x56\x8b\x43\r\n"));
  EXPECT_EQ(ReadCp932File(folder.File("c.txt")), "各地の天気\r\n");
  ASSERT_TRUE(WriteFileAtomically(folder.File("u.txt"), "各地の天気\r\n"));
  EXPECT_EQ(ReadCp932TextFile(folder.File("u.txt")).status.fault, FileFault::Utf8Text);
}

}  // namespace
}  // namespace nimbara
