#pragma once
// Number reading and writing shared by every reader and writer.

#include <cstdint>
#include <string>
#include <string_view>

namespace nimbara {

// Lenient reading: leading blanks (spaces, tabs) skipped; optional sign;
// digits; decimals; exponent; or "&H" hexadecimal digits ended by an optional
// "&". Reading stops at the first character that does not fit; nothing
// readable gives 0.
double ReadNumber(std::string_view text);

// Rounded: to nearest, halves to the even neighbour. Values beyond the 32-bit
// range saturate; NaN gives 0.
std::int32_t RoundToInt(double value);
// Floored: the greatest integer not above the value, saturated to 32 bits.
std::int32_t FloorToInt(double value);

// ReadNumber then RoundToInt: the usual "read as a number" of the readers.
inline std::int32_t ReadRounded(std::string_view text) { return RoundToInt(ReadNumber(text)); }

// The decimal text of n with a leading half-width space when n is not
// negative: 5 -> " 5", -3 -> "-3".
std::string SignedText(std::int64_t n);

// Shortest decimal form that reads back to the same value ("12", "12.5",
// "0.1" for 0.1f). Single-precision values round-trip as floats.
std::string ShortestDecimal(double value);
std::string ShortestDecimal(float value);

// The value rounded to `decimals` places, all of them written ("35.0").
std::string FixedDecimal(double value, int decimals);

// Print form: a space or "-", the digits in shortest form, one trailing space.
std::string PrintForm(double value);
std::string PrintForm(float value);
inline std::string PrintForm(std::int32_t value) { return SignedText(value) + " "; }

}  // namespace nimbara
