#pragma once
// The program's texts on widgets: UTF-8 with CR LF line breaks in, QString
// with plain line feeds out; and the font the rows of the entry lists need.

#include <QFont>
#include <QString>

#include <string_view>

namespace nimbara {

inline QString WidgetText(std::string_view text) {
  QString out = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return out;
}

// The font of the entry windows' rows: they line up in columns only in a font
// whose full-width characters are exactly two half-width ones wide.
inline QFont RowFont(const QFont& base) {
  QFont font(QStringLiteral("IPAGothic"), base.pointSize());
  font.setStyleHint(QFont::Monospace);
  font.setFixedPitch(true);
  return font;
}

}  // namespace nimbara
