// The program's own code page 932 and settings file held against Windows's:
// MultiByteToWideChar and WideCharToMultiByte with code page 932 over every
// byte, every pair of bytes and every character of the Basic Multilingual
// Plane, and GetPrivateProfileStringW over a table of settings files. Where
// Windows differs from what the program promises, the difference is listed
// here once, with its reason.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/text_encoding.h"
#include "data/ini_file.h"
#include "test_support.h"
#include "win32/wide_text.h"
#include "win32/windows_api.h"

namespace mirelo {
namespace {

using test::Hex;

std::u16string WindowsDecode(std::string_view bytes) {
  if (bytes.empty()) return {};
  std::wstring out(bytes.size() * 2 + 2, L'\0');
  const int n = MultiByteToWideChar(932, 0, bytes.data(), static_cast<int>(bytes.size()),
                                    out.data(), static_cast<int>(out.size()));
  out.resize(static_cast<std::size_t>(n));
  return win32::FromWide(out);
}

std::string WindowsEncode(std::u16string_view text) {
  const std::wstring wide = win32::Wide(text);
  std::string out(text.size() * 4 + 4, '\0');
  const int n =
      WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                          out.data(), static_cast<int>(out.size()), "?", nullptr);
  out.resize(static_cast<std::size_t>(n));
  return out;
}

// Difference 1: Windows reads the bytes 0x80, 0xA0 and 0xFD to 0xFF, which
// code page 932 assigns nothing, as U+0080, U+F8F0 and U+F8F1 to U+F8F3
// (its own private-use stand-ins), where the program promises U+FFFD for
// every byte that stands for no character, as it did from the first.
std::u16string WindowsReadsAsTheProgramPromises(std::u16string text) {
  for (char16_t& c : text)
    if (c == 0x0080 || (c >= 0xF8F0 && c <= 0xF8F3)) c = 0xFFFD;
  return text;
}

// Difference 2: bytes that cannot be read (a pair of a lead and a trail
// byte that code page 932 assigns nothing, a lead byte without its trail)
// are the character U+30FB ("・", the code page's default) for Windows; for
// the program they are U+FFFD, which says that something could not be read
// and is never taken for the real "・" (0x8145). Returns how many it
// changed in theirs.
int AsTheProgramMarksWhatCannotBeRead(const std::u16string& ours, std::u16string& theirs) {
  int changed = 0;
  if (ours.size() != theirs.size()) return changed;
  for (std::size_t i = 0; i < ours.size(); ++i) {
    if (ours[i] == u'\uFFFD' && theirs[i] == u'\u30FB') {
      theirs[i] = ours[i];
      ++changed;
    }
  }
  return changed;
}

TEST(Cp932AgainstWindows, EveryByteAndEveryPairOfBytesReadsTheSame) {
  int unassignedPairs = 0, brokenLeads = 0;
  for (int first = 0; first <= 0xFF; ++first) {
    const std::string single(1, static_cast<char>(first));
    std::u16string theirsAlone = WindowsReadsAsTheProgramPromises(WindowsDecode(single));
    AsTheProgramMarksWhatCannotBeRead(DecodeCp932(single), theirsAlone);
    ASSERT_EQ(DecodeCp932(single), theirsAlone) << Hex(single);
    for (int second = 0; second <= 0xFF; ++second) {
      const std::string pair = single + static_cast<char>(second);
      const std::u16string ours = DecodeCp932(pair);
      std::u16string theirs = WindowsReadsAsTheProgramPromises(WindowsDecode(pair));
      unassignedPairs += AsTheProgramMarksWhatCannotBeRead(ours, theirs);
      // Difference 4: a lead byte followed by a byte that cannot be its
      // second one (a control, an ASCII sign, 0x7F, 0xFD..0xFF) is one "・"
      // of both bytes for Windows, which so loses the second byte (a line
      // break, for one); the program reads the lead byte as U+FFFD and the
      // byte after it on its own, as it always has.
      const std::u16string secondAlone = DecodeCp932(pair.substr(1));
      if (theirs == u"\u30FB" && ours == u"\uFFFD" + secondAlone) {
        ++brokenLeads;
        theirs = ours;
      }
      ASSERT_EQ(ours, theirs) << Hex(pair);
    }
  }
  EXPECT_GT(unassignedPairs, 0);
  EXPECT_EQ(brokenLeads, 60 * 67);  // every lead byte, before each byte that cannot follow it
}

TEST(Cp932AgainstWindows, EveryCharacterWritesTheSame) {
  for (char32_t cp = 0; cp <= 0xFFFF; ++cp) {
    if (cp >= 0xD800 && cp <= 0xDFFF) continue;
    const std::u16string text(1, static_cast<char16_t>(cp));
    std::string theirs = WindowsEncode(text);
    // Difference 3: Windows writes U+0080 and U+F8F0 to U+F8F3 back as the
    // single bytes of difference 1; the program, which never reads them so,
    // writes "?".
    if (cp == 0x80 || (cp >= 0xF8F0 && cp <= 0xF8F3)) theirs = "?";
    ASSERT_EQ(EncodeCp932(text), theirs) << "U+" << std::hex << static_cast<int>(cp);
  }
}

// The settings file as the program reads it, and as Windows's profile
// functions read the same bytes, for every key the program reads.
TEST(IniFileAgainstWindows, EveryKeyReadsTheSameFromTheSameFile) {
  const char* const keys[][2] = {
      {"PrintForm", "Top"},  {"PrintForm", "Left"}, {"Gaikyou", "Size"}, {"Gaikyou", "Font"},
      {"Gaikyou", "Line"},   {"Bikou", "Size"},     {"Bikou", "Font"},   {"Hozon", "option"},
      {"Waku", "Width"},     {"Print", "x_Bai"},    {"Print", "y_Bai"},  {"Print", "x_offset"},
      {"Print", "y_offset"}, {"Print", "sw5"},      {"Bikou", "TabLen"},
  };
  const std::string files[] = {
      // As the program writes it.
      "[PrintForm]\r\nTop=189\r\nLeft=514\r\n[Gaikyou]\r\nSize=10\r\nFont=\x82\x6C\x82\x72 "
      "\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E\r\nLine=6\r\n[Bikou]\r\nSize=9\r\nFont=x\r\nTabLen="
      "15\r\n"
      "[Hozon]\r\noption=1\r\n[Waku]\r\nWidth=10\r\n[Print]\r\nx_Bai=0.997\r\ny_Bai=1\r\n"
      "x_offset=-0.3\r\ny_offset=0\r\nsw5=0\r\n",
      // Names in other cases, spaces around names and values, LF alone.
      "[printform]\ntop = 5 \n  LEFT=\t7\n[GAIKYOU]\nfont=  \x82\x6C\x82\x72 \x83\x53  "
      "\nline=0x8\n",
      // Empty values, a key before any section, a repeated key (the first
      // counts), a line that is no key, a comment.
      "Top=1\n[PrintForm]\nTop=\nLeft=3\nLeft=4\n[Print]\nnot a key\n;x_Bai=2\nx_Bai=1,5\n",
      // A section repeated: the first one's keys only.
      "[Bikou]\nSize=11\n[Bikou]\nSize=12\nTabLen=20\n",
  };
  // Each file also in the Unicode forms a byte-order mark announces, which
  // the profile functions read as well (Notepad's "Unicode" is UTF-16LE).
  const TextEncoding encodings[] = {TextEncoding::Cp932, TextEncoding::Utf16LE,
                                    TextEncoding::Utf16BE, TextEncoding::Utf8};
  int file = 0;
  for (const std::string& cp932 : files) {
    ++file;
    for (TextEncoding encoding : encodings) {
      SCOPED_TRACE("file " + std::to_string(file) + " in encoding " +
                   std::to_string(static_cast<int>(encoding)));
      const std::string bytes = EncodeTextFile(DecodeCp932(cp932), encoding);
      test::TempDir dir;
      const std::filesystem::path path = dir / "control.ini";
      test::WriteBytes(path, bytes);
      IniFile ini(path, test::Files());
      for (const auto& [section, key] : keys) {
        const std::u16string s = FromUtf8(section), k = FromUtf8(key);
        std::wstring value(512, L'\0');
        const DWORD n = GetPrivateProfileStringW(win32::Wide(s).c_str(), win32::Wide(k).c_str(),
                                                 L"\x1F", value.data(), 512, path.c_str());
        value.resize(n);
        const std::optional<std::u16string> ours = ini.ReadString(s, k);
        const std::optional<std::u16string> theirs =
            value == L"\x1F" ? std::nullopt : std::optional<std::u16string>(win32::FromWide(value));
        EXPECT_EQ(ours, theirs) << section << "." << key;
      }
    }
  }
}

// A write keeps the file's encoding, as Windows's own write does: after the
// same writes to two copies of the file, both begin with the same mark, and
// the profile functions read every key of the program's copy as they read
// their own.
TEST(IniFileAgainstWindows, AWriteKeepsTheEncodingAsWindowsKeepsIt) {
  const std::u16string text =
      u"; 設定\r\n[Gaikyou]\r\nSize=9\r\nFont=ＭＳ Ｐゴシック\r\n[Print]\r\nx_Bai=1\r\n";
  const char16_t* const writes[][3] = {{u"Gaikyou", u"Size", u"12"},
                                       {u"Gaikyou", u"Font", u"ＭＳ 明朝"},
                                       {u"Print", u"sw5", u"1"},
                                       {u"Hozon", u"option", u"0"}};
  for (TextEncoding encoding : {TextEncoding::Cp932, TextEncoding::Utf16LE, TextEncoding::Utf8}) {
    SCOPED_TRACE(static_cast<int>(encoding));
    test::TempDir dir;
    const std::filesystem::path ours = dir / "ours.ini", theirs = dir / "theirs.ini";
    test::WriteBytes(ours, EncodeTextFile(text, encoding));
    test::WriteBytes(theirs, EncodeTextFile(text, encoding));
    IniFile ini(ours, test::Files());
    for (const auto& w : writes) {
      ASSERT_TRUE(ini.WriteString(w[0], w[1], w[2]));
      ASSERT_TRUE(WritePrivateProfileStringW(win32::Wide(w[0]).c_str(), win32::Wide(w[1]).c_str(),
                                             win32::Wide(w[2]).c_str(), theirs.c_str()));
    }
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, theirs.c_str());  // flush the cache
    const std::string mark(ByteOrderMark(encoding));
    EXPECT_EQ(test::ReadBytes(ours).substr(0, mark.size() + 1),
              test::ReadBytes(theirs).substr(0, mark.size() + 1));
    for (const auto& w : writes) {
      std::wstring value(512, L'\0');
      value.resize(GetPrivateProfileStringW(win32::Wide(w[0]).c_str(), win32::Wide(w[1]).c_str(),
                                            L"", value.data(), 512, ours.c_str()));
      EXPECT_EQ(win32::FromWide(value), std::u16string(w[2])) << ToUtf8(w[1]);
    }
  }
}

}  // namespace
}  // namespace mirelo
