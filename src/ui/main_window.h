// The main window's logic: create, show, close and destroy steps, the tool
// buttons and the mouse wheel. It works on the MainState and speaks to the
// widgets only through MainWindowView, so every adapter shares it and the
// tests run it without a window.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/file_store.h"
#include "platform/locale_info.h"
#include "platform/preview_image.h"
#include "platform/printers.h"
#include "platform/profile_store.h"
#include "platform/system_services.h"
#include "platform/text_measurer.h"
#include "ui/control_tables.h"
#include "ui/first_page_work.h"
#include "ui/main_state.h"
#include "ui/main_window_view.h"
#include "ui/printer_choice.h"
#include "ui/settings_dialog.h"

namespace mirelo {

// The design places of the window, in pixels at 96 dots per inch.
inline constexpr int kClientWidth = 892;
inline constexpr int kClientHeight = 701;
inline constexpr int kImageTop = 35;
// What one turn of the wheel or one arrow key scrolls, in screen pixels.
inline constexpr int kWheelStep = 16;
// Tab in the overview field is typed into the text, like every other key
// there, so that nothing typed after it goes astray; the field is left by
// its button.
inline constexpr bool kOverviewFieldTakesTab = true;

// Why the window closes: the user closes it, or the session ends (Windows'
// end of session, SIGTERM), when nobody is there to answer a message box.
enum class CloseCause { User, SessionEnd };

class MainWindow {
 public:
  // settingsPath names the settings file in messages.
  MainWindow(MainState& state, SystemServices& services, ProfileStore& profile,
             std::string settingsPath);
  void SetView(MainWindowView& view) { view_ = &view; }
  // The print settings dialog that SpeedButton6 shows; nothing while there
  // is none.
  void SetSettingsDialog(SettingsDialog* dialog) { settingsDialog_ = dialog; }
  // Or what makes it the first time SpeedButton6 is clicked: its controls
  // would cost the start-up as much again, and most sessions never open it.
  void SetSettingsDialogMaker(std::function<SettingsDialog&()> make) {
    makeSettingsDialog_ = std::move(make);
  }
  // The printer the print buttons print on, which the settings dialog
  // changes.
  PrinterChoice& Printer() { return printer_; }
  // Page 1 being made ahead of the show step, which takes it over where
  // it fits; nothing to have the show step make it.
  void SetFirstPage(std::unique_ptr<FirstPageWork> work) { firstPage_ = std::move(work); }

  // The create step. False when the program is to end without showing the
  // window: the data file is missing (the user has been told).
  bool FormCreate(const std::filesystem::path& appDir, const std::string& dataFilePath);
  // The show step, once, when the window is first shown.
  void FormShow();
  // The window now stands on a screen of another resolution: the picture is
  // made again at it and the page drawn again, the overview field laid over
  // the page's overview box. The lines and the pages stay as they are.
  void ScreenDpiChanged(int dotsPerInch);
  // The close step: saves the settings, then the overview, each whatever
  // became of the other. False when the window must stay open: the typed
  // overview could not be kept (the user has been told). Settings that
  // cannot be written cost this run's changes to them, not the close; the
  // user is told once a run. At the end of a session nothing is shown and
  // the close always goes on.
  bool FormClose(CloseCause cause = CloseCause::User);
  void FormDestroy();

  // The tool buttons: print all pages, print the current page, previous
  // page, next page, open or close the overview input, print settings,
  // close.
  void SpeedButton1Click();
  void SpeedButton2Click();
  void SpeedButton3Click();
  void SpeedButton4Click();
  void SpeedButton5Click();
  void SpeedButton6Click();
  void SpeedButton7Click();
  void FormMouseWheelDown();
  void FormMouseWheelUp();

  // The window's input as every adapter reports it. A click on a control
  // of the table: a tool button runs its handler, the other controls act on
  // their own (the check box is read when it counts).
  void Click(MainControl control);
  // A wheel event anywhere in the window: one step of kWheelStep whatever
  // its delta, so that a touchpad's small deltas scroll too. False for a
  // delta of 0 (a sideways scroll), which stays the control's.
  bool Wheel(int verticalDelta);
  // A key pressed anywhere in the window, before the focused control sees
  // it. A key with Ctrl, Shift or Alt stays the focused control's
  // (Ctrl+End in the overview field). Page Up and Page Down page as the
  // page buttons do (nothing while the button is disabled), Home and End go
  // to the first and last page (as far as the same buttons allow), the
  // arrow keys scroll as the wheel does. None of them acts while the
  // overview field has the focus. True when the key was the window's.
  bool KeyDown(Key key, bool modified);

  void PreviousPage();
  void NextPage();
  void OpenOverviewInput();
  void CloseOverviewInput();

 private:
  // Runs one handler; an error ends it and is shown, and the program goes on.
  template <typename Steps>
  void Handle(Steps steps);
  void Print(void (*print)(const MainState&, PrintJob&, TextMeasurer&));
  void DrawCurrentPage();
  // The page count after a recomposition; a current page past the new last
  // page becomes the last page.
  void RecountPages();
  // Shows page, with the page label and the paging buttons as paging to it
  // sets them.
  void GoToPage(int page);
  void SetButtonEnabled(ToolButton button, bool enabled);
  bool ButtonEnabled(ToolButton button) const;
  // The show step proper; FormShow reports what stops it.
  void ShowStep();
  // Makes the preview picture for the screen's resolution and places it,
  // and Label2 below it.
  void SizePreview(int dotsPerInch);
  void PlaceMemoOverPage();
  // Takes the page made ahead, if there is one and it fits the window as
  // shown: the data, the boxes and the drawn page 1. overviewError gets the
  // error of a kept overview that could not be read.
  bool TakeFirstPage(std::string& overviewError);

  MainState& state_;
  SystemServices& services_;
  ProfileStore& profile_;
  std::string settingsPath_;
  MainWindowView* view_ = nullptr;
  SettingsDialog* settingsDialog_ = nullptr;
  std::function<SettingsDialog&()> makeSettingsDialog_;
  PrinterChoice printer_;
  std::unique_ptr<FirstPageWork> firstPage_;
  std::unique_ptr<TextMeasurer> measurer_;  // at the measuring resolution
  PreviewImage* preview_ = nullptr;         // the view's
  int imageLeft_ = 0, imageTop_ = 0;        // where the picture stands
  bool memoOverPage_ = false;               // the show step laid the field over the page
  // Whether each tool button is enabled, as the view shows it; all are at
  // creation.
  std::array<bool, 8> enabled_ = {true, true, true, true, true, true, true, true};
  bool overviewOpen_ = false;       // as SpeedButton5's caption says
  bool pageReady_ = false;          // the show step composed the page
  std::string showError_;           // why the show step stopped, as its box said
  bool settingsLossShown_ = false;  // the user knows the settings are not kept
};

// The text of an error box: the error's text, with a "." behind it when its
// last character comes after "." in code order.
std::string ErrorBoxText(std::string_view utf8);

}  // namespace mirelo
