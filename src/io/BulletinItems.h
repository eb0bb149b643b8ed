#pragma once
// The pasted text's road through the temporary file "Nimbara.$$$" and its
// split into items: the station bulletin is read item by item with the
// sequential field reader, the systems bulletin line by line.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "io/FieldReader.h"

namespace nimbara {

inline constexpr int kBulletinPositions = 401;  // positions 0 to 400
inline constexpr int kLastBulletinPosition = kBulletinPositions - 1;
using BulletinItemList = std::array<std::string, kBulletinPositions>;

inline constexpr std::string_view kBulletinTempFileName = "Nimbara.$$$";

// Writes the pasted text to "Nimbara.$$$" in `directory` (CP932, CR LF, one
// final line end) and reads it back: the text the imports split. When the
// file cannot be written or read back, or a character of the text has no
// CP932 form, the pasted text itself is split instead, so a paste is never
// lost and never altered.
std::string StoreBulletinText(const std::string& directory, std::string_view pastedText);

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
