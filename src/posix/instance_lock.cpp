#include "posix/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace mirelo::posix {
namespace {

// $XDG_RUNTIME_DIR is the user's own; without it the shared temporary
// folder, with the user id in the name.
std::filesystem::path LockPath(std::string_view title) {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime && *runtime) return std::filesystem::path(runtime) / (std::string(title) + ".lock");
  return std::filesystem::temp_directory_path() /
         (std::string(title) + "-" + std::to_string(getuid()) + ".lock");
}

}  // namespace

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) close(fd_);
}

bool InstanceLock::TryTake(std::string_view title) {
  const std::filesystem::path path = LockPath(title);
  // O_NOFOLLOW: a link planted in a shared folder must not lead elsewhere.
  fd_ = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, S_IRUSR | S_IWUSR);
  if (fd_ < 0) return true;
  // In the shared temporary folder another user could hold a file of this
  // name open; only a file of the user's own is a lock.
  struct stat info {};
  if (fstat(fd_, &info) != 0 || info.st_uid != getuid()) {
    close(fd_);
    fd_ = -1;
    return true;
  }
  if (flock(fd_, LOCK_EX | LOCK_NB) == 0) return true;
  const bool held = errno == EWOULDBLOCK;
  close(fd_);
  fd_ = -1;
  return !held;
}

}  // namespace mirelo::posix
