#pragma once
// The program's texts on widgets: UTF-8 with CR LF line breaks in, QString
// with plain line feeds out.

#include <QString>

#include <string_view>

namespace nimbara {

inline QString WidgetText(std::string_view text) {
  QString out = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return out;
}

}  // namespace nimbara
