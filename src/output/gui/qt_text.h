// Code page 1250 texts of the report buffer to Qt's Unicode and back.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "text/codepage.h"

namespace zefir::output {

inline QString qtText(std::string_view cp1250) {
  return QString::fromStdString(text::toUtf8(cp1250));
}
// A UTF-8 literal of the sources as Qt's text.
inline QString u(const char* utf8) {
  return QString::fromUtf8(utf8);
}
inline std::string cpText(const QString& text) {
  return text::fromUtf8(text.toStdString());
}

}  // namespace zefir::output
