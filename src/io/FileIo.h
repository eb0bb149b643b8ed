#pragma once
// The one place where the program's files meet the file system: whole-file
// reading of regular files only, and atomic writing. Saving replaces a file
// atomically: a temporary file beside it is written, then renamed over it, so
// a failed or killed save never leaves a half-written file where the good one
// was. A replaced file keeps its permission bits, a new one gets the umask's,
// a read-only file is not replaced, and a symbolic link stays a link to the
// file that is replaced.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nimbara {

// Why a file could not be read or written.
enum class FileFault {
  None,
  Missing,     // no such file
  Folder,      // the name is a folder's
  NotRegular,  // a FIFO, device or socket: never read or replaced
  TooLarge,
  Utf8Text,    // text in UTF-8, where the program's files are CP932
  WrongKind,   // readable, but not a file of the kind wanted
  ReadOnly,    // the file to replace is marked read-only
  System,      // the system refused; `error` says why
};

// Whether a file operation worked and, when not, why and on which file.
struct FileStatus {
  FileFault fault = FileFault::None;
  int error = 0;     // errno, for FileFault::System
  std::string path;  // the file concerned
  explicit operator bool() const { return fault == FileFault::None; }
};

struct FileRead {
  std::string content;
  FileStatus status;
};

inline constexpr std::size_t kDefaultMaxFileBytes = std::size_t{256} << 20;
// The data, isobar and settings files are a few kilobytes.
inline constexpr std::size_t kMaxTextFileBytes = std::size_t{4} << 20;

// The bytes of a regular file no larger than `maxBytes`. The file is opened
// without waiting (a FIFO never blocks) and checked on the open descriptor.
FileRead ReadFile(const std::string& path, std::size_t maxBytes = kDefaultMaxFileBytes);
// A pasted text saved as a file or given on standard input: larger than any
// bulletin, small enough that its reading and report stay quick.
inline constexpr std::size_t kMaxBulletinBytes = std::size_t{16} << 20;

// The bytes of an open descriptor (standard input) read to its end, refused
// as FileFault::TooLarge as soon as they pass `maxBytes`; `name` names it in
// the status.
FileRead ReadDescriptor(int fd, const std::string& name, std::size_t maxBytes);
// The bytes, or nothing when ReadFile fails.
std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t maxBytes = kDefaultMaxFileBytes);

// One file of a save: its new bytes, or nothing when the file is to be
// removed (a symbolic link is removed itself, not its target).
struct FileWrite {
  std::string path;
  std::optional<std::string> bytes;
};

// Writes a set of files: every new file is written completely as a temporary
// file before the first one is renamed into place, and the last of the set is
// renamed last, so a set never pairs its last file with earlier versions of
// the others. On failure before the renames nothing has changed and every
// temporary file is gone. Temporary files left by a killed save carry a
// recognisable name and are removed by the next save into their folder once
// they are older than a minute.
FileStatus WriteFilesAtomically(const std::vector<FileWrite>& files);
FileStatus WriteFileAtomically(const std::string& path, std::string_view bytes);

// A CP932 text file of the program read as UTF-8 (undecodable bytes become
// U+FFFD), limited to kMaxTextFileBytes. A UTF-8 text (with characters
// beyond ASCII) is refused as FileFault::Utf8Text.
FileRead ReadCp932TextFile(const std::string& path);
std::optional<std::string> ReadCp932File(const std::string& path);

// Whether `path` names a regular file (through symbolic links).
bool FileExists(const std::string& path);

}  // namespace nimbara
