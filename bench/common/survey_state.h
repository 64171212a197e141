// The surveys both builds' drawing benchmarks draw: the larger sample (one
// preview page) and a survey of 1,000 items (31 printed pages), composed and
// laid out as the program does with the default settings.
#pragma once

#include <benchmark/benchmark.h>

#include <filesystem>
#include <optional>
#include <string>

#include "base/utf8_path.h"
#include "platform/locale_info.h"
#include "platform/profile_store.h"
#include "render/device_mapping.h"
#include "thousand_items.h"
#include "ui/first_showing.h"
#include "ui/startup.h"

namespace mirelo::bench {

constexpr int kScreenDpi = 96;
constexpr int kPrinterDpi = 600;

// No settings file: every value its default.
class NoSettings : public ProfileStore {
 public:
  std::optional<std::u16string> ReadString(std::u16string_view, std::u16string_view) override {
    return std::nullopt;
  }
  bool WriteString(std::u16string_view, std::u16string_view, std::u16string_view) override {
    return false;
  }
};

inline MainState SurveyState(const std::filesystem::path& data, TextMeasurer& preview,
                             const LocaleInfo& locale) {
  NoSettings settings;
  MainState state;
  CreateMainState(state, std::filesystem::temp_directory_path(), PathToUtf8(data), settings, locale,
                  std::nullopt, std::nullopt);
  state.Settings.SaveOverview = false;
  state.ScreenPpm = ScreenPixelsPerMm(kScreenDpi);
  state.PrinterPpm = PrinterPixelsPerMm(kPrinterDpi, kPrinterDpi);
  PrepareFirstShowing(state, preview);
  return state;
}

inline MainState LargeSample(TextMeasurer& preview, const LocaleInfo& locale) {
  return SurveyState(std::filesystem::path(MIRELO_SOURCE_DIR) / "samples" / "large-survey.txt",
                     preview, locale);
}

inline MainState ThousandItems(TextMeasurer& preview, const LocaleInfo& locale) {
  const std::filesystem::path data =
      std::filesystem::temp_directory_path() / "mirelo-bench-1000-items.txt";
  WriteThousandItemSurvey(data);
  MainState state = SurveyState(data, preview, locale);
  std::error_code ec;
  std::filesystem::remove(data, ec);
  return state;
}

// Seconds per page, from the pages one iteration draws.
inline benchmark::Counter PerPage(int pages) {
  return benchmark::Counter(
      pages, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

}  // namespace mirelo::bench
