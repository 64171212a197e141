#include "posix/posix_file_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "base/temp_file_names.h"

namespace mirelo::posix {
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

// The permission bits of the regular file at path, if there is one.
std::optional<mode_t> ModeOf(const std::filesystem::path& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return st.st_mode & 07777;
}

// Whether something that is no regular file stands at path (a device, a
// pipe, a folder): a rename would put a regular file in its place (as root,
// /dev/null itself), so it is never written.
bool NoRegularFileAt(const std::filesystem::path& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode);
}

// Removes the temporaries of path that a write of ours left when it was cut
// off (killed, a power cut). A write holds a lock on its temporary from its
// making to its rename, so a temporary that can be locked has no writer.
void RemoveLeftTemporaries(const std::filesystem::path& path) {
  std::filesystem::path folder = path.parent_path();
  if (folder.empty()) folder = ".";
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    if (!IsTempFileOf(it->path(), path)) continue;
    Fd fd(Open(it->path(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK));
    struct stat st;
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) == 0) RemoveQuietly(it->path());
  }
}

// A new, empty file beside path, open for writing and locked, under a short
// name no other file has. Replacing a file, it is made for its owner alone
// until it is finished (the old file's permissions, read-only ones among
// them, are given to it only then); a new file gets the user's usual ones.
std::optional<std::pair<std::filesystem::path, int>> OpenTempBeside(
    const std::filesystem::path& path) {
  if (NoRegularFileAt(path)) return std::nullopt;
  RemoveLeftTemporaries(path);
  const mode_t mode = ModeOf(path) ? 0600 : 0666;
  std::random_device seed;
  std::mt19937_64 random(seed());
  for (int attempt = 0; attempt < 16; ++attempt) {
    std::filesystem::path temp = TempFileName(path, static_cast<unsigned long>(random()));
    // O_EXCL: fails when the name is taken, so nobody's file is opened.
    const int fd = Open(temp, O_WRONLY | O_CREAT | O_EXCL, mode);
    if (fd >= 0) {
      ::flock(fd, LOCK_EX | LOCK_NB);
      return std::pair{std::move(temp), fd};
    }
    if (errno != EEXIST) return std::nullopt;  // the folder refuses
  }
  return std::nullopt;
}

// Gives the finished temporary file the replaced file's permissions, flushes
// it to the disk, closes it and renames it over path, then flushes the
// folder. Removes it on any failure. The lock stays on the temporary (through
// a second descriptor of the same open file) until it has its new name.
bool Commit(Fd& fd, const std::filesystem::path& temp, const std::filesystem::path& path) {
  const std::optional<mode_t> oldMode = ModeOf(path);
  Fd lock(fd.get() >= 0 ? ::fcntl(fd.get(), F_DUPFD_CLOEXEC, 0) : -1);
  const bool ready = fd.get() >= 0 && !NoRegularFileAt(path) &&
                     (!oldMode || ::fchmod(fd.get(), *oldMode) == 0) && Sync(fd.get()) &&
                     fd.Close();
  if (!ready || ::rename(temp.c_str(), path.c_str()) != 0) {
    RemoveQuietly(temp);
    return false;
  }
  lock.Close();
  SyncFolderOf(path);
  return true;
}

}  // namespace

std::optional<std::filesystem::path> PosixFileStore::CreateTempFileBeside(
    const std::filesystem::path& path) {
  std::optional<std::pair<std::filesystem::path, int>> temp = OpenTempBeside(path);
  if (!temp) return std::nullopt;
  Fd fd(temp->second);
  if (fd.Close()) return std::move(temp->first);
  RemoveQuietly(temp->first);
  return std::nullopt;
}

bool PosixFileStore::CommitTempFile(const std::filesystem::path& temp,
                                    const std::filesystem::path& path) {
  Fd fd(Open(temp, O_RDONLY));
  if (fd.get() >= 0) ::flock(fd.get(), LOCK_EX | LOCK_NB);
  return Commit(fd, temp, path);
}

bool PosixFileStore::ReplaceFile(const std::filesystem::path& path, std::string_view bytes) {
  std::optional<std::pair<std::filesystem::path, int>> temp = OpenTempBeside(path);
  if (!temp) return false;
  Fd fd(temp->second);
  if (!WriteAll(fd.get(), bytes)) {
    fd.Close();
    RemoveQuietly(temp->first);
    return false;
  }
  return Commit(fd, temp->first, path);
}

bool PosixFileStore::CreateFolder(const std::filesystem::path& folder) {
  // Each folder made reaches the disk with its parent's entry for it, so a
  // file later kept inside is not lost with the folder in a power cut.
  std::vector<std::filesystem::path> made;
  for (std::filesystem::path f = folder; !f.empty() && f != f.parent_path(); f = f.parent_path()) {
    std::error_code ec;
    if (std::filesystem::is_directory(f, ec)) break;
    made.push_back(f);
  }
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec || !std::filesystem::is_directory(folder, ec)) return false;
  for (const std::filesystem::path& f : made) SyncFolderOf(f);
  return true;
}

}  // namespace mirelo::posix
