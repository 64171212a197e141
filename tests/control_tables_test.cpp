// The windows' tables and the geometry computed from them: names that
// resolve or fail loudly, the logic's names for controls and back, docking,
// scaling and how far a caption is narrowed.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "ui/control_tables.h"

namespace mirelo::test {
namespace {

TEST(ControlTables, NamesResolveToTheirControlAndAnUnknownNameThrows) {
  EXPECT_EQ(&ControlNamed(kMainWindowLayout, "Memo1"), &main_controls::kMemo1.Facts());
  EXPECT_EQ(&ControlNamed(kSettingsDialogLayout, "Label1"),
            &dialog_controls::kPrinterLabel.Facts());
  // The first control used to stand in for a misspelt name.
  for (const char* name : {"Panel0", "memo1", "", "Label1 "})
    EXPECT_THROW(ControlNamed(kMainWindowLayout, name), std::logic_error) << name;
  EXPECT_THROW(ControlNamed(kSettingsDialogLayout, "SpeedButton1"), std::logic_error);
  EXPECT_THROW(MainControl::At(kMainControls.size()), std::out_of_range);
  EXPECT_THROW(DialogControl::At(kDialogControls.size()), std::out_of_range);
}

TEST(ControlTables, TheLogicsNamesForControlsGoThereAndBack) {
  for (int b = 1; b <= 7; ++b) {
    const auto button = static_cast<ToolButton>(b);
    const MainControl control = ToolButtonControl(button);
    EXPECT_EQ(control.Name(), "SpeedButton" + std::to_string(b));
    EXPECT_EQ(control.Facts().kind, ControlKind::ToolButton);
    EXPECT_EQ(ToolButtonOf(control), button);
  }
  EXPECT_EQ(ToolButtonOf(main_controls::kCheckBox1), std::nullopt);
  for (int s = 0; s < kSpinnerCount; ++s) {
    const auto spinner = static_cast<Spinner>(s);
    EXPECT_EQ(EditControl(spinner).Facts().kind, ControlKind::Edit);
    EXPECT_EQ(UpDownControl(spinner).Facts().kind, ControlKind::UpDown);
    EXPECT_EQ(SpinnerOf(EditControl(spinner)), spinner);
    EXPECT_EQ(SpinnerOf(UpDownControl(spinner)), spinner);
  }
  EXPECT_EQ(SpinnerOf(dialog_controls::kClose), std::nullopt);
  EXPECT_EQ(main_controls::kMemo1.Parent(), main_controls::kScrollBox1);
  EXPECT_EQ(main_controls::kPanel1.Parent(), std::nullopt);
}

TEST(ControlTables, TheFormsFactsStandInTheTables) {
  using namespace main_controls;
  EXPECT_TRUE(kCheckBox1.Facts().checked);
  EXPECT_FALSE(dialog_controls::kGroupSpacing.Facts().checked);
  EXPECT_EQ(kMemo1.Facts().background, (Rgb{255, 255, 136}));
  EXPECT_EQ(kMemo1.Facts().inputMethod, InputMethod::Hiragana);
  EXPECT_EQ(EditControl(Spinner::UpDown1).Facts().inputMethod, InputMethod::Off);
  EXPECT_TRUE(kImage1.Facts().underSiblings);
  // The spinner's field precedes its arrows, and the check box comes last
  // of what takes the focus: the order Tab walks.
  for (int s = 0; s < kSpinnerCount; ++s)
    EXPECT_EQ(EditControl(static_cast<Spinner>(s)).Index() + 1,
              UpDownControl(static_cast<Spinner>(s)).Index());
  EXPECT_GT(dialog_controls::kGroupSpacing.Index(), EditControl(Spinner::UpDown5).Index());
}

TEST(ControlTables, DockingAndScaling) {
  using namespace main_controls;
  struct Case {
    const Control& control;
    int width, height, dpi;
    DeviceRectangle place;
  };
  const Case cases[] = {
      {kPanel1.Facts(), 892, 701, 96, {0, 0, 892, 49}},
      {kScrollBox1.Facts(), 892, 701, 96, {0, 49, 892, 701}},
      {kPanel1.Facts(), 1338, 1052, 144, {0, 0, 1338, 74}},
      {kScrollBox1.Facts(), 1338, 1052, 144, {0, 74, 1338, 1052}},
      // A window lower than the tool bar: the scroll box is empty, not
      // upside down.
      {kScrollBox1.Facts(), 300, 30, 96, {0, 49, 300, 49}},
      // A control not docked keeps its place, scaled.
      {ToolButtonControl(ToolButton::PrintAll).Facts(), 1338, 1052, 144, {12, 6, 146, 56}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.control.name) + " at " + std::to_string(c.dpi));
    EXPECT_EQ(DockedPlace(kMainWindowLayout, c.control, c.width, c.height, c.dpi), c.place);
  }
  // As the system rounds: halves away from zero.
  struct Scaled {
    int pixels, dpi, scaled;
  };
  for (const Scaled& s : {Scaled{49, 144, 74}, Scaled{35, 144, 53}, Scaled{16, 120, 20},
                          Scaled{-100, 144, -150}, Scaled{-35, 144, -53}, Scaled{697, 96, 697}})
    EXPECT_EQ(ScaleToDpi(s.pixels, s.dpi), s.scaled) << s.pixels << " at " << s.dpi;
}

TEST(ControlTables, ACaptionIsNarrowedJustEnoughToFitItsRoom) {
  struct Case {
    const char* what;
    int room;
    int (*widthAt)(int);
    int stretch;
  };
  const Case cases[] = {
      {"fits", 200, [](int s) { return 2 * s; }, 100},
      {"no room to judge by", 0, [](int s) { return 2 * s; }, 100},
      {"in proportion", 150, [](int s) { return 2 * s; }, 75},
      {"wider than the share suggests", 150, [](int s) { return 2 * s + 10; }, 70},
      // Whatever the room, the caption ends within it, however narrow.
      {"never fits", 10, [](int) { return 500; }, kNarrowestStretch},
  };
  for (const Case& c : cases) EXPECT_EQ(FittedStretch(c.room, c.widthAt), c.stretch) << c.what;
}

}  // namespace
}  // namespace mirelo::test
