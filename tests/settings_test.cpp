// The fifteen settings in control.ini: the defaults of a first run, every
// value form the file may hold in either locale, and saves that fail.
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "base/text_encoding.h"
#include "compose/box_settings.h"
#include "data/ini_file.h"
#include "data/settings.h"
#include "layout/box_table.h"
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
      "[Gaikyou]\r\nSize=10\r\nFont=" +
      kMsPGothic932 +
      "\r\nLine=6\r\n"
      "[Bikou]\r\nSize=9\r\nFont=" +
      kMsPGothic932 +
      "\r\nTabLen=15\r\n"
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
      {u"8", 8},   {u"0x8", 8}, {u"0X1f", 31}, {u"-3", -3}, {u" 7 ", 7},  {u"", 6},
      {u"yes", 6}, {u"8.0", 6}, {u"0x", 6},    {u"x8", 6},  {u"１２", 6}, {u"99999999999", 6},
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
      {u"1", true, true},     {u"0", false, false},  {u"2", true, true},     {u"-1", true, true},
      {u"0x0", false, false}, {u"yes", false, true}, {u"true", false, true}, {u"", false, true},
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
      {1.0, u'.', u"1"},       {15.0, u'.', u"15"},   {0.997, u'.', u"0.997"},
      {-0.3, u'.', u"-0.3"},   {1.01, u'.', u"1.01"}, {0.1 + 0.2, u'.', u"0.3"},
      {-0.0, u'.', u"0"},      {0.0, u'.', u"0"},     {-12.5, u'.', u"-12.5"},
      {0.997, u',', u"0,997"}, {-0.3, u',', u"-0,3"}, {1.0, u',', u"1"},
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
      {u"1", 1, 1.0},
      {u"+1", 1, 1.0},
      {u"-1", -1, -1.0},
      {u" +1", 1, 1.0},
      {u"-1\t", -1, -1.0},
      {u"007", 7, 7.0},
      {u"-0", 0, 0.0},
      {u"+0", 0, 0.0},
      {u"+-1", no, no},
      {u"-+1", no, no},
      {u"++1", no, no},
      {u"--1", no, no},
      {u"+-0", no, no},
      {u"--0", no, no},
      {u"+ 1", no, no},
      {u"1-", no, no},
      {u"+", no, no},
      {u"-", no, no},
      {u"１", no, no},
      {u"+0.5", no, 0.5},
      {u"-0.5", no, -0.5},
      {u"+-0.5", no, no},
      {u"-+0.5", no, no},
      {u"--0.5", no, no},
      {u"++0.5", no, no},
      {u"-.5", no, -0.5},
      {u"+.5", no, 0.5},
      {u"5.", no, 5.0},
      {u"+-.5", no, no},
      {u".", no, no},
      {u"-.", no, no},
      {u"1e3", no, 1000.0},
      {u"1E3", no, 1000.0},
      {u"+1e3", no, 1000.0},
      {u"-1e-3", no, -0.001},
      {u"1e+3", no, 1000.0},
      {u"1e+-3", no, no},
      {u"1e--3", no, no},
      {u"1e", no, no},
      {u"e3", no, no},
      {u"0x8", 8, no},
      {u"0X1f", 31, no},
      {u"+0x8", 8, no},
      {u"-0x8", -8, no},
      {u" 0xA ", 10, no},
      {u"0x", no, no},
      {u"-0x", no, no},
      {u"0x-8", no, no},
      {u"0x+8", no, no},
      {u"0x-0", no, no},
      {u"-0x-8", no, no},
      {u"+-0x8", no, no},
      {u"0x7FFFFFFF", 2147483647, no},
      {u"0x80000000", no, no},
      {u"-0x80000000", -2147483647 - 1, no},
      {u"2147483648", no, 2147483648.0},
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
      {u"PrintForm", u"Top"},  {u"PrintForm", u"Left"}, {u"Gaikyou", u"Size"},
      {u"Gaikyou", u"Font"},   {u"Gaikyou", u"Line"},   {u"Bikou", u"Size"},
      {u"Bikou", u"Font"},     {u"Hozon", u"option"},   {u"Waku", u"Width"},
      {u"Print", u"x_Bai"},    {u"Print", u"y_Bai"},    {u"Print", u"x_offset"},
      {u"Print", u"y_offset"}, {u"Print", u"sw5"},      {u"Bikou", u"TabLen"},
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
        "[Gaikyou]\r\nSize=10\r\nFont=" +
        kMsPGothic932 +
        "\r\nLine=6\r\n"
        "[Bikou]\r\nSize=9\r\nFont=" +
        kMsPGothic932 +
        "\r\n"
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

// The settings read the same values from the file in every encoding it may
// have.
TEST(Settings, ReadTheSameValuesFromEveryEncodingOfTheFile) {
  const std::u16string text =
      u"[Gaikyou]\r\nSize = 12 \r\n[bikou]\r\nfont=表ゾ]\r\n[Print]\r\nx_Bai=0.997\r\n";
  const std::pair<const char*, std::string> files[] = {
      {"code page 932", EncodeCp932(text)},
      {"UTF-16LE", "\xFF\xFE" + Utf16Bytes(text, false)},
      {"UTF-16BE", "\xFE\xFF" + Utf16Bytes(text, true)},
      {"UTF-8", "\xEF\xBB\xBF" + ToUtf8(text)},
  };
  for (const auto& [name, bytes] : files) {
    SCOPED_TRACE(name);
    TempDir dir;
    WriteBytes(dir / "control.ini", bytes);
    IniFile ini(dir / "control.ini", Files());
    BoxTable boxes = DefaultBoxes();
    PrintSettings settings;
    LoadSettings(ini, FakeLocale(u'.'), boxes, settings, 0, 0);
    EXPECT_EQ(boxes[2].FontSize, 12);
    EXPECT_EQ(FontNameText(boxes[3]), u"表ゾ]");
    EXPECT_EQ(settings.x_Bai, 0.997);
  }
}

// A folder where the file should be: the settings are the defaults, and
// closing reports the failure.
TEST(Settings, AFolderInTheFilesPlaceGivesTheDefaultsAndACloseThatFails) {
  TempDir dir;
  std::filesystem::create_directory(dir / "control.ini");
  IniFile ini(dir / "control.ini", Files());
  BoxTable boxes = DefaultBoxes();
  PrintSettings settings;
  LoadSettings(ini, FakeLocale(u'.'), boxes, settings, 1, 2);
  EXPECT_EQ(boxes[2].LinesPerPage, 6);
  EXPECT_THROW(SaveSettings(ini, FakeLocale(u'.'), boxes, settings, "control.ini"),
               SettingsWriteError);
}

}  // namespace
}  // namespace mirelo
