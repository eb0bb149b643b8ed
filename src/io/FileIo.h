#pragma once
// Whole-file reading and atomic writing. Saving replaces a file atomically: a
// temporary file beside it is written, then renamed over it, so a failed save
// never leaves a half-written file where the good one was.

#include <optional>
#include <string>
#include <string_view>

namespace nimbara {

// The bytes of a file, or nothing when it cannot be read (missing, a folder,
// unreadable, or larger than `maxBytes`).
inline constexpr std::size_t kDefaultMaxFileBytes = std::size_t{256} << 20;
std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t maxBytes = kDefaultMaxFileBytes);

// Writes `bytes` to `path` atomically. On failure the earlier file is
// untouched, the temporary file is removed, and `error` (when given) says why.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error = nullptr);

// A CP932 text file as UTF-8 (undecodable bytes become U+FFFD).
std::optional<std::string> ReadCp932File(const std::string& path);
// UTF-8 text written as CP932 with CR LF line ends in place of "\n".
bool WriteCp932File(const std::string& path, std::string_view utf8Text, std::string* error = nullptr);

// Path helpers on the file-name part (never on dots of folder names).
bool FileExists(const std::string& path);
std::string FileNameOf(const std::string& path);

}  // namespace nimbara
