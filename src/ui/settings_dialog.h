// The print settings dialog's logic: every control writes its value into
// the MainState at once; there is nothing to confirm or cancel. It speaks to
// its widgets through SettingsDialogView, to the main window through
// MainWindowView (the printer label, the overview field's font size) and to
// the printers through PrinterChoice, so the tests run it without a window.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "ui/control_tables.h"
#include "ui/main_state.h"
#include "ui/main_window_view.h"
#include "ui/printer_choice.h"
#include "ui/settings_dialog_view.h"

namespace mirelo {

struct SpinnerRange {
  int min, max;
};

// The range of each spinner, in the order of Spinner.
inline constexpr std::array<SpinnerRange, kSpinnerCount> kSpinnerRanges = {{
    {5, 10},      // UpDown1
    {970, 1030},  // UpDown2
    {980, 1020},  // UpDown3
    {-100, 100},  // UpDown4
    {-100, 100},  // UpDown5
    {1, 15},      // UpDownPenWidth
    {10, 25},     // UpDownTabLen
}};

inline SpinnerRange RangeOf(Spinner spinner) {
  return kSpinnerRanges[static_cast<std::size_t>(spinner)];
}

// A position as its edit field shows it: "1,000" from 1000 on.
std::string SpinnerText(int position);

// A finished entry of an edit field: an optional sign and decimal digits,
// ASCII or full-width, with spaces around; "," between digits is allowed as
// the fields show it. Nothing when the text holds no number. Values far
// beyond any range are held at ±1,000,000.
std::optional<int> ParseSpinnerEntry(std::u16string_view text);

// Whether text typed so far into a spinner's field can still become an
// entry: spaces, an optional sign, up to seven digits (ASCII or full-width)
// and group separators, spaces. Each adapter keeps what the user types to
// this, so the fields take the same keys on every system.
bool IsPartialSpinnerEntry(std::u16string_view text);

// Whether code page 932 holds text unchanged, character for character.
bool FitsCp932(std::u16string_view text);

// Font sizes the program hands to a font dialog or a field: 1 to 1000
// points, as the settings file may hold any number.
int FontPointsInRange(int points);
// What a font dialog gave back, as the box takes it: the face, and the size
// in whole points (halves away from zero) within the range; a dialog that
// reports no size keeps the size it was given.
FontChoice ChosenFont(std::u16string face, double points, int given);

class SettingsDialog {
 public:
  SettingsDialog(MainState& state, PrinterChoice& printer, MainWindowView& mainWindow);
  void SetView(SettingsDialogView& view) { view_ = &view; }

  // The main window's settings button: shows the dialog (FormShow first) and
  // returns when it has been closed, with every change in the state. The
  // caller then recomposes, recounts and redraws.
  void ShowModal();

  // The dialog's own handlers.
  void FormShow();
  void Button1Click();  // font of the overview box
  void Button2Click();  // font of the special-notes box
  void Button3Click();  // close
  void Button4Click();  // printer
  // Each stores its own spinner's position.
  void UpDown1Click();
  void UpDown2Click();
  void UpDown3Click();
  void UpDown4Click();
  void UpDown5Click();
  void UpDownPenWidthClick();
  void UpDownTabLenClick();
  void CheckBox5Click(bool checked);

  // The dialog's input as every adapter reports it. A click on a button or
  // the check box (read from the view); an arrow of an up-down (step +1 or
  // -1); the text of a field after the user changed it, false when it can
  // no longer become a number (the adapter then puts back the text it had);
  // the end of a field's entry (focus lost); a key in the control with the
  // focus, true when it was the dialog's: Up and Down step a field's
  // spinner, Enter ends its entry and presses no button; a key with Ctrl,
  // Shift or Alt stays the field's.
  void Click(DialogControl control);
  void Arrow(DialogControl upDown, int step);
  bool Typed(DialogControl field, std::u16string_view text);
  void EntryEnded(DialogControl field);
  bool KeyDown(DialogControl focused, Key key, bool modified);

  // What the view reports of the spinners. An edit is the field's text
  // after the user changed it; the field is then modified until it shows a
  // position again. An arrow (a click or an arrow key, step +1 or -1) starts
  // from the number being typed, if any, moves the position within the
  // range and runs that spinner's handler. The end of an entry (focus lost
  // or Enter) takes the number typed into a modified field, brought into
  // the range, as a click would take it; text with no number in it puts the
  // position back in the field. The dialog's closing ends every entry.
  void SpinnerEdited(Spinner spinner, std::u16string_view text);
  void SpinnerArrow(Spinner spinner, int step);
  void SpinnerEntryEnded(Spinner spinner);
  // A finished entry, taken at once whether or not the field was modified.
  void SpinnerEntry(Spinner spinner, std::u16string_view text);

  int Position(Spinner spinner) const { return positions_[static_cast<std::size_t>(spinner)]; }

 private:
  template <typename Steps>
  void Handle(Steps steps);
  void SetPosition(Spinner spinner, int position);
  void Store(Spinner spinner);
  void ChangeFont(int box);
  void DialogClosing();

  MainState& state_;
  PrinterChoice& printer_;
  MainWindowView& mainWindow_;
  SettingsDialogView* view_ = nullptr;
  std::array<int, kSpinnerCount> positions_{};
  // What the user typed into each field since it last showed a position;
  // nothing where the field shows its position.
  std::array<std::optional<std::u16string>, kSpinnerCount> typed_{};
};

}  // namespace mirelo
