// The POSIX side of the test support: the file store, the file size limit
// and running programs.
#include "posix_test_support.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>

#include "posix/posix_file_store.h"
#include "test_support.h"

extern char** environ;

namespace mirelo::test {

RunResult RunTool(const std::vector<std::string>& command, const std::filesystem::path& workDir) {
  RunResult r;
  if (command.empty()) return r;
  TempDir capture;
  const std::string outPath = (capture / "out").string(), errPath = (capture / "err").string();
  std::vector<std::string> argStore = command;
  std::vector<char*> argv;
  for (std::string& a : argStore) argv.push_back(a.data());
  argv.push_back(nullptr);
  // A display or the caller's locale would let the result depend on the
  // machine the tests run on.
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
    execvpe(argv[0], argv.data(), envp.data());
    _exit(127);
  }
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid) return r;
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
  r.out = ReadBytes(outPath);
  r.err = ReadBytes(errPath);
  return r;
}

RunResult RunProgram(const std::vector<std::string>& args, const std::filesystem::path& workDir) {
  std::vector<std::string> command = {MIRELO_EXECUTABLE};
  command.insert(command.end(), args.begin(), args.end());
  return RunTool(command, workDir);
}

FileStore& Files() {
  static posix::PosixFileStore store;
  return store;
}

struct FileSizeLimit::Saved {
  rlimit limit{};
  void (*handler)(int) = nullptr;
};

FileSizeLimit::FileSizeLimit(std::uint64_t bytes) : saved_(std::make_unique<Saved>()) {
  getrlimit(RLIMIT_FSIZE, &saved_->limit);
  saved_->handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit{static_cast<rlim_t>(bytes), saved_->limit.rlim_max};
  setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
  setrlimit(RLIMIT_FSIZE, &saved_->limit);
  std::signal(SIGXFSZ, saved_->handler);
}

}  // namespace mirelo::test
