#pragma once
// The family of every text the program shows and draws. IPAGothic (which the
// package depends on) holds the Japanese characters, and its full-width
// characters are exactly two half-width ones wide, so the entry lists line up
// in columns.

#include <QFont>

namespace nimbara {

inline constexpr const char* kFontFamily = "IPAGothic";

// The font of the entry lists' rows, in the size of `base`: the rows line up
// in columns only in a font whose full-width characters are exactly two
// half-width ones wide.
inline QFont RowFont(const QFont& base) {
  QFont font(kFontFamily, base.pointSize());
  font.setStyleHint(QFont::Monospace);
  font.setFixedPitch(true);
  return font;
}

}  // namespace nimbara
