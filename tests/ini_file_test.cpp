// control.ini one key at a time, on real files checked byte for byte: the
// lines around a key kept as they were, every encoding the file may have,
// and writes that fail or cannot be made.
#include <optional>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "base/text_encoding.h"
#include "data/ini_file.h"
#include "test_support.h"

namespace mirelo {
namespace {

using test::Files;
using test::FileSizeLimit;
using test::kMsPGothic932;
using test::ReadBytes;
using test::TempDir;
using test::Utf16Bytes;
using test::WriteBytes;

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
      "Font=" +
      kMsPGothic932 +
      "\r\n"
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
            "Font=" +
                kMsPGothic932 +
                "\r\n"
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
  WriteBytes(dir / "control.ini",
             "[Bikou]\r\nSize=11\r\n[Waku]\r\n[bikou]\r\nSize=12\r\nTabLen=20\r\n");
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

    ASSERT_TRUE(ini.WriteString(u"Gaikyou", u"Size", u"10"));  // in place
    ASSERT_TRUE(ini.WriteString(u"Bikou", u"TabLen", u"15"));  // at the end of a section
    ASSERT_TRUE(ini.WriteString(u"Hozon", u"option", u"1"));   // a new section
    ASSERT_TRUE(ini.WriteString(u"Gaikyou", u"Font", u"ＭＳ 明朝"));
    const std::string written = ReadBytes(dir / "control.ini");
    ASSERT_EQ(written.substr(0, c.mark.size()), c.mark);
    const DecodedText decoded = DecodeTextFile(written);
    if (!writtenByCp932) writtenByCp932 = decoded.text;
    EXPECT_EQ(decoded.text, *writtenByCp932);
    EXPECT_EQ(ini.ReadString(u"Gaikyou", u"Font"), u"ＭＳ 明朝");
    // The comment, untouched, stands first as it was, whole line end included.
    const std::string comment =
        c.mark + c.bytes.substr(0, c.bytes.find(c.lineEnd) + c.lineEnd.size());
    EXPECT_EQ(written.substr(0, comment.size()), comment);
  }
}

// What code page 932 cannot hold stays in a Unicode file: a face name
// outside it, and the lines around it byte for byte.
TEST(IniFile, AUnicodeFileKeepsWhatCodePage932CannotHold) {
  TempDir dir;
  const std::u16string comment = u"; 🖨 ﾌﾟﾘﾝﾀ \U0001F600";
  const std::string before =
      "\xFF\xFE" + Utf16Bytes(comment + u"\r\n[Gaikyou]\r\nSize=9\r\n", false);
  WriteBytes(dir / "control.ini", before);
  IniFile ini(dir / "control.ini", Files());
  ASSERT_TRUE(ini.WriteString(u"Gaikyou", u"Font", u"맑은 고딕"));
  EXPECT_EQ(ReadBytes(dir / "control.ini"), before + Utf16Bytes(u"Font=맑은 고딕\r\n", false));
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
  EXPECT_EQ(
      ReadBytes(dir / "control.ini"),
      "\xFF\xFE" +
          Utf16Bytes(u"[Waku]\r\nWidth=3\uFFFD\r\n[Print]\r\nsw5=1\r\nx_Bai=0.997\r\n", false));
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
  ASSERT_TRUE(ini.WriteString(u"Gaikyou", u"Font",
                              u"a\rb\nc\td\x1A"
                              u"e"));
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
  const std::string before =
      "[Bikou]\r\nFont=" + kMsPGothic932 + "\r\nSize=9\r\n[Print]\r\nx_Bai=0.997\r\n";

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
}

}  // namespace
}  // namespace mirelo
