// The program's own code page 932 table, Unicode decoders and era table held
// against ICU, the reference they were made from, over every byte, every pair
// of bytes, every character of the Basic Multilingual Plane and every era's
// bounds. Where ICU differs from what the program promises, the difference is
// listed here once, with its reason.
#include <unicode/calendar.h>
#include <unicode/gregocal.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>
#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

#include "base/text_encoding.h"
#include "data/japanese_date.h"
#include "test_support.h"

namespace mirelo {
namespace {

using test::Hex;

struct ConverterCloser {
  void operator()(UConverter* c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// Every byte ICU cannot read becomes U+FFFD, as in the program (ICU's own
// substitute for some of them is U+001A).
void ReplacementCallback(const void*, UConverterToUnicodeArgs* args, const char*, int32_t,
                         UConverterCallbackReason reason, UErrorCode* err) {
  if (reason > UCNV_IRREGULAR) return;
  static const UChar kReplacement = 0xFFFD;
  *err = U_ZERO_ERROR;
  ucnv_cbToUWriteUChars(args, &kReplacement, 1, 0, err);
}

Converter Open(const char* name) {
  UErrorCode err = U_ZERO_ERROR;
  Converter c(ucnv_open(name, &err));
  EXPECT_TRUE(U_SUCCESS(err)) << name;
  ucnv_setToUCallBack(c.get(), ReplacementCallback, nullptr, nullptr, nullptr, &err);
  ucnv_setSubstChars(c.get(), "?", 1, &err);
  return c;
}

// ICU's reading of bytes, with the offset of the byte each character
// started at.
std::u16string IcuDecode(UConverter* c, std::string_view bytes, std::vector<int32_t>* offsets) {
  ucnv_reset(c);
  std::u16string out(bytes.size() * 2 + 2, u'\0');
  offsets->assign(out.size(), -1);
  UChar* target = reinterpret_cast<UChar*>(out.data());
  UChar* const start = target;
  const char* source = bytes.data();
  UErrorCode err = U_ZERO_ERROR;
  ucnv_toUnicode(c, &target, start + out.size(), &source, bytes.data() + bytes.size(),
                 offsets->data(), true, &err);
  EXPECT_TRUE(U_SUCCESS(err));
  out.resize(static_cast<std::size_t>(target - start));
  return out;
}

// Difference 1: ICU's table for code page 932 is IBM's, which trades the
// control bytes 0x1A, 0x1C and 0x7F among U+001A, U+001C and U+007F both
// ways. Windows, and the program, keep every byte below 0x80 as the code
// point of the same value; no such byte is part of a double-byte character,
// so a character ICU reports as starting at one is that byte alone.
std::u16string IcuCp932AsWindowsReadsIt(UConverter* c, std::string_view bytes) {
  std::vector<int32_t> offsets;
  std::u16string out = IcuDecode(c, bytes, &offsets);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const int32_t at = offsets[i];
    if (at < 0 || static_cast<std::size_t>(at) >= bytes.size()) continue;
    const auto byte = static_cast<unsigned char>(bytes[static_cast<std::size_t>(at)]);
    if (byte < 0x80) out[i] = static_cast<char16_t>(byte);
  }
  return out;
}

std::string IcuEncode(UConverter* c, std::u16string_view text) {
  ucnv_reset(c);
  std::string out(text.size() * 4 + 4, '\0');
  UErrorCode err = U_ZERO_ERROR;
  const int32_t n = ucnv_fromUChars(c, out.data(), static_cast<int32_t>(out.size()),
                                    reinterpret_cast<const UChar*>(text.data()),
                                    static_cast<int32_t>(text.size()), &err);
  EXPECT_TRUE(U_SUCCESS(err));
  out.resize(static_cast<std::size_t>(n));
  return out;
}

TEST(Cp932AgainstIcu, EveryByteAndEveryPairOfBytesReadsTheSame) {
  Converter c = Open("windows-31j");
  // Each pair alone, and followed by an ASCII letter and by a lead byte with
  // its trail, so that what comes after a broken pair is seen too.
  for (int first = 0; first <= 0xFF; ++first) {
    const std::string single(1, static_cast<char>(first));
    ASSERT_EQ(DecodeCp932(single), IcuCp932AsWindowsReadsIt(c.get(), single)) << Hex(single);
    for (int second = 0; second <= 0xFF; ++second) {
      const std::string pair = single + static_cast<char>(second);
      for (const std::string& bytes : {pair, pair + "A", pair + "\x82\xA0"})
        ASSERT_EQ(DecodeCp932(bytes), IcuCp932AsWindowsReadsIt(c.get(), bytes)) << Hex(bytes);
    }
  }
}

TEST(Cp932AgainstIcu, EveryCharacterWritesTheSame) {
  Converter c = Open("windows-31j");
  int written = 0;
  for (char32_t cp = 0x80; cp <= 0xFFFF; ++cp) {
    if (cp >= 0xD800 && cp <= 0xDFFF) continue;
    const std::u16string text(1, static_cast<char16_t>(cp));
    std::string expected = IcuEncode(c.get(), text);
    // Difference 2: ICU leaves out a character it cannot write when Unicode
    // calls it default-ignorable (a soft hyphen, a zero-width space);
    // Windows writes "?" for it, like for any other, and so does the
    // program, so that a file never loses a character unseen.
    if (expected.empty() &&
        u_hasBinaryProperty(static_cast<UChar32>(cp), UCHAR_DEFAULT_IGNORABLE_CODE_POINT))
      expected = "?";
    // Difference 3: ICU writes U+F86F, a private-use character of another
    // vendor's table, as 0x8782 (№), one way only. Windows keeps to pairs
    // that read back as the same character, and so does the program.
    if (cp == 0xF86F) expected = "?";
    ASSERT_EQ(EncodeCp932(text), expected) << "U+" << std::hex << static_cast<int>(cp);
    if (expected != "?") ++written;
  }
  // The double-byte characters less the repeated ones, the half-width
  // katakana and the user-defined area.
  EXPECT_EQ(written, 9269);
  // Beyond the plane: one "?" for the pair, as ICU; surrogates without
  // their partner: one "?" each.
  EXPECT_EQ(EncodeCp932(u"a\U0001F600b"), IcuEncode(c.get(), u"a\U0001F600b"));
  EXPECT_EQ(EncodeCp932(u"a\U0001F600b\xDC00x\xD800"), "a?b?x?");
}

// Broken and unbroken Unicode files read as ICU reads them: each maximal
// part of a sequence that cannot be completed is one U+FFFD.
TEST(UnicodeAgainstIcu, RandomBytesReadTheSame) {
  std::mt19937 random(20261210);
  struct Form {
    const char* icuName;
    const char* mark;
  };
  for (const Form form : {Form{"UTF-8", "\xEF\xBB\xBF"}, Form{"UTF-16LE", "\xFF\xFE"},
                          Form{"UTF-16BE", "\xFE\xFF"}}) {
    Converter c = Open(form.icuName);
    std::vector<int32_t> offsets;
    // Bytes drawn mostly from the ones that matter to the form: continuation
    // bytes, lead bytes and surrogate halves.
    const std::string interesting = std::string(
        "\x00\x41\x7F\x80\x8F\x90\x9F\xA0\xBF\xC0\xC1\xC2"
        "\xDF\xE0\xED\xEF\xF0\xF4\xF5\xFF\xD8\xDB\xDC\xDF",
        24);
    for (int round = 0; round < 20000; ++round) {
      std::string bytes(random() % 9, '\0');
      for (char& b : bytes)
        b = random() % 4 ? interesting[random() % interesting.size()] : static_cast<char>(random());
      const DecodedText read = DecodeTextFile(form.mark + bytes);
      ASSERT_EQ(read.text, IcuDecode(c.get(), bytes, &offsets))
          << form.icuName << " " << Hex(bytes);
    }
  }
}

TEST(UnicodeAgainstIcu, TextsWriteTheSame) {
  const std::u16string texts[] = {u"", u"a", u"概況\r\n𠮷野家", u"\xD800x", u"x\xDC00", u"\xDBFF"};
  for (const auto& [encoding, icuName] :
       {std::pair{TextEncoding::Utf8, "UTF-8"}, std::pair{TextEncoding::Utf16LE, "UTF-16LE"},
        std::pair{TextEncoding::Utf16BE, "UTF-16BE"}}) {
    Converter c = Open(icuName);
    UErrorCode err = U_ZERO_ERROR;
    ucnv_setSubstString(c.get(), u"\uFFFD", 1, &err);
    for (const std::u16string& text : texts) {
      const std::string written = EncodeTextFile(text, encoding);
      const std::string mark = DecodeTextFile(written).encoding == encoding
                                   ? written.substr(0, encoding == TextEncoding::Utf8 ? 3 : 2)
                                   : "";
      ASSERT_FALSE(mark.empty()) << icuName;
      EXPECT_EQ(written.substr(mark.size()), IcuEncode(c.get(), text))
          << icuName << " " << ToUtf8(text);
    }
  }
}

// ICU's Japanese calendar: the era and the year within it, at noon in UTC so
// that the instant lies inside the same day in both calendars.
JapaneseEraYear IcuEra(const CalendarDate& date) {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::TimeZone> utc(icu::TimeZone::createTimeZone("Etc/UTC"));
  icu::GregorianCalendar gregorian(utc->clone(), icu::Locale::getRoot(), status);
  gregorian.clear();
  gregorian.set(date.year, date.month - 1, date.day, 12, 0, 0);
  const UDate instant = gregorian.getTime(status);
  icu::SimpleDateFormat eraFormat(icu::UnicodeString(u"G"), icu::Locale("ja_JP@calendar=japanese"),
                                  status);
  eraFormat.setTimeZone(*utc);
  icu::UnicodeString era;
  eraFormat.format(instant, era);
  std::unique_ptr<icu::Calendar> calendar(eraFormat.getCalendar()->clone());
  calendar->setTime(instant, status);
  const int year = calendar->get(UCAL_YEAR, status);
  EXPECT_TRUE(U_SUCCESS(status)) << u_errorName(status);
  return {std::u16string(era.getBuffer(), static_cast<std::size_t>(era.length())), year};
}

CalendarDate AddDays(CalendarDate d, int days) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (; days > 0; --days) {
    const bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
    if (++d.day > kDays[d.month - 1] + (d.month == 2 && leap ? 1 : 0)) {
      d.day = 1;
      if (++d.month > 12) {
        d.month = 1;
        ++d.year;
      }
    }
  }
  return d;
}

std::string Show(const CalendarDate& d) {
  return std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day);
}

TEST(JapaneseErasAgainstIcu, FirstAndLastDaysOfEveryEraAndADailySweep) {
  const CalendarDate bounds[] = {
      {1868, 9, 8}, {1912, 7, 29}, {1912, 7, 30}, {1926, 12, 24}, {1926, 12, 25}, {1989, 1, 7},
      {1989, 1, 8}, {2019, 4, 30}, {2019, 5, 1},  {2019, 12, 31}, {2020, 1, 1},   {9999, 12, 31},
  };
  for (const CalendarDate& d : bounds) {
    const JapaneseEraYear ours = ToJapaneseEra(d), icu = IcuEra(d);
    EXPECT_EQ(ToUtf8(ours.era), ToUtf8(icu.era)) << Show(d);
    EXPECT_EQ(ours.year, icu.year) << Show(d);
  }
  // Every day from 明治's first to the end of 2100.
  for (CalendarDate d{1868, 9, 8}; d.year <= 2100; d = AddDays(d, 1)) {
    const JapaneseEraYear ours = ToJapaneseEra(d), icu = IcuEra(d);
    ASSERT_TRUE(ours.era == icu.era && ours.year == icu.year) << Show(d);
  }
}

}  // namespace
}  // namespace mirelo
