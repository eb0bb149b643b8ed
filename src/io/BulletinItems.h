#pragma once
// The pasted text as the readers see it, and its copy in the temporary file
// "Nimbara.$$$".

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "io/FileIo.h"

namespace nimbara {

inline constexpr std::string_view kBulletinTempFileName = "Nimbara.$$$";

// The pasted text as the readers split it, and its CP932 bytes as
// "Nimbara.$$$" holds them: a UTF-8 byte-order mark at the start dropped,
// every line end CR LF and one more at the end. The text is what the bytes
// read back as, so "−" reads as "－" as it would from a file; only the
// characters that have no CP932 form (they became "?" in the bytes) stay as
// they were pasted.
struct StoredBulletin {
  std::string text;
  std::string bytes;
};
StoredBulletin StoreBulletinText(std::string_view pastedText);

// Writes the bytes to "Nimbara.$$$" in `directory` through a temporary file of
// a unique name renamed into place. Nothing reads the file back, so a paste
// in another process cannot change what is imported.
FileStatus WriteBulletinTempFile(const std::string& directory, std::string_view bytes);

}  // namespace nimbara
