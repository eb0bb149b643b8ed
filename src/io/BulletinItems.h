#pragma once
// The pasted text as the bulletin readers see it, its copy in the temporary
// file "Nimbara.$$$", and its split into items: the station bulletin is read
// item by item with the sequential field reader, the systems bulletin line by
// line.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "io/FieldReader.h"
#include "io/FileIo.h"

namespace nimbara {

inline constexpr int kBulletinPositions = 401;  // positions 0 to 400
inline constexpr int kLastBulletinPosition = kBulletinPositions - 1;
using BulletinItemList = std::array<std::string, kBulletinPositions>;

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

// The first three items: the header, a discarded item and the first entry.
// Items beyond the end of the text are empty.
struct BulletinHead {
  std::string header;
  std::string firstEntry;
};
BulletinHead ReadBulletinHead(FieldReader& reader);

// The non-empty texts `next` gives, stored at positions 1, 2, ... until it
// gives nothing or position 400 is written (the rest is not read). Returns
// the last position written, 0 when there was none.
int StoreNonEmptyTexts(const std::function<std::optional<std::string>()>& next, BulletinItemList& items);

// The remaining non-empty items of the station bulletin, by StoreNonEmptyTexts.
int ReadFurtherItems(FieldReader& reader, BulletinItemList& items);

}  // namespace nimbara
