// The command line: what ParseCommandLine makes of the arguments.
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/command_line.h"

namespace mirelo {
namespace {

TEST(CommandLine, OptionsComeOnlyBeforeTheDataPath) {
  struct Case {
    std::vector<std::string> args;
    RunMode mode;
    std::string dataPath;
    std::optional<std::string> ini;
  } cases[] = {
      {{}, RunMode::Window, "", std::nullopt},
      {{"survey.txt"}, RunMode::Window, "survey.txt", std::nullopt},
      // The first argument is the data path exactly as given, whatever it looks like.
      {{"-foo"}, RunMode::Window, "-foo", std::nullopt},
      {{"-platform"}, RunMode::Window, "-platform", std::nullopt},
      {{"C:\\調査\\a b.txt"}, RunMode::Window, "C:\\調査\\a b.txt", std::nullopt},
      {{""}, RunMode::Window, "", std::nullopt},
      {{"survey.txt", "--dump-layout"}, RunMode::Window, "survey.txt", std::nullopt},
      {{"survey.txt", "extra"}, RunMode::Window, "survey.txt", std::nullopt},
      {{"--dump-layout", "survey.txt"}, RunMode::DumpLayout, "survey.txt", std::nullopt},
      {{"--dump-layout", "--ini", "my.ini", "survey.txt"},
       RunMode::DumpLayout,
       "survey.txt",
       "my.ini"},
      {{"--ini", "my.ini", "--dump-layout", "-x.txt"}, RunMode::DumpLayout, "-x.txt", "my.ini"},
      {{"--dump-layout", "--dump-layout", "s.txt"}, RunMode::DumpLayout, "s.txt", std::nullopt},
      {{"--dump-layout", "--", "--ini"}, RunMode::DumpLayout, "--ini", std::nullopt},
      {{"--", "--help"}, RunMode::Window, "--help", std::nullopt},
      {{"--"}, RunMode::Window, "", std::nullopt},
      {{"--help"}, RunMode::Help, "", std::nullopt},
      {{"--dump-layout", "--help", "s.txt"}, RunMode::Help, "", std::nullopt},
      {{"--version"}, RunMode::Version, "", std::nullopt},
      {{"--", "--version"}, RunMode::Window, "--version", std::nullopt},
      {{"--print", "s.txt"}, RunMode::Print, "s.txt", std::nullopt},
  };
  for (const Case& c : cases) {
    std::string trace;
    for (const std::string& a : c.args) trace += "[" + a + "] ";
    SCOPED_TRACE(trace);
    CommandLineResult r = ParseCommandLine(c.args);
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(r.line.mode, c.mode);
    EXPECT_EQ(r.line.dataPath, c.dataPath);
    EXPECT_EQ(r.line.iniPath, c.ini);
  }
}

TEST(CommandLine, ValuesOfTheOptions) {
  CommandLineResult r =
      ParseCommandLine({"--draw-log", "out.jsonl", "--page", "3", "--target", "P", "--screen-dpi",
                        "120", "--printer-dpi", "300", "--printer-margin", "100,75", "s.txt"});
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(r.line.mode, RunMode::DrawLog);
  EXPECT_EQ(r.line.outputPath, "out.jsonl");
  EXPECT_EQ(r.line.page, 3);
  EXPECT_EQ(r.line.target, u'P');
  EXPECT_EQ(r.line.screenDpi, 120);
  EXPECT_EQ(r.line.printerDpi, 300);
  EXPECT_EQ(r.line.printerMarginX, 100);
  EXPECT_EQ(r.line.printerMarginY, 75);
  EXPECT_EQ(r.line.dataPath, "s.txt");

  r = ParseCommandLine({"--printer", "事務所 の プリンタ", "--print", "s.txt"});
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(r.line.mode, RunMode::Print);
  EXPECT_EQ(r.line.printerName, "事務所 の プリンタ");
}

TEST(CommandLine, BadArgumentsAreErrors) {
  const std::vector<std::vector<std::string>> cases = {
      {"--bogus", "s.txt"},
      {"--ini"},
      {"--dump-layout", "--ini"},
      {"--screen-dpi", "0", "s.txt"},
      {"--screen-dpi", "abc", "s.txt"},
      {"--screen-dpi", "96x", "s.txt"},
      {"--screen-dpi", "", "s.txt"},
      {"--screen-dpi", "601", "s.txt"},  // a preview bitmap of gigabytes
      {"--printer-dpi", "4801", "s.txt"},
      {"--page", "-1", "s.txt"},
      {"--printer-dpi", "99999999999", "s.txt"},
      {"--target", "X", "s.txt"},
      {"--target", "", "s.txt"},
      {"--printer-margin", "100", "s.txt"},
      {"--printer-margin", "-1,2", "s.txt"},
      {"--printer-margin", "1,2,3", "s.txt"},
      {"--dump-layout", "--print-pdf", "out.pdf", "s.txt"},
      {"--print-pdf"},
      {"--print", "--print-pdf", "out.pdf", "s.txt"},
      {"--printer", "p", "s.txt"},  // a printer without --print
      {"--print", "--printer"},
  };
  for (const auto& args : cases) {
    std::string trace;
    for (const std::string& a : args) trace += "[" + a + "] ";
    SCOPED_TRACE(trace);
    CommandLineResult r = ParseCommandLine(args);
    EXPECT_NE(r.error, "");
    EXPECT_EQ(r.error.find('\n'), std::string::npos);
  }
}

}  // namespace
}  // namespace mirelo
