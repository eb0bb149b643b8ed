#include "io/Cp932.h"

#include <cstdint>
#include <unordered_set>
#include <vector>

#include "core/Text.h"
#include "io/Cp932Table.h"

namespace nimbara {
namespace {

using namespace cp932;

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kBmpSize = 0x10000;
constexpr char kUnencodable = '?';

unsigned char Byte(char c) { return static_cast<unsigned char>(c); }

char16_t DecodePair(unsigned char lead, unsigned char trail) {
  const std::uint8_t row = kLeadRows[lead];
  if (row == kNoRow || trail < kFirstTrail || trail >= kFirstTrail + kTrailCount) return kNoCodePoint;
  return kPairs[row * kTrailCount + (trail - kFirstTrail)];
}

// The bytes of every BMP code point: the first byte or pair (in byte order)
// that decodes to it, unless the table names an exception.
std::vector<std::uint16_t> BuildEncodeIndex() {
  std::vector<std::uint16_t> index(kBmpSize, kNoBytes);
  const auto claim = [&index](char16_t codePoint, unsigned bytes) {
    if (codePoint != kNoCodePoint && index[codePoint] == kNoBytes) index[codePoint] = static_cast<std::uint16_t>(bytes);
  };
  for (unsigned byte = 0; byte < kSingleBytes.size(); ++byte) claim(kSingleBytes[byte], byte);
  for (unsigned lead = 0; lead < kLeadRows.size(); ++lead) {
    for (unsigned trail = kFirstTrail; trail < kFirstTrail + kTrailCount; ++trail) {
      claim(DecodePair(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)), lead << 8 | trail);
    }
  }
  for (const Encoding& exception : kEncodingExceptions) index[exception.codePoint] = exception.bytes;
  return index;
}

const std::vector<std::uint16_t>& EncodeIndex() {
  static const std::vector<std::uint16_t> index = BuildEncodeIndex();
  return index;
}

bool IsDropped(char32_t codePoint) {
  for (const CodePointRange& range : kDroppedRanges) {
    if (codePoint >= range.first && codePoint <= range.last) return true;
  }
  return false;
}

}  // namespace

DecodedText DecodeCp932(std::string_view bytes) {
  DecodedText result;
  result.text.reserve(bytes.size() + bytes.size() / 2);
  for (std::size_t pos = 0; pos < bytes.size();) {
    const unsigned char lead = Byte(bytes[pos++]);
    char32_t codePoint = kSingleBytes[lead];
    if (codePoint == kNoCodePoint && pos < bytes.size()) {
      codePoint = DecodePair(lead, Byte(bytes[pos]));
      if (codePoint != kNoCodePoint) ++pos;
    }
    // A lead byte followed by an invalid trail is replaced alone, so that the
    // trail can start the next character.
    if (codePoint == kNoCodePoint) {
      result.hadInvalid = true;
      codePoint = kReplacement;
    }
    AppendUtf8(result.text, codePoint);
  }
  return result;
}

EncodedText EncodeCp932(std::string_view utf8) {
  const std::vector<std::uint16_t>& index = EncodeIndex();
  EncodedText result;
  result.bytes.reserve(utf8.size());
  std::unordered_set<char32_t> replaced;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const char32_t codePoint = DecodeUtf8(utf8, pos);
    const std::uint16_t bytes = codePoint < kBmpSize ? index[codePoint] : kNoBytes;
    if (bytes <= 0xFF) {
      result.bytes += static_cast<char>(bytes);
    } else if (bytes != kNoBytes) {
      result.bytes += static_cast<char>(bytes >> 8);
      result.bytes += static_cast<char>(bytes & 0xFF);
    } else if (!IsDropped(codePoint)) {
      result.complete = false;
      result.bytes += kUnencodable;
      if (replaced.insert(codePoint).second) AppendUtf8(result.replaced, codePoint);
    }
  }
  return result;
}

bool IsValidUtf8(std::string_view bytes) {
  for (std::size_t pos = 0; pos < bytes.size();) {
    if (!NextUtf8(bytes, pos)) return false;
  }
  return true;
}

}  // namespace nimbara
