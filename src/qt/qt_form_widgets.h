// What the program's two windows share in making their widgets from the
// control tables: the program's UTF-8 texts as Qt strings, the windows'
// face by pixel height, and labels whose text keeps to its room.
#pragma once

#include <QCheckBox>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QString>
#include <QWidget>

#include <optional>
#include <string_view>

#include "qt/qt_text.h"
#include "ui/control_tables.h"

namespace mirelo::qt {

// The windows' face at a height in pixels. Where the face is missing, as on
// Debian, Debian's proportional Japanese face stands in for all of it, so
// that Latin text sits beside the kana in a face drawn for them (the
// system's stand-in for a missing face may be fixed-width).
QFont WindowFont(int pixels);

// The control's rectangle as a widget's geometry.
QRect PlaceOf(const Control& control);

// What the table says of a field besides its place: its background colour
// and its input method. Qt has no hint that switches an input method to
// hiragana: such a field leaves the input method on, and its mode to the
// user.
void ApplyFieldFacts(QWidget* widget, const Control& control);

// The key the windows' logic knows a key press as; nothing for the others.
std::optional<Key> KeyOf(const QKeyEvent& press);
// Whether Ctrl, Shift or Alt is held with the key.
bool Modified(const QKeyEvent& press);

// A check box of the table with its caption and its state at creation.
QCheckBox* MakeCheckBox(QWidget* parent, const Control& control);

// A label of the table at its place, with its caption fitted to its room.
QLabel* MakeLabel(QWidget* parent, const WindowLayout& layout, const Control& control);

// Shows text in the label within room pixels: a text that would run
// further is drawn narrower, just enough to fit.
void SetFittedText(QLabel* label, const QString& text, int room);

// Shows a name in the label within room pixels: a longer one is shortened
// with "…" and shown whole in the label's tooltip.
void SetElidedText(QLabel* label, const QString& name, int room);

}  // namespace mirelo::qt
