#pragma once
// The family of every text the program shows and draws. IPAGothic (which the
// package depends on) holds the Japanese characters, and its full-width
// characters are exactly two half-width ones wide, so the entry lists line up
// in columns.

namespace nimbara {

inline constexpr const char* kFontFamily = "IPAGothic";

}  // namespace nimbara
