#include "io/BulletinItems.h"

#include <filesystem>

#include "io/Cp932.h"
#include "io/FileIo.h"

namespace nimbara {
namespace {

// Every line end of the pasted text (CR LF, LF or lone CR) as CR LF, and one
// more after the text: the text written as one record.
std::string AsOneRecord(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16 + 2);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      out += "\r\n";
    } else {
      out += c;
    }
  }
  out += "\r\n";
  return out;
}

std::string ReadItemOrEmpty(FieldReader& reader) { return reader.ReadField().value_or(std::string()); }

}  // namespace

std::string StoreBulletinText(const std::string& directory, std::string_view pastedText) {
  std::string record = AsOneRecord(pastedText);
  const EncodedText encoded = EncodeCp932(record);
  const std::string path = (std::filesystem::path(directory) / kBulletinTempFileName).string();
  if (!WriteFileAtomically(path, encoded.bytes) || !encoded.complete) return record;
  const std::optional<std::string> bytes = ReadWholeFile(path);
  if (!bytes) return record;
  return DecodeCp932(*bytes).text;
}

BulletinHead ReadBulletinHead(FieldReader& reader) {
  BulletinHead head;
  head.header = ReadItemOrEmpty(reader);
  ReadItemOrEmpty(reader);
  head.firstEntry = ReadItemOrEmpty(reader);
  return head;
}

int StoreNonEmptyTexts(const std::function<std::optional<std::string>()>& next, BulletinItemList& items) {
  int last = 0;
  while (last < kLastBulletinPosition) {
    std::optional<std::string> text = next();
    if (!text) break;
    if (!text->empty()) items[static_cast<std::size_t>(++last)] = std::move(*text);
  }
  return last;
}

int ReadFurtherItems(FieldReader& reader, BulletinItemList& items) {
  return StoreNonEmptyTexts([&reader] { return reader.ReadField(); }, items);
}

}  // namespace nimbara
