#pragma once
// The one download of a save that writes several files (a full data file with
// its isobar file and picture): a ZIP archive of the files as they are
// (stored, not compressed: the picture is a bitmap and the texts are small),
// names in UTF-8. Browsers at their default settings deliver only the first
// of several downloads started by one click.

#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nimbara {

struct ZipEntry {
  std::string name;
  std::string bytes;
  bool operator==(const ZipEntry&) const = default;
};

// The entries' files dated `modified` (local time, whole seconds rounded down
// to even ones as the format keeps them).
std::string StoredZip(const std::vector<ZipEntry>& entries, const std::tm& modified);

// The entries of an archive StoredZip made (or any archive of stored
// entries) up to its directory; nothing for other bytes, a compressed entry
// or a damaged one.
std::optional<std::vector<ZipEntry>> ReadStoredZip(std::string_view bytes);

}  // namespace nimbara
