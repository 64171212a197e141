#include "qt/qt_form_widgets.h"

#include <QFontMetrics>
#include <QPalette>
#include <QStringList>

#include <algorithm>
#include <cmath>

#include "qt/qt_fonts.h"

namespace mirelo::qt {

QFont WindowFont(int pixels) {
  QFont font;
  font.setFamilies({QStringFromUtf8(kWindowFace), ProportionalJapaneseFace()});
  font.setPixelSize(pixels);
  return font;
}

QRect PlaceOf(const Control& control) {
  return QRect(control.place.left, control.place.top, control.place.width, control.place.height);
}

void ApplyFieldFacts(QWidget* widget, const Control& control) {
  if (control.background) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, QColor(control.background->red, control.background->green,
                                            control.background->blue));
    widget->setPalette(palette);
  }
  if (control.inputMethod == InputMethod::Off) {
    // As far as the platform's input method lets a field say so.
    widget->setInputMethodHints(Qt::ImhDigitsOnly | Qt::ImhPreferLatin | Qt::ImhNoPredictiveText);
    widget->setAttribute(Qt::WA_InputMethodEnabled, false);
  }
}

std::optional<Key> KeyOf(const QKeyEvent& press) {
  switch (press.key()) {
    case Qt::Key_PageUp:
      return Key::PageUp;
    case Qt::Key_PageDown:
      return Key::PageDown;
    case Qt::Key_Home:
      return Key::Home;
    case Qt::Key_End:
      return Key::End;
    case Qt::Key_Up:
      return Key::Up;
    case Qt::Key_Down:
      return Key::Down;
    case Qt::Key_Left:
      return Key::Left;
    case Qt::Key_Right:
      return Key::Right;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return Key::Enter;
    default:
      return std::nullopt;
  }
}

bool Modified(const QKeyEvent& press) {
  return (press.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier)) != 0;
}

QCheckBox* MakeCheckBox(QWidget* parent, const Control& control) {
  auto* check = new QCheckBox(QStringFromUtf8(control.caption), parent);
  check->setChecked(control.checked);
  return check;
}

QLabel* MakeLabel(QWidget* parent, const WindowLayout& layout, const Control& control) {
  auto* label = new QLabel(parent);
  label->setObjectName(QStringFromUtf8(control.name));
  label->setFont(WindowFont(control.fontPixels));
  label->move(control.place.left, control.place.top);
  SetFittedText(label, QStringFromUtf8(control.caption), LabelRoom(layout, control));
  return label;
}

void SetFittedText(QLabel* label, const QString& text, int room) {
  QFont font = label->font();
  const int stretch = FittedStretch(room, [&](int share) {
    font.setStretch(share == 100 ? int(QFont::AnyStretch) : share);
    return QFontMetrics(font).horizontalAdvance(text);
  });
  font.setStretch(stretch == 100 ? int(QFont::AnyStretch) : stretch);
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
