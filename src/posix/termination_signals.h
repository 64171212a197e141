// SIGTERM and SIGINT, the session's ways of asking a program to end, turned
// into a byte on a socket that an event loop can watch: a signal handler may
// do next to nothing itself, so the loop does the closing.
#pragma once

namespace mirelo::posix {

// Installs the handlers once and returns the socket to watch for reading;
// -1 when no socket can be made (the signals then end the program as by
// default). Each signal makes the socket readable by one byte.
int WatchTerminationSignals();

// Takes one byte off the socket after it became readable.
void TakeTerminationSignal(int fd);

}  // namespace mirelo::posix
