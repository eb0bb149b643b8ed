#pragma once
// The numeric entry fields of the three entry windows (force, pressure,
// temperature, latitude, longitude): which keys they take, what leaving a
// field does to its text, and what the spin control writes into it.

#include <cstdint>
#include <string>
#include <string_view>

namespace nimbara {

enum class EntryField { Force, Pressure, Temperature, Latitude, Longitude };

struct EntryFieldRule {
  std::int32_t spinTop;     // the value at the top of the spin control (up raises)
  std::int32_t spinBottom;
  std::int32_t low;         // accepted on leaving the field
  std::int32_t high;
  std::string_view initialText;
  char32_t firstKey;        // typed characters outside firstKey..lastKey are dropped
  char32_t lastKey;
};

const EntryFieldRule& RuleOf(EntryField field);

// Control characters (below 32, such as backspace, and delete) always pass; a
// full-width digit or sign passes where its half-width form does.
bool AcceptsKey(EntryField field, char32_t key);

struct LeftField {
  std::string text;     // what the box shows afterwards
  std::int32_t value;   // what the spin control is set to
};

// Leaving a field: an empty box gets its saved text back, full-width digits
// and signs become half-width ones, short pressures are
// completed (5 -> 1005, 98 -> 998, 12 -> 1012), and a value outside the
// accepted range is replaced by the limit in plain digits.
LeftField LeaveField(EntryField field, std::string_view text, std::string_view savedText);

// The box text written when the spin control moves: " 3", "-5".
std::string SpinText(std::int32_t value);

// The choices the lists of the entry windows start with.
inline constexpr int kInitialDirectionChoice = 7;  // 南南西
inline constexpr int kInitialWeatherChoice = 0;    // 快晴
inline constexpr int kInitialKindChoice = 0;       // 高気圧

}  // namespace nimbara
