// What the program's two windows share in making their widgets: the
// program's UTF-8 texts as Qt strings, the form's face by pixel height, and
// labels placed at their design positions.
#pragma once

#include <QFont>
#include <QLabel>
#include <QString>

#include <string_view>

namespace mirelo::qt {

inline QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Tahoma at a height in pixels; fontconfig stands in where it is missing.
inline QFont PixelFont(int pixels) {
  QFont font(QStringLiteral("Tahoma"));
  font.setPixelSize(pixels);
  return font;
}

inline QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int left,
                         int top) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->move(left, top);
  label->adjustSize();
  return label;
}

}  // namespace mirelo::qt
