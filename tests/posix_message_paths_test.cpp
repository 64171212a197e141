// Messages that name a path keep to one line: control characters in the
// path are shown escaped, on standard error as in the window; and a dump
// that cannot be written says so.
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/file_bytes.h"
#include "base/format_message.h"
#include "base/messages.h"
#include "base/visible_text.h"
#include "posix_test_support.h"
#include "test_support.h"

namespace mirelo {
namespace {

namespace fs = std::filesystem;

using test::CountLines;
using test::RunProgram;
using test::RunResult;
using test::TempDir;
using test::WriteBytes;

const std::string kKey = "123456700000123451";

// Names with what would break the line or hide in it, and how they show.
struct Name {
  std::string raw, shown;
};
const std::vector<Name> kNames = {
    {"a\nb.txt", "a\\nb.txt"},
    {"a\rb.txt", "a\\rb.txt"},
    {"a\r\nb.txt", "a\\r\\nb.txt"},
    {"tab\t.txt", "tab\\t.txt"},
    {"esc\x1B[2J.txt", "esc\\x1B[2J.txt"},
    {"\x01\x1F\x7F.txt", "\\x01\\x1F\\x7F.txt"},
    {"nel\xC2\x85.txt", "nel\\u0085.txt"},  // U+0085, a line break to some readers
    {"ls\xE2\x80\xA8ps\xE2\x80\xA9.txt", "ls\\u2028ps\\u2029.txt"},
    {"latin1-\xE9.txt", "latin1-\\xE9.txt"},  // not UTF-8
    {"調査 a\\b.txt", "調査 a\\b.txt"},       // nothing to show escaped
};

TEST(EscapeControls, ShowsWhatWouldBreakOrHideALineAndKeepsTheRest) {
  for (const Name& n : kNames) {
    SCOPED_TRACE(n.shown);
    EXPECT_EQ(EscapeControls(n.raw), n.shown);
    EXPECT_EQ(EscapeControls(n.shown), n.shown);
  }
  // Sequences that are not UTF-8: overlong, a surrogate, past U+10FFFF, cut.
  EXPECT_EQ(EscapeControls("\xC0\xAF"), "\\xC0\\xAF");
  EXPECT_EQ(EscapeControls("\xED\xA0\x80"), "\\xED\\xA0\\x80");
  EXPECT_EQ(EscapeControls("\xF4\x90\x80\x80"), "\\xF4\\x90\\x80\\x80");
  EXPECT_EQ(EscapeControls("\xE6\x97"), "\\xE6\\x97");
  EXPECT_EQ(EscapeControls(std::string("a\0b", 3)), "a\\x00b");
  EXPECT_EQ(EscapeControls("\xF0\x9F\x98\x80 \xC2\xA0"), "\xF0\x9F\x98\x80 \xC2\xA0");

  EXPECT_EQ(FormatMessage(msg::kDataEmpty, "/d/a\nb.txt"), "データファイルが空です: /d/a\\nb.txt");
}

// Every message of the headless modes that names a path, for every name.
TEST(Executable, APathWithControlCharactersStaysOnOneLineInEveryMessage) {
  enum Fault {
    Empty,
    ShortHeader,
    BadDate,
    TooLarge,
    OutputIsInput,
    OutputFolderMissing,
    NumberNotDigits
  };
  const Fault faults[] = {Empty,         ShortHeader,         BadDate,        TooLarge,
                          OutputIsInput, OutputFolderMissing, NumberNotDigits};
  const std::string good = kKey + "0000000020210415\r\n";

  for (const Name& n : kNames) {
    for (Fault fault : faults) {
      SCOPED_TRACE(n.shown + ", fault " + std::to_string(fault));
      TempDir dir;
      const fs::path named = dir / n.raw;
      std::vector<std::string> args = {"--ini", (dir / "control.ini").string()};
      fs::path data = named;
      std::string message;
      switch (fault) {
        case Empty:
          WriteBytes(data, "");
          message = msg::kDataEmpty;
          break;
        case ShortHeader:
          WriteBytes(data, kKey + "000000002021041\r\n");
          message = msg::kHeaderTooShort;
          break;
        case BadDate:
          WriteBytes(data, kKey + "0000000020210230\r\n");
          message = msg::kBadSurveyDate;
          break;
        case TooLarge:
          WriteBytes(data, good + std::string(kMaxReadBytes, 'x'));
          message = msg::kDataTooLarge;
          break;
        case OutputIsInput:
          WriteBytes(data, good);
          args.insert(args.end(), {"--draw-log", data.string()});
          message = msg::kOutputIsInput;
          break;
        case OutputFolderMissing:
          data = dir / "survey.txt";
          WriteBytes(data, good);
          args.insert(args.end(), {"--draw-log", (named / "page.jsonl").string()});
          message = FormatMessage(msg::kCannotWrite, n.raw + "/page.jsonl");
          break;
        case NumberNotDigits:
          WriteBytes(data, "1234567000AB123451000000002021041500\r\n");
          message = msg::kInsuredNumberNotTenDigits;
          break;
      }
      if (fault != OutputFolderMissing)
        message = FormatMessage(message, dir.path().string() + "/" + n.raw);
      if (fault != OutputIsInput && fault != OutputFolderMissing) args.push_back("--dump-layout");
      args.push_back(data.string());

      RunResult r = RunProgram(args, dir.path());
      if (fault == NumberNotDigits) {
        EXPECT_EQ(r.status, 0);  // a warning: the page is drawn
      } else {
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
      }
      ASSERT_EQ(CountLines(r.err), 1u) << r.err;
      ASSERT_EQ(r.err.back(), '\n');
      const std::string line = r.err.substr(0, r.err.size() - 1);
      EXPECT_EQ(EscapeControls(line), line) << "nothing left to escape";
      EXPECT_NE(line.find(message), std::string::npos) << line;
      EXPECT_NE(line.find(n.shown), std::string::npos) << line;
    }
  }
}

// The dump on standard output where nothing can be written there: a full
// disk, a closed output, a reader that has gone.
TEST(Executable, ADumpThatCannotBeWrittenSaysSoOnOneLine) {
  TempDir dir;
  const fs::path data = dir / "survey.txt";
  WriteBytes(data, kKey + "0000000020210415\r\n");
  int gone[2];
  ASSERT_EQ(pipe(gone), 0);
  close(gone[0]);  // the write end, passed down to the shell, has no reader

  const std::string expected = FormatMessage(msg::kCannotWrite, msg::kStandardOutput) + "\n";
  for (const std::string& redirect :
       std::vector<std::string>{">/dev/full", ">&-", ">&" + std::to_string(gone[1])}) {
    SCOPED_TRACE(redirect);
    RunResult r =
        test::RunTool({"bash", "-c", "exec \"$0\" \"$@\" " + redirect, MIRELO_EXECUTABLE, "--ini",
                       (dir / "control.ini").string(), "--dump-layout", data.string()},
                      dir.path());
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, expected);
  }
  close(gone[1]);
}

}  // namespace
}  // namespace mirelo
