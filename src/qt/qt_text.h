// The program's texts as Qt's strings and back: UTF-16 in char16_t, whose
// units QString holds as they are, and UTF-8. Every conversion of the Qt
// adapter goes through here.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace mirelo::qt {

inline QString ToQString(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}
inline QString QStringFromUtf8(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::u16string FromQString(const QString& text) { return text.toStdU16String(); }
inline std::string Utf8FromQString(const QString& text) { return text.toStdString(); }

}  // namespace mirelo::qt
