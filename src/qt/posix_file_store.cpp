#include "qt/posix_file_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <string>
#include <system_error>
#include <utility>

namespace mirelo::qt {
namespace {

// The descriptor closed when it goes; Close() reports what close says, since
// a full disk or a network folder may only show there.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  bool Close() {
    const int fd = std::exchange(fd_, -1);
    return fd < 0 || ::close(fd) == 0;
  }

 private:
  int fd_;
};

int Open(const std::filesystem::path& path, int flags, mode_t mode = 0) {
  int fd;
  do fd = ::open(path.c_str(), flags | O_CLOEXEC, mode);
  while (fd < 0 && errno == EINTR);
  return fd;
}

bool Sync(int fd) {
  int r;
  do r = ::fsync(fd);
  while (r != 0 && errno == EINTR);
  return r == 0;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

void RemoveQuietly(const std::filesystem::path& path) {
  std::error_code ec;
  std::filesystem::remove(path, ec);
}

// The folder's entry for the renamed file reaches the disk. Some file
// systems cannot sync a folder; the file itself is in place by then, so
// that is not reported.
void SyncFolderOf(const std::filesystem::path& path) {
  std::filesystem::path folder = path.parent_path();
  if (folder.empty()) folder = ".";
  Fd dir(Open(folder, O_RDONLY | O_DIRECTORY));
  if (dir.get() >= 0) Sync(dir.get());
}

}  // namespace

std::optional<std::filesystem::path> PosixFileStore::CreateTempFileBeside(
    const std::filesystem::path& path) {
  // A replaced file keeps the permissions it had; a new one gets the
  // user's usual ones.
  mode_t mode = 0666;
  struct stat old;
  if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) mode = old.st_mode & 07777;

  std::random_device seed;
  std::mt19937_64 random(seed());
  for (int attempt = 0; attempt < 16; ++attempt) {
    std::filesystem::path temp = path;
    temp += ".mirelo-" + std::to_string(random() % 1000000000ULL) + ".tmp";
    // O_EXCL: fails when the name is taken, so nobody's file is opened.
    Fd fd(Open(temp, O_WRONLY | O_CREAT | O_EXCL, mode));
    if (fd.get() >= 0) {
      if (mode != 0666) ::fchmod(fd.get(), mode);  // past the umask, as the old file had it
      if (fd.Close()) return temp;
      RemoveQuietly(temp);
      return std::nullopt;
    }
    if (errno != EEXIST) return std::nullopt;  // the folder refuses
  }
  return std::nullopt;
}

bool PosixFileStore::CommitTempFile(const std::filesystem::path& temp,
                                    const std::filesystem::path& path) {
  Fd fd(Open(temp, O_RDONLY));
  const bool synced = fd.get() >= 0 && Sync(fd.get()) && fd.Close();
  if (!synced || ::rename(temp.c_str(), path.c_str()) != 0) {
    RemoveQuietly(temp);
    return false;
  }
  SyncFolderOf(path);
  return true;
}

bool PosixFileStore::ReplaceFile(const std::filesystem::path& path, std::string_view bytes) {
  const std::optional<std::filesystem::path> temp = CreateTempFileBeside(path);
  if (!temp) return false;
  Fd fd(Open(*temp, O_WRONLY | O_TRUNC));
  const bool written = fd.get() >= 0 && WriteAll(fd.get(), bytes) && Sync(fd.get()) && fd.Close();
  if (!written || ::rename(temp->c_str(), path.c_str()) != 0) {
    RemoveQuietly(*temp);
    return false;
  }
  SyncFolderOf(path);
  return true;
}

}  // namespace mirelo::qt
