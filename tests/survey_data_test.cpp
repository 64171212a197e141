// The survey data file: the worked example, normalisation of the item lines,
// encodings and line breaks, bytes that cannot be read, and files that break
// the format.
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/format_message.h"
#include "base/messages.h"
#include "base/text_encoding.h"
#include "data/survey_data.h"
#include "test_support.h"

namespace mirelo {
namespace {

const std::filesystem::path kWorkedExample =
    std::filesystem::path(MIRELO_SOURCE_DIR) / "tests" / "fixtures" / "worked-example.txt";

const std::u16string kKey = u"123456700000123451";
const std::u16string kHeader = kKey + u"0000" + u"0000" + u"20210415";
const std::u16string kMark = u"[改行]\u3000";

std::u16string Item(std::u16string_view code, std::u16string_view text) {
  return kKey + std::u16string(code) + u"0001" + std::u16string(text);
}

std::u16string Join(const std::vector<std::u16string>& lines, std::u16string_view brk,
                    bool finalBreak = true) {
  std::u16string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i) text += brk;
    text += lines[i];
  }
  if (finalBreak && !lines.empty()) text += brk;
  return text;
}

std::string Utf8File(const std::u16string& text) { return "\xEF\xBB\xBF" + ToUtf8(text); }

std::string Utf16File(const std::u16string& text, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t c : text) {
    char hi = static_cast<char>(c >> 8), lo = static_cast<char>(c & 0xFF);
    bytes += bigEndian ? hi : lo;
    bytes += bigEndian ? lo : hi;
  }
  return bytes;
}

SurveyData Parse(std::string_view bytes, bool sw5) {
  SurveyData data;
  ParseSurveyData(bytes, "survey.txt", sw5, data);
  return data;
}

// The items of the worked example after normalisation.
std::vector<std::u16string> WorkedExampleItems(bool sw5) {
  const std::u16string mark = sw5 ? kMark : u"";
  return {
      kHeader,
      kKey + u"01010001右上肢に軽い麻痺がある。左上肢は問題ない。",
      kKey + u"01070001歩行時に杖を使う。" + mark,
      kKey + u"02040001食事は[改行]見守りで自立。" + mark,
      kKey + u"05020001服薬は家族が管理している。",
  };
}

TEST(SurveyData, WorkedExample) {
  for (bool sw5 : {true, false}) {
    SCOPED_TRACE(sw5 ? "sw5 on" : "sw5 off");
    SurveyData data;
    data.Items = {u"stale"};
    LoadSurveyData(kWorkedExample, sw5, data);
    EXPECT_EQ(data.InsuredPersonNumber, u"0000012345");
    EXPECT_EQ(data.SurveyDateText, u"2021/04/15");
    EXPECT_EQ(data.SurveyDate, (CalendarDate{2021, 4, 15}));
    EXPECT_EQ(data.Items, WorkedExampleItems(sw5));
  }
}

TEST(SurveyData, NormalisesItemLines) {
  struct Case {
    const char* name;
    std::vector<std::u16string> file;
    bool sw5;
    std::vector<std::u16string> items;
  } cases[] = {
      {"three lines of one item become one, in file order",
       {kHeader, Item(u"0101", u"一"), Item(u"0101", u"二"), Item(u"0101", u"三"),
        Item(u"0102", u"四")},
       false,
       {kHeader, Item(u"0101", u"一二三"), Item(u"0102", u"四")}},
      {"a continuation without text is removed and adds nothing",
       {kHeader, Item(u"0101", u"一"), Item(u"0101", u""), kKey + u"0101", Item(u"0102", u"二")},
       false,
       {kHeader, Item(u"0101", u"一"), Item(u"0102", u"二")}},
      {"only consecutive lines join",
       {kHeader, Item(u"0101", u"一"), Item(u"0102", u"二"), Item(u"0101", u"三")},
       false,
       {kHeader, Item(u"0101", u"一"), Item(u"0102", u"二"), Item(u"0101", u"三")}},
      {"line 1 with the header's code joins the header",
       {kHeader, Item(u"0000", u"続き"), Item(u"0101", u"一")},
       false,
       {kHeader + u"続き", Item(u"0101", u"一")}},
      {"an unkeyed line keeps the code; the next keyed line of that code joins onto it",
       {kHeader, Item(u"0101", u"一"), u"鍵のない行", Item(u"0101", u"二"), Item(u"0102", u"三")},
       false,
       {kHeader, Item(u"0101", u"一"), u"鍵のない行二", Item(u"0102", u"三")}},
      {"another record key is an unkeyed line",
       {kHeader, Item(u"0101", u"一"),
        u"999999999999999999"
        u"01010001他",
        Item(u"0101", u"二")},
       false,
       {kHeader, Item(u"0101", u"一"),
        u"999999999999999999"
        u"01010001他二"}},
      {"the last line of a group that another group follows gets the mark",
       {kHeader, Item(u"0101", u"一"), Item(u"0102", u"二"), Item(u"0201", u"三"),
        Item(u"0701", u"四")},
       true,
       {kHeader, Item(u"0101", u"一"), Item(u"0102", u"二" + kMark), Item(u"0201", u"三" + kMark),
        Item(u"0701", u"四")}},
      {"groups are compared as text: \"01\" and \"1 \" differ",
       {kHeader, Item(u"0101", u"一"), Item(u"1 02", u"二"), Item(u"1 03", u"三")},
       true,
       {kHeader, Item(u"0101", u"一" + kMark), Item(u"1 02", u"二"), Item(u"1 03", u"三")}},
      {"a group end that the file already marked gets no second mark",
       {kHeader, Item(u"0101", u"一" + kMark), Item(u"0201", u"二")},
       true,
       {kHeader, Item(u"0101", u"一" + kMark), Item(u"0201", u"二")}},
      {"with sw5 off every mark goes, also those the file carried",
       {kHeader, Item(u"0101", u"一" + kMark + u"中"), Item(u"0201", u"二" + kMark)},
       false,
       {kHeader, Item(u"0101", u"一中"), Item(u"0201", u"二")}},
      {"the header alone", {kHeader}, true, {kHeader}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SurveyData data = Parse(Utf8File(Join(c.file, u"\r\n")), c.sw5);
    EXPECT_EQ(data.Items, c.items);
  }
}

TEST(SurveyData, GroupSpacingIsIdempotentAndRemovable) {
  ItemList merged = {kHeader, Item(u"0101", u"一"), Item(u"0102", u"二"), Item(u"0201", u"三"),
                     Item(u"0301", u"四")};
  ItemList once = merged;
  ApplyGroupSpacing(once);
  ASSERT_NE(once, merged);
  ItemList twice = once;
  ApplyGroupSpacing(twice);
  EXPECT_EQ(twice, once);
  RemoveGroupSpacing(twice);
  EXPECT_EQ(twice, merged);

  ItemList headerOnly = {kHeader};
  ApplyGroupSpacing(headerOnly);
  EXPECT_EQ(headerOnly, ItemList{kHeader});
  ItemList empty;
  ApplyGroupSpacing(empty);
  RemoveGroupSpacing(empty);
  MergeContinuationLines(empty);
  EXPECT_TRUE(empty.empty());
}

// Found by fuzzing: on a line shorter than the group columns the mark moved
// into them, so that applying the marks again found a new group and marked
// the line before it as well.
TEST(SurveyData, GroupSpacingOnLinesShorterThanTheGroupColumnsIsIdempotent) {
  const std::u16string shortLine = u"123456700000123";  // 15 characters
  ItemList once = {kHeader, shortLine, shortLine, Item(u"0201", u"三")};
  ApplyGroupSpacing(once);
  EXPECT_EQ(once, (ItemList{kHeader, shortLine, shortLine + kMark, Item(u"0201", u"三")}));
  ItemList twice = once;
  ApplyGroupSpacing(twice);
  EXPECT_EQ(twice, once);
}

TEST(SurveyData, EveryLineBreakFormAndEveryByteOrderMarkGiveTheSameList) {
  const std::string crlf = test::ReadBytes(kWorkedExample);
  const SurveyData expected = Parse(crlf, true);
  ASSERT_EQ(expected.Items, WorkedExampleItems(true));

  std::vector<std::u16string> lines = {kHeader};
  const std::vector<std::pair<std::u16string, std::u16string>> items = {
      {u"01010001", u"右上肢に軽い麻痺がある。"},
      {u"01010002", u"左上肢は問題ない。"},
      {u"01070001", u"歩行時に杖を使う。"},
      {u"02040001", u"食事は[改行]見守りで自立。"},
      {u"05020001", u"服薬は家族が管理している。"}};
  for (const auto& [code, text] : items) lines.push_back(kKey + code + text);

  struct Case {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"LF", Utf8File(Join(lines, u"\n"))},
      {"CR", Utf8File(Join(lines, u"\r"))},
      {"CR LF without a final break", Utf8File(Join(lines, u"\r\n", false))},
      {"UTF-8 BOM", Utf8File(Join(lines, u"\r\n"))},
      {"UTF-16LE BOM", Utf16File(Join(lines, u"\r\n"), false)},
      {"UTF-16BE BOM, LF", Utf16File(Join(lines, u"\n"), true)},
      {"code page 932, LF",
       [&] {
         std::string s;
         for (char ch : crlf)
           if (ch != '\r') s += ch;
         return s;
       }()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SurveyData data = Parse(c.bytes, true);
    EXPECT_EQ(data.Items, expected.Items);
    EXPECT_EQ(data.InsuredPersonNumber, u"0000012345");
    EXPECT_EQ(data.SurveyDateText, u"2021/04/15");
  }
}

TEST(SurveyData, UnreadableBytesBecomeReplacementCharactersAndKeepTheLines) {
  const std::string key = "123456700000123451";
  const std::string header = key + "0000000020210415";
  struct Case {
    const char* name;
    std::string bytes;
    std::size_t items;
  } cases[] = {
      {"code page 932: a lead byte before CR LF, bytes no character starts with, a lead byte at "
       "the end",
       header + "\r\n" + key + "01010001\x81\r\n" + key +
           "01020001\xA0\xFD\xFE\xFF"
           "abc\r\n" +
           key + "01030001\x82",
       4},
      {"code page 932: a lead byte with a bad second byte",
       header + "\r\n" + key + "01010001\x81\x0A" + key + "01020001\x9F\x7F\r\n", 3},
      {"UTF-8: bad and cut sequences",
       "\xEF\xBB\xBF" + header + "\r\n" + key + "01010001\xC3\x28\xFF\r\n" + key +
           "01020001\xE3\x81",
       3},
      {"UTF-16LE: a lone surrogate and an odd last byte",
       Utf16File(FromUtf8(header) + u"\r\n" + FromUtf8(key) +
                     u"01010001\xD800"
                     u"x\r\n" +
                     FromUtf8(key) + u"01020001\xDC00",
                 false) +
           "\x41",
       3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SurveyData data = Parse(c.bytes, false);
    ASSERT_EQ(data.Items.size(), c.items);
    EXPECT_EQ(data.InsuredPersonNumber, u"0000012345");
    for (std::size_t i = 1; i < data.Items.size(); ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(Columns(data.Items[i], 1, 18), FromUtf8(key));
      EXPECT_NE(data.Items[i].find(u'\uFFFD'), std::u16string::npos);
    }
  }
}

TEST(SurveyData, ArbitraryBytesNeverCrash) {
  std::mt19937 random(20210415);
  const std::string pieces[] = {
      "\r",   "\n",   "\x81", "\xFF", "\xFE", "\xEF\xBB\xBF", "\xFF\xFE",          "\xFE\xFF",
      "\xE3", "\xD8", "0",    "1",    "a",    "\x82\xA0",     std::string("\0", 1)};
  const std::string header = "1234567000001234510000000020210415\r\n";
  for (int round = 0; round < 400; ++round) {
    std::string bytes = round % 2 ? header : std::string();
    const int count = static_cast<int>(random() % 120);
    for (int i = 0; i < count; ++i) {
      if (random() % 3 == 0)
        bytes += pieces[random() % std::size(pieces)];
      else
        bytes += static_cast<char>(random() % 256);
    }
    for (bool sw5 : {false, true}) {
      SurveyData data;
      try {
        ParseSurveyData(bytes, "survey.txt", sw5, data);
      } catch (const DataFileError&) {
        continue;
      }
      ASSERT_FALSE(data.Items.empty());
      for (const std::u16string& line : data.Items) {
        ASSERT_EQ(line.find(u'\r'), std::u16string::npos);
        ASSERT_EQ(line.find(u'\n'), std::u16string::npos);
      }
    }
  }
}

TEST(SurveyData, FilesThatBreakTheFormatAreReportedNamingTheFile) {
  const std::string key = "123456700000123451";
  struct Case {
    const char* name;
    std::string bytes;
    const char* message;
  } bad[] = {
      {"empty", "", msg::kDataEmpty},
      {"only a byte-order mark", "\xEF\xBB\xBF", msg::kDataEmpty},
      {"an empty first line", "\r\n" + key + "01010001x\r\n", msg::kHeaderTooShort},
      {"a header of 33 characters", key + "00000000" + "2021041", msg::kHeaderTooShort},
      {"30 February", key + "00000000" + "20210230", msg::kBadSurveyDate},
      {"29 February 1900", key + "00000000" + "19000229", msg::kBadSurveyDate},
      {"29 February 2023", key + "00000000" + "20230229", msg::kBadSurveyDate},
      {"month 13", key + "00000000" + "20211301", msg::kBadSurveyDate},
      {"day 00", key + "00000000" + "20210400", msg::kBadSurveyDate},
      {"year 0000", key + "00000000" + "00000101", msg::kBadSurveyDate},
      {"a letter in the date", key + "00000000" + "2021041X", msg::kBadSurveyDate},
      {"a sign in the date", key + "00000000" + "2021-4-5", msg::kBadSurveyDate},
      {"full-width digits", key + "00000000" + "２０２１０４１５", msg::kBadSurveyDate},
  };
  for (const Case& c : bad) {
    SCOPED_TRACE(c.name);
    SurveyData data;
    try {
      ParseSurveyData(c.bytes, "/data/survey.txt", false, data);
      ADD_FAILURE() << "accepted";
    } catch (const DataFileError& e) {
      EXPECT_EQ(std::string(e.what()), FormatMessage(c.message, "/data/survey.txt"));
    }
  }

  struct Good {
    std::string header;
    CalendarDate date;
  } good[] = {
      {key + "00000000" + "20210415", {2021, 4, 15}},  // exactly 34 characters
      {key + "00000000" + "20200229", {2020, 2, 29}},
      {key + "00000000" + "20000229" + "  trailing", {2000, 2, 29}},
      {key + "00000000" + "20211231", {2021, 12, 31}},
  };
  for (const Good& g : good) {
    SCOPED_TRACE(g.header);
    SurveyData data = Parse(g.header, false);
    EXPECT_EQ(data.SurveyDate, g.date);
    EXPECT_EQ(data.Items.size(), 1u);
  }
}

TEST(SurveyData, AMissingFileOrAFolderIsReportedAsUnreadable) {
  test::TempDir dir;
  for (const std::filesystem::path& path : {dir / "absent.txt", dir.path()}) {
    SCOPED_TRACE(path.string());
    SurveyData data;
    try {
      LoadSurveyData(path, false, data);
      ADD_FAILURE() << "accepted";
    } catch (const DataFileError& e) {
      EXPECT_EQ(std::string(e.what()), FormatMessage(msg::kDataUnreadable, path.string()));
    }
  }
}

}  // namespace
}  // namespace mirelo
