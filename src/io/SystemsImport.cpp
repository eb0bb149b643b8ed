#include "io/SystemsImport.h"

#include <array>

#include "core/CodeTables.h"
#include "core/Numbers.h"
#include "core/Text.h"
#include "io/BulletinText.h"

namespace nimbara {
namespace {

constexpr std::size_t kKeywordLength = 2;
constexpr std::int64_t kPressureWidth = 4;  // characters before "hPa"

struct KeywordRow {
  std::string_view keyword;
  std::string_view kind;
  bool readsPressure;
};

constexpr std::array<KeywordRow, 9> kKeywordRows = {{
    {"低気", kind::kLow, true},
    {"熱帯", kind::kTropicalDepression, true},
    {"台風", kind::kTyphoon, true},
    {"高気", kind::kHigh, true},
    {"閉塞", kind::kOccludedFront, false},
    {"停滞", kind::kStationaryFront, false},
    {"温暖", kind::kWarmFront, false},
    {"寒冷", kind::kColdFront, false},
    {"等圧", kind::kIsobarPoint, true},
}};

std::string KeywordOf(std::string_view line) { return CharSubstr(line, 0, kKeywordLength); }

const KeywordRow* FindKeywordRow(std::string_view keyword) {
  for (const KeywordRow& row : kKeywordRows) {
    if (row.keyword == keyword) return &row;
  }
  return nullptr;
}

}  // namespace

int ReadSystemsLines(std::string_view text, BulletinItemList& lines) {
  FieldReader reader{std::string(text)};
  reader.ReadLine();
  std::string first = reader.ReadLine().value_or(std::string());
  if (FindKeywordRow(KeywordOf(first)) == nullptr) return kNotSystemsBulletin;
  lines[0] = std::move(first);
  return StoreNonEmptyTexts([&reader] { return reader.ReadLine(); }, lines);
}

std::int32_t SystemsLinePressure(std::string_view line) {
  const std::u32string text = ToCodePoints(line);
  const std::int64_t k = KeywordPosition(text, U"hPa");
  if (k == 0) return 0;
  return ReadRounded(CharWindow(text, k - kPressureWidth, kPressureWidth));
}

void AddPositions(ObservationStore& store, std::string_view line, std::string_view kind, std::int32_t pressure) {
  if (store.systemCount >= kSlotCount) return;
  const std::u32string text = ToCodePoints(line);
  constexpr auto npos = std::u32string::npos;
  std::size_t start = 0;
  // The next "(" is remembered: searching it again from every position would
  // make a long line without brackets quadratic.
  std::size_t open = text.find(U'(');
  while (store.systemCount < kSlotCount) {
    if (open != npos && open < start) open = text.find(U'(', start);
    const std::size_t north = text.find(U"N,", start);
    if (north == npos) return;
    const std::size_t east = text.find(U"E)", north);
    if (east == npos) return;
    std::u32string_view latitude;
    if (open == npos) latitude = std::u32string_view(text).substr(0, north);
    else if (open < north) latitude = std::u32string_view(text).substr(open + 1, north - open - 1);
    const std::u32string_view longitude = std::u32string_view(text).substr(north + 2, east - north - 2);

    SystemEntry& entry = store.systems[store.systemCount];
    entry.kind = std::string(kind);
    entry.pressure = pressure;
    entry.latitude = ReadRounded(FromCodePoints(latitude));
    entry.longitude = ReadRounded(FromCodePoints(longitude));
    ++store.systemCount;
    start = east;
  }
}

void AddSystemLines(ObservationStore& store, const BulletinItemList& lines, int lastPosition) {
  std::string kind;
  std::int32_t pressure = 0;
  for (int p = 0; p <= lastPosition && p <= kLastBulletinPosition; ++p) {
    const std::string& line = lines[static_cast<std::size_t>(p)];
    const std::string keyword = KeywordOf(line);
    if (const KeywordRow* row = FindKeywordRow(keyword)) {
      kind = row->kind;
      pressure = row->readsPressure ? SystemsLinePressure(line) : 0;
    }
    AddPositions(store, line, kind, pressure);
  }
}

}  // namespace nimbara
