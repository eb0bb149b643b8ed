#include "io/BulletinItems.h"

#include <filesystem>

#include "core/Text.h"
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

constexpr char kNoCp932Form = '?';
// Unicode's tag characters (in flags such as England's) are dropped by the
// encoder instead of becoming "?".
constexpr char32_t kFirstTagCharacter = 0xE0000;
constexpr char32_t kLastTagCharacter = 0xE007F;

// `readBack` is `original` after a CP932 round trip in which every character
// without a CP932 form became "?" (or was dropped, a tag character): those
// characters are put back. Should the two not line up character for
// character, the original is returned.
std::string RestoreCharactersWithoutCp932Form(std::string_view original, std::string_view readBack) {
  std::string out;
  out.reserve(original.size());
  std::size_t o = 0;
  std::size_t r = 0;
  while (o < original.size()) {
    const std::size_t originalStart = o;
    const char32_t was = DecodeUtf8(original, o);
    if (was >= kFirstTagCharacter && was <= kLastTagCharacter) {
      out += original.substr(originalStart, o - originalStart);
      continue;
    }
    if (r >= readBack.size()) break;
    const std::size_t readBackStart = r;
    const char32_t is = DecodeUtf8(readBack, r);
    if (is == kNoCp932Form && was != kNoCp932Form) out += original.substr(originalStart, o - originalStart);
    else out += readBack.substr(readBackStart, r - readBackStart);
  }
  if (o != original.size() || r != readBack.size()) return std::string(original);
  return out;
}

}  // namespace

StoredBulletin StoreBulletinText(std::string_view pastedText) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (pastedText.starts_with(kByteOrderMark)) pastedText.remove_prefix(kByteOrderMark.size());
  const std::string record = AsOneRecord(pastedText);
  StoredBulletin stored;
  EncodedText encoded = EncodeCp932(record);
  stored.text = DecodeCp932(encoded.bytes).text;
  if (!encoded.complete) stored.text = RestoreCharactersWithoutCp932Form(record, stored.text);
  stored.bytes = std::move(encoded.bytes);
  return stored;
}

FileStatus WriteBulletinTempFile(const std::string& directory, std::string_view bytes) {
  return WriteFileAtomically((std::filesystem::path(directory) / kBulletinTempFileName).string(), bytes);
}

}  // namespace nimbara
