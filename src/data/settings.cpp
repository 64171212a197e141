#include "data/settings.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "base/format_message.h"
#include "base/messages.h"
#include "base/text_encoding.h"

namespace mirelo {
namespace {

std::string Ascii(std::u16string_view text) {
  std::string out;
  for (char16_t c : text) {
    if (c > 0x7F) return {};
    out += static_cast<char>(c);
  }
  return out;
}

std::string_view TrimAscii(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// Takes the one sign a value may carry off its front: -1 for "-", +1 for
// "+" or none, and 0 when a second sign follows, for two signs are not a
// number.
int TakeSign(std::string_view& s) {
  auto isSign = [&] { return !s.empty() && (s.front() == '+' || s.front() == '-'); };
  int sign = 1;
  if (isSign()) {
    if (s.front() == '-') sign = -1;
    s.remove_prefix(1);
  }
  return isSign() ? 0 : sign;
}

class Reader {
 public:
  Reader(ProfileStore& p, const LocaleInfo& l) : profile_(p), sep_(l.DecimalSeparator()) {}
  std::optional<std::u16string> Raw(std::u16string_view s, std::u16string_view k) {
    return profile_.ReadString(s, k);
  }
  std::optional<int> Int(std::u16string_view s, std::u16string_view k) {
    auto v = Raw(s, k);
    return v ? ParseSettingsInt(*v) : std::nullopt;
  }
  int Int(std::u16string_view s, std::u16string_view k, int def) { return Int(s, k).value_or(def); }
  bool Bool(std::u16string_view s, std::u16string_view k, bool def) {
    auto v = Int(s, k);
    return v ? *v != 0 : def;
  }
  double Float(std::u16string_view s, std::u16string_view k, double def) {
    auto v = Raw(s, k);
    if (!v) return def;
    return ParseSettingsFloat(*v, sep_).value_or(def);
  }

 private:
  ProfileStore& profile_;
  char16_t sep_;
};

}  // namespace

std::optional<int> ParseSettingsInt(std::u16string_view text) {
  const std::string ascii = Ascii(text);
  std::string_view s = TrimAscii(ascii);
  const int sign = TakeSign(s);
  if (sign == 0) return std::nullopt;
  int base = 10;
  if (s.size() > 1 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    base = 16;
    s.remove_prefix(2);
  }
  if (s.empty()) return std::nullopt;
  // Unsigned, so that from_chars takes no sign of its own after the "0x".
  unsigned long long magnitude = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), magnitude, base);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  constexpr unsigned long long kMaxMagnitude =
      static_cast<unsigned long long>(std::numeric_limits<int>::max()) + 1;
  if (magnitude > kMaxMagnitude) return std::nullopt;
  const long long value = sign * static_cast<long long>(magnitude);
  if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
    return std::nullopt;
  return static_cast<int>(value);
}

std::optional<double> ParseSettingsFloat(std::u16string_view text, char16_t decimalSeparator) {
  const std::string ascii = Ascii(text);
  std::string_view s = TrimAscii(ascii);
  const int sign = TakeSign(s);
  if (sign == 0) return std::nullopt;
  // Only the locale's separator counts; a "." under a "," locale (or the
  // reverse) makes the value unreadable.
  std::string plain;
  bool digits = false;
  for (char c : s) {
    if (c >= '0' && c <= '9') {
      digits = true;
      plain += c;
    } else if (static_cast<char16_t>(c) == decimalSeparator) {
      plain += '.';
    } else if (c == '+' || c == '-' || c == 'e' || c == 'E') {
      plain += c;  // past the front, a sign reads only after the "e"
    } else {
      return std::nullopt;
    }
  }
  if (!digits) return std::nullopt;
  double value = 0;
  auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (ec != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value))
    return std::nullopt;
  return sign * value;
}

std::u16string FormatSettingsFloat(double value, char16_t decimalSeparator) {
  if (value == 0) value = 0;  // no "-0"
  // to_chars, unlike printf, does not follow the C locale that a toolkit or
  // the run-time may have set; the separator is the user's, put in below.
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
  std::u16string out;
  for (const char* p = buf; p != end; ++p)
    out += (*p == '.') ? decimalSeparator : static_cast<char16_t>(*p);
  return out;
}

std::u16string FormatSettingsInt(int value) {
  std::string s = std::to_string(value);
  return std::u16string(s.begin(), s.end());
}

void ReadSettings(ProfileStore& profile, const LocaleInfo& locale, BoxSettings& boxSettings,
                  PrintSettings& settings, std::optional<int> defaultLeft,
                  std::optional<int> defaultTop) {
  Reader r(profile, locale);
  BoxSettings& b = boxSettings;

  settings.Top = r.Int(u"PrintForm", u"Top");
  if (!settings.Top) settings.Top = defaultTop;
  settings.Left = r.Int(u"PrintForm", u"Left");
  if (!settings.Left) settings.Left = defaultLeft;
  b.OverviewSize = r.Int(u"Gaikyou", u"Size", 10);
  b.OverviewFont = r.Raw(u"Gaikyou", u"Font").value_or(kFaceProportional);
  b.OverviewLines = r.Int(u"Gaikyou", u"Line", 6);
  b.NotesSize = r.Int(u"Bikou", u"Size", 9);
  b.NotesFont = r.Raw(u"Bikou", u"Font").value_or(kFaceProportional);
  settings.SaveOverview = r.Bool(u"Hozon", u"option", true);
  settings.FramePenWidth = r.Int(u"Waku", u"Width", 10);
  settings.x_Bai = r.Float(u"Print", u"x_Bai", 1.0);
  settings.y_Bai = r.Float(u"Print", u"y_Bai", 1.0);
  settings.x_offset = r.Float(u"Print", u"x_offset", 0.0);
  settings.y_offset = r.Float(u"Print", u"y_offset", 0.0);
  settings.sw5 = r.Bool(u"Print", u"sw5", false);
  b.NotesTabLen = r.Float(u"Bikou", u"TabLen", kDefaultNotesTabLen);
}

void WriteSettings(ProfileStore& profile, const LocaleInfo& locale, const BoxSettings& boxSettings,
                   const PrintSettings& settings, const std::string& settingsPath) {
  const char16_t sep = locale.DecimalSeparator();
  auto write = [&](std::u16string_view section, std::u16string_view key,
                   std::u16string_view value) {
    if (!profile.WriteString(section, key, value))
      throw SettingsWriteError(FormatMessage(msg::kCannotWrite, settingsPath));
  };
  auto flag = [](bool b) { return std::u16string(b ? u"1" : u"0"); };
  const BoxSettings& b = boxSettings;

  write(u"PrintForm", u"Top", FormatSettingsInt(settings.Top.value_or(0)));
  write(u"PrintForm", u"Left", FormatSettingsInt(settings.Left.value_or(0)));
  write(u"Gaikyou", u"Size", FormatSettingsInt(b.OverviewSize));
  write(u"Gaikyou", u"Font", b.OverviewFont);
  write(u"Gaikyou", u"Line", FormatSettingsInt(b.OverviewLines));
  write(u"Bikou", u"Size", FormatSettingsInt(b.NotesSize));
  write(u"Bikou", u"Font", b.NotesFont);
  write(u"Hozon", u"option", flag(settings.SaveOverview));
  write(u"Waku", u"Width", FormatSettingsInt(settings.FramePenWidth));
  write(u"Print", u"x_Bai", FormatSettingsFloat(settings.x_Bai, sep));
  write(u"Print", u"y_Bai", FormatSettingsFloat(settings.y_Bai, sep));
  write(u"Print", u"x_offset", FormatSettingsFloat(settings.x_offset, sep));
  write(u"Print", u"y_offset", FormatSettingsFloat(settings.y_offset, sep));
  write(u"Print", u"sw5", flag(settings.sw5));
  write(u"Bikou", u"TabLen", FormatSettingsFloat(b.NotesTabLen, sep));
}

}  // namespace mirelo
