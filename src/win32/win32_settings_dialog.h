// The print settings dialog as Win32 controls: buttons, the edit fields with
// their up-down spinners, the check box and the labels, at the form's
// places. It runs modally over the main window and reports every click,
// arrow and finished entry to the logic.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/settings_dialog.h"
#include "ui/settings_dialog_view.h"
#include "win32/win32_controls.h"
#include "win32/windows_api.h"

namespace mirelo::win32 {

class Win32SettingsDialog : public SettingsDialogView {
 public:
  // Creates the dialog, hidden, owned by the main window.
  Win32SettingsDialog(SettingsDialog& logic, HWND mainWindow);
  ~Win32SettingsDialog() override;
  Win32SettingsDialog(const Win32SettingsDialog&) = delete;
  Win32SettingsDialog& operator=(const Win32SettingsDialog&) = delete;

  HWND Handle() const { return window_; }
  // The native control made for a control of the table.
  HWND Control(DialogControl control) const { return controls_[control.Index()]; }

  // SettingsDialogView
  void ShowModal() override;
  void Close() override;
  void SetPrinterLabel(std::u16string_view name) override;
  void SetSpinnerPosition(Spinner spinner, int position) override;
  void SetGroupSpacingChecked(bool checked) override;
  bool GroupSpacingChecked() const override;
  std::optional<FontChoice> ChooseFont(std::u16string_view face, int points) override;
  bool RunPrinterSetup(PrinterDraft& draft) override;
  void ShowMessage(std::string_view utf8) override;
  void ShowError(std::string_view utf8) override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR index, DWORD_PTR owner);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  // The control of the table behind a native control id; nothing for
  // another id.
  std::optional<DialogControl> ControlOfId(UINT_PTR id) const;
  // The user changed a field's text.
  void Typed(DialogControl field);

  SettingsDialog& logic_;
  HWND owner_;
  HWND window_ = nullptr;
  int dpi_ = 96;
  ControlFonts fonts_;          // the controls' fonts, released after the window
  std::u16string printerName_;  // as given, before it was shortened to fit
  bool open_ = false;
  HWND lastFocus_ = nullptr;           // the control that had the focus when the dialog was left
  bool showing_ = false;               // a position is being shown, not typed
  std::vector<HWND> controls_;         // in the order of the dialog's table
  std::vector<std::u16string> typed_;  // each field's text as last taken
};

}  // namespace mirelo::win32
