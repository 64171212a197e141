// The Qt main window on the offscreen platform: its controls by name, with
// their captions and places, and clicks, wheel turns and keys that reach the
// logic.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>

#include "base/messages.h"
#include "data/ini_file.h"
#include "qt/qt_main_window.h"
#include "test_support.h"
#include "window_doubles.h"

namespace mirelo::test {
namespace {

TEST(QtMainWindow, ControlsStandWhereTheFormPutsThemAndClicksReachTheLogic) {
  TempDir dir;
  WriteBytes(dir / "survey.txt", Survey(100));  // three pages
  // With its overview folder, so that no notice waits for a click.
  std::filesystem::create_directory(dir / "Gaikyo");
  FakeServices services;
  MainState state;
  IniFile profile(dir / "control.ini", Files());
  MainWindow logic(state, services, profile, (dir / "control.ini").string());
  qt::QtMainWindow window(logic, QString::fromUtf8(msg::kAppTitle));
  logic.SetView(window);
  ASSERT_TRUE(logic.FormCreate(dir.path(), (dir / "survey.txt").string()));
  window.show();  // runs the show step

  EXPECT_EQ(window.windowTitle(),
            QStringLiteral("蒼浦市版 認定調査票（概況調査/特記事項）プレビュー"));
  // Every control of the table is made, by its name.
  for (const mirelo::Control& c : kMainControls)
    EXPECT_NE(
        window.findChild<QWidget*>(QString::fromUtf8(c.name.data(), qsizetype(c.name.size()))),
        nullptr)
        << c.name;
  struct Control {
    const char* name;
    const char* caption;
    QRect place;
  };
  for (const Control& c : {Control{"SpeedButton1", "全ページ印刷", {8, 4, 89, 33}},
                           Control{"SpeedButton2", "現ページ印刷", {112, 4, 89, 33}},
                           Control{"SpeedButton3", "前のページ", {296, 4, 73, 33}},
                           Control{"SpeedButton4", "次のページ", {392, 4, 73, 33}},
                           Control{"SpeedButton5", "概況入力", {96, 152, 89, 33}},
                           Control{"SpeedButton6", "印刷設定", {680, 4, 89, 33}},
                           Control{"SpeedButton7", "閉じる", {816, 4, 57, 33}}}) {
    SCOPED_TRACE(c.name);
    auto* button = window.findChild<QToolButton*>(QString::fromLatin1(c.name));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), QString::fromUtf8(c.caption));
    EXPECT_EQ(button->geometry(), c.place);
  }
  auto* check = window.findChild<QCheckBox*>(QStringLiteral("CheckBox1"));
  ASSERT_NE(check, nullptr);
  EXPECT_EQ(check->text(), QStringLiteral("概況を保存する"));
  EXPECT_TRUE(check->isChecked());
  EXPECT_EQ(check->geometry(), QRect(504, 8, 97, 17));
  EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Label4"))->text(),
            QStringLiteral("プリンタ："));
  EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Label5"))->text(),
            QStringLiteral("オフィスのプリンタ"));
  EXPECT_EQ(window.findChild<QWidget*>(QStringLiteral("Panel1"))->height(), 49);
  EXPECT_EQ(window.findChild<QScrollArea*>(QStringLiteral("ScrollBox1"))->y(), 49);
  EXPECT_EQ(window.findChild<QWidget*>(QStringLiteral("Image1"))->geometry(),
            QRect(49, 35, 794, 1123));
  EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Label2"))->y(), 1173);
  auto* memo = window.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
  EXPECT_EQ(memo->geometry(), QRect(105, 220, 697, 81));
  EXPECT_FALSE(memo->isVisible());
  EXPECT_EQ(memo->toPlainText(), QStringLiteral("概況をここに入力"));
  EXPECT_EQ(memo->palette().color(QPalette::Base), QColor(255, 255, 136));

  auto* next = window.findChild<QToolButton*>(QStringLiteral("SpeedButton4"));
  ASSERT_TRUE(next->isEnabled());
  next->click();
  EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("2"));
  EXPECT_TRUE(window.findChild<QToolButton*>(QStringLiteral("SpeedButton3"))->isEnabled());

  // One step a wheel event, however small its delta; none sideways.
  QWidget* image = window.findChild<QWidget*>(QStringLiteral("Image1"));
  QScrollBar* down =
      window.findChild<QScrollArea*>(QStringLiteral("ScrollBox1"))->verticalScrollBar();
  const auto wheel = [&](QPoint turn) {
    QWheelEvent event(QPointF(10, 10), QPointF(10, 10), QPoint(), turn, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(image, &event);
  };
  for (const auto& [delta, scrolled] :
       {std::pair{-120, 16}, std::pair{-8, 32}, std::pair{+480, 16}}) {
    wheel(QPoint(0, delta));
    EXPECT_EQ(down->value(), scrolled) << delta;
  }
  wheel(QPoint(-120, 0));
  EXPECT_EQ(down->value(), 16);

  // Keys page; with Ctrl they stay the focused control's.
  const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(image, &event);
  };
  press(Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("2"));
  press(Qt::Key_End, Qt::NoModifier);
  EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("3"));

  window.findChild<QToolButton*>(QStringLiteral("SpeedButton7"))->click();
  EXPECT_FALSE(window.isVisible());
  EXPECT_NE(ReadBytes(dir / "control.ini").find("[PrintForm]"), std::string::npos);
}

}  // namespace
}  // namespace mirelo::test
