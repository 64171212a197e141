#include "qt/qt_settings_dialog.h"

#include <QDialogButtonBox>
#include <QFontDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QToolButton>
#include <QValidator>

#include <algorithm>
#include <functional>
#include <string_view>

#include "base/messages.h"
#include "qt/qt_form_widgets.h"
#include "qt/qt_printers.h"

namespace mirelo::qt {
namespace {

// Keeps what is typed into a field to what can still become a number.
class SpinnerEntryValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    return IsPartialSpinnerEntry(FromQString(input)) ? Acceptable : Invalid;
  }
};

// Two arrow buttons stacked in the spinner's place; like the form's
// spinners they take no focus, and held down they repeat.
QWidget* MakeUpDown(QWidget* parent, const Control& place, std::function<void(int)> arrow) {
  auto* box = new QWidget(parent);
  const int width = place.place.width, height = place.place.height;
  const int upHeight = height / 2;
  auto* up = new QToolButton(box);
  up->setObjectName(QStringFromUtf8(place.name) + QStringLiteral("Up"));
  up->setArrowType(Qt::UpArrow);
  up->setGeometry(0, 0, width, upHeight);
  auto* down = new QToolButton(box);
  down->setObjectName(QStringFromUtf8(place.name) + QStringLiteral("Down"));
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
  setObjectName(QStringFromUtf8(layout.name));
  setWindowTitle(QStringFromUtf8(layout.caption));
  setFont(WindowFont(layout.fontPixels));
  setFixedSize(layout.clientWidth, layout.clientHeight);
  setModal(true);

  // In the table's order, which is the order Tab walks.
  widgets_.assign(layout.controls.size(), nullptr);
  for (std::size_t i = 0; i < layout.controls.size(); ++i) {
    const Control& c = layout.controls[i];
    const DialogControl id = DialogControl::At(i);
    QWidget* widget = nullptr;
    switch (c.kind) {
      case ControlKind::Button: {
        auto* button = new QPushButton(QStringFromUtf8(c.caption), this);
        // Enter in a field finishes the entry; it presses no button.
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, id] { logic_.Click(id); });
        widget = button;
        break;
      }
      case ControlKind::Label:
        widget = MakeLabel(this, layout, c);
        break;
      case ControlKind::CheckBox: {
        QCheckBox* check = MakeCheckBox(this, c);
        connect(check, &QCheckBox::clicked, this, [this, id] { logic_.Click(id); });
        widget = check;
        break;
      }
      case ControlKind::Edit: {
        auto* edit = new QLineEdit(this);
        edit->setReadOnly(c.readOnly);
        edit->setValidator(new SpinnerEntryValidator(edit));
        edit->installEventFilter(this);
        // Only the user's changes are edits: a position shown is not.
        connect(edit, &QLineEdit::textEdited, this,
                [this, id](const QString& text) { logic_.Typed(id, FromQString(text)); });
        connect(edit, &QLineEdit::editingFinished, this, [this, id] { logic_.EntryEnded(id); });
        widget = edit;
        break;
      }
      case ControlKind::UpDown:
        widget = MakeUpDown(this, c, [this, id](int step) { logic_.Arrow(id, step); });
        break;
      case ControlKind::Panel:
      case ControlKind::ToolButton:
      case ControlKind::ScrollBox:
      case ControlKind::Image:
      case ControlKind::Memo:
        break;  // none in this dialog
    }
    if (!widget) continue;
    widget->setObjectName(QStringFromUtf8(c.name));
    if (c.kind != ControlKind::Label) {
      widget->setFont(WindowFont(c.fontPixels));
      widget->setGeometry(PlaceOf(c));
    }
    ApplyFieldFacts(widget, c);
    widgets_[i] = widget;
  }
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
    const auto* press = static_cast<QKeyEvent*>(event);
    const auto at = std::find(widgets_.begin(), widgets_.end(), watched);
    const std::optional<Key> key = KeyOf(*press);
    if (key && at != widgets_.end() &&
        logic_.KeyDown(DialogControl::At(static_cast<std::size_t>(at - widgets_.begin())), *key,
                       Modified(*press)))
      return true;
  }
  return QDialog::eventFilter(watched, event);
}

void QtSettingsDialog::SetPrinterLabel(std::u16string_view name) {
  using dialog_controls::kPrinterLabel;
  SetElidedText(static_cast<QLabel*>(Widget(kPrinterLabel)), ToQString(name),
                LabelRoom(kSettingsDialogLayout, kPrinterLabel.Facts()));
}

void QtSettingsDialog::SetSpinnerPosition(Spinner spinner, int position) {
  static_cast<QLineEdit*>(Widget(EditControl(spinner)))
      ->setText(QString::fromStdString(SpinnerText(position)));
}

void QtSettingsDialog::SetGroupSpacingChecked(bool checked) { GroupSpacing()->setChecked(checked); }
bool QtSettingsDialog::GroupSpacingChecked() const { return GroupSpacing()->isChecked(); }

std::optional<FontChoice> QtSettingsDialog::ChooseFont(std::u16string_view face, int points) {
  QFont initial(ToQString(face));
  initial.setPointSize(points);
  QFontDialog dialog(initial, this);
  // The form's faces are names that this system knows only through their
  // stand-ins, so the dialog opens on another family. Where the user leaves
  // that family as it is, the face stays the box's own.
  const QString offered = dialog.currentFont().family();
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QFont font = dialog.selectedFont();
  // The face and the size only; style and effects stay the form's.
  return ChosenFont(font.family() == offered ? std::u16string(face) : FromQString(font.family()),
                    font.pointSizeF(), points);
}

bool QtSettingsDialog::RunPrinterSetup(PrinterDraft& draft) {
  // Qt's print dialog, cut down to the choice of printer and its options:
  // no page range, no paper size (the form is A4), no file output. It
  // chooses; it does not print, so neither its caption nor its confirming
  // button says so.
  QPrintDialog dialog(&static_cast<QtPrinterDraft&>(draft).Printer(), this);
  dialog.setWindowTitle(QStringFromUtf8(msg::kChangePrinterCaption));
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  dialog.setOption(QAbstractPrintDialog::PrintShowPageSize, false);
  for (QDialogButtonBox* buttons : dialog.findChildren<QDialogButtonBox*>()) {
    if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
      ok->setText(QStringFromUtf8(msg::kPrinterSetupConfirm));
  }
  return dialog.exec() == QDialog::Accepted;
}

void QtSettingsDialog::ShowMessage(std::string_view utf8) {
  QMessageBox box(QMessageBox::NoIcon, title_, QStringFromUtf8(utf8), QMessageBox::Ok);
  box.exec();
}

void QtSettingsDialog::ShowError(std::string_view utf8) {
  QMessageBox box(QMessageBox::Critical, title_, QStringFromUtf8(utf8), QMessageBox::Ok);
  box.exec();
}

}  // namespace mirelo::qt
