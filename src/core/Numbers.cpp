#include "core/Numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace nimbara {
namespace {

// The longest double in %f form (309 digits before the point) with a few places.
constexpr std::size_t kFixedTextSize = 330;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

double ReadHex(std::string_view s, std::size_t pos) {
  // Hexadecimal values are 32-bit patterns: &HFFFFFFFF reads as -1.
  std::uint32_t value = 0;
  for (int digits = 0; pos < s.size() && digits < 8; ++pos, ++digits) {
    const int v = HexValue(s[pos]);
    if (v < 0) break;
    value = (value << 4) | static_cast<std::uint32_t>(v);
  }
  return static_cast<double>(static_cast<std::int32_t>(value));
}

template <typename T>
std::string Shortest(T value, int maxDigits) {
  if (!std::isfinite(value)) return "0";
  char buffer[64];
  for (int digits = 1; digits <= maxDigits; ++digits) {
    std::snprintf(buffer, sizeof buffer, "%.*g", digits, static_cast<double>(value));
    if (static_cast<T>(std::strtod(buffer, nullptr)) == value) break;
  }
  std::string out(buffer);
  // %g may choose an exponent; spell numbers out in plain decimal form.
  if (out.find('e') != std::string::npos) {
    std::snprintf(buffer, sizeof buffer, "%.*f", maxDigits, static_cast<double>(value));
    out = buffer;
    if (out.find('.') != std::string::npos) {
      out.erase(out.find_last_not_of('0') + 1);
      if (out.back() == '.') out.pop_back();
    }
  }
  if (out == "-0") out = "0";
  return out;
}

std::string WithSignSpace(std::string digits) {
  if (!digits.empty() && digits[0] == '-') return digits + " ";
  return " " + digits + " ";
}

}  // namespace

double ReadNumber(std::string_view s) {
  std::size_t pos = 0;
  while (pos < s.size() && (s[pos] == ' ' || s[pos] == '\t')) ++pos;
  if (pos + 1 < s.size() && s[pos] == '&' && (s[pos + 1] == 'H' || s[pos + 1] == 'h')) {
    return ReadHex(s, pos + 2);
  }
  std::string number;
  if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) number += s[pos++];
  bool anyDigit = false;
  while (pos < s.size() && IsDigit(s[pos])) {
    number += s[pos++];
    anyDigit = true;
  }
  if (pos < s.size() && s[pos] == '.') {
    number += s[pos++];
    while (pos < s.size() && IsDigit(s[pos])) {
      number += s[pos++];
      anyDigit = true;
    }
  }
  if (!anyDigit) return 0.0;
  if (pos < s.size() && (s[pos] == 'e' || s[pos] == 'E')) {
    std::size_t look = pos + 1;
    std::string exponent = "e";
    if (look < s.size() && (s[look] == '+' || s[look] == '-')) exponent += s[look++];
    if (look < s.size() && IsDigit(s[look])) {
      while (look < s.size() && IsDigit(s[look])) exponent += s[look++];
      number += exponent;
    }
  }
  const double value = std::strtod(number.c_str(), nullptr);
  return std::isfinite(value) ? value : 0.0;
}

std::int32_t RoundToInt(double value) {
  if (std::isnan(value)) return 0;
  const double r = std::nearbyint(value);
  if (r >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
    return std::numeric_limits<std::int32_t>::max();
  if (r <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
    return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(r);
}

std::int32_t FloorToInt(double value) { return RoundToInt(std::floor(value)); }

std::string SignedText(std::int64_t n) {
  std::string digits = std::to_string(n);
  return n < 0 ? digits : " " + digits;
}

std::string ShortestDecimal(double value) { return Shortest(value, 17); }
std::string ShortestDecimal(float value) { return Shortest(value, 9); }

std::string FixedDecimal(double value, int decimals) {
  char text[kFixedTextSize];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

std::string PrintForm(double value) { return WithSignSpace(ShortestDecimal(value)); }
std::string PrintForm(float value) { return WithSignSpace(ShortestDecimal(value)); }

}  // namespace nimbara
