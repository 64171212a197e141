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

#include "base/messages.h"
#include "qt/qt_form_widgets.h"
#include "qt/qt_printers.h"

namespace mirelo::qt {
namespace {

constexpr int kClientWidth = 486, kClientHeight = 360;

struct ButtonPlace {
  const char* objectName;
  const char* caption;
  int left, top, width, height;
};

constexpr ButtonPlace kButtons[] = {
    {"Button4", msg::kChangePrinterCaption, 24, 8, 145, 33},
    {"Button3", msg::kCloseCaption, 386, 8, 75, 25},
    {"Button1", msg::kOverviewFontCaption, 24, 80, 145, 33},
    {"Button2", msg::kNotesFontCaption, 24, 136, 145, 33},
};

struct SpinnerPlace {
  Spinner spinner;
  const char* editName;
  const char* upDownName;
  int left, top, editWidth, height;  // the spinner stands right of its field, 16 wide
  bool readOnly;
  int fontPixels;
};

constexpr SpinnerPlace kSpinners[] = {
    {Spinner::UpDown1, "Edit1", "UpDown1", 216, 88, 33, 24, false, 13},
    {Spinner::UpDownPenWidth, "editPenWidth", "UpDownPenWidth", 344, 88, 33, 22, false, 12},
    {Spinner::UpDownTabLen, "EditTabLen", "UpDownTabLen", 216, 144, 33, 22, false, 12},
    {Spinner::UpDown2, "Edit2", "UpDown2", 104, 224, 57, 22, true, 12},
    {Spinner::UpDown4, "Edit4", "UpDown4", 272, 224, 57, 22, false, 12},
    {Spinner::UpDown3, "Edit3", "UpDown3", 104, 272, 57, 22, true, 12},
    {Spinner::UpDown5, "Edit5", "UpDown5", 272, 272, 57, 22, false, 12},
};
constexpr int kUpDownWidth = 16;

struct LabelPlace {
  const char* objectName;
  const char* caption;
  int left, top;
};

constexpr LabelPlace kLabels[] = {
    {"Label2", msg::kOverviewLinesLabel, 208, 72},
    {"Label3", msg::kPenWidthLabel, 328, 72},
    {"Label15", msg::kNumberColumnLabel, 208, 128},
    {"Label16", msg::kNumberColumnUnitLabel, 208, 168},
    {"Label6", msg::kScaleLabel, 24, 200},
    {"Label9", msg::kOffsetLabel, 224, 200},
    {"Label4", msg::kScaleXLabel, 24, 232},
    {"Label7", msg::kOffsetXLabel, 224, 232},
    {"Label13", msg::kScaleXHint, 80, 248},
    {"Label10", msg::kOffsetXHint, 256, 248},
    {"Label5", msg::kScaleYLabel, 24, 280},
    {"Label8", msg::kOffsetYLabel, 224, 280},
    {"Label14", msg::kScaleYHint, 80, 296},
    {"Label11", msg::kOffsetYHint, 256, 296},
};

// Two arrow buttons stacked in the spinner's place; like the form's
// spinners they take no focus, and held down they repeat.
QWidget* MakeUpDown(QWidget* parent, const SpinnerPlace& place, std::function<void(int)> arrow) {
  auto* box = new QWidget(parent);
  box->setObjectName(QString::fromLatin1(place.upDownName));
  box->setGeometry(place.left + place.editWidth, place.top, kUpDownWidth, place.height);
  const int upHeight = place.height / 2;
  auto* up = new QToolButton(box);
  up->setObjectName(QString::fromLatin1(place.upDownName) + QStringLiteral("Up"));
  up->setArrowType(Qt::UpArrow);
  up->setGeometry(0, 0, kUpDownWidth, upHeight);
  auto* down = new QToolButton(box);
  down->setObjectName(QString::fromLatin1(place.upDownName) + QStringLiteral("Down"));
  down->setArrowType(Qt::DownArrow);
  down->setGeometry(0, upHeight, kUpDownWidth, place.height - upHeight);
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
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(Utf8(msg::kSettingsCaption));
  setFont(PixelFont(11));
  setFixedSize(kClientWidth, kClientHeight);
  setModal(true);

  std::array<QPushButton*, 4> buttons{};
  for (std::size_t i = 0; i < std::size(kButtons); ++i) {
    const ButtonPlace& b = kButtons[i];
    auto* button = new QPushButton(Utf8(b.caption), this);
    button->setObjectName(QString::fromLatin1(b.objectName));
    button->setGeometry(b.left, b.top, b.width, b.height);
    // Enter in a field finishes the entry; it presses no button.
    button->setAutoDefault(false);
    buttons[i] = button;
  }
  connect(buttons[0], &QPushButton::clicked, this, [this] { logic_.Button4Click(); });
  connect(buttons[1], &QPushButton::clicked, this, [this] { logic_.Button3Click(); });
  connect(buttons[2], &QPushButton::clicked, this, [this] { logic_.Button1Click(); });
  connect(buttons[3], &QPushButton::clicked, this, [this] { logic_.Button2Click(); });

  printerLabel_ = MakeLabel(this, "Label1", QString(), 16, 48);

  // While typing, a sign and digits (ASCII or full-width) and the group
  // separator; the logic reads the finished entry.
  const QRegularExpression entry(
      QStringLiteral("[ \\x{3000}]*[+\\-\\x{FF0B}\\x{FF0D}\\x{2212}]?[0-9\\x{FF10}-\\x{FF19},]{0,7}[ \\x{3000}]*"));
  for (const SpinnerPlace& s : kSpinners) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(s.editName));
    edit->setGeometry(s.left, s.top, s.editWidth, s.height);
    edit->setFont(PixelFont(s.fontPixels));
    edit->setReadOnly(s.readOnly);
    edit->setValidator(new QRegularExpressionValidator(entry, edit));
    edit->installEventFilter(this);
    const Spinner spinner = s.spinner;
    // Only the user's changes are edits: a position shown is not.
    connect(edit, &QLineEdit::textEdited, this, [this, spinner](const QString& text) {
      logic_.SpinnerEdited(spinner, text.toStdU16String());
    });
    connect(edit, &QLineEdit::editingFinished, this,
            [this, spinner] { logic_.SpinnerEntryEnded(spinner); });
    edits_[static_cast<std::size_t>(spinner)] = edit;
    MakeUpDown(this, s, [this, spinner](int step) { logic_.SpinnerArrow(spinner, step); });
  }
  // The line count is typed without the input method, as far as the
  // platform's input method lets a field say so.
  QLineEdit* lines = Edit(Spinner::UpDown1);
  lines->setInputMethodHints(Qt::ImhDigitsOnly | Qt::ImhPreferLatin | Qt::ImhNoPredictiveText);
  lines->setAttribute(Qt::WA_InputMethodEnabled, false);

  groupSpacing_ = new QCheckBox(Utf8(msg::kGroupSpacingCaption), this);
  groupSpacing_->setObjectName(QStringLiteral("CheckBox5"));
  groupSpacing_->setGeometry(24, 328, 185, 17);
  connect(groupSpacing_, &QCheckBox::clicked, this, [this](bool checked) { logic_.CheckBox5Click(checked); });

  for (const LabelPlace& l : kLabels) MakeLabel(this, l.objectName, Utf8(l.caption), l.left, l.top);
}

void QtSettingsDialog::ShowModal() {
  if (QWidget* over = parentWidget()) {
    const QRect frame = over->frameGeometry();
    move(frame.center() - QPoint(kClientWidth / 2, kClientHeight / 2));
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
  printerLabel_->setText(QString::fromUtf16(name.data(), static_cast<qsizetype>(name.size())));
  printerLabel_->adjustSize();
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
