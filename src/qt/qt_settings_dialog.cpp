#include "qt/qt_settings_dialog.h"

#include <QDialogButtonBox>
#include <QFontDialog>
#include <QPrintDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <string_view>

#include "base/messages.h"
#include "qt/qt_form_widgets.h"
#include "qt/qt_printers.h"

namespace mirelo::qt {
namespace {

// Two arrow buttons stacked in the spinner's place; like the form's
// spinners they take no focus, and held down they repeat.
QWidget* MakeUpDown(QWidget* parent, const Control& place, std::function<void(int)> arrow) {
  auto* box = new QWidget(parent);
  box->setObjectName(Utf8(place.name));
  box->setGeometry(PlaceOf(place));
  const int width = place.place.width, height = place.place.height;
  const int upHeight = height / 2;
  auto* up = new QToolButton(box);
  up->setObjectName(Utf8(place.name) + QStringLiteral("Up"));
  up->setArrowType(Qt::UpArrow);
  up->setGeometry(0, 0, width, upHeight);
  auto* down = new QToolButton(box);
  down->setObjectName(Utf8(place.name) + QStringLiteral("Down"));
  down->setArrowType(Qt::DownArrow);
  down->setGeometry(0, upHeight, width, height - upHeight);
  for (QToolButton* b : {up, down}) {
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoRepeat(true);
  }
  QObject::connect(up, &QToolButton::clicked, box, [arrow] { arrow(+1); });
  QObject::connect(down, &QToolButton::clicked, box, [arrow] { arrow(-1); });
  return box;
}

}  // namespace

QtSettingsDialog::QtSettingsDialog(SettingsDialog& logic, QWidget* mainWindow, QString title)
    : QDialog(mainWindow), logic_(logic), title_(std::move(title)) {
  const WindowLayout& layout = kSettingsDialogLayout;
  setObjectName(Utf8(layout.name));
  setWindowTitle(Utf8(layout.caption));
  setFont(WindowFont(layout.fontPixels));
  setFixedSize(layout.clientWidth, layout.clientHeight);
  setModal(true);

  // While typing, a sign and digits (ASCII or full-width) and the group
  // separator; the logic reads the finished entry.
  const QRegularExpression entry(
      QStringLiteral("[ \\x{3000}]*[+\\-\\x{FF0B}\\x{FF0D}\\x{2212}]?[0-9\\x{FF10}-\\x{FF19},]{0,7}[ \\x{3000}]*"));
  std::map<std::string_view, QPushButton*> buttons;
  for (const Control& c : layout.controls) {
    switch (c.kind) {
      case ControlKind::Button: {
        auto* button = new QPushButton(Utf8(c.caption), this);
        button->setObjectName(Utf8(c.name));
        button->setFont(WindowFont(c.fontPixels));
        button->setGeometry(PlaceOf(c));
        // Enter in a field finishes the entry; it presses no button.
        button->setAutoDefault(false);
        buttons[c.name] = button;
        break;
      }
      case ControlKind::Label: {
        QLabel* label = MakeLabel(this, layout, c);
        if (c.name == kDialogPrinterLabel) printerLabel_ = label;
        break;
      }
      case ControlKind::CheckBox:
        groupSpacing_ = new QCheckBox(Utf8(c.caption), this);
        groupSpacing_->setObjectName(Utf8(c.name));
        groupSpacing_->setFont(WindowFont(c.fontPixels));
        groupSpacing_->setGeometry(PlaceOf(c));
        connect(groupSpacing_, &QCheckBox::clicked, this,
                [this](bool checked) { logic_.CheckBox5Click(checked); });
        break;
      case ControlKind::Edit:
      case ControlKind::UpDown:
      case ControlKind::Panel:
      case ControlKind::ToolButton:
      case ControlKind::ScrollBox:
      case ControlKind::Image:
      case ControlKind::Memo:
        break;  // the spinners come below, by the logic's names; the rest are not here
    }
  }
  connect(buttons.at("Button1"), &QPushButton::clicked, this, [this] { logic_.Button1Click(); });
  connect(buttons.at("Button2"), &QPushButton::clicked, this, [this] { logic_.Button2Click(); });
  connect(buttons.at("Button3"), &QPushButton::clicked, this, [this] { logic_.Button3Click(); });
  connect(buttons.at("Button4"), &QPushButton::clicked, this, [this] { logic_.Button4Click(); });
  for (int i = 0; i < kSpinnerCount; ++i) {
    const auto spinner = static_cast<Spinner>(i);
    const Control& field = ControlNamed(layout, EditName(spinner));
    auto* edit = new QLineEdit(this);
    edit->setObjectName(Utf8(field.name));
    edit->setGeometry(PlaceOf(field));
    edit->setFont(WindowFont(field.fontPixels));
    edit->setReadOnly(field.readOnly);
    edit->setValidator(new QRegularExpressionValidator(entry, edit));
    edit->installEventFilter(this);
    // Only the user's changes are edits: a position shown is not.
    connect(edit, &QLineEdit::textEdited, this, [this, spinner](const QString& text) {
      logic_.SpinnerEdited(spinner, text.toStdU16String());
    });
    connect(edit, &QLineEdit::editingFinished, this,
            [this, spinner] { logic_.SpinnerEntryEnded(spinner); });
    edits_[static_cast<std::size_t>(spinner)] = edit;
    MakeUpDown(this, ControlNamed(layout, UpDownName(spinner)),
               [this, spinner](int step) { logic_.SpinnerArrow(spinner, step); });
  }
  // The line count is typed without the input method, as far as the
  // platform's input method lets a field say so.
  QLineEdit* lines = Edit(Spinner::UpDown1);
  lines->setInputMethodHints(Qt::ImhDigitsOnly | Qt::ImhPreferLatin | Qt::ImhNoPredictiveText);
  lines->setAttribute(Qt::WA_InputMethodEnabled, false);
}

void QtSettingsDialog::ShowModal() {
  if (QWidget* over = parentWidget()) {
    const QRect frame = over->frameGeometry();
    move(frame.center() - QPoint(width() / 2, height() / 2));
  }
  exec();
}

void QtSettingsDialog::Close() { accept(); }

bool QtSettingsDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      for (int i = 0; i < kSpinnerCount; ++i) {
        if (watched != edits_[static_cast<std::size_t>(i)]) continue;
        logic_.SpinnerArrow(static_cast<Spinner>(i), key == Qt::Key_Up ? +1 : -1);
        return true;
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

void QtSettingsDialog::SetPrinterLabel(std::u16string_view name) {
  const WindowLayout& layout = kSettingsDialogLayout;
  SetElidedText(printerLabel_, QString::fromUtf16(name.data(), static_cast<qsizetype>(name.size())),
                LabelRoom(layout, ControlNamed(layout, kDialogPrinterLabel)));
}

void QtSettingsDialog::SetSpinnerPosition(Spinner spinner, int position) {
  Edit(spinner)->setText(QString::fromStdString(SpinnerText(position)));
}

void QtSettingsDialog::SetGroupSpacingChecked(bool checked) { groupSpacing_->setChecked(checked); }

std::optional<FontChoice> QtSettingsDialog::ChooseFont(std::u16string_view face, int points) {
  QFont initial(QString::fromUtf16(face.data(), static_cast<qsizetype>(face.size())));
  initial.setPointSize(std::clamp(points, 1, 1000));
  QFontDialog dialog(initial, this);
  // The form's faces are names that this system knows only through their
  // stand-ins, so the dialog opens on another family. Where the user leaves
  // that family as it is, the face stays the box's own.
  const QString offered = dialog.currentFont().family();
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QFont font = dialog.selectedFont();
  // The face and the size only; style and effects stay the form's.
  const double size = font.pointSizeF();
  const int whole = size > 0 ? static_cast<int>(std::lround(size)) : points;
  const std::u16string chosen =
      font.family() == offered ? std::u16string(face) : font.family().toStdU16String();
  return FontChoice{chosen, std::clamp(whole, 1, 1000)};
}

bool QtSettingsDialog::RunPrinterSetup(PrinterDraft& draft) {
  // Qt's print dialog, cut down to the choice of printer and its options:
  // no page range, no paper size (the form is A4), no file output. It
  // chooses; it does not print, so neither its caption nor its confirming
  // button says so.
  QPrintDialog dialog(&static_cast<QtPrinterDraft&>(draft).Printer(), this);
  dialog.setWindowTitle(Utf8(msg::kChangePrinterCaption));
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  dialog.setOption(QAbstractPrintDialog::PrintShowPageSize, false);
  for (QDialogButtonBox* buttons : dialog.findChildren<QDialogButtonBox*>()) {
    if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText(Utf8(msg::kPrinterSetupConfirm));
  }
  return dialog.exec() == QDialog::Accepted;
}

void QtSettingsDialog::ShowMessage(std::string_view utf8) {
  QMessageBox box(QMessageBox::NoIcon, title_, Utf8(utf8), QMessageBox::Ok);
  box.exec();
}

void QtSettingsDialog::ShowError(std::string_view utf8) {
  QMessageBox box(QMessageBox::Critical, title_, Utf8(utf8), QMessageBox::Ok);
  box.exec();
}

}  // namespace mirelo::qt
