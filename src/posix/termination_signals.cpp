#include "posix/termination_signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <csignal>

namespace mirelo::posix {
namespace {

// A signal handler can reach nothing but a global; the handler only writes
// to it, after it was set once before the handlers were installed.
int signalSockets[2] = {-1, -1};

void OnTerminationSignal(int) {
  const char byte = 1;
  [[maybe_unused]] ssize_t n = write(signalSockets[0], &byte, 1);
}

}  // namespace

int WatchTerminationSignals() {
  if (signalSockets[1] >= 0) return signalSockets[1];
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSockets) != 0) return -1;
  struct sigaction action = {};
  action.sa_handler = OnTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
  return signalSockets[1];
}

void TakeTerminationSignal(int fd) {
  char byte;
  [[maybe_unused]] ssize_t n = read(fd, &byte, 1);
}

}  // namespace mirelo::posix
