#include "ui/settings_dialog.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <exception>

#include "base/format_message.h"
#include "base/geometry.h"
#include "base/messages.h"
#include "base/text_encoding.h"
#include "compose/box_contents.h"
#include "render/device_mapping.h"
#include "ui/main_window.h"

namespace mirelo {
namespace {

constexpr int kEntryLimit = 1'000'000;

bool IsSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\u3000'; }

// The digit's value for ASCII and full-width digits, else -1.
int DigitValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'\uFF10' && c <= u'\uFF19') return c - u'\uFF10';
  return -1;
}

// A setting shown by a spinner: the nearest position, halves to even, kept
// within the spinner's range. The setting itself is left as it is.
int ShownPosition(double value, Spinner spinner) {
  const SpinnerRange range = RangeOf(spinner);
  if (!(value >= range.min)) return range.min;  // NaN too
  if (value > range.max) return range.max;
  return std::clamp(RoundHalfEven(value), range.min, range.max);
}

}  // namespace

std::string SpinnerText(int position) {
  std::string digits = std::to_string(std::abs(static_cast<long long>(position)));
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
    digits.insert(static_cast<std::size_t>(at), 1, ',');
  return position < 0 ? "-" + digits : digits;
}

std::optional<int> ParseSpinnerEntry(std::u16string_view text) {
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  int sign = 1;
  if (!text.empty()) {
    const char16_t c = text.front();
    if (c == u'-' || c == u'\uFF0D' || c == u'\u2212') sign = -1;
    if (sign < 0 || c == u'+' || c == u'\uFF0B') text.remove_prefix(1);
  }
  int value = 0;
  bool sawDigit = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const int digit = DigitValue(text[i]);
    if (digit >= 0) {
      value = std::min(value * 10 + digit, kEntryLimit);
      sawDigit = true;
    } else if (text[i] == u',' && sawDigit && i + 1 < text.size() && DigitValue(text[i + 1]) >= 0) {
      continue;  // a group separator between digits
    } else {
      return std::nullopt;
    }
  }
  if (!sawDigit) return std::nullopt;
  return sign * value;
}

bool IsPartialSpinnerEntry(std::u16string_view text) {
  const auto isSpace = [](char16_t c) { return c == u' ' || c == u'\u3000'; };
  std::size_t at = 0;
  while (at < text.size() && isSpace(text[at])) ++at;
  if (at < text.size()) {
    const char16_t c = text[at];
    if (c == u'+' || c == u'-' || c == u'\uFF0B' || c == u'\uFF0D' || c == u'\u2212') ++at;
  }
  int digits = 0;
  for (; at < text.size() && (DigitValue(text[at]) >= 0 || text[at] == u','); ++at)
    if (++digits > 7) return false;
  while (at < text.size() && isSpace(text[at])) ++at;
  return at == text.size();
}

bool FitsCp932(std::u16string_view text) { return DecodeCp932(EncodeCp932(text)) == text; }

int FontPointsInRange(int points) { return std::clamp(points, 1, 1000); }

FontChoice ChosenFont(std::u16string face, double points, int given) {
  // Held at the range before rounding: a size past what an integer holds
  // has no whole number.
  const int whole = points > 0 ? static_cast<int>(std::lround(std::min(points, 1000.0))) : given;
  return FontChoice{std::move(face), FontPointsInRange(whole)};
}

SettingsDialog::SettingsDialog(MainState& state, PrinterChoice& printer, MainWindowView& mainWindow)
    : state_(state), printer_(printer), mainWindow_(mainWindow) {}

template <typename Steps>
void SettingsDialog::Handle(Steps steps) {
  try {
    steps();
  } catch (const std::exception& e) {
    view_->ShowError(ErrorBoxText(e.what()));
  }
}

void SettingsDialog::ShowModal() {
  FormShow();
  view_->ShowModal();
  DialogClosing();  // however it was closed: numbers still being typed count
}

void SettingsDialog::SetPosition(Spinner spinner, int position) {
  positions_[static_cast<std::size_t>(spinner)] = position;
  typed_[static_cast<std::size_t>(spinner)].reset();
  view_->SetSpinnerPosition(spinner, position);
}

void SettingsDialog::FormShow() {
  Handle([&] {
    view_->SetPrinterLabel(printer_.Name());
    const PrintSettings& s = state_.Settings;
    SetPosition(Spinner::UpDown1,
                ShownPosition(state_.Boxes[kOverviewBox].LinesPerPage, Spinner::UpDown1));
    SetPosition(Spinner::UpDownPenWidth, ShownPosition(s.FramePenWidth, Spinner::UpDownPenWidth));
    SetPosition(Spinner::UpDownTabLen,
                ShownPosition(state_.Boxes[kItemBox].TabPos, Spinner::UpDownTabLen));
    SetPosition(Spinner::UpDown2, ShownPosition(s.x_Bai * 1000, Spinner::UpDown2));
    SetPosition(Spinner::UpDown3, ShownPosition(s.y_Bai * 1000, Spinner::UpDown3));
    SetPosition(Spinner::UpDown4, ShownPosition(s.x_offset * 10, Spinner::UpDown4));
    SetPosition(Spinner::UpDown5, ShownPosition(s.y_offset * 10, Spinner::UpDown5));
    view_->SetGroupSpacingChecked(s.sw5);
  });
}

void SettingsDialog::UpDown1Click() {
  state_.Boxes[kOverviewBox].LinesPerPage = Position(Spinner::UpDown1);
}
void SettingsDialog::UpDown2Click() { state_.Settings.x_Bai = Position(Spinner::UpDown2) / 1000.0; }
void SettingsDialog::UpDown3Click() { state_.Settings.y_Bai = Position(Spinner::UpDown3) / 1000.0; }
void SettingsDialog::UpDown4Click() {
  state_.Settings.x_offset = Position(Spinner::UpDown4) / 10.0;
}
void SettingsDialog::UpDown5Click() {
  state_.Settings.y_offset = Position(Spinner::UpDown5) / 10.0;
}
void SettingsDialog::UpDownPenWidthClick() {
  state_.Settings.FramePenWidth = Position(Spinner::UpDownPenWidth);
}
void SettingsDialog::UpDownTabLenClick() {
  state_.Boxes[kItemBox].TabPos = static_cast<double>(Position(Spinner::UpDownTabLen));
}

void SettingsDialog::CheckBox5Click(bool checked) { state_.Settings.sw5 = checked; }

void SettingsDialog::Store(Spinner spinner) {
  switch (spinner) {
    case Spinner::UpDown1:
      return UpDown1Click();
    case Spinner::UpDown2:
      return UpDown2Click();
    case Spinner::UpDown3:
      return UpDown3Click();
    case Spinner::UpDown4:
      return UpDown4Click();
    case Spinner::UpDown5:
      return UpDown5Click();
    case Spinner::UpDownPenWidth:
      return UpDownPenWidthClick();
    case Spinner::UpDownTabLen:
      return UpDownTabLenClick();
  }
}

void SettingsDialog::SpinnerEdited(Spinner spinner, std::u16string_view text) {
  typed_[static_cast<std::size_t>(spinner)] = std::u16string(text);
}

void SettingsDialog::SpinnerEntryEnded(Spinner spinner) {
  // A field showing a position, typed over or not, holds nothing new.
  std::optional<std::u16string> typed = std::move(typed_[static_cast<std::size_t>(spinner)]);
  typed_[static_cast<std::size_t>(spinner)].reset();
  if (typed) SpinnerEntry(spinner, *typed);
}

void SettingsDialog::DialogClosing() {
  for (int i = 0; i < kSpinnerCount; ++i) SpinnerEntryEnded(static_cast<Spinner>(i));
}

void SettingsDialog::SpinnerArrow(Spinner spinner, int step) {
  SpinnerEntryEnded(spinner);  // a number being typed is where the arrow starts from
  const SpinnerRange range = RangeOf(spinner);
  SetPosition(spinner, std::clamp(Position(spinner) + step, range.min, range.max));
  Store(spinner);
}

void SettingsDialog::SpinnerEntry(Spinner spinner, std::u16string_view text) {
  const std::optional<int> entry = ParseSpinnerEntry(text);
  if (!entry) {
    // Nothing to take: the field shows the position again.
    SetPosition(spinner, Position(spinner));
    return;
  }
  const SpinnerRange range = RangeOf(spinner);
  SetPosition(spinner, std::clamp(*entry, range.min, range.max));
  Store(spinner);
}

void SettingsDialog::Click(DialogControl control) {
  using namespace dialog_controls;
  if (control == kOverviewFont) return Button1Click();
  if (control == kNotesFont) return Button2Click();
  if (control == kClose) return Button3Click();
  if (control == kChangePrinter) return Button4Click();
  if (control == kGroupSpacing) return CheckBox5Click(view_->GroupSpacingChecked());
}

void SettingsDialog::Arrow(DialogControl upDown, int step) {
  if (const std::optional<Spinner> spinner = SpinnerOf(upDown)) SpinnerArrow(*spinner, step);
}

bool SettingsDialog::Typed(DialogControl field, std::u16string_view text) {
  const std::optional<Spinner> spinner = SpinnerOf(field);
  if (!spinner) return true;
  if (!IsPartialSpinnerEntry(text)) return false;
  SpinnerEdited(*spinner, text);
  return true;
}

void SettingsDialog::EntryEnded(DialogControl field) {
  if (const std::optional<Spinner> spinner = SpinnerOf(field)) SpinnerEntryEnded(*spinner);
}

bool SettingsDialog::KeyDown(DialogControl focused, Key key, bool modified) {
  const std::optional<Spinner> spinner = SpinnerOf(focused);
  if (modified || !spinner) return false;
  switch (key) {
    case Key::Up:
      SpinnerArrow(*spinner, +1);
      return true;
    case Key::Down:
      SpinnerArrow(*spinner, -1);
      return true;
    case Key::Enter:
      SpinnerEntryEnded(*spinner);
      return true;
    default:
      return false;
  }
}

void SettingsDialog::ChangeFont(int box) {
  Handle([&] {
    LayoutBox& target = state_.Boxes[box];
    const std::optional<FontChoice> choice =
        view_->ChooseFont(FontNameText(target), FontPointsInRange(target.FontSize));
    if (!choice) return;
    if (!FitsCp932(choice->face)) {
      view_->ShowMessage(FormatMessage(msg::kFontNameNotCp932, ToUtf8(choice->face)));
      return;
    }
    SetFontName(target, choice->face);
    target.FontSize = FontPointsInRange(choice->points);
    if (box == kOverviewBox) mainWindow_.SetMemoFontSize(target.FontSize);
  });
}

void SettingsDialog::Button1Click() { ChangeFont(kOverviewBox); }
void SettingsDialog::Button2Click() { ChangeFont(kItemBox); }
void SettingsDialog::Button3Click() { view_->Close(); }

void SettingsDialog::Button4Click() {
  Handle([&] {
    const std::unique_ptr<PrinterDraft> draft = printer_.StartSetup();
    if (!draft) {
      // The program's own PDF printer stays current.
      view_->ShowMessage(msg::kNoSystemPrinter);
      return;
    }
    if (!view_->RunPrinterSetup(*draft) || !printer_.FinishSetup(*draft)) return;
    const std::u16string name = printer_.Name();
    view_->SetPrinterLabel(name);
    mainWindow_.SetPrinterLabel(name);
    state_.PrinterPpm = PrinterPixelsPerMm(printer_.LogPixelsX(), printer_.LogPixelsY());
  });
}

}  // namespace mirelo
