// The single-instance test on a POSIX system: a per-user lock file named
// after the application title, held with flock for the life of the process.
// The kernel drops the lock when the process ends, however it ends, so a
// killed instance never blocks a later start.
#pragma once

#include <string_view>

namespace mirelo::posix {

class InstanceLock {
 public:
  InstanceLock() = default;
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // False when another process holds the lock. A lock file that cannot be
  // made at all does not stop the program: it then runs unguarded.
  bool TryTake(std::string_view title);

 private:
  int fd_ = -1;
};

}  // namespace mirelo::posix
