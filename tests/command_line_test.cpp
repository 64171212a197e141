// The command line: what ParseCommandLine makes of the arguments, and the
// built executable's headless dump and error exits, run as a host program
// or a script would run them.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "data/text_encoding.h"

#include "app/command_line.h"
#include "test_support.h"

extern char** environ;

namespace mirelo {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

// ---------------------------------------------------------------------------
// ParseCommandLine

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
      {{"--dump-layout", "--ini", "my.ini", "survey.txt"}, RunMode::DumpLayout, "survey.txt", "my.ini"},
      {{"--ini", "my.ini", "--dump-layout", "-x.txt"}, RunMode::DumpLayout, "-x.txt", "my.ini"},
      {{"--dump-layout", "--dump-layout", "s.txt"}, RunMode::DumpLayout, "s.txt", std::nullopt},
      {{"--dump-layout", "--", "--ini"}, RunMode::DumpLayout, "--ini", std::nullopt},
      {{"--", "--help"}, RunMode::Window, "--help", std::nullopt},
      {{"--"}, RunMode::Window, "", std::nullopt},
      {{"--help"}, RunMode::Help, "", std::nullopt},
      {{"--dump-layout", "--help", "s.txt"}, RunMode::Help, "", std::nullopt},
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
  CommandLineResult r = ParseCommandLine({"--draw-log", "out.jsonl", "--page", "3", "--target", "P",
                                          "--screen-dpi", "120", "--printer-dpi", "300",
                                          "--printer-margin", "100,75", "s.txt"});
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
      {"--page", "-1", "s.txt"},
      {"--printer-dpi", "99999999999", "s.txt"},
      {"--target", "X", "s.txt"},
      {"--target", "", "s.txt"},
      {"--printer-margin", "100", "s.txt"},
      {"--printer-margin", "-1,2", "s.txt"},
      {"--printer-margin", "1,2,3", "s.txt"},
      {"--dump-layout", "--print-pdf", "out.pdf", "s.txt"},
      {"--print-pdf"},
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

// ---------------------------------------------------------------------------
// The executable, end to end.

struct RunResult {
  int status = -1;  // exit status, or -signal
  std::string out, err;
};

// Runs the built program without a display, in a folder of the caller's
// choice, with standard output and error captured.
RunResult RunProgram(const std::vector<std::string>& args, const std::filesystem::path& workDir) {
  TempDir capture;
  const std::string outPath = (capture / "out").string(), errPath = (capture / "err").string();
  std::vector<std::string> argStore = {MIRELO_EXECUTABLE};
  argStore.insert(argStore.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : argStore) argv.push_back(a.data());
  argv.push_back(nullptr);
  // No display, and a locale whose decimal separator is ".".
  std::vector<std::string> envStore;
  for (char** e = environ; *e; ++e) {
    std::string_view v(*e);
    if (v.starts_with("DISPLAY=") || v.starts_with("WAYLAND_DISPLAY=") || v.starts_with("LC_") ||
        v.starts_with("LANG="))
      continue;
    envStore.emplace_back(v);
  }
  envStore.emplace_back("LC_ALL=C.UTF-8");
  std::vector<char*> envp;
  for (std::string& e : envStore) envp.push_back(e.data());
  envp.push_back(nullptr);
  const std::string dir = workDir.string();

  pid_t pid = fork();
  if (pid == 0) {
    int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    int none = open("/dev/null", O_RDONLY);
    if (out < 0 || err < 0 || none < 0 || chdir(dir.c_str()) != 0) _exit(126);
    dup2(none, 0);
    dup2(out, 1);
    dup2(err, 2);
    execve(argv[0], argv.data(), envp.data());
    _exit(127);
  }
  RunResult r;
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid) return r;
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
  r.out = ReadBytes(outPath);
  r.err = ReadBytes(errPath);
  return r;
}

std::size_t CountLines(const std::string& s) {
  std::size_t n = 0;
  for (char c : s) n += c == '\n';
  return n;
}

// Just enough JSON to read the dump: later additions to it are ignored by
// the tests, which look keys up by name.
struct Json {
  enum Type { Null, Bool, Number, String, Array, Object } type = Null;
  bool boolean = false;
  double number = 0;
  std::string text;  // UTF-8
  std::vector<Json> items;
  std::map<std::string, Json> members;

  const Json& operator[](const std::string& key) const {
    auto it = members.find(key);
    if (type != Object || it == members.end()) throw std::runtime_error("no key " + key);
    return it->second;
  }
  bool Has(const std::string& key) const { return members.count(key) != 0; }
};

class JsonParser {
 public:
  explicit JsonParser(std::string_view s) : s_(s) {}
  Json Document() {
    Json v = Value();
    Space();
    if (at_ != s_.size()) Fail("trailing text");
    return v;
  }

 private:
  [[noreturn]] void Fail(const char* what) {
    throw std::runtime_error(std::string("bad JSON: ") + what + " at " + std::to_string(at_));
  }
  void Space() {
    while (at_ < s_.size() && std::strchr(" \t\r\n", s_[at_])) ++at_;
  }
  bool Take(char c) {
    Space();
    if (at_ < s_.size() && s_[at_] == c) return ++at_, true;
    return false;
  }
  void Expect(char c) {
    if (!Take(c)) Fail("unexpected character");
  }
  bool Word(std::string_view w) {
    if (s_.substr(at_, w.size()) != w) return false;
    at_ += w.size();
    return true;
  }
  unsigned Hex4() {
    if (at_ + 4 > s_.size()) Fail("short escape");
    unsigned v = static_cast<unsigned>(std::stoul(std::string(s_.substr(at_, 4)), nullptr, 16));
    at_ += 4;
    return v;
  }
  std::string Str() {
    Expect('"');
    std::string out;
    while (true) {
      if (at_ >= s_.size()) Fail("open string");
      char c = s_[at_++];
      if (c == '"') return out;
      if (static_cast<unsigned char>(c) < 0x20) Fail("control character in string");
      if (c != '\\') {
        out += c;
        continue;
      }
      if (at_ >= s_.size()) Fail("open escape");
      char e = s_[at_++];
      switch (e) {
        case '"': case '\\': case '/': out += e; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'u': {
          std::u16string units(1, static_cast<char16_t>(Hex4()));
          if (mirelo::IsHighSurrogate(units[0]) && Word("\\u")) units += static_cast<char16_t>(Hex4());
          out += mirelo::ToUtf8(units);
          break;
        }
        default: Fail("bad escape");
      }
    }
  }
  Json Value() {
    Space();
    Json v;
    if (at_ >= s_.size()) Fail("no value");
    char c = s_[at_];
    if (c == '{') {
      ++at_;
      v.type = Json::Object;
      if (Take('}')) return v;
      do {
        Space();
        std::string key = Str();
        Expect(':');
        if (v.members.count(key)) Fail("repeated key");
        v.members[key] = Value();
      } while (Take(','));
      Expect('}');
    } else if (c == '[') {
      ++at_;
      v.type = Json::Array;
      if (Take(']')) return v;
      do v.items.push_back(Value());
      while (Take(','));
      Expect(']');
    } else if (c == '"') {
      v.type = Json::String;
      v.text = Str();
    } else if (Word("true")) {
      v.type = Json::Bool;
      v.boolean = true;
    } else if (Word("false")) {
      v.type = Json::Bool;
    } else if (Word("null")) {
      v.type = Json::Null;
    } else {
      std::size_t used = 0;
      v.type = Json::Number;
      v.number = std::stod(std::string(s_.substr(at_)), &used);
      at_ += used;
    }
    return v;
  }

  std::string_view s_;
  std::size_t at_ = 0;
};

const std::filesystem::path kSourceDir = MIRELO_SOURCE_DIR;
const std::string kWorkedExample = (kSourceDir / "tests" / "fixtures" / "worked-example.txt").string();
const std::string kMissingData = "読み込む対象のデータが見つかりません。 終了します。";

TEST(Executable, DumpsTheWorkedExampleWithTheGivenSettingsFile) {
  TempDir dir;
  const std::string ini =
      "[PrintForm]\r\nTop=40\r\n"
      "[Gaikyou]\r\nSize=11\r\nFont=\x82\x6C\x82\x72 \x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E\r\nLine=7\r\n"
      "[Bikou]\r\nFont=\r\nTabLen=12.5\r\n"
      "[Hozon]\r\noption=0\r\n"
      "[Waku]\r\nWidth=0x10\r\n"
      "[Print]\r\nx_Bai=0.997\r\ny_offset=-0.3\r\nsw5=1\r\n";
  WriteBytes(dir / "control.ini", ini);

  RunResult r = RunProgram({"--dump-layout", "--ini", (dir / "control.ini").string(), kWorkedExample}, dir.path());
  ASSERT_EQ(r.status, 0) << r.err;
  Json j;
  ASSERT_NO_THROW(j = JsonParser(r.out).Document()) << r.out;

  EXPECT_EQ(j["InsuredPersonNumber"].text, "0000012345");
  EXPECT_EQ(j["SurveyDateText"].text, "2021/04/15");
  const std::string key = "123456700000123451";
  const std::vector<std::string> items = {
      key + "0000000020210415",
      key + "01010001右上肢に軽い麻痺がある。左上肢は問題ない。",
      key + "01070001歩行時に杖を使う。[改行]　",
      key + "02040001食事は[改行]見守りで自立。[改行]　",
      key + "05020001服薬は家族が管理している。",
  };
  ASSERT_EQ(j["ItemList"].type, Json::Array);
  std::vector<std::string> got;
  for (const Json& item : j["ItemList"].items) got.push_back(item.text);
  EXPECT_EQ(got, items);

  const Json& s = j["settings"];
  EXPECT_EQ(s["PrintForm.Top"].number, 40);
  EXPECT_EQ(s["PrintForm.Left"].type, Json::Null);
  EXPECT_EQ(s["Gaikyou.Size"].number, 11);
  EXPECT_EQ(s["Gaikyou.Font"].text, "ＭＳ Ｐゴシック");
  EXPECT_EQ(s["Gaikyou.Line"].number, 7);
  EXPECT_EQ(s["Bikou.Size"].number, 9);
  EXPECT_EQ(s["Bikou.Font"].type, Json::String);
  EXPECT_EQ(s["Bikou.Font"].text, "");
  EXPECT_EQ(s["Bikou.TabLen"].number, 12.5);
  EXPECT_EQ(s["Hozon.option"].type, Json::Bool);
  EXPECT_FALSE(s["Hozon.option"].boolean);
  EXPECT_EQ(s["Waku.Width"].number, 16);
  EXPECT_EQ(s["Print.x_Bai"].number, 0.997);
  EXPECT_EQ(s["Print.y_Bai"].number, 1);
  EXPECT_EQ(s["Print.x_offset"].number, 0);
  EXPECT_EQ(s["Print.y_offset"].number, -0.3);
  EXPECT_EQ(s["Print.sw5"].type, Json::Bool);
  EXPECT_TRUE(s["Print.sw5"].boolean);

  // The dump writes no file.
  EXPECT_EQ(ReadBytes(dir / "control.ini"), ini);
  EXPECT_EQ(dir.Entries(), std::set<std::string>{"control.ini"});
}

TEST(Executable, TakesADataPathThatLooksLikeAnOption) {
  TempDir dir;
  std::filesystem::copy_file(kWorkedExample, dir / "-survey.txt");
  std::filesystem::copy_file(kWorkedExample, dir / "--survey.txt");
  WriteBytes(dir / "control.ini", "");
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--dump-layout", "--ini", "control.ini", "-survey.txt"},
        std::vector<std::string>{"--dump-layout", "--ini", "control.ini", "--", "--survey.txt"}}) {
    SCOPED_TRACE(args.back());
    RunResult r = RunProgram(args, dir.path());
    ASSERT_EQ(r.status, 0) << r.err;
    Json j = JsonParser(r.out).Document();
    EXPECT_EQ(j["InsuredPersonNumber"].text, "0000012345");
    EXPECT_EQ(j["ItemList"].items.size(), 5u);
    EXPECT_FALSE(j["settings"]["Print.sw5"].boolean);  // empty settings file: the defaults
    EXPECT_EQ(j["settings"]["Gaikyou.Line"].number, 6);
  }
}

TEST(Executable, ASettingsFileThatCannotBeReadGivesTheDefaults) {
  TempDir dir;
  std::filesystem::create_directory(dir / "control.ini");
  RunResult r = RunProgram({"--dump-layout", "--ini", "control.ini", kWorkedExample}, dir.path());
  ASSERT_EQ(r.status, 0) << r.err;
  Json j = JsonParser(r.out).Document();
  EXPECT_EQ(j["settings"]["Gaikyou.Line"].number, 6);
  EXPECT_EQ(j["settings"]["Bikou.TabLen"].number, 15);
  EXPECT_TRUE(std::filesystem::is_directory(dir / "control.ini"));
}

TEST(Executable, BadDataEndsWithOneLineOnStandardErrorAndStatus2) {
  TempDir dir;
  const std::string key = "123456700000123451";
  WriteBytes(dir / "empty.txt", "");
  WriteBytes(dir / "short.txt", key + std::string("0000000020210415").substr(0, 15) + "\r\n");
  WriteBytes(dir / "date.txt", key + "0000000020210230\r\n");
  std::filesystem::create_directory(dir / "folder.txt");
  const std::string ini = (dir / "control.ini").string();

  struct Case {
    std::string dataPath;
    std::string message;  // part of the one line
  } cases[] = {
      {(dir / "absent.txt").string(), kMissingData},
      {(dir / "folder.txt").string(), kMissingData},
      {(dir / "empty.txt").string(), (dir / "empty.txt").string()},
      {(dir / "short.txt").string(), (dir / "short.txt").string()},
      {(dir / "date.txt").string(), (dir / "date.txt").string()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dataPath);
    RunResult r = RunProgram({"--dump-layout", "--ini", ini, c.dataPath}, dir.path());
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(CountLines(r.err), 1u) << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    // Nothing creates the settings file on the way out.
    EXPECT_FALSE(std::filesystem::exists(ini));
  }
}

TEST(Executable, HelpAndMissingArguments) {
  TempDir dir;
  RunResult help = RunProgram({"--help"}, dir.path());
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--dump-layout"), std::string::npos) << help.out;
  EXPECT_NE(help.out.find("DATAFILE"), std::string::npos) << help.out;

  // A host program that lost its argument gets the missing-data message.
  RunResult none = RunProgram({}, dir.path());
  EXPECT_EQ(none.status, 2);
  EXPECT_EQ(none.out, "");
  EXPECT_NE(none.err.find(kMissingData), std::string::npos) << none.err;

  RunResult bogus = RunProgram({"--bogus", kWorkedExample}, dir.path());
  EXPECT_EQ(bogus.status, 2);
  EXPECT_EQ(bogus.out, "");
  EXPECT_NE(bogus.err.find("--bogus"), std::string::npos) << bogus.err;

  EXPECT_EQ(dir.Entries(), std::set<std::string>{});
}

}  // namespace
}  // namespace mirelo
