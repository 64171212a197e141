// The texts of both Qt windows on the offscreen platform, measured in the
// faces they are shown in: every caption within its control, printer names
// shortened to their room, Latin text proportional.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QStyle>

#include "base/messages.h"
#include "data/ini_file.h"
#include "qt/qt_form_widgets.h"
#include "qt/qt_main_window.h"
#include "qt/qt_settings_dialog.h"
#include "test_support.h"
#include "ui/control_tables.h"
#include "window_doubles.h"

namespace mirelo::test {
namespace {

// Both windows as the program makes them, the main one shown.
struct Windows {
  TempDir dir;
  FakeServices services;
  MainState state;
  IniFile profile{dir / "control.ini", Files()};
  MainWindow logic{state, services, profile, (dir / "control.ini").string()};
  qt::QtMainWindow window{logic, QString::fromUtf8(msg::kAppTitle)};
  SettingsDialog settings{state, logic.Printer(), window};
  qt::QtSettingsDialog dialog{settings, &window, QString::fromUtf8(msg::kAppTitle)};

  Windows() {
    WriteBytes(dir / "survey.txt", Survey(1));
    std::filesystem::create_directory(dir / "Gaikyo");
    logic.SetView(window);
    settings.SetView(dialog);
    logic.SetSettingsDialog(&settings);
    EXPECT_TRUE(logic.FormCreate(dir.path(), (dir / "survey.txt").string()));
    window.show();
    settings.FormShow();
  }
};

// The width a control leaves its text: a label its room, a button its width
// less its frame, a check box its width less the box and the space after it.
int TextRoom(const WindowLayout& layout, const Control& c, const QWidget& widget) {
  const QStyle* style = widget.style();
  switch (c.kind) {
    case ControlKind::Label:
      return LabelRoom(layout, c);
    case ControlKind::CheckBox:
      return c.place.width - style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &widget) -
             style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &widget);
    default:
      return c.place.width - 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &widget);
  }
}

QString TextOf(const QWidget* widget) {
  if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
  if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
  return {};
}

TEST(QtWindows, EveryCaptionFitsItsControl) {
  Windows w;
  const std::pair<const WindowLayout*, QWidget*> windows[] = {{&kMainWindowLayout, &w.window},
                                                              {&kSettingsDialogLayout, &w.dialog}};
  int measured = 0;
  for (const auto& [layout, root] : windows) {
    for (const Control& c : layout->controls) {
      if (c.caption.empty() || c.kind == ControlKind::Memo) continue;
      SCOPED_TRACE(std::string(layout->name) + "." + std::string(c.name));
      const QWidget* widget = root->findChild<QWidget*>(qt::QStringFromUtf8(c.name));
      ASSERT_NE(widget, nullptr);
      const QString text = TextOf(widget);
      ASSERT_EQ(text, qt::QStringFromUtf8(c.caption));
      EXPECT_LE(QFontMetrics(widget->font()).horizontalAdvance(text), TextRoom(*layout, c, *widget))
          << text.toStdString();
      ++measured;
    }
  }
  EXPECT_EQ(measured, 11 + 19);  // every caption of both tables
}

TEST(QtWindows, LatinTextIsProportional) {
  Windows w;
  for (const QWidget* widget :
       {static_cast<QWidget*>(w.window.findChild<QLabel*>(QStringLiteral("Label5"))),
        static_cast<QWidget*>(w.dialog.findChild<QWidget*>(QStringLiteral("Edit2")))}) {
    const QFontMetrics metrics(widget->font());
    EXPECT_FALSE(QFontInfo(widget->font()).fixedPitch());
    EXPECT_LT(metrics.horizontalAdvance(QStringLiteral("1,000")),
              metrics.horizontalAdvance(QStringLiteral("00000")));
  }
}

TEST(QtWindows, APrinterNameLongerThanItsRoomIsShortenedAndShownWholeInTheTooltip) {
  Windows w;
  const QString longName = QStringLiteral("Brother_MFC-L2750DW_series_USB_office_second_floor_");
  struct Label {
    const WindowLayout& layout;
    std::string_view name;
    QLabel* label;
  };
  for (const Label& l : {Label{kMainWindowLayout, main_controls::kPrinterNameLabel.Name(),
                               w.window.findChild<QLabel*>(QStringLiteral("Label5"))},
                         Label{kSettingsDialogLayout, dialog_controls::kPrinterLabel.Name(),
                               w.dialog.findChild<QLabel*>(QStringLiteral("Label1"))}}) {
    SCOPED_TRACE(std::string(l.layout.name));
    ASSERT_NE(l.label, nullptr);
    const int room = LabelRoom(l.layout, ControlNamed(l.layout, l.name));
    for (const QString& name : {longName, longName.repeated(3)}) {
      w.window.SetPrinterLabel(name.toStdU16String());
      w.dialog.SetPrinterLabel(name.toStdU16String());
      const bool fits = QFontMetrics(l.label->font()).horizontalAdvance(name) <= room;
      EXPECT_EQ(l.label->text(), fits ? name : l.label->text());
      if (!fits) {
        EXPECT_TRUE(l.label->text().endsWith(QChar(0x2026)));
        EXPECT_TRUE(name.startsWith(l.label->text().chopped(1)));
        EXPECT_EQ(l.label->toolTip(), name);
      }
      EXPECT_LE(l.label->width(), room);
    }
    w.window.SetPrinterLabel(u"経理");
    w.dialog.SetPrinterLabel(u"経理");
    EXPECT_EQ(l.label->text(), QStringLiteral("経理"));
    EXPECT_TRUE(l.label->toolTip().isEmpty());
  }
  // The main window's room ends before "印刷設定": the long name stops short
  // of it.
  EXPECT_EQ(LabelRoom(kMainWindowLayout,
                      ControlNamed(kMainWindowLayout, main_controls::kPrinterNameLabel.Name())),
            680 - 2 - 552);
}

TEST(QtWindows, APageNumberOfTwoDigitsIsNarrowedToItsRoom) {
  Windows w;
  auto* label = w.window.findChild<QLabel*>(QStringLiteral("Label1"));
  const int room = LabelRoom(kMainWindowLayout,
                             ControlNamed(kMainWindowLayout, main_controls::kPageLabel.Name()));
  for (const char* page : {"1", "12", "123"}) {
    w.window.SetPageLabel(page);
    EXPECT_EQ(label->text(), QString::fromLatin1(page));
    EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), room) << page;
  }
}

}  // namespace
}  // namespace mirelo::test
