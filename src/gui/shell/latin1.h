// The program's texts are 8-bit characters; the windows convert them to and from Qt's strings here.
#pragma once

#include <QString>
#include <string>

namespace quill {

inline QString Latin1(const std::string& s) {
  return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::string Latin1(const QString& s) {
  return s.toLatin1().toStdString();
}

}  // namespace quill
