#include "ui/main_window.h"

#include <exception>
#include <string>

#include "base/format_message.h"
#include "base/geometry.h"
#include "base/messages.h"
#include "base/text_encoding.h"
#include "compose/box_contents.h"
#include "compose/box_settings.h"
#include "layout/char_placement.h"
#include "layout/kept_widths_measurer.h"
#include "layout/measuring_resolution.h"
#include "render/device_mapping.h"
#include "render/digit_glyphs.h"
#include "render/page_renderer.h"
#include "ui/first_showing.h"
#include "ui/overview_text.h"
#include "ui/page_output.h"
#include "ui/startup.h"
#include "ui/window_placement.h"

namespace mirelo {

std::string ErrorBoxText(std::string_view utf8) {
  std::string text(utf8);
  if (text.empty()) return text;
  // The last character's first byte: a UTF-8 lead byte or ASCII. Every
  // character beyond ASCII comes after ".".
  std::size_t last = text.size() - 1;
  while (last > 0 && (static_cast<unsigned char>(text[last]) & 0xC0) == 0x80) --last;
  const unsigned char lead = static_cast<unsigned char>(text[last]);
  if (lead >= 0x80 || lead > '.') text += '.';
  return text;
}

MainWindow::MainWindow(MainState& state, SystemServices& services, ProfileStore& profile,
                       std::string settingsPath)
    : state_(state),
      services_(services),
      profile_(profile),
      settingsPath_(std::move(settingsPath)),
      printer_(services.SystemPrinters()) {}

void MainWindow::SetButtonEnabled(ToolButton button, bool enabled) {
  enabled_[static_cast<std::size_t>(button)] = enabled;
  view_->SetButtonEnabled(button, enabled);
}

bool MainWindow::ButtonEnabled(ToolButton button) const {
  return enabled_[static_cast<std::size_t>(button)];
}

template <typename Steps>
void MainWindow::Handle(Steps steps) {
  try {
    steps();
  } catch (const std::exception& e) {
    view_->ShowError(ErrorBoxText(e.what()));
  }
}

bool MainWindow::FormCreate(const std::filesystem::path& appDir, const std::string& dataFilePath) {
  // Centred by the window's outer size, the remainder dropped.
  const int left = (view_->ScreenWidth() - view_->OuterWidth()) / 2;
  const int top = (view_->ScreenHeight() - view_->OuterHeight()) / 2;
  if (!profile_.WaitUntilReadable()) {
    const std::string where = profile_.Where();
    state_.UnreadableSettingsFile = where.empty() ? settingsPath_ : where;
  }
  CreateMainState(state_, appDir, dataFilePath, profile_, services_.Locale(), left, top);
  // The settings keep the place as read; the window opens where it can be
  // seen, and the close writes where it then stands.
  view_->MoveTo(OpeningPosition(state_.Settings.Left, state_.Settings.Top, {left, top},
                                view_->OuterWidth(), view_->OuterHeight(), view_->WorkAreas()));
  view_->SetSaveOverviewChecked(state_.Settings.SaveOverview);
  if (!DataFileExists(state_.DataFilePath)) {
    view_->ShowMessage(msg::kDataFileMissing);
    return false;
  }
  if (!state_.UnreadableSettingsFile.empty())
    view_->ShowError(
        ErrorBoxText(FormatMessage(msg::kSettingsUnreadable, state_.UnreadableSettingsFile)) +
        "\r\n" + msg::kSettingsLeftAlone);
  return true;
}

void MainWindow::FormShow() {
  try {
    ShowStep();
  } catch (const std::exception& e) {
    // The window stays for the settings and the close; printing answers
    // with the reason the page is missing. The kept overview was never
    // loaded, so nothing typed could be saved without overwriting it: the
    // input stays closed and out of sight.
    SetButtonEnabled(ToolButton::Overview, false);
    view_->SetMemoVisible(false);
    showError_ = ErrorBoxText(e.what());
    view_->ShowError(showError_);
  }
}

void MainWindow::ShowStep() {
  view_->SetCaption(msg::kMainWindowCaption);

  // The screen's resolution sizes the picture; the text is measured at the
  // form's own, so the lines and the pages are the same on every display.
  measurer_ = std::make_unique<KeptWidthsMeasurer>(services_.CreatePreviewMeasurer(kMeasuringDpi));
  SizePreview(services_.ScreenDpi());

  if (!printer_.SelectDefault()) throw std::runtime_error(msg::kNoDefaultPrinter);
  view_->SetPrinterLabel(printer_.Name());
  state_.PrinterPpm = PrinterPixelsPerMm(printer_.LogPixelsX(), printer_.LogPixelsY());

  state_.Settings.SaveOverview = view_->SaveOverviewChecked();
  std::string overviewError;
  const bool madeAhead = TakeFirstPage(overviewError);
  try {
    if (!madeAhead)
      PrepareFirstShowing(
          state_, *measurer_, [&] { EnsureOverviewFolder(state_, *view_, services_.Files()); },
          [&](const OverviewFileError& e) { overviewError = e.what(); });
  } catch (...) {
    // No survey, no page: nothing to print or page through.
    for (ToolButton b :
         {ToolButton::PrintAll, ToolButton::PrintCurrent, ToolButton::Previous, ToolButton::Next})
      SetButtonEnabled(b, false);
    throw;
  }
  view_->SetMemoText(state_.OverviewText);
  if (!pageReady_) {
    pageReady_ = true;
    DrawCurrentPage();
  }

  SetButtonEnabled(ToolButton::Previous, false);
  SetButtonEnabled(ToolButton::Next, state_.PageCount > 1);
  view_->SetButtonCaption(ToolButton::Overview, msg::kOverviewOpenCaption);
  view_->SetMemoVisible(false);
  memoOverPage_ = true;
  PlaceMemoOverPage();

  if (!overviewError.empty()) {
    // The file stays as it is: no input this run, nothing saved over it.
    SetButtonEnabled(ToolButton::Overview, false);
    view_->ShowError(ErrorBoxText(overviewError) + "\r\n" + msg::kOverviewLeftAlone);
  }
  if (!IsTenAsciiDigits(state_.Survey.InsuredPersonNumber))
    view_->ShowMessage(FormatMessage(msg::kInsuredNumberNotTenDigits, state_.DataFilePath));
}

bool MainWindow::TakeFirstPage(std::string& overviewError) {
  if (!firstPage_) return false;
  FirstPageWork::Result made = firstPage_->Take();
  firstPage_.reset();
  // Both states come from the same read of the settings; the page depends
  // on these of what has happened since.
  if (made.error || !made.picture || made.dotsPerInch != services_.ScreenDpi() ||
      made.state.DataFilePath != state_.DataFilePath ||
      made.state.Settings.SaveOverview != state_.Settings.SaveOverview ||
      made.state.Settings.sw5 != state_.Settings.sw5 || !preview_->TakePicture(*made.picture))
    return false;
  // Where the show step would make the overview folder, after the data.
  EnsureOverviewFolder(state_, *view_, services_.Files());
  state_.Boxes = std::move(made.state.Boxes);
  state_.Survey = std::move(made.state.Survey);
  state_.OverviewText = std::move(made.state.OverviewText);
  state_.OverviewEncoding = made.state.OverviewEncoding;
  state_.OverviewAsRead = std::move(made.state.OverviewAsRead);
  state_.PageCount = made.state.PageCount;
  state_.OverviewLookedFor = made.state.OverviewLookedFor;
  overviewError = std::move(made.overviewError);
  pageReady_ = true;
  view_->PreviewDrawn();
  return true;
}

void MainWindow::SizePreview(int dotsPerInch) {
  state_.ScreenPpm = ScreenPixelsPerMm(dotsPerInch);
  const int width = RoundHalfEven(210 * state_.ScreenPpm.x);
  const int height = RoundHalfEven(297 * state_.ScreenPpm.y);
  preview_ = &view_->CreatePreview(width, height, dotsPerInch);
  imageTop_ = view_->ImageTop();
  view_->PlaceLabel2(RoundHalfEven(imageTop_ + height + 4 * state_.ScreenPpm.y));
  const int clientWidth = view_->ClientWidth();
  imageLeft_ = clientWidth > width ? (clientWidth - width) / 2 : 0;
  view_->PlaceImage(imageLeft_, imageTop_);
}

void MainWindow::PlaceMemoOverPage() {
  // Over the overview box (box 2) of the page.
  view_->PlaceMemo(static_cast<int>(15 * state_.ScreenPpm.x) + imageLeft_,
                   static_cast<int>(49 * state_.ScreenPpm.y) + imageTop_);
}

void MainWindow::ScreenDpiChanged(int dotsPerInch) {
  if (!preview_) return;  // not shown yet: the show step sizes the picture
  Handle([&] {
    SizePreview(dotsPerInch);
    if (memoOverPage_) PlaceMemoOverPage();
    DrawCurrentPage();
  });
}

bool MainWindow::FormClose(CloseCause cause) {
  // Where the windowing system keeps the position to itself, the one read at
  // start goes back unchanged.
  if (const std::optional<WindowPosition> at = view_->Position()) {
    state_.Settings.Left = at->left;
    state_.Settings.Top = at->top;
  }
  state_.Settings.SaveOverview = view_->SaveOverviewChecked();
  // Each save on its own: a settings file that cannot be written (a folder
  // only an administrator may write) must neither cost the typed overview
  // nor keep the window from closing.
  std::string settingsError, overviewError;
  // A settings file that could not be read at start holds the user's
  // calibration, which this run never saw: it is left as it is.
  if (state_.UnreadableSettingsFile.empty()) {
    try {
      SaveSettings(profile_, services_.Locale(), state_.Boxes, state_.Settings, settingsPath_);
    } catch (const std::exception& e) {
      settingsError = e.what();
    }
  }
  // A run whose show step failed never loaded the kept overview: saving
  // the field would put the placeholder over the user's text.
  if (state_.Settings.SaveOverview && state_.OverviewLookedFor) {
    try {
      SaveOverviewText(state_, view_->MemoText(), services_.Files());
    } catch (const std::exception& e) {
      overviewError = e.what();
    }
  }
  if (cause == CloseCause::SessionEnd) return true;  // the session ends whatever is answered

  std::string box;
  if (!overviewError.empty()) box = ErrorBoxText(overviewError);
  if (!settingsError.empty() && !settingsLossShown_) {
    if (!box.empty()) box += "\r\n";
    box += ErrorBoxText(settingsError) + "\r\n" + msg::kSettingsNotKept;
    settingsLossShown_ = true;
  }
  if (!box.empty()) view_->ShowError(box);
  // The typed overview is the user's work: the window stays while it cannot
  // be kept, so that it can be copied or the save option unchecked.
  return overviewError.empty();
}

void MainWindow::FormDestroy() {
  state_.Survey.Items.clear();
  for (int box = 1; box <= kBoxCount; ++box) state_.Boxes[box].LineList.clear();
}

void MainWindow::DrawCurrentPage() {
  if (!pageReady_) return;  // a show step that failed before the page existed
  ClearPreview(*preview_);
  RenderPage(u'D', state_.CurrentPage, state_, preview_->ImageCanvas(), *measurer_);
  view_->PreviewDrawn();
}

void MainWindow::Print(void (*print)(const MainState&, PrintJob&, TextMeasurer&)) {
  Handle([&] {
    if (!pageReady_) {
      // The show step stopped before the page existed; say why again
      // rather than print an empty form.
      if (!showError_.empty()) view_->ShowError(showError_);
      return;
    }
    std::unique_ptr<PrintJob> job = printer_.CreateJob([&] { return view_->AskPdfFileName(); });
    if (!job) return;  // the user cancelled on the way: nothing printed, nothing to say
    print(state_, *job, *measurer_);
    view_->ShowMessage(msg::kPrinted);
  });
}

void MainWindow::SpeedButton1Click() { Print(PrintAllPages); }
void MainWindow::SpeedButton2Click() { Print(PrintCurrentPage); }
void MainWindow::SpeedButton3Click() {
  Handle([&] { PreviousPage(); });
}
void MainWindow::SpeedButton4Click() {
  Handle([&] { NextPage(); });
}
void MainWindow::SpeedButton5Click() {
  // The button's caption is the input's state.
  Handle([&] {
    if (overviewOpen_)
      CloseOverviewInput();
    else
      OpenOverviewInput();
  });
}

namespace {

constexpr ToolButton kButtonsLockedByTheOverview[] = {
    ToolButton::PrintAll, ToolButton::PrintCurrent, ToolButton::Previous, ToolButton::Next,
    ToolButton::Settings};

}  // namespace

void MainWindow::OpenOverviewInput() {
  view_->SetButtonCaption(ToolButton::Overview, msg::kOverviewCloseCaption);
  overviewOpen_ = true;
  view_->SetMemoVisible(true);
  const std::u16string text = view_->MemoText();
  const std::u16string placeholder = FromUtf8(msg::kOverviewPlaceholder);
  const std::u16string_view firstLine = std::u16string_view(text).substr(0, text.find(u"\r\n"));
  view_->FocusMemo(firstLine == placeholder);
  for (ToolButton b : kButtonsLockedByTheOverview) SetButtonEnabled(b, false);
}

void MainWindow::CloseOverviewInput() {
  view_->SetButtonCaption(ToolButton::Overview, msg::kOverviewOpenCaption);
  overviewOpen_ = false;
  view_->SetMemoVisible(false);
  state_.OverviewText = view_->MemoText();
  for (ToolButton b : kButtonsLockedByTheOverview) SetButtonEnabled(b, true);
  if (pageReady_) {
    ComposeOverviewBox(state_.Boxes, state_.OverviewText, *measurer_, kMeasuringPixelsPerMm);
    RecountPages();
  }
}

void MainWindow::SpeedButton6Click() {
  Handle([&] {
    if (!settingsDialog_ && makeSettingsDialog_) settingsDialog_ = &makeSettingsDialog_();
    if (!settingsDialog_) return;
    settingsDialog_->ShowModal();  // every change is in the state when it returns
    if (!pageReady_) return;       // a show step that failed before the page existed
    // Button states, the current page and its label stay as they are while
    // the page still exists.
    RecomposeAfterSettings(state_.Boxes, state_.Survey, state_.Settings.sw5, view_->MemoText(),
                           *measurer_, kMeasuringPixelsPerMm);
    RecountPages();
  });
}

void MainWindow::SpeedButton7Click() { view_->RequestClose(); }

void MainWindow::PreviousPage() {
  SetButtonEnabled(ToolButton::Next, true);
  if (--state_.CurrentPage <= 1) {
    state_.CurrentPage = 1;
    SetButtonEnabled(ToolButton::Previous, false);
  }
  view_->SetPageLabel(std::to_string(state_.CurrentPage));
  DrawCurrentPage();
}

void MainWindow::NextPage() {
  SetButtonEnabled(ToolButton::Previous, true);
  if (++state_.CurrentPage >= state_.PageCount) {
    state_.CurrentPage = state_.PageCount;
    SetButtonEnabled(ToolButton::Next, false);
  }
  view_->SetPageLabel(std::to_string(state_.CurrentPage));
  DrawCurrentPage();
}

void MainWindow::RecountPages() {
  state_.PageCount = CountPages(state_.Boxes);
  // A page past the new last one would draw a page that does not exist and
  // print it as the current page.
  if (state_.CurrentPage > state_.PageCount) {
    GoToPage(state_.PageCount);
  } else {
    DrawCurrentPage();
  }
}

void MainWindow::GoToPage(int page) {
  state_.CurrentPage = page;
  SetButtonEnabled(ToolButton::Previous, page > 1);
  SetButtonEnabled(ToolButton::Next, page < state_.PageCount);
  view_->SetPageLabel(std::to_string(page));
  DrawCurrentPage();
}

void MainWindow::FormMouseWheelDown() { view_->ScrollVertically(kWheelStep); }
void MainWindow::FormMouseWheelUp() { view_->ScrollVertically(-kWheelStep); }

void MainWindow::Click(MainControl control) {
  const std::optional<ToolButton> button = ToolButtonOf(control);
  if (!button) return;
  switch (*button) {
    case ToolButton::PrintAll:
      return SpeedButton1Click();
    case ToolButton::PrintCurrent:
      return SpeedButton2Click();
    case ToolButton::Previous:
      return SpeedButton3Click();
    case ToolButton::Next:
      return SpeedButton4Click();
    case ToolButton::Overview:
      return SpeedButton5Click();
    case ToolButton::Settings:
      return SpeedButton6Click();
    case ToolButton::Close:
      return SpeedButton7Click();
  }
}

bool MainWindow::Wheel(int verticalDelta) {
  if (verticalDelta < 0) FormMouseWheelDown();
  if (verticalDelta > 0) FormMouseWheelUp();
  return verticalDelta != 0;
}

bool MainWindow::KeyDown(Key key, bool modified) {
  if (modified) return false;               // Ctrl+End and the like
  if (view_->MemoHasFocus()) return false;  // the keys are the text's there
  switch (key) {
    case Key::PageUp:
      if (ButtonEnabled(ToolButton::Previous)) SpeedButton3Click();
      return true;
    case Key::PageDown:
      if (ButtonEnabled(ToolButton::Next)) SpeedButton4Click();
      return true;
    case Key::Home:
      if (ButtonEnabled(ToolButton::Previous)) Handle([&] { GoToPage(1); });
      return true;
    case Key::End:
      if (ButtonEnabled(ToolButton::Next)) Handle([&] { GoToPage(state_.PageCount); });
      return true;
    case Key::Up:
      FormMouseWheelUp();
      return true;
    case Key::Down:
      FormMouseWheelDown();
      return true;
    case Key::Left:
      view_->ScrollHorizontally(-kWheelStep);
      return true;
    case Key::Right:
      view_->ScrollHorizontally(kWheelStep);
      return true;
    case Key::Enter:
      return false;
  }
  return false;
}

}  // namespace mirelo
