#include "io/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <random>
#include <set>

#include "io/Cp932.h"

namespace nimbara {
namespace {

namespace fs = std::filesystem;

// Temporary files are named ".NAME.nimbara-save.XXXXXX" beside their target.
constexpr std::string_view kTemporaryMarker = ".nimbara-save.";
constexpr std::size_t kTemporarySuffixLength = 6;
constexpr std::string_view kSuffixCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kNameBytesInTemporary = 200;  // NAME_MAX leaves room for the marker and suffix
constexpr int kTemporaryNameTries = 100;
constexpr std::time_t kLeftOverSeconds = 60;  // a younger one may belong to a save in progress
constexpr int kMostLinkHops = 40;             // as many as the kernel follows
constexpr mode_t kNewFileMode = 0666;         // before the umask, as a plain save creates a file
constexpr mode_t kPrivateMode = 0600;         // until the replaced file's bits are copied
constexpr mode_t kPermissionBits = 07777;
constexpr mode_t kAnyWriteBits = 0222;

FileStatus Failed(FileFault fault, const std::string& path, int error = 0) { return {fault, error, path}; }
FileStatus SystemFailure(const std::string& path) { return Failed(FileFault::System, path, errno); }

bool HasNonAscii(std::string_view bytes) {
  return std::any_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// ---- writing ----

struct PlannedFile {
  std::string named;   // as the caller named it: what a failure names
  std::string target;  // the file replaced or removed
  const std::string* bytes;  // nothing: the file is removed
  std::optional<struct stat> existing;
  std::string temporary;
};

// `path` with its symbolic links followed: a save replaces the file a link
// names and leaves the link in place. Nothing (errno set) for a loop.
std::optional<std::string> FollowLinks(std::string path) {
  for (int hop = 0; hop < kMostLinkHops; ++hop) {
    std::error_code notALink;
    const fs::path target = fs::read_symlink(path, notALink);
    if (notALink) return path;
    path = target.is_absolute() ? target.string() : (fs::path(path).parent_path() / target).string();
  }
  errno = ELOOP;
  return std::nullopt;
}

// A failure about a file named through a link, in the name the caller gave.
FileStatus Named(FileStatus status, const std::string& named) {
  status.path = named;
  return status;
}

// Why an existing file must not be replaced or removed.
FileStatus CheckReplaceable(const std::string& target, const struct stat& info) {
  if (S_ISDIR(info.st_mode)) return Failed(FileFault::Folder, target);
  if (!S_ISREG(info.st_mode)) return Failed(FileFault::NotRegular, target);
  // A plain save fails on a read-only file. The superuser's would not, so a
  // file without any write bit is read-only for everyone.
  if ((info.st_mode & kAnyWriteBits) == 0) return Failed(FileFault::ReadOnly, target);
  if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
    return errno == EACCES ? Failed(FileFault::ReadOnly, target) : SystemFailure(target);
  return {};
}

// The plan for one file; nothing to do for a removal of a file that is not
// there or is no file of ours (a folder, a FIFO).
std::optional<PlannedFile> Plan(const FileWrite& file, FileStatus& status) {
  PlannedFile planned{file.path, file.path, file.bytes ? &*file.bytes : nullptr, std::nullopt, {}};
  if (file.bytes) {
    const auto target = FollowLinks(file.path);
    if (!target) {
      status = SystemFailure(file.path);
      return std::nullopt;
    }
    planned.target = *target;
  }
  struct stat info {};
  if (::lstat(planned.target.c_str(), &info) != 0) {
    if (errno != ENOENT) status = SystemFailure(planned.target);
    if (file.bytes) return planned;
    return std::nullopt;
  }
  planned.existing = info;
  if (!file.bytes && S_ISLNK(info.st_mode)) return planned;
  status = CheckReplaceable(planned.target, info);
  if (!file.bytes && (status.fault == FileFault::Folder || status.fault == FileFault::NotRegular)) {
    status = {};
    return std::nullopt;
  }
  return planned;
}

bool IsTemporaryName(const std::string& name) {
  const std::size_t marker = name.rfind(kTemporaryMarker);
  return name.starts_with('.') && marker != std::string::npos &&
         name.size() == marker + kTemporaryMarker.size() + kTemporarySuffixLength;
}

// Temporary files of ours that a killed save left in `folder`.
void RemoveLeftOvers(const fs::path& folder) {
  const std::time_t oldest = std::time(nullptr) - kLeftOverSeconds;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (!IsTemporaryName(it->path().filename().string())) continue;
    struct stat info {};
    if (::lstat(it->path().c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
        info.st_mtime < oldest)
      ::unlink(it->path().c_str());
  }
}

// A new file beside `target` under a temporary name, open for writing, or -1.
int CreateTemporary(const std::string& target, mode_t mode, std::string& temporary) {
  const fs::path path(target);
  const std::string stem =
      "." + path.filename().string().substr(0, kNameBytesInTemporary) + std::string(kTemporaryMarker);
  thread_local std::mt19937 random{std::random_device{}()};
  std::uniform_int_distribution<std::size_t> pick(0, kSuffixCharacters.size() - 1);
  for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
    std::string name = stem;
    for (std::size_t i = 0; i < kTemporarySuffixLength; ++i) name += kSuffixCharacters[pick(random)];
    temporary = (path.parent_path() / name).string();
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = ENOSPC;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// The replaced file's permission bits and, where the system lets us, its
// owner: what a plain save into the file keeps.
bool KeepModeAndOwner(int fd, const struct stat& replaced) {
  if ((replaced.st_uid != ::geteuid() || replaced.st_gid != ::getegid()) &&
      ::fchown(fd, replaced.st_uid, replaced.st_gid) != 0) {
    // Not permitted: the file becomes the saver's, as a copy would.
  }
  return ::fchmod(fd, replaced.st_mode & kPermissionBits) == 0;
}

FileStatus WriteTemporary(PlannedFile& file) {
  const int fd = CreateTemporary(file.target, file.existing ? kPrivateMode : kNewFileMode, file.temporary);
  if (fd < 0) {
    file.temporary.clear();
    return SystemFailure(file.target);
  }
  bool written = WriteAll(fd, *file.bytes) && (!file.existing || KeepModeAndOwner(fd, *file.existing)) &&
                 ::fsync(fd) == 0;
  int error = errno;
  if (::close(fd) != 0 && written) {
    written = false;
    error = errno;
  }
  return written ? FileStatus{} : Failed(FileFault::System, file.target, error);
}

void DiscardTemporaries(std::vector<PlannedFile>& plan) {
  for (PlannedFile& file : plan) {
    if (!file.temporary.empty()) ::unlink(file.temporary.c_str());
    file.temporary.clear();
  }
}

FileStatus WriteTemporaries(std::vector<PlannedFile>& plan) {
  std::set<fs::path> folders;
  for (const PlannedFile& file : plan) {
    if (file.bytes) folders.insert(fs::path(file.target).parent_path());
  }
  for (const fs::path& folder : folders) RemoveLeftOvers(folder.empty() ? fs::path(".") : folder);
  for (PlannedFile& file : plan) {
    if (!file.bytes) continue;
    if (FileStatus status = WriteTemporary(file); !status) {
      DiscardTemporaries(plan);
      return Named(std::move(status), file.named);
    }
  }
  return {};
}

FileStatus PutInPlace(std::vector<PlannedFile>& plan) {
  for (PlannedFile& file : plan) {
    const bool done = file.bytes ? std::rename(file.temporary.c_str(), file.target.c_str()) == 0
                                  : ::unlink(file.target.c_str()) == 0 || errno == ENOENT;
    if (!done) {
      const FileStatus status = SystemFailure(file.named);
      DiscardTemporaries(plan);
      return status;
    }
    file.temporary.clear();
  }
  return {};
}

}  // namespace

FileRead ReadDescriptor(int fd, const std::string& name, std::size_t maxBytes) {
  constexpr std::size_t kChunk = std::size_t{64} << 10;
  FileRead read;
  while (true) {
    const std::size_t got = read.content.size();
    read.content.resize(got + kChunk);
    const ssize_t n = ::read(fd, read.content.data() + got, kChunk);
    read.content.resize(got + static_cast<std::size_t>(std::max<ssize_t>(n, 0)));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) read.status = SystemFailure(name);
    else if (read.content.size() > maxBytes) read.status = Failed(FileFault::TooLarge, name);
    if (n <= 0 || !read.status) break;
  }
  if (!read.status) read.content.clear();
  return read;
}

FileRead ReadFile(const std::string& path, std::size_t maxBytes) {
  FileRead read;
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    read.status = errno == ENOENT ? Failed(FileFault::Missing, path) : SystemFailure(path);
    return read;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0) read.status = SystemFailure(path);
  else if (S_ISDIR(info.st_mode)) read.status = Failed(FileFault::Folder, path);
  else if (!S_ISREG(info.st_mode)) read.status = Failed(FileFault::NotRegular, path);
  else if (static_cast<std::size_t>(info.st_size) > maxBytes) read.status = Failed(FileFault::TooLarge, path);
  if (read.status) {
    read.content.resize(static_cast<std::size_t>(info.st_size));
    std::size_t got = 0;
    while (got < read.content.size()) {
      const ssize_t n = ::read(fd, read.content.data() + got, read.content.size() - got);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) read.status = SystemFailure(path);
      if (n <= 0) break;  // an error, or a file that shrank
      got += static_cast<std::size_t>(n);
    }
    read.content.resize(read.status ? got : 0);
  }
  ::close(fd);
  return read;
}

std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t maxBytes) {
  FileRead read = ReadFile(path, maxBytes);
  if (!read.status) return std::nullopt;
  return std::move(read.content);
}

FileStatus WriteFilesAtomically(const std::vector<FileWrite>& files) {
  std::vector<PlannedFile> plan;
  for (const FileWrite& file : files) {
    FileStatus status;
    std::optional<PlannedFile> planned = Plan(file, status);
    if (!status) return Named(std::move(status), file.path);
    if (planned) plan.push_back(std::move(*planned));
  }
  if (FileStatus status = WriteTemporaries(plan); !status) return status;
  return PutInPlace(plan);
}

FileStatus WriteFileAtomically(const std::string& path, std::string_view bytes) {
  return WriteFilesAtomically({{path, std::string(bytes)}});
}

FileRead ReadCp932TextFile(const std::string& path) {
  FileRead read = ReadFile(path, kMaxTextFileBytes);
  if (!read.status) return read;
  if (HasNonAscii(read.content) && IsValidUtf8(read.content)) {
    read.status = Failed(FileFault::Utf8Text, path);
    read.content.clear();
    return read;
  }
  read.content = DecodeCp932(read.content).text;
  return read;
}

std::optional<std::string> ReadCp932File(const std::string& path) {
  FileRead read = ReadCp932TextFile(path);
  if (!read.status) return std::nullopt;
  return std::move(read.content);
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

}  // namespace nimbara
