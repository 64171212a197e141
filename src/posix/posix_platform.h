// The POSIX layer under the Qt adapter: what a Linux system gives the
// program without a toolkit. This header brings every piece; a file that
// needs one piece may include that piece's header alone.
//
// What it implements:
// - Files replaced whole: a temporary beside the target, fsync, one rename,
//   fsync of the folder; a cut-off write leaves the old file or the new one
//   (posix_file_store.h).
// - The settings places: write access as the system grants it, and the
//   user's copy under $XDG_CONFIG_HOME/mirelo, else ~/.config/mirelo
//   (posix_settings_places.h).
// - One instance per user: a lock file named after the title in
//   $XDG_RUNTIME_DIR (else the temporary folder), held with flock, which the
//   kernel drops however the process ends (instance_lock.h).
// - SIGTERM and SIGINT as a byte on a socket, for the event loop to close
//   the window as the session's end does (termination_signals.h).
// - The executable's folder from /proc/self/exe, else from argv[0]
//   (executable_dir.h).
//
// What it cannot:
// - Keep a second start out where the lock file cannot be made at all: the
//   program then runs unguarded rather than not at all.
// - Find the executable's folder from argv[0] alone when it was started
//   through $PATH and /proc is not mounted: the current folder stands in.
#pragma once

#include "posix/executable_dir.h"
#include "posix/instance_lock.h"
#include "posix/posix_file_store.h"
#include "posix/posix_settings_places.h"
#include "posix/termination_signals.h"
