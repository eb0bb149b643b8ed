#include "app/EntryFields.h"

#include <algorithm>
#include <array>

#include "core/Numbers.h"
#include "core/Text.h"

namespace nimbara {
namespace {

constexpr char32_t kFirstPrintable = 32;
constexpr char32_t kDelete = 127;  // the Delete key's character, a control character too

// Indexed by EntryField.
constexpr std::array<EntryFieldRule, 5> kRules = {{
    {12, 0, 0, 12, "0", U'0', U'9'},
    {1100, 900, 900, 1100, "1013", U'0', U'9'},
    {40, -40, -40, 40, "20", U'-', U'9'},  // "-" to "9": "." and "/" lie between
    {60, 14, 15, 60, "34", U'0', U'9'},
    {168, 100, 100, 160, "135", U'0', U'9'},
}};

// Two-digit pressures above this are read as 9xx hPa, the others as 10xx hPa.
constexpr std::int32_t kHighestTenHundredsShortcut = 80;

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string CompletePressure(std::string text) {
  if (!AllDigits(text)) return text;
  if (text.size() == 1) return "100" + text;
  if (text.size() == 2) return (ReadRounded(text) > kHighestTenHundredsShortcut ? "9" : "10") + text;
  return text;
}

}  // namespace

const EntryFieldRule& RuleOf(EntryField field) { return kRules[static_cast<std::size_t>(field)]; }

bool AcceptsKey(EntryField field, char32_t key) {
  const EntryFieldRule& rule = RuleOf(field);
  const char32_t narrow = HalfWidthNumberChar(key);
  return key < kFirstPrintable || key == kDelete || (narrow >= rule.firstKey && narrow <= rule.lastKey);
}

LeftField LeaveField(EntryField field, std::string_view text, std::string_view savedText) {
  const EntryFieldRule& rule = RuleOf(field);
  std::string shown = HalfWidthNumberText(text.empty() ? savedText : text);
  if (field == EntryField::Pressure) shown = CompletePressure(std::move(shown));
  const std::int32_t read = ReadRounded(shown);
  const std::int32_t value = std::clamp(read, rule.low, rule.high);
  // The box always shows the number that is stored: a clamped value shows its
  // limit, and a text such as "-" or "5.5" shows what it was read as.
  if (value != read || TrimSpaces(shown) != std::to_string(value)) shown = std::to_string(value);
  return {shown, value};
}

std::string SpinText(std::int32_t value) { return SignedText(value); }

}  // namespace nimbara
