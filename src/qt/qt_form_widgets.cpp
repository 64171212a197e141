#include "qt/qt_form_widgets.h"

#include <QFontMetrics>
#include <QStringList>

#include <algorithm>
#include <cmath>

#include "qt/qt_fonts.h"

namespace mirelo::qt {

QFont WindowFont(int pixels) {
  QFont font;
  font.setFamilies({Utf8(kWindowFace), ProportionalJapaneseFace()});
  font.setPixelSize(pixels);
  return font;
}

QRect PlaceOf(const Control& control) {
  return QRect(control.place.left, control.place.top, control.place.width, control.place.height);
}

QLabel* MakeLabel(QWidget* parent, const WindowLayout& layout, const Control& control) {
  auto* label = new QLabel(parent);
  label->setObjectName(Utf8(control.name));
  label->setFont(WindowFont(control.fontPixels));
  label->move(control.place.left, control.place.top);
  SetFittedText(label, Utf8(control.caption), LabelRoom(layout, control));
  return label;
}

void SetFittedText(QLabel* label, const QString& text, int room) {
  QFont font = label->font();
  font.setStretch(QFont::AnyStretch);
  const int width = QFontMetrics(font).horizontalAdvance(text);
  if (width > room && room > 0) {
    // Condensed by whole percents, rounded down, until it fits.
    int stretch = std::max(1, room * 100 / width);
    for (;; --stretch) {
      font.setStretch(stretch);
      if (stretch == 1 || QFontMetrics(font).horizontalAdvance(text) <= room) break;
    }
  }
  label->setFont(font);
  label->setText(text);
  label->adjustSize();
}

void SetElidedText(QLabel* label, const QString& name, int room) {
  const QString shown = QFontMetrics(label->font()).elidedText(name, Qt::ElideRight, room);
  label->setText(shown);
  label->setToolTip(shown == name ? QString() : name);
  label->adjustSize();
}

}  // namespace mirelo::qt
