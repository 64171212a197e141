// Replacing a user's file must survive a power cut: the new file reaches the
// disk before it is renamed over the old one, and the folder after. The
// order of the system calls is watched with strace on the real executable;
// the file store itself is checked directly.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "base/format_message.h"
#include "base/messages.h"
#include "base/temp_file_names.h"
#include "posix_test_support.h"
#include "test_support.h"

namespace mirelo::test {
namespace {

// The strace lines (with -y, descriptors shown with their paths) that flush
// or rename, in order.
std::vector<std::string> SyncsAndRenames(const std::filesystem::path& log) {
  std::vector<std::string> lines;
  std::istringstream in(ReadBytes(log));
  for (std::string line; std::getline(in, line);)
    if (line.find("fsync(") != std::string::npos || line.find("rename") != std::string::npos)
      lines.push_back(line);
  return lines;
}

TEST(DurableWrites, EveryHeadlessOutputIsFlushedBeforeItsRenameAndTheFolderAfter) {
  if (RunTool({"strace", "-V"}, ".").status != 0) GTEST_SKIP() << "strace is not installed";
  const std::string sample = std::string(MIRELO_SOURCE_DIR) + "/samples/worked-example.txt";
  for (const std::string mode : {"--draw-log", "--print-pdf", "--preview-png"}) {
    SCOPED_TRACE(mode);
    TempDir dir;
    const std::filesystem::path out = dir / "out";
    WriteBytes(out, "the old output");
    // The leak check of a sanitizer build cannot run under a tracer.
    const char* asan = std::getenv("ASAN_OPTIONS");
    const std::string noLeakCheck =
        "ASAN_OPTIONS=" + std::string(asan ? asan : "") + ":detect_leaks=0";
    const RunResult r =
        RunTool({"env", noLeakCheck, "strace", "-f", "-y", "-qq", "-o", (dir / "trace").string(),
                 "-e", "trace=fsync,fdatasync,rename,renameat,renameat2", MIRELO_EXECUTABLE, mode,
                 out.string(), sample},
                dir.path());
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> calls = SyncsAndRenames(dir / "trace");

    const std::string folder = dir.path().string();
    const std::string temp = folder + "/" + TempFilePrefix(out);
    auto has = [](const std::string& line, std::initializer_list<std::string> parts) {
      std::size_t at = 0;
      for (const std::string& part : parts)
        if ((at = line.find(part, at)) == std::string::npos) return false;
      return line.ends_with(" = 0");
    };
    const std::function<bool(const std::string&)> steps[] = {
        [&](const std::string& l) {
          return has(l, {"fsync(", "<" + temp, ".tmp>)"});
        },
        [&](const std::string& l) {
          return has(l, {"rename", "\"" + temp, "\"" + folder + "/out\""});
        },
        [&](const std::string& l) {
          return has(l, {"fsync(", "<" + folder + ">)"});
        },
    };
    std::size_t i = 0;
    for (const auto& step : steps) {
      while (i < calls.size() && !step(calls[i])) ++i;
      EXPECT_LT(i, calls.size()) << "a step missing or out of order in:\n"
                                 << ReadBytes(dir / "trace");
    }
    EXPECT_NE(ReadBytes(out), "the old output");
  }
}

mode_t ModeOf(const std::filesystem::path& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

TEST(DurableWrites, TheFileStoreKeepsPermissionsAndLeavesNothingBehindOnFailure) {
  TempDir dir;
  const std::filesystem::path file = dir / "control.ini";
  for (mode_t mode : {0640, 0666, 0444}) {
    WriteBytes(file, "old");
    ASSERT_EQ(::chmod(file.c_str(), mode), 0);
    ASSERT_TRUE(Files().ReplaceFile(file, "new")) << std::oct << mode;
    EXPECT_EQ(ReadBytes(file), "new");
    EXPECT_EQ(ModeOf(file), mode);
    ASSERT_EQ(::chmod(file.c_str(), 0600), 0);
  }

  // A folder in the file's place: the rename fails, the folder stays, and
  // the temporary file is gone.
  std::filesystem::create_directory(dir / "taken");
  EXPECT_FALSE(Files().ReplaceFile(dir / "taken", "new"));
  EXPECT_TRUE(std::filesystem::is_directory(dir / "taken"));
  EXPECT_FALSE(Files().ReplaceFile(dir / "no-such-folder" / "x", "new"));
  EXPECT_EQ(dir.Entries(), (std::set<std::string>{"control.ini", "taken"}));
}

// A read-only file in a folder the user may write to is replaced and stays
// read-only, also for a user whom its permissions bind (root's do not, so
// the program runs as nobody where the test runs as root).
TEST(DurableWrites, AReadOnlyFileIsReplacedAndStaysReadOnly) {
  TempDir dir;
  const std::filesystem::path out = dir / "page.jsonl";
  WriteBytes(out, "old");
  ASSERT_EQ(::chmod(out.c_str(), 0444), 0);
  std::vector<std::string> command = {
      MIRELO_EXECUTABLE,
      "--ini",
      (dir / "control.ini").string(),
      "--draw-log",
      out.string(),
      std::string(MIRELO_SOURCE_DIR) + "/samples/worked-example.txt"};
  if (::geteuid() == 0) {
    const passwd* nobody = ::getpwnam("nobody");
    if (!nobody) GTEST_SKIP() << "no user nobody";
    ASSERT_EQ(::chmod(dir.path().c_str(), 0777), 0);
    ASSERT_EQ(::chown(out.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    command.insert(command.begin(),
                   {"setpriv", "--reuid=nobody", "--regid=" + std::to_string(nobody->pw_gid),
                    "--clear-groups", "--"});
  }
  const RunResult r = RunTool(command, dir.path());
  if (r.status != 0 && r.err.find("Permission denied") != std::string::npos)
    GTEST_SKIP() << "nobody cannot reach the executable here: " << r.err;
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(ReadBytes(out), "old");
  EXPECT_EQ(ModeOf(out), 0444u);
  EXPECT_EQ(dir.Entries(), (std::set<std::string>{"page.jsonl"}));
}

TEST(DurableWrites, WhatACutOffWriteLeftIsRemovedAtTheNextWriteButNotAWriteGoingOn) {
  TempDir dir;
  const std::filesystem::path file = dir / "control.ini";
  WriteBytes(file, "old");
  // Left by a write that was killed: nobody holds it.
  const std::filesystem::path left = TempFileName(file, 1);
  WriteBytes(left, "half");
  // Being written by another process right now: it holds its lock.
  const std::filesystem::path busy = TempFileName(file, 2);
  WriteBytes(busy, "busy");
  int locked[2];
  ASSERT_EQ(::pipe(locked), 0);
  const pid_t child = ::fork();
  if (child == 0) {  // a lock of another open file, as another writer's
    const int fd = ::open(busy.c_str(), O_RDONLY);
    ::flock(fd, LOCK_EX);
    const char done = 1;
    if (::write(locked[1], &done, 1) != 1) ::_exit(1);
    ::pause();
    ::_exit(0);
  }
  ASSERT_GT(child, 0);
  ::close(locked[1]);
  char done = 0;
  ASSERT_EQ(::read(locked[0], &done, 1), 1);  // the other writer holds its lock
  ::close(locked[0]);
  // The temporaries of another file and a file of the user's stay as well.
  const std::filesystem::path others = TempFileName(dir / "other.ini", 3);
  WriteBytes(others, "other");
  WriteBytes(dir / "control.ini.tmp", "user's");

  ASSERT_TRUE(Files().ReplaceFile(file, "new"));
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  EXPECT_EQ(ReadBytes(file), "new");
  EXPECT_EQ(dir.Entries(),
            (std::set<std::string>{"control.ini", "control.ini.tmp", busy.filename().string(),
                                   others.filename().string()}));
}

// A name as long as a folder entry may be still has room for its temporary.
TEST(DurableWrites, TheLongestNameIsWritten) {
  TempDir dir;
  const std::filesystem::path file = dir / (std::string(251, 'a') + ".txt");
  EXPECT_TRUE(Files().ReplaceFile(file, "new"));
  EXPECT_EQ(ReadBytes(file), "new");
  EXPECT_EQ(dir.Entries(), (std::set<std::string>{file.filename().string()}));
}

// A device or a pipe in the output's place is never replaced by a file.
TEST(DurableWrites, WhatIsNoRegularFileIsNeverReplaced) {
  TempDir dir;
  const std::filesystem::path fifo = dir / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_FALSE(Files().ReplaceFile(fifo, "new"));
  EXPECT_FALSE(Files().CreateTempFileBeside(fifo));
  // A device of its own (as root; the system's /dev/null is never risked).
  std::vector<std::filesystem::path> outputs = {fifo};
  if (::geteuid() == 0 && ::mknod((dir / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0)
    outputs.push_back(dir / "null");
  const std::string sample = std::string(MIRELO_SOURCE_DIR) + "/samples/worked-example.txt";
  for (const std::filesystem::path& out : outputs) {
    SCOPED_TRACE(out);
    for (const char* mode : {"--draw-log", "--print-pdf", "--preview-png"}) {
      const RunResult r = RunTool({MIRELO_EXECUTABLE, mode, out.string(), sample}, dir.path());
      EXPECT_EQ(r.status, 2) << mode;
      EXPECT_NE(r.err.find(FormatMessage(msg::kCannotWrite, out.string())), std::string::npos)
          << mode << ": " << r.err;
    }
  }
  struct stat st;
  ASSERT_EQ(::stat(fifo.c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
  if (outputs.size() > 1) {
    ASSERT_EQ(::stat((dir / "null").c_str(), &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
  }
  EXPECT_EQ(dir.Entries().count("pipe"), 1u);
  EXPECT_EQ(dir.Entries().size(), outputs.size());
}

}  // namespace
}  // namespace mirelo::test
