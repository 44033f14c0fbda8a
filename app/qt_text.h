// Conversions at the windows' edge (Qt): the core holds texts as UTF-8 std::string, the
// controls as QString.
#pragma once

#include <QString>

#include <string>

namespace climate {

inline QString Q(const char *utf8) {
  return QString::fromUtf8(utf8);
}
inline QString Q(const std::string &utf8) {
  return QString::fromStdString(utf8);
}
inline std::string U(const QString &text) {
  return text.toStdString();
}

}  // namespace climate
