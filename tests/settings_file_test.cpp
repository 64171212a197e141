// control.ini: single-key reads and writes on real files (checked byte for
// byte), the 15 settings and their value forms, and failed writes.
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "base/text_encoding.h"
#include "compose/box_settings.h"
#include "data/ini_file.h"
#include "layout/box_table.h"
#include "test_support.h"

namespace mirelo {
namespace {

using test::Files;
using test::FileSizeLimit;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

// "ＭＳ Ｐゴシック" in code page 932, spelled out so the expectation does not
// depend on the encoder under test.
const std::string kMsPGothic932 = "\x82\x6C\x82\x72 \x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E";

class FakeLocale : public LocaleInfo {
 public:
  explicit FakeLocale(char16_t separator) : separator_(separator) {}
  char16_t DecimalSeparator() const override { return separator_; }

 private:
  char16_t separator_;
};

// A profile held in memory; it can be told to refuse one write.
class MemoryProfile : public ProfileStore {
 public:
  std::map<std::pair<std::u16string, std::u16string>, std::u16string> values;
  std::vector<std::tuple<std::u16string, std::u16string, std::u16string>> writes;
  int refuseWrite = -1;  // 0-based index of the write to refuse

  std::optional<std::u16string> ReadString(std::u16string_view s, std::u16string_view k) override {
    auto it = values.find({std::u16string(s), std::u16string(k)});
    if (it == values.end()) return std::nullopt;
    return it->second;
  }
  bool WriteString(std::u16string_view s, std::u16string_view k, std::u16string_view v) override {
    if (static_cast<int>(writes.size()) == refuseWrite) return false;
    writes.emplace_back(s, k, v);
    values[{std::u16string(s), std::u16string(k)}] = std::u16string(v);
    return true;
  }
};

BoxTable DefaultBoxes() {
  BoxTable boxes;
  InitBoxTable(boxes);
  SetDefaultBoxes(boxes);
  return boxes;
}

// ---------------------------------------------------------------------------
// The INI file, one key at a time.

// A file another program takes hold of after the start's read cannot turn
// one key of the fifteen into its default: the keys are read from what the
// start read, until the first write.
TEST(IniFile, TheKeysAreReadFromWhatTheStartRead) {
  TempDir dir;
  const std::filesystem::path file = dir / "control.ini";
  WriteBytes(file, "[Gaikyou]\r\nLine=9\r\n");
  IniFile ini(file, Files());
  ASSERT_TRUE(ini.WaitUntilReadable());
  std::filesystem::remove(file);
  std::filesystem::create_directory(file);  // unreadable from now on
  EXPECT_EQ(ini.ReadString(u"Gaikyou", u"Line"), u"9");
  std::filesystem::remove(file);
  EXPECT_TRUE(ini.WriteString(u"Gaikyou", u"Size", u"12"));
  EXPECT_EQ(ini.ReadString(u"Gaikyou", u"Line"), std::nullopt);  // the file as written
  EXPECT_EQ(ini.ReadString(u"Gaikyou", u"Size"), u"12");
}

TEST(IniFile, CreatesTheFileWithItsSectionAndKey) {
  TempDir dir;
  IniFile ini(dir / "control.ini", Files());
  ASSERT_TRUE(ini.WriteString(u"Waku", u"Width", u"10"));
  EXPECT_EQ(ReadBytes(dir / "control.ini"), "[Waku]\r\nWidth=10\r\n");
  EXPECT_EQ(dir.Entries(), std::set<std::string>{"control.ini"});  // no temporary left behind
}

TEST(IniFile, ReplacesAValueInPlaceAndLeavesEveryOtherLineByteForByte) {
  TempDir dir;
  // Comments, blank lines, odd spacing, a line that is no key, code page 932
  // text and a stray lead byte all belong to the user and must survive.
  const std::string before =
      "; \x83\x52\x83\x81\x83\x93\x83\x67\r\n"  // "; コメント"
      "[Gaikyou]\r\n"
      "  Size = 9 \r\n"
      "Font=" + kMsPGothic932 + "\r\n"
      "junk\x81\r\n"
      "\r\n"
      "[Bikou]\r\n"
      "Size=9\r\n";
  WriteBytes(dir / "control.ini", before);
  IniFile ini(dir / "control.ini", Files());
  ASSERT_TRUE(ini.WriteString(u"Gaikyou", u"Size", u"12"));
  EXPECT_EQ(ReadBytes(dir / "control.ini"),
            "; \x83\x52\x83\x81\x83\x93\x83\x67\r\n"
            "[Gaikyou]\r\n"
            "Size=12\r\n"
            "Font=" + kMsPGothic932 + "\r\n"
            "junk\x81\r\n"
            "\r\n"
            "[Bikou]\r\n"
            "Size=9\r\n");
  EXPECT_EQ(ini.ReadString(u"Bikou", u"Size"), u"9");  // the same key of another section
}

TEST(IniFile, AddsAMissingKeyAtTheEndOfItsSection) {
  TempDir dir;
  WriteBytes(dir / "control.ini", "[Bikou]\r\nSize=9\r\nFont=x\r\n\r\n[Print]\r\nsw5=0\r\n");
  IniFile ini(dir / "control.ini", Files());
  ASSERT_TRUE(ini.WriteString(u"Bikou", u"TabLen", u"15"));
  EXPECT_EQ(ReadBytes(dir / "control.ini"),
            "[Bikou]\r\nSize=9\r\nFont=x\r\nTabLen=15\r\n\r\n[Print]\r\nsw5=0\r\n");
}

TEST(IniFile, AddsAMissingSectionAtTheEndOfTheFile) {
  TempDir dir;
  WriteBytes(dir / "control.ini", "[PrintForm]\r\nTop=1\r\n");
  IniFile ini(dir / "control.ini", Files());
  ASSERT_TRUE(ini.WriteString(u"Hozon", u"option", u"1"));
  EXPECT_EQ(ReadBytes(dir / "control.ini"), "[PrintForm]\r\nTop=1\r\n[Hozon]\r\noption=1\r\n");
}

TEST(IniFile, MatchesSectionAndKeyNamesWithoutRegardToCase) {
  TempDir dir;
  const std::string head = "[Other]\r\nx_bai=9\r\n[print]\r\nY_BAI=3\r\n";
  WriteBytes(dir / "control.ini", head + "X_BAI=0.5\r\n");
  IniFile ini(dir / "control.ini", Files());
  EXPECT_EQ(ini.ReadString(u"Print", u"x_Bai"), u"0.5");
  EXPECT_EQ(ini.ReadString(u"PRINT", u"y_bai"), u"3");
  EXPECT_EQ(ini.ReadString(u"Print", u"z_Bai"), std::nullopt);

  ASSERT_TRUE(ini.WriteString(u"PRINT", u"x_bai", u"2"));
  // The value was replaced in its line; nothing was added.
  const std::string after = ReadBytes(dir / "control.ini");
  ASSERT_EQ(after.size(), head.size() + std::string("x_bai=2\r\n").size()) << after;
  EXPECT_EQ(after.substr(0, head.size()), head);
  EXPECT_EQ(after.substr(head.size() + 5), "=2\r\n");
  EXPECT_EQ(ini.ReadString(u"print", u"X_BAI"), u"2");
  EXPECT_EQ(ini.ReadString(u"other", u"X_BAI"), u"9");
  // Only letters A to Z fold: full-width letters are other names.
  EXPECT_EQ(ini.ReadString(u"Ｐrint", u"x_Bai"), std::nullopt);
}

// A section that stands twice: its first place alone counts, for reading
// as for writing, so what is read is what the next write replaces.
TEST(IniFile, OnlyTheFirstOfARepeatedSectionCounts) {
  TempDir dir;
  WriteBytes(dir / "control.ini", "[Bikou]\r\nSize=11\r\n[Waku]\r\n[bikou]\r\nSize=12\r\nTabLen=20\r\n");
  IniFile ini(dir / "control.ini", Files());
  EXPECT_EQ(ini.ReadString(u"Bikou", u"Size"), u"11");
  EXPECT_EQ(ini.ReadString(u"Bikou", u"TabLen"), std::nullopt);
  ASSERT_TRUE(ini.WriteString(u"Bikou", u"TabLen", u"15"));
  EXPECT_EQ(ini.ReadString(u"Bikou", u"TabLen"), u"15");
  EXPECT_EQ(ReadBytes(dir / "control.ini"),
            "[Bikou]\r\nSize=11\r\nTabLen=15\r\n[Waku]\r\n[bikou]\r\nSize=12\r\nTabLen=20\r\n");
}

TEST(IniFile, KeepsCodePage932TextAndReadsItBackUnchanged) {
  TempDir dir;
  IniFile ini(dir / "control.ini", Files());
  ASSERT_TRUE(ini.WriteString(u"Gaikyou", u"Font", u"ＭＳ Ｐゴシック"));
  EXPECT_EQ(ReadBytes(dir / "control.ini"), "[Gaikyou]\r\nFont=" + kMsPGothic932 + "\r\n");
  EXPECT_EQ(ini.ReadString(u"Gaikyou", u"Font"), u"ＭＳ Ｐゴシック");

  // Second bytes 0x5C ("\") and 0x5D ("]") inside double-byte characters.
  ASSERT_TRUE(ini.WriteString(u"Bikou", u"Font", u"表ゾ]"));
  EXPECT_EQ(ReadBytes(dir / "control.ini"),
            "[Gaikyou]\r\nFont=" + kMsPGothic932 + "\r\n[Bikou]\r\nFont=\x95\x5C\x83\x5D]\r\n");
  EXPECT_EQ(ini.ReadString(u"Bikou", u"Font"), u"表ゾ]");
  EXPECT_EQ(ini.ReadString(u"Gaikyou", u"Font"), u"ＭＳ Ｐゴシック");
}

// The bytes of UTF-16 text in either byte order, spelled out here so the
// expectation does not depend on the encoder under test.
std::string Utf16Bytes(std::u16string_view text, bool bigEndian) {
  std::string out;
  for (char16_t c : text) {
    const char hi = static_cast<char>(c >> 8), lo = static_cast<char>(c & 0xFF);
    out += bigEndian ? hi : lo;
    out += bigEndian ? lo : hi;
  }
  return out;
}

// A file with a byte-order mark reads as the code page 932 file of the same
// text does, and every write keeps its encoding and its mark: the same
// writes give the same text, and the lines not written keep their bytes.
TEST(IniFile, ReadsAndWritesBackEveryEncodingTheProfileFunctionsRead) {
  const std::u16string text =
      u"; 印刷の設定\r\n[Gaikyou]\r\nSize = 12 \r\nFont=ＭＳ Ｐゴシック\r\n\r\n"
      u"[bikou]\r\nfont=表ゾ]\r\n[Print]\r\nx_Bai=0.997\r\n";
  struct Case {
    const char* name;
    std::string mark, bytes, lineEnd;
  };
  const Case cases[] = {
      {"code page 932", "", EncodeCp932(text), "\r\n"},
      {"UTF-16LE", "\xFF\xFE", Utf16Bytes(text, false), std::string("\r\0\n\0", 4)},
      {"UTF-16BE", "\xFE\xFF", Utf16Bytes(text, true), std::string("\0\r\0\n", 4)},
      {"UTF-8", "\xEF\xBB\xBF", ToUtf8(text), "\r\n"},
  };
  std::optional<std::u16string> writtenByCp932;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    WriteBytes(dir / "control.ini", c.mark + c.bytes);
    IniFile ini(dir / "control.ini", Files());
    EXPECT_EQ(ini.ReadString(u"Gaikyou", u"Size"), u"12");
    EXPECT_EQ(ini.ReadString(u"GAIKYOU", u"Font"), u"ＭＳ Ｐゴシック");
    EXPECT_EQ(ini.ReadString(u"Bikou", u"Font"), u"表ゾ]");
    EXPECT_EQ(ini.ReadString(u"Print", u"x_Bai"), u"0.997");
    EXPECT_EQ(ini.ReadString(u"Print", u"y_Bai"), std::nullopt);

    // Read through the settings, too: the same values from every encoding.
    FakeLocale locale(u'.');
    BoxTable boxes = DefaultBoxes();
    PrintSettings settings;
    LoadSettings(ini, locale, boxes, settings, 0, 0);
    EXPECT_EQ(boxes[2].FontSize, 12);
    EXPECT_EQ(FontNameText(boxes[3]), u"表ゾ]");
    EXPECT_EQ(settings.x_Bai, 0.997);

    ASSERT_TRUE(ini.WriteString(u"Gaikyou", u"Size", u"10"));   // in place
    ASSERT_TRUE(ini.WriteString(u"Bikou", u"TabLen", u"15"));   // at the end of a section
    ASSERT_TRUE(ini.WriteString(u"Hozon", u"option", u"1"));    // a new section
    ASSERT_TRUE(ini.WriteString(u"Gaikyou", u"Font", u"ＭＳ 明朝"));
    const std::string written = ReadBytes(dir / "control.ini");
    ASSERT_EQ(written.substr(0, c.mark.size()), c.mark);
    const DecodedText decoded = DecodeTextFile(written);
    if (!writtenByCp932) writtenByCp932 = decoded.text;
    EXPECT_EQ(decoded.text, *writtenByCp932);
    EXPECT_EQ(ini.ReadString(u"Gaikyou", u"Font"), u"ＭＳ 明朝");
    // The comment, untouched, stands first as it was, whole line end included.
    const std::string comment = c.mark + c.bytes.substr(0, c.bytes.find(c.lineEnd) + c.lineEnd.size());
    EXPECT_EQ(written.substr(0, comment.size()), comment);
  }
}

// What code page 932 cannot hold stays in a Unicode file: a face name
// outside it, and the lines around it byte for byte.
TEST(IniFile, AUnicodeFileKeepsWhatCodePage932CannotHold) {
  TempDir dir;
  const std::u16string comment = u"; 🖨 ﾌﾟﾘﾝﾀ \U0001F600";
  const std::string before = "\xFF\xFE" + Utf16Bytes(comment + u"\r\n[Gaikyou]\r\nSize=9\r\n", false);
  WriteBytes(dir / "control.ini", before);
  IniFile ini(dir / "control.ini", Files());
  ASSERT_TRUE(ini.WriteString(u"Gaikyou", u"Font", u"맑은 고딕"));
  EXPECT_EQ(ReadBytes(dir / "control.ini"),
            before + Utf16Bytes(u"Font=맑은 고딕\r\n", false));
  EXPECT_EQ(ini.ReadString(u"Gaikyou", u"Font"), u"맑은 고딕");
}

// Half a unit at the end of a UTF-16 file (a file cut short) reads as
// U+FFFD and is kept as that, so the lines a write adds after it stay in
// step and read back.
TEST(IniFile, AUtf16FileCutInsideAUnitTakesWritesInStep) {
  TempDir dir;
  WriteBytes(dir / "control.ini", "\xFF\xFE" + Utf16Bytes(u"[Waku]\r\nWidth=3", false) + "x");
  IniFile ini(dir / "control.ini", Files());
  ASSERT_TRUE(ini.WriteString(u"Print", u"sw5", u"1"));
  ASSERT_TRUE(ini.WriteString(u"Print", u"x_Bai", u"0.997"));
  EXPECT_EQ(ReadBytes(dir / "control.ini"),
            "\xFF\xFE" + Utf16Bytes(u"[Waku]\r\nWidth=3\uFFFD\r\n[Print]\r\nsw5=1\r\nx_Bai=0.997\r\n", false));
  EXPECT_EQ(ini.ReadString(u"Print", u"sw5"), u"1");
}

TEST(IniFile, TellsAMissingFileSectionOrKeyFromAnEmptyValue) {
  TempDir dir;
  IniFile ini(dir / "control.ini", Files());
  EXPECT_EQ(ini.ReadString(u"Gaikyou", u"Font"), std::nullopt);
  EXPECT_FALSE(std::filesystem::exists(dir / "control.ini"));  // reading creates nothing

  WriteBytes(dir / "control.ini", "[Gaikyou]\r\nFont=\r\n[Bikou]\r\n");
  EXPECT_EQ(ini.ReadString(u"Gaikyou", u"Font"), u"");
  EXPECT_EQ(ini.ReadString(u"Gaikyou", u"Size"), std::nullopt);
  EXPECT_EQ(ini.ReadString(u"Bikou", u"Font"), std::nullopt);
  EXPECT_EQ(ini.ReadString(u"Waku", u"Width"), std::nullopt);
}

TEST(IniFile, AValueWithLineBreaksCannotAddLinesOrSections) {
  TempDir dir;
  IniFile ini(dir / "control.ini", Files());
  ASSERT_TRUE(ini.WriteString(u"Bikou", u"Font", u"Evil\r\n[Print]\r\nsw5=1"));
  ASSERT_TRUE(ini.WriteString(u"Gaikyou", u"Font", u"a\rb\nc\td\x1A" u"e"));
  const std::string bytes = ReadBytes(dir / "control.ini");

  // Four lines, the only control characters are the CR LF line ends.
  std::size_t lineEnds = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(bytes[i]);
    if (c == '\r') {
      ASSERT_LT(i + 1, bytes.size());
      EXPECT_EQ(bytes[i + 1], '\n');
      ++lineEnds;
      ++i;
    } else {
      EXPECT_GE(c, 0x20) << "control byte at " << i << " in " << bytes;
    }
  }
  EXPECT_EQ(lineEnds, 4u) << bytes;
  EXPECT_EQ(ini.ReadString(u"Print", u"sw5"), std::nullopt);
  auto font = ini.ReadString(u"Bikou", u"Font");
  ASSERT_TRUE(font);
  EXPECT_EQ(font->find(u'\n'), std::u16string::npos);

  // A value that ends in a space once its controls are gone is written as it
  // reads back, so a second write of what was read changes nothing.
  ASSERT_TRUE(ini.WriteString(u"Gaikyou", u"Font", std::u16string_view(u" ＭＳ \0\0\t", 7)));
  const std::string once = ReadBytes(dir / "control.ini");
  ASSERT_TRUE(ini.WriteString(u"Gaikyou", u"Font", *ini.ReadString(u"Gaikyou", u"Font")));
  EXPECT_EQ(ReadBytes(dir / "control.ini"), once);
  EXPECT_EQ(ini.ReadString(u"Gaikyou", u"Font"), u"ＭＳ");
}

TEST(IniFile, AWriteThatFailsLeavesTheFileExactlyAsItWas) {
  const std::string before = "[Bikou]\r\nFont=" + kMsPGothic932 + "\r\nSize=9\r\n[Print]\r\nx_Bai=0.997\r\n";

  {
    SCOPED_TRACE("the disk fills while the new content is written");
    TempDir dir;
    WriteBytes(dir / "control.ini", before);
    IniFile ini(dir / "control.ini", Files());
    bool written = true;
    {
      FileSizeLimit limit(before.size());
      written = ini.WriteString(u"Print", u"y_Bai", u"1.003");
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadBytes(dir / "control.ini"), before);
    EXPECT_EQ(dir.Entries(), std::set<std::string>{"control.ini"});
  }
  {
    SCOPED_TRACE("the settings file's folder is a file");
    TempDir dir;
    WriteBytes(dir / "notafolder", before);
    IniFile ini(dir / "notafolder" / "control.ini", Files());
    EXPECT_FALSE(ini.WriteString(u"Print", u"y_Bai", u"1"));
    EXPECT_EQ(ReadBytes(dir / "notafolder"), before);
    EXPECT_EQ(dir.Entries(), std::set<std::string>{"notafolder"});
  }
}

TEST(IniFile, AFolderInTheFilesPlaceReadsAsMissingAndIsNeverWrittenOver) {
  TempDir dir;
  std::filesystem::create_directory(dir / "control.ini");
  WriteBytes(dir / "control.ini" / "inside", "x");
  IniFile ini(dir / "control.ini", Files());
  EXPECT_EQ(ini.ReadString(u"Waku", u"Width"), std::nullopt);
  EXPECT_FALSE(ini.WriteString(u"Waku", u"Width", u"10"));
  EXPECT_TRUE(std::filesystem::is_directory(dir / "control.ini"));
  EXPECT_EQ(ReadBytes(dir / "control.ini" / "inside"), "x");
  EXPECT_EQ(dir.Entries(), std::set<std::string>{"control.ini"});

  // The settings then are the defaults, and closing reports the failure.
  BoxTable boxes = DefaultBoxes();
  PrintSettings settings;
  LoadSettings(ini, FakeLocale(u'.'), boxes, settings, 1, 2);
  EXPECT_EQ(boxes[2].LinesPerPage, 6);
  EXPECT_THROW(SaveSettings(ini, FakeLocale(u'.'), boxes, settings, "control.ini"), SettingsWriteError);
}

// ---------------------------------------------------------------------------
// LoadSettings and SaveSettings.

TEST(Settings, FirstRunTakesTheDefaultsAndCloseWritesTheFifteenKeysInOrder) {
  TempDir dir;
  IniFile ini(dir / "control.ini", Files());
  FakeLocale locale(u'.');
  BoxTable boxes = DefaultBoxes();
  PrintSettings settings;
  LoadSettings(ini, locale, boxes, settings, /*defaultLeft=*/514, /*defaultTop=*/189);

  EXPECT_EQ(settings.Top, 189);
  EXPECT_EQ(settings.Left, 514);
  EXPECT_EQ(boxes[2].FontSize, 10);
  EXPECT_EQ(FontNameText(boxes[2]), u"ＭＳ Ｐゴシック");
  EXPECT_EQ(boxes[2].LinesPerPage, 6);
  EXPECT_EQ(boxes[3].FontSize, 9);
  EXPECT_EQ(FontNameText(boxes[3]), u"ＭＳ Ｐゴシック");
  EXPECT_EQ(boxes[3].TabPos, 15.0);
  EXPECT_TRUE(settings.SaveOverview);
  EXPECT_EQ(settings.FramePenWidth, 10);
  EXPECT_EQ(settings.x_Bai, 1.0);
  EXPECT_EQ(settings.y_Bai, 1.0);
  EXPECT_EQ(settings.x_offset, 0.0);
  EXPECT_EQ(settings.y_offset, 0.0);
  EXPECT_FALSE(settings.sw5);
  EXPECT_FALSE(std::filesystem::exists(dir / "control.ini"));

  SaveSettings(ini, locale, boxes, settings, (dir / "control.ini").string());
  const std::string expected =
      "[PrintForm]\r\nTop=189\r\nLeft=514\r\n"
      "[Gaikyou]\r\nSize=10\r\nFont=" + kMsPGothic932 + "\r\nLine=6\r\n"
      "[Bikou]\r\nSize=9\r\nFont=" + kMsPGothic932 + "\r\nTabLen=15\r\n"
      "[Hozon]\r\noption=1\r\n"
      "[Waku]\r\nWidth=10\r\n"
      "[Print]\r\nx_Bai=1\r\ny_Bai=1\r\nx_offset=0\r\ny_offset=0\r\nsw5=0\r\n";
  EXPECT_EQ(ReadBytes(dir / "control.ini"), expected);

  // Reading that file and closing again changes nothing.
  BoxTable again = DefaultBoxes();
  PrintSettings reread;
  LoadSettings(ini, locale, again, reread, 0, 0);
  SaveSettings(ini, locale, again, reread, (dir / "control.ini").string());
  EXPECT_EQ(ReadBytes(dir / "control.ini"), expected);
}

TEST(Settings, ReadsIntegerValueForms) {
  struct Case {
    const char16_t* text;
    int expected;
  } cases[] = {
      {u"8", 8},      {u"0x8", 8},    {u"0X1f", 31}, {u"-3", -3},   {u" 7 ", 7},
      {u"", 6},       {u"yes", 6},    {u"8.0", 6},   {u"0x", 6},    {u"x8", 6},
      {u"１２", 6},   {u"99999999999", 6},
  };
  FakeLocale locale(u'.');
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.text));
    MemoryProfile profile;
    profile.values[{u"Gaikyou", u"Line"}] = c.text;
    BoxTable boxes = DefaultBoxes();
    PrintSettings settings;
    LoadSettings(profile, locale, boxes, settings, 0, 0);
    EXPECT_EQ(boxes[2].LinesPerPage, c.expected);
  }
}

TEST(Settings, ReadsBooleanValueForms) {
  struct Case {
    const char16_t* text;
    bool sw5;     // default false
    bool option;  // default true
  } cases[] = {
      {u"1", true, true},    {u"0", false, false},  {u"2", true, true},
      {u"-1", true, true},   {u"0x0", false, false}, {u"yes", false, true},
      {u"true", false, true}, {u"", false, true},
  };
  FakeLocale locale(u'.');
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.text));
    MemoryProfile profile;
    profile.values[{u"Print", u"sw5"}] = c.text;
    profile.values[{u"Hozon", u"option"}] = c.text;
    BoxTable boxes = DefaultBoxes();
    PrintSettings settings;
    LoadSettings(profile, locale, boxes, settings, 0, 0);
    EXPECT_EQ(settings.sw5, c.sw5);
    EXPECT_EQ(settings.SaveOverview, c.option);
  }
}

TEST(Settings, WritesFloatsWithAtMostFifteenDigitsAndTheLocaleSeparator) {
  struct Case {
    double value;
    char16_t separator;
    const char16_t* text;
  } cases[] = {
      {1.0, u'.', u"1"},         {15.0, u'.', u"15"},     {0.997, u'.', u"0.997"},
      {-0.3, u'.', u"-0.3"},     {1.01, u'.', u"1.01"},   {0.1 + 0.2, u'.', u"0.3"},
      {-0.0, u'.', u"0"},        {0.0, u'.', u"0"},       {-12.5, u'.', u"-12.5"},
      {0.997, u',', u"0,997"},   {-0.3, u',', u"-0,3"},   {1.0, u',', u"1"},
      {15.0, u',', u"15"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.text));
    EXPECT_EQ(FormatSettingsFloat(c.value, c.separator), c.text);
  }
}

TEST(Settings, ReadsFloatValueForms) {
  struct Case {
    const char16_t* text;
    char16_t separator;
    double expected;  // x_Bai, default 1
  } cases[] = {
      {u"0.997", u'.', 0.997}, {u"1.003", u'.', 1.003}, {u"2", u'.', 2.0},
      {u"0,997", u',', 0.997}, {u"0,997", u'.', 1.0},   {u"0.997", u',', 1.0},
      {u"", u'.', 1.0},        {u"abc", u'.', 1.0},     {u"1e999", u'.', 1.0},
      {u"nan", u'.', 1.0},     {u"inf", u'.', 1.0},     {u"-", u'.', 1.0},
      {u"1.2.3", u'.', 1.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.text) + " with " + static_cast<char>(c.separator));
    MemoryProfile profile;
    profile.values[{u"Print", u"x_Bai"}] = c.text;
    FakeLocale locale(c.separator);
    BoxTable boxes = DefaultBoxes();
    PrintSettings settings;
    LoadSettings(profile, locale, boxes, settings, 0, 0);
    EXPECT_EQ(settings.x_Bai, c.expected);
  }
}

// One table for both readers: a sign may stand once, before the number (and
// its "0x"); two signs, or a sign anywhere else, make the value unreadable.
TEST(Settings, SignsSpacesExponentsAndHexInBothReaders) {
  constexpr std::nullopt_t no = std::nullopt;
  struct Case {
    const char16_t* text;
    std::optional<int> asInt;
    std::optional<double> asFloat;  // with "." as the separator
  } cases[] = {
      {u"1", 1, 1.0},          {u"+1", 1, 1.0},         {u"-1", -1, -1.0},
      {u" +1", 1, 1.0},        {u"-1\t", -1, -1.0},     {u"007", 7, 7.0},
      {u"-0", 0, 0.0},         {u"+0", 0, 0.0},
      {u"+-1", no, no},        {u"-+1", no, no},        {u"++1", no, no},
      {u"--1", no, no},        {u"+-0", no, no},        {u"--0", no, no},
      {u"+ 1", no, no},        {u"1-", no, no},         {u"+", no, no},
      {u"-", no, no},          {u"１", no, no},
      {u"+0.5", no, 0.5},      {u"-0.5", no, -0.5},     {u"+-0.5", no, no},
      {u"-+0.5", no, no},      {u"--0.5", no, no},      {u"++0.5", no, no},
      {u"-.5", no, -0.5},      {u"+.5", no, 0.5},       {u"5.", no, 5.0},
      {u"+-.5", no, no},       {u".", no, no},          {u"-.", no, no},
      {u"1e3", no, 1000.0},    {u"1E3", no, 1000.0},    {u"+1e3", no, 1000.0},
      {u"-1e-3", no, -0.001},  {u"1e+3", no, 1000.0},   {u"1e+-3", no, no},
      {u"1e--3", no, no},      {u"1e", no, no},         {u"e3", no, no},
      {u"0x8", 8, no},         {u"0X1f", 31, no},       {u"+0x8", 8, no},
      {u"-0x8", -8, no},       {u" 0xA ", 10, no},      {u"0x", no, no},
      {u"-0x", no, no},        {u"0x-8", no, no},       {u"0x+8", no, no},
      {u"0x-0", no, no},       {u"-0x-8", no, no},      {u"+-0x8", no, no},
      {u"0x7FFFFFFF", 2147483647, no},                  {u"0x80000000", no, no},
      {u"-0x80000000", -2147483647 - 1, no},            {u"2147483648", no, 2147483648.0},
      {u"-2147483648", -2147483647 - 1, -2147483648.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.text));
    EXPECT_EQ(ParseSettingsInt(c.text), c.asInt);
    EXPECT_EQ(ParseSettingsFloat(c.text, u'.'), c.asFloat);
  }

  // The same through the settings file, as a user would write it.
  TempDir dir;
  WriteBytes(dir / "control.ini",
             "[Print]\r\nx_offset=+-0.5\r\ny_offset=+-1\r\nx_Bai=+0.5\r\n"
             "[Gaikyou]\r\nLine=-+1\r\n[Waku]\r\nWidth=+0x8\r\n");
  IniFile ini(dir / "control.ini", Files());
  BoxTable boxes = DefaultBoxes();
  PrintSettings settings;
  LoadSettings(ini, FakeLocale(u'.'), boxes, settings, 0, 0);
  EXPECT_EQ(settings.x_offset, 0.0);
  EXPECT_EQ(settings.y_offset, 0.0);
  EXPECT_EQ(settings.x_Bai, 0.5);
  EXPECT_EQ(boxes[2].LinesPerPage, 6);
  EXPECT_EQ(settings.FramePenWidth, 8);
}

TEST(Settings, FractionsDoNotCrossLocalesWithAnotherSeparatorButWholeValuesDo) {
  for (auto [writeSep, readSep] : {std::pair{u',', u'.'}, std::pair{u'.', u','}}) {
    SCOPED_TRACE(std::string("written with ") + static_cast<char>(writeSep));
    TempDir dir;
    IniFile ini(dir / "control.ini", Files());
    BoxTable boxes = DefaultBoxes();
    PrintSettings settings;
    settings.Top = settings.Left = 0;
    settings.x_Bai = 0.997;
    settings.y_Bai = 1.0;
    settings.x_offset = -0.3;
    settings.y_offset = 2.0;
    boxes[3].TabPos = 15.0;
    SaveSettings(ini, FakeLocale(writeSep), boxes, settings, "control.ini");

    BoxTable readBoxes = DefaultBoxes();
    PrintSettings read;
    LoadSettings(ini, FakeLocale(readSep), readBoxes, read, 0, 0);
    EXPECT_EQ(read.x_Bai, 1.0);     // 0.997 is unreadable: the default
    EXPECT_EQ(read.x_offset, 0.0);  // -0.3 is unreadable: the default
    EXPECT_EQ(read.y_Bai, 1.0);
    EXPECT_EQ(read.y_offset, 2.0);
    EXPECT_EQ(readBoxes[3].TabPos, 15.0);

    PrintSettings same;
    LoadSettings(ini, FakeLocale(writeSep), readBoxes, same, 0, 0);
    EXPECT_EQ(same.x_Bai, 0.997);
    EXPECT_EQ(same.x_offset, -0.3);
  }
}

TEST(Settings, AnEmptyFontValueIsAnEmptyFaceNameNotTheDefault) {
  MemoryProfile profile;
  profile.values[{u"Gaikyou", u"Font"}] = u"";
  BoxTable boxes = DefaultBoxes();
  PrintSettings settings;
  LoadSettings(profile, FakeLocale(u'.'), boxes, settings, 0, 0);
  EXPECT_EQ(FontNameText(boxes[2]), u"");
  EXPECT_EQ(FontNameText(boxes[3]), u"ＭＳ Ｐゴシック");
}

TEST(Settings, ALongFaceNameIsCutAt31BytesOnACharacterBoundaryAndWrittenBackCut) {
  struct Case {
    std::u16string name;
    std::u16string held;
  } cases[] = {
      // 16 double-byte characters are 32 bytes: the 16th does not fit whole.
      {u"あいうえおかきくけこさしすせそた", u"あいうえおかきくけこさしすせそ"},
      // One single-byte character first: 31 bytes fit exactly.
      {u"Aあいうえおかきくけこさしすせそた", u"Aあいうえおかきくけこさしすせそ"},
      {u"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789", u"ABCDEFGHIJKLMNOPQRSTUVWXYZ01234"},
      {u"ＭＳ Ｐゴシック", u"ＭＳ Ｐゴシック"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.name));
    TempDir dir;
    IniFile ini(dir / "control.ini", Files());
    ASSERT_TRUE(ini.WriteString(u"Bikou", u"Font", c.name));
    BoxTable boxes = DefaultBoxes();
    PrintSettings settings;
    LoadSettings(ini, FakeLocale(u'.'), boxes, settings, 0, 0);
    EXPECT_LE(boxes[3].FontName.size(), 31u);
    EXPECT_EQ(FontNameText(boxes[3]), c.held);

    SaveSettings(ini, FakeLocale(u'.'), boxes, settings, "control.ini");
    EXPECT_EQ(ini.ReadString(u"Bikou", u"Font"), c.held);
  }
}

TEST(Settings, SaveWritesTheKeysInOrderAndStopsAtTheFirstFailedWrite) {
  MemoryProfile profile;
  BoxTable boxes = DefaultBoxes();
  PrintSettings settings;
  settings.Top = 3;
  settings.Left = 4;
  SaveSettings(profile, FakeLocale(u'.'), boxes, settings, "control.ini");
  std::vector<std::pair<std::u16string, std::u16string>> order;
  for (const auto& [s, k, v] : profile.writes) order.emplace_back(s, k);
  const std::vector<std::pair<std::u16string, std::u16string>> expected = {
      {u"PrintForm", u"Top"}, {u"PrintForm", u"Left"}, {u"Gaikyou", u"Size"},
      {u"Gaikyou", u"Font"},  {u"Gaikyou", u"Line"},   {u"Bikou", u"Size"},
      {u"Bikou", u"Font"},    {u"Hozon", u"option"},   {u"Waku", u"Width"},
      {u"Print", u"x_Bai"},   {u"Print", u"y_Bai"},    {u"Print", u"x_offset"},
      {u"Print", u"y_offset"}, {u"Print", u"sw5"},     {u"Bikou", u"TabLen"},
  };
  EXPECT_EQ(order, expected);

  MemoryProfile failing;
  failing.refuseWrite = 5;
  try {
    SaveSettings(failing, FakeLocale(u'.'), boxes, settings, "/opt/ミレロ/control.ini");
    FAIL() << "no error";
  } catch (const SettingsWriteError& e) {
    EXPECT_STREQ(e.what(), "/opt/ミレロ/control.ini に書き込めません");
  }
  EXPECT_EQ(failing.writes.size(), 5u);
}

TEST(Settings, ASaveThatCannotWriteNamesTheFileAndKeepsTheKeysWrittenBefore) {
  {
    SCOPED_TRACE("the settings file's folder is a file");
    TempDir dir;
    WriteBytes(dir / "exe-folder", "a file\r\n");
    const std::filesystem::path path = dir / "exe-folder" / "control.ini";
    IniFile ini(path, Files());
    BoxTable boxes = DefaultBoxes();
    PrintSettings settings;
    try {
      SaveSettings(ini, FakeLocale(u'.'), boxes, settings, path.string());
      FAIL() << "no error";
    } catch (const SettingsWriteError& e) {
      EXPECT_EQ(std::string(e.what()), path.string() + " に書き込めません");
    }
    EXPECT_EQ(ReadBytes(dir / "exe-folder"), "a file\r\n");
  }
  {
    SCOPED_TRACE("the disk fills half-way through the keys");
    TempDir dir;
    const std::filesystem::path path = dir / "control.ini";
    IniFile ini(path, Files());
    BoxTable boxes = DefaultBoxes();
    PrintSettings settings;
    LoadSettings(ini, FakeLocale(u'.'), boxes, settings, 514, 189);
    std::optional<std::string> message;
    {
      FileSizeLimit limit(100);
      try {
        SaveSettings(ini, FakeLocale(u'.'), boxes, settings, path.string());
      } catch (const SettingsWriteError& e) {
        message = e.what();
      }
    }
    EXPECT_EQ(message, path.string() + " に書き込めません");
    // The file holds whole keys from the start of the order, never a cut line.
    const std::string allButTabLen =
        "[PrintForm]\r\nTop=189\r\nLeft=514\r\n"
        "[Gaikyou]\r\nSize=10\r\nFont=" + kMsPGothic932 + "\r\nLine=6\r\n"
        "[Bikou]\r\nSize=9\r\nFont=" + kMsPGothic932 + "\r\n"
        "[Hozon]\r\noption=1\r\n"
        "[Waku]\r\nWidth=10\r\n";
    const std::string bytes = ReadBytes(path);
    EXPECT_GE(bytes.size(), std::string("[PrintForm]\r\nTop=189\r\n").size());
    EXPECT_LE(bytes.size(), 100u);
    EXPECT_EQ(allButTabLen.compare(0, bytes.size(), bytes), 0) << bytes;
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_EQ(dir.Entries(), std::set<std::string>{"control.ini"});
  }
}

}  // namespace
}  // namespace mirelo
