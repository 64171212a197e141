// What the main window's logic asks of the window that shows it. Each
// adapter implements it with its native controls (Qt widgets, Win32
// controls), the tests with a recording double; every place and size is in
// screen pixels.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/geometry.h"
#include "platform/preview_image.h"

namespace mirelo {

// The tool buttons, numbered as the window numbers them.
enum class ToolButton {
  PrintAll = 1,      // SpeedButton1
  PrintCurrent = 2,  // SpeedButton2
  Previous = 3,      // SpeedButton3
  Next = 4,          // SpeedButton4
  Overview = 5,      // SpeedButton5
  Settings = 6,      // SpeedButton6
  Close = 7,         // SpeedButton7
};

// The keys the windows act on: the main window pages and scrolls with the
// first eight, a spinner's field steps with Up and Down and ends an entry
// with Enter.
enum class Key { PageUp, PageDown, Home, End, Up, Down, Left, Right, Enter };

struct WindowPosition {
  int left = 0, top = 0;
};

class MainWindowView {
 public:
  virtual ~MainWindowView() = default;

  // The window as a whole. The outer size includes the frame. Position is
  // nothing where the windowing system does not report it.
  virtual void SetCaption(std::string_view utf8) = 0;
  virtual int OuterWidth() const = 0;
  virtual int OuterHeight() const = 0;
  virtual int ClientWidth() const = 0;
  virtual int ScreenWidth() const = 0;
  virtual int ScreenHeight() const = 0;
  // The work area of every screen (the screen less the task bars and docks),
  // in the coordinates of Position; empty where the system does not tell.
  virtual std::vector<DeviceRectangle> WorkAreas() const = 0;
  virtual std::optional<WindowPosition> Position() const = 0;
  virtual void MoveTo(WindowPosition position) = 0;
  // Asks the window to close; the close step then runs as for the window's
  // own close command.
  virtual void RequestClose() = 0;

  // The preview: Image1 showing a bitmap of width × height dots, placed at
  // left, top in the scroll box. The picture stays the view's; the logic
  // draws on it and says when a drawing is complete.
  virtual PreviewImage& CreatePreview(int width, int height, int dotsPerInch) = 0;
  virtual void PlaceImage(int left, int top) = 0;
  virtual int ImageTop() const = 0;
  virtual void PreviewDrawn() = 0;
  virtual void PlaceLabel2(int top) = 0;
  virtual void ScrollVertically(int delta) = 0;
  virtual void ScrollHorizontally(int delta) = 0;

  // The controls.
  virtual void SetButtonEnabled(ToolButton button, bool enabled) = 0;
  virtual void SetButtonCaption(ToolButton button, std::string_view utf8) = 0;
  virtual void SetPageLabel(std::string_view text) = 0;        // Label1
  virtual void SetPrinterLabel(std::u16string_view name) = 0;  // Label5
  virtual bool SaveOverviewChecked() const = 0;                // CheckBox1
  virtual void SetSaveOverviewChecked(bool checked) = 0;
  virtual void PlaceMemo(int left, int top) = 0;  // Memo1
  virtual void SetMemoVisible(bool visible) = 0;
  // The overview field's text, with CR LF line breaks.
  virtual std::u16string MemoText() const = 0;
  virtual void SetMemoText(std::u16string_view text) = 0;
  // Gives the overview field the keyboard focus, with its whole text
  // selected or the caret at its end.
  virtual void FocusMemo(bool selectAll) = 0;
  virtual void SetMemoFontSize(int points) = 0;  // 1 to 1000
  // Whether the overview field has the keyboard focus.
  virtual bool MemoHasFocus() const = 0;

  // A message box with one OK button, captioned with the application title;
  // returns when the user has closed it.
  virtual void ShowMessage(std::string_view utf8) = 0;
  // The same for an error.
  virtual void ShowError(std::string_view utf8) = 0;
  // Asks for the name of the PDF file that the program's own PDF printer
  // writes; nothing when the user cancels.
  virtual std::optional<std::filesystem::path> AskPdfFileName() = 0;
};

}  // namespace mirelo
