// The main window as Win32 controls: the tool bar panel with its buttons
// and labels, the scroll box with the page picture, the overview field and
// its button. It shows what the logic tells it and passes every click,
// wheel turn, close and session end on to it. Places are the form's, in
// pixels at 96 dots per inch, scaled to the monitor's dots per inch.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "ui/main_window.h"
#include "ui/main_window_view.h"
#include "win32/dib_preview_image.h"
#include "win32/hiragana_input.h"
#include "win32/win32_controls.h"
#include "win32/win32_scroll_box.h"
#include "win32/windows_api.h"

namespace mirelo::win32 {

class Win32MainWindow : public MainWindowView {
 public:
  // Creates the window, hidden.
  explicit Win32MainWindow(MainWindow& logic);
  ~Win32MainWindow() override;
  Win32MainWindow(const Win32MainWindow&) = delete;
  Win32MainWindow& operator=(const Win32MainWindow&) = delete;

  HWND Handle() const { return window_; }
  // The native control made for a control of the table.
  HWND Control(MainControl control) const { return controls_[control.Index()]; }
  // Shows the window and runs its show step.
  void Show();
  // Takes the messages the window handles wherever they are sent in it
  // (the wheel, the paging keys); true when the message has been handled.
  bool PreTranslate(const MSG& message);

  // MainWindowView
  void SetCaption(std::string_view utf8) override;
  int OuterWidth() const override;
  int OuterHeight() const override;
  int ClientWidth() const override;
  int ScreenWidth() const override;
  int ScreenHeight() const override;
  // Every monitor's work area, in virtual-screen coordinates.
  std::vector<DeviceRectangle> WorkAreas() const override;
  std::optional<WindowPosition> Position() const override;
  void MoveTo(WindowPosition position) override;
  void RequestClose() override;
  PreviewImage& CreatePreview(int width, int height, int dotsPerInch) override;
  void PlaceImage(int left, int top) override;
  int ImageTop() const override;
  void PreviewDrawn() override;
  void PlaceLabel2(int top) override;
  void ScrollVertically(int delta) override;
  void ScrollHorizontally(int delta) override;
  void SetButtonEnabled(ToolButton button, bool enabled) override;
  void SetButtonCaption(ToolButton button, std::string_view utf8) override;
  void SetPageLabel(std::string_view text) override;
  void SetPrinterLabel(std::u16string_view name) override;
  bool SaveOverviewChecked() const override;
  void SetSaveOverviewChecked(bool checked) override;
  void PlaceMemo(int left, int top) override;
  void SetMemoVisible(bool visible) override;
  std::u16string MemoText() const override;
  void SetMemoText(std::u16string_view text) override;
  void FocusMemo(bool selectAll) override;
  void SetMemoFontSize(int points) override;
  bool MemoHasFocus() const override;
  void ShowMessage(std::string_view utf8) override;
  void ShowError(std::string_view utf8) override;
  std::optional<std::filesystem::path> AskPdfFileName() override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ImageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK MemoProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR, DWORD_PTR);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  // A notice of a control of the table.
  void Command(MainControl control, int code);
  // The control of the table behind a native control id; nothing for
  // another id.
  std::optional<MainControl> ControlOfId(int id) const;
  // The docked controls at the client area's size.
  void LayOut();
  int S(int designPixels) const;

  MainWindow& logic_;
  int dpi_ = 96;
  ControlFonts fonts_;          // the controls' fonts, released after the window
  std::u16string printerName_;  // as given, before it was shortened to fit
  HWND window_ = nullptr;
  std::vector<HWND> controls_;                  // in the order of the window's table
  std::vector<GdiObject<HBRUSH>> backgrounds_;  // a field's own colour, by the table's order
  std::unique_ptr<ScrollBox> scrollBox_;
  HWND memo_ = nullptr;
  HFONT memoFont_ = nullptr;
  HiraganaInput fieldInput_;  // the input method while a hiragana field has the focus
  int memoPoints_ = 0;        // the overview field's point size; 0: the form's
  std::unique_ptr<DibPreviewImage> preview_;
};

}  // namespace mirelo::win32
