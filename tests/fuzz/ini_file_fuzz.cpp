// Fuzzes the settings file: the input is the file's bytes. The 15 settings
// are loaded from it into the boxes, which are then filled and paged, and
// saved; one key is written and read back; the value readers are held to
// their own output. No value read breaks the layout, settings saved and
// loaded again are saved the same, a write changes the one key it writes
// and no other, and a value written is read back as it was written.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "base/text_encoding.h"
#include "compose/box_contents.h"
#include "compose/box_settings.h"
#include "data/ini_file.h"
#include "data/settings.h"
#include "fake_text_measurer.h"
#include "fuzz_check.h"
#include "layout/box_table.h"
#include "layout/char_placement.h"
#include "posix/posix_file_store.h"

namespace {

using namespace mirelo;

class Locale : public LocaleInfo {
 public:
  explicit Locale(char16_t separator) : separator_(separator) {}
  char16_t DecimalSeparator() const override { return separator_; }

 private:
  char16_t separator_;
};

struct Key {
  std::u16string_view section, name;
};
constexpr Key kKeys[] = {{u"PrintForm", u"Top"},  {u"PrintForm", u"Left"}, {u"Gaikyou", u"Size"},
                         {u"Gaikyou", u"Font"},   {u"Gaikyou", u"Line"},   {u"Bikou", u"Size"},
                         {u"Bikou", u"Font"},     {u"Hozon", u"option"},   {u"Waku", u"Width"},
                         {u"Print", u"x_Bai"},    {u"Print", u"y_Bai"},    {u"Print", u"x_offset"},
                         {u"Print", u"y_offset"}, {u"Print", u"sw5"},      {u"Bikou", u"TabLen"},
                         {u"print", u"X_BAI"},    {u"New", u"key"}};
constexpr std::size_t kKeyCount = sizeof kKeys / sizeof kKeys[0];

// One file for the whole run, in the temporary folder (scripts/fuzz points
// it at memory).
const std::filesystem::path& FilePath() {
  static const std::filesystem::path path = [] {
    std::filesystem::path p = std::filesystem::temp_directory_path() /
                              ("mirelo-ini-fuzz-" + std::to_string(::getpid()) + ".ini");
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove(FilePath(), ec);
    });
    return p;
  }();
  return path;
}

bool SameName(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? c + 0x20 : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

bool SameKey(const Key& a, const Key& b) {
  return SameName(a.section, b.section) && SameName(a.name, b.name);
}

void WriteFile(std::string_view bytes) {
  std::ofstream out(FilePath(), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  Check(static_cast<bool>(out.flush()));
}

std::string FileBytes() {
  std::ifstream in(FilePath(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The settings as the program takes them into its boxes, any of their values
// wrapped and paged; saved and loaded again, they are saved the same.
void LoadComposeAndSave(IniFile& ini, const LocaleInfo& locale) {
  BoxTable boxes;
  InitBoxTable(boxes);
  SetDefaultBoxes(boxes);
  PrintSettings settings;
  LoadSettings(ini, locale, boxes, settings, 10, 20);
  test::FakeTextMeasurer measurer;
  const ItemList items = {
      u"1234567000001234510000000020210415", u"1234567000001234510101000126歩行時に杖を使う。",
      u"1234567000001234510201000126" + std::u16string(140, u'あ') + u"[改行]\u3000"};
  ComposeItemBox(boxes, items, measurer, 96 / 25.4);
  ComposeOverviewBox(boxes, u"概況\r\n" + std::u16string(140, u'x'), measurer, 96 / 25.4);
  Check(CountPages(boxes) >= 1);

  try {
    SaveSettings(ini, locale, boxes, settings, "control.ini");
    const std::string saved = FileBytes();
    LoadSettings(ini, locale, boxes, settings, 10, 20);
    SaveSettings(ini, locale, boxes, settings, "control.ini");
    Check(FileBytes() == saved);
  } catch (const SettingsWriteError&) {
    Check(false);
  }
}

void CheckValueReaders(std::u16string_view text) {
  if (const std::optional<int> i = ParseSettingsInt(text))
    Check(ParseSettingsInt(FormatSettingsInt(*i)) == *i);
  for (char16_t separator : {u'.', u','}) {
    const std::optional<double> f = ParseSettingsFloat(text, separator);
    if (!f) continue;
    // What is written reads back, and writing that again gives the same text.
    const std::u16string written = FormatSettingsFloat(*f, separator);
    const std::optional<double> back = ParseSettingsFloat(written, separator);
    Check(back.has_value());
    Check(FormatSettingsFloat(*back, separator) == written);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  // The first byte picks the key to write, the second the decimal separator
  // and the written value's length; the rest is the file.
  const Key& key = kKeys[data[0] % kKeyCount];
  const std::size_t valueLength = (data[1] & 0x7F) % 24;
  std::string_view file(reinterpret_cast<const char*>(data) + 2, size - 2);
  WriteFile(file);
  mirelo::posix::PosixFileStore files;
  IniFile ini(FilePath(), files);

  const Locale locale(data[1] & 0x80 ? u',' : u'.');
  LoadComposeAndSave(ini, locale);
  WriteFile(file);
  CheckValueReaders(DecodeCp932(file.substr(0, 64)));

  std::optional<std::u16string> before[kKeyCount];
  for (std::size_t k = 0; k < kKeyCount; ++k)
    before[k] = ini.ReadString(kKeys[k].section, kKeys[k].name);
  CheckValueReaders(before[data[0] % kKeyCount].value_or(u""));

  // A value of printable ASCII without blanks at its ends reads back as it
  // was written; the file's first bytes give it.
  std::u16string value;
  for (std::size_t i = 0; i < valueLength && i < file.size(); ++i)
    value += static_cast<char16_t>(0x21 + static_cast<std::uint8_t>(file[i]) % 0x5E);
  if (!ini.WriteString(key.section, key.name, value)) return 0;
  for (std::size_t k = 0; k < kKeyCount; ++k) {
    const std::optional<std::u16string> after = ini.ReadString(kKeys[k].section, kKeys[k].name);
    if (SameKey(kKeys[k], key))
      Check(after == value);
    else
      Check(after == before[k]);
  }
  return 0;
}
