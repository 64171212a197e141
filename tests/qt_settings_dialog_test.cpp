// The Qt print settings dialog on the offscreen platform: its controls by
// name, with their captions and places, and typing, arrows and closing that
// reach the logic.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "base/messages.h"
#include "compose/box_settings.h"
#include "qt/qt_printers.h"
#include "qt/qt_settings_dialog.h"
#include "window_doubles.h"

namespace mirelo::test {
namespace {

void Type(QWidget* widget, const QString& keys) {
  for (QChar c : keys) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
  }
}

void Press(QWidget* widget, Qt::Key key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
}

TEST(QtSettingsDialog, ControlsStandWhereTheFormPutsThemAndEntriesReachTheLogic) {
  MainState state;
  SetDefaultBoxes(state.Boxes);
  state.Boxes[2].LinesPerPage = 6;
  state.Boxes[3].TabPos = 15.0;
  FakePrinters printers;
  PrinterChoice printer(printers);
  ASSERT_TRUE(printer.SelectDefault());
  FakeView mainView;
  SettingsDialog logic(state, printer, mainView);
  qt::QtSettingsDialog dialog(logic, nullptr, QString::fromUtf8(msg::kAppTitle));
  logic.SetView(dialog);

  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("印刷設定"));
  EXPECT_EQ(dialog.size(), QSize(486, 360));
  EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
  EXPECT_FALSE(dialog.isVisible());
  for (const mirelo::Control& c : kDialogControls)
    EXPECT_NE(
        dialog.findChild<QWidget*>(QString::fromUtf8(c.name.data(), qsizetype(c.name.size()))),
        nullptr)
        << c.name;

  struct Control {
    const char* name;
    const char* caption;  // nothing for the edit fields and spinners
    QRect place;
  };
  for (const Control& c : {Control{"Button4", "プリンタの変更", {24, 8, 145, 33}},
                           Control{"Button3", "閉じる", {386, 8, 75, 25}},
                           Control{"Button1", "概況欄フォント変更", {24, 80, 145, 33}},
                           Control{"Button2", "特記事項欄フォント変更", {24, 136, 145, 33}},
                           Control{"CheckBox5", "群の境で空白行を挿入する", {24, 328, 185, 17}},
                           Control{"Edit1", nullptr, {216, 88, 33, 24}},
                           Control{"UpDown1", nullptr, {249, 88, 16, 24}},
                           Control{"editPenWidth", nullptr, {344, 88, 33, 22}},
                           Control{"UpDownPenWidth", nullptr, {377, 88, 16, 22}},
                           Control{"EditTabLen", nullptr, {216, 144, 33, 22}},
                           Control{"UpDownTabLen", nullptr, {249, 144, 16, 22}},
                           Control{"Edit2", nullptr, {104, 224, 57, 22}},
                           Control{"UpDown2", nullptr, {161, 224, 16, 22}},
                           Control{"Edit4", nullptr, {272, 224, 57, 22}},
                           Control{"UpDown4", nullptr, {329, 224, 16, 22}},
                           Control{"Edit3", nullptr, {104, 272, 57, 22}},
                           Control{"UpDown3", nullptr, {161, 272, 16, 22}},
                           Control{"Edit5", nullptr, {272, 272, 57, 22}},
                           Control{"UpDown5", nullptr, {329, 272, 16, 22}}}) {
    SCOPED_TRACE(c.name);
    auto* widget = dialog.findChild<QWidget*>(QString::fromLatin1(c.name));
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->geometry(), c.place);
    if (auto* button = qobject_cast<QAbstractButton*>(widget); button && c.caption) {
      EXPECT_EQ(button->text(), QString::fromUtf8(c.caption));
    }
  }
  struct Label {
    const char* name;
    const char* caption;
    QPoint place;
  };
  for (const Label& l :
       {Label{"Label2", "概況欄行数変更", {208, 72}},
        Label{"Label3", "被保険者番号枠などの太さ", {328, 72}},
        Label{"Label15", "（1 - 1）などの番号欄の幅", {208, 128}},
        Label{"Label16", "左端からのmm数", {208, 168}},
        Label{"Label6", "倍率の設定 １000より大きいと伸びる", {24, 200}},
        Label{"Label9", "0.1mmずつ全体をずらす", {224, 200}},
        Label{"Label4", "X軸（横）の倍率", {24, 232}}, Label{"Label7", "X軸補正", {224, 232}},
        Label{"Label13", "+1で横へ約0.2mm伸びる", {80, 248}},
        Label{"Label10", "+10で右へ1mm", {256, 248}}, Label{"Label5", "Y軸（縦）の倍率", {24, 280}},
        Label{"Label8", "Y軸補正", {224, 280}},
        Label{"Label14", "+1で縦へ約0.3mm伸びる", {80, 296}},
        Label{"Label11", "+10で下へ1mm", {256, 296}}}) {
    SCOPED_TRACE(l.name);
    auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(l.name));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QString::fromUtf8(l.caption));
    EXPECT_EQ(label->pos(), l.place);
  }
  auto edit = [&](const char* name) {
    return dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
  };
  EXPECT_TRUE(edit("Edit2")->isReadOnly());
  EXPECT_TRUE(edit("Edit3")->isReadOnly());
  EXPECT_FALSE(edit("Edit4")->isReadOnly());
  EXPECT_FALSE(edit("Edit1")->testAttribute(Qt::WA_InputMethodEnabled));
  EXPECT_EQ(edit("Edit1")->font().pixelSize(), 13);
  EXPECT_EQ(edit("Edit4")->font().pixelSize(), 12);

  // Tab walks the table's order: the buttons, the fields, the check box.
  QStringList walked;
  QWidget* at = dialog.findChild<QWidget*>(QStringLiteral("Button4"));
  do {
    if ((at->focusPolicy() & Qt::TabFocus) && at->window() == &dialog) walked << at->objectName();
    at = at->nextInFocusChain();
  } while (at != dialog.findChild<QWidget*>(QStringLiteral("Button4")) && walked.size() < 40);
  EXPECT_EQ(
      walked.join(QLatin1Char(' ')),
      QStringLiteral("Button4 Button3 Button1 Button2 Edit1 editPenWidth EditTabLen Edit2 Edit4 "
                     "Edit3 Edit5 CheckBox5"));

  logic.FormShow();
  dialog.show();
  EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
            QStringLiteral("オフィスのプリンタ"));
  EXPECT_EQ(edit("Edit1")->text(), QStringLiteral("6"));
  EXPECT_EQ(edit("Edit2")->text(), QStringLiteral("1,000"));

  // Typed: nothing is taken while typing; Enter takes it, within the range.
  QLineEdit* tabLen = edit("EditTabLen");
  tabLen->selectAll();
  Type(tabLen, QStringLiteral("30"));
  EXPECT_EQ(tabLen->text(), QStringLiteral("30"));
  EXPECT_EQ(state.Boxes[3].TabPos, 15.0);
  Press(tabLen, Qt::Key_Return);
  EXPECT_EQ(state.Boxes[3].TabPos, 25.0);
  EXPECT_EQ(tabLen->text(), QStringLiteral("25"));
  EXPECT_TRUE(dialog.isVisible());  // Enter presses no button

  // Arrows, on the spinner and as keys in the field.
  dialog.findChild<QToolButton*>(QStringLiteral("UpDown2Up"))->click();
  EXPECT_EQ(state.Settings.x_Bai, 1.001);
  EXPECT_EQ(edit("Edit2")->text(), QStringLiteral("1,001"));
  Press(edit("Edit1"), Qt::Key_Up);
  EXPECT_EQ(state.Boxes[2].LinesPerPage, 7);
  EXPECT_EQ(edit("Edit1")->text(), QStringLiteral("7"));
  // With Ctrl the key is the field's own.
  QKeyEvent ctrlUp(QEvent::KeyPress, Qt::Key_Up, Qt::ControlModifier);
  QApplication::sendEvent(edit("Edit1"), &ctrlUp);
  EXPECT_EQ(state.Boxes[2].LinesPerPage, 7);

  dialog.findChild<QCheckBox*>(QStringLiteral("CheckBox5"))->click();
  EXPECT_TRUE(state.Settings.sw5);

  // Shown as the main window shows it: a sign on the way to a number is
  // allowed, a letter is not; closing takes the number still being typed.
  dialog.hide();
  QTimer::singleShot(0, [&] {
    QLineEdit* xOffset = edit("Edit4");
    xOffset->selectAll();
    Type(xOffset, QStringLiteral("-"));
    EXPECT_EQ(xOffset->text(), QStringLiteral("-"));
    Type(xOffset, QStringLiteral("a5"));
    EXPECT_EQ(xOffset->text(), QStringLiteral("-5"));
    EXPECT_EQ(state.Settings.x_offset, 0.0);
    dialog.findChild<QPushButton*>(QStringLiteral("Button3"))->click();
  });
  logic.ShowModal();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(state.Settings.x_offset, -0.5);
}

// The real set-up dialog on a printer of its own: it is captioned and
// confirms as a choice, not as printing, and closed without a choice it
// reports a cancel.
TEST(QtSettingsDialog, ThePrinterSetUpChoosesAndDoesNotPrint) {
  MainState state;
  FakePrinters printers;
  PrinterChoice printer(printers);
  FakeView mainView;
  SettingsDialog logic(state, printer, mainView);
  qt::QtSettingsDialog dialog(logic, nullptr, QString::fromUtf8(msg::kAppTitle));
  qt::QtPrinterDraft draft(std::make_unique<QPrinter>());
  QString title, confirm;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == &dialog) return;
    title = modal->windowTitle();
    for (auto* buttons : modal->findChildren<QDialogButtonBox*>())
      if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) confirm = ok->text();
    modal->close();
  });
  closer.start(50);
  EXPECT_FALSE(dialog.RunPrinterSetup(draft));
  EXPECT_EQ(title, QStringLiteral("プリンタの変更"));
  EXPECT_EQ(confirm, QStringLiteral("OK"));
}

}  // namespace
}  // namespace mirelo::test
