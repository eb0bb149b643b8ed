#include "web/StoredZip.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace nimbara {
namespace {

constexpr std::uint32_t kLocalHeader = 0x04034b50;
constexpr std::uint32_t kCentralHeader = 0x02014b50;
constexpr std::uint32_t kEndOfCentralDirectory = 0x06054b50;
constexpr std::uint16_t kVersion = 20;             // 2.0: what a reader needs for stored entries
constexpr std::uint16_t kUtf8Names = 1 << 11;      // general purpose flag
constexpr std::uint16_t kStored = 0;               // compression method
constexpr int kDosEpochYear = 1980;
constexpr int kTmEpochYear = 1900;
// Info-ZIP's field for the name in UTF-8, which its unzip reads where it
// ignores the flag of UTF-8 names.
constexpr std::uint16_t kUnicodePathField = 0x7075;
constexpr std::uint8_t kUnicodePathVersion = 1;
constexpr std::size_t kUnicodePathHead = 5;  // version and CRC
constexpr std::size_t kLocalHeaderSize = 30;
constexpr std::size_t kNameLengthAt = 26;
constexpr std::size_t kMethodAt = 8;
constexpr std::size_t kCrcAt = 14;
constexpr std::size_t kSizeAt = 18;

std::uint32_t Crc32(std::string_view bytes) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < t.size(); ++n) {
      std::uint32_t c = n;
      for (int bit = 0; bit < 8; ++bit) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  std::uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char byte : bytes) crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

void Put16(std::string& out, std::uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

std::uint32_t Get(std::string_view bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

// MS-DOS time and date: seconds / 2, minutes and hours; day, month and years
// since 1980 in bit fields.
std::uint32_t DosTime(const std::tm& t) { return t.tm_sec / 2 | t.tm_min << 5 | t.tm_hour << 11; }
std::uint32_t DosDate(const std::tm& t) {
  return t.tm_mday | (t.tm_mon + 1) << 5 | std::max(0, t.tm_year + kTmEpochYear - kDosEpochYear) << 9;
}

// What the local and the central header of an entry share, from the version
// needed to the length of the name.
void PutCommonFields(std::string& out, const ZipEntry& entry, const std::tm& modified) {
  Put16(out, kVersion);
  Put16(out, kUtf8Names);
  Put16(out, kStored);
  Put16(out, DosTime(modified));
  Put16(out, DosDate(modified));
  Put32(out, Crc32(entry.bytes));
  Put32(out, static_cast<std::uint32_t>(entry.bytes.size()));  // compressed
  Put32(out, static_cast<std::uint32_t>(entry.bytes.size()));
  Put16(out, static_cast<std::uint32_t>(entry.name.size()));
}

std::string UnicodePathField(const std::string& name) {
  std::string field;
  Put16(field, kUnicodePathField);
  Put16(field, static_cast<std::uint32_t>(kUnicodePathHead + name.size()));
  field += static_cast<char>(kUnicodePathVersion);
  Put32(field, Crc32(name));
  return field + name;
}

}  // namespace

std::string StoredZip(const std::vector<ZipEntry>& entries, const std::tm& modified) {
  std::string archive;
  std::string directory;
  for (const ZipEntry& entry : entries) {
    const auto offset = static_cast<std::uint32_t>(archive.size());
    const std::string extra = UnicodePathField(entry.name);
    Put32(archive, kLocalHeader);
    PutCommonFields(archive, entry, modified);
    Put16(archive, static_cast<std::uint32_t>(extra.size()));
    archive += entry.name + extra;
    archive += entry.bytes;

    Put32(directory, kCentralHeader);
    Put16(directory, kVersion);  // made by
    PutCommonFields(directory, entry, modified);
    Put16(directory, static_cast<std::uint32_t>(extra.size()));
    for (int field = 0; field < 3; ++field) Put16(directory, 0);  // comment, disk, internal attributes
    Put32(directory, 0);                                          // external attributes
    Put32(directory, offset);
    directory += entry.name + extra;
  }
  const auto directoryOffset = static_cast<std::uint32_t>(archive.size());
  archive += directory;
  Put32(archive, kEndOfCentralDirectory);
  Put16(archive, 0);  // this disk
  Put16(archive, 0);  // the directory's disk
  Put16(archive, static_cast<std::uint32_t>(entries.size()));
  Put16(archive, static_cast<std::uint32_t>(entries.size()));
  Put32(archive, static_cast<std::uint32_t>(directory.size()));
  Put32(archive, directoryOffset);
  Put16(archive, 0);  // comment
  return archive;
}

std::optional<std::vector<ZipEntry>> ReadStoredZip(std::string_view bytes) {
  std::vector<ZipEntry> entries;
  std::size_t at = 0;
  while (at + kLocalHeaderSize <= bytes.size() && Get(bytes, at, 4) == kLocalHeader) {
    const std::size_t nameLength = Get(bytes, at + kNameLengthAt, 2);
    const std::size_t extraLength = Get(bytes, at + kNameLengthAt + 2, 2);
    const std::size_t size = Get(bytes, at + kSizeAt, 4);
    const std::size_t dataAt = at + kLocalHeaderSize + nameLength + extraLength;
    if (Get(bytes, at + kMethodAt, 2) != kStored || dataAt > bytes.size() || size > bytes.size() - dataAt)
      return std::nullopt;
    ZipEntry entry{std::string(bytes.substr(at + kLocalHeaderSize, nameLength)), std::string(bytes.substr(dataAt, size))};
    if (Crc32(entry.bytes) != Get(bytes, at + kCrcAt, 4)) return std::nullopt;
    entries.push_back(std::move(entry));
    at = dataAt + size;
  }
  if (entries.empty() || at + 4 > bytes.size() || Get(bytes, at, 4) != kCentralHeader) return std::nullopt;
  return entries;
}

}  // namespace nimbara
