// What the print settings dialog's logic asks of the window that shows it.
// Each adapter implements it with its native controls (Qt widgets, Win32
// controls), the tests with a recording double.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/printers.h"

namespace mirelo {

// The dialog's seven spinners, each with the edit field it shows its
// position in: Edit1, Edit2, Edit3, Edit4, Edit5, editPenWidth, EditTabLen.
enum class Spinner {
  UpDown1,         // box 2 lines per page
  UpDown2,         // x scale in thousandths (read-only field)
  UpDown3,         // y scale in thousandths (read-only field)
  UpDown4,         // x offset in tenths of a millimetre
  UpDown5,         // y offset in tenths of a millimetre
  UpDownPenWidth,  // frame pen width in printer dots
  UpDownTabLen,    // box 3 tab position in whole millimetres
};
inline constexpr int kSpinnerCount = 7;

// What the font dialog gives back: the face and a whole point size.
struct FontChoice {
  std::u16string face;
  int points = 0;
};

class SettingsDialogView {
 public:
  virtual ~SettingsDialogView() = default;

  // Shows the dialog modally over the main window and returns when it has
  // been closed.
  virtual void ShowModal() = 0;
  // Ends the modal display, as the window's own close command does.
  virtual void Close() = 0;

  virtual void SetPrinterLabel(std::u16string_view name) = 0;  // Label1
  // The spinner's position, shown in its edit field as SpinnerText gives it;
  // the user's changes to the field are reported to the logic as edits.
  virtual void SetSpinnerPosition(Spinner spinner, int position) = 0;
  virtual void SetGroupSpacingChecked(bool checked) = 0;  // CheckBox5
  virtual bool GroupSpacingChecked() const = 0;

  // Runs the font dialog preset with face and size; nothing when the user
  // cancels.
  virtual std::optional<FontChoice> ChooseFont(std::u16string_view face, int points) = 0;

  // Runs the system's printer set-up dialog over this one on the draft: the
  // user chooses a printer and its options and confirms with a word that
  // does not say "print". False when the user cancelled.
  virtual bool RunPrinterSetup(PrinterDraft& draft) = 0;

  // Message boxes over the dialog, with one OK button, captioned with the
  // application title.
  virtual void ShowMessage(std::string_view utf8) = 0;
  virtual void ShowError(std::string_view utf8) = 0;
};

}  // namespace mirelo
