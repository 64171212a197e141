# shellcheck shell=bash
# The Windows build's side of the scenarios' steps: mirelo.exe under Wine,
# in the prefix that scripts/test-windows made (tests/wine/env.sh). Sourced
# by tests/e2e/lib.sh; tests/e2e/debian.sh gives the same steps for the
# Debian build.
WIN_MIRELO=${4:?$USAGE}
WIN_MIRELO=$(cd "$(dirname "$WIN_MIRELO")" && pwd)/$(basename "$WIN_MIRELO")
# Fine wheel deltas, which an X server cannot give Wine.
WHEEL_PROBE=${5:-}

[ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ] ||
  skip "no Wine prefix: run the Windows scenarios through scripts/test-windows"
need wine

# One Wine server shows every window of the prefix on the X display of the
# program that made its desktop first. scripts/test-windows starts one X
# server for the whole run (MIRELO_WINE_DISPLAY), before any Wine program,
# and every scenario shows its windows there.
if [ -n "${MIRELO_WINE_DISPLAY:-}" ]; then
  start_xvfb() {
    export DISPLAY=$MIRELO_WINE_DISPLAY
    log "the run's X server on $DISPLAY"
  }
fi

PROGRAM=$WIN_MIRELO
readonly PROGRAM_FILE=mirelo.exe

start_window() {
  local name=$1
  shift
  start_process "$name" wine "$PROGRAM" "$@"
}

run_mirelo() { wine "$WIN_MIRELO" "$@"; }

# end_session PID : Windows ends the session (a logout, a shutdown), which
# asks every program of the prefix to end.
end_session() { wine wineboot --end-session >/dev/null 2>&1; }

# frame_at WINDOW LEFT TOP : the settings file keeps the frame's corner; X
# sees the client area, whose corner lies within the frame's border and
# caption below and right of it.
frame_at() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  ((X >= $2 && X < $2 + 40 && Y >= $3 && Y < $3 + 60))
}

# The settings file in %LOCALAPPDATA%\Mirelo, kept when the program's own
# folder is read-only.
users_settings_copy() {
  local folder
  folder=$(wine cmd /c 'echo %LOCALAPPDATA%' 2>/dev/null | tr -d '\r')
  winepath -u "$folder\\Mirelo\\control.ini" 2>/dev/null
}

# offer_printer : a printer for scenarios that print but test no queue, so
# that the show step has nothing to say: the scenario's CUPS queue, which
# Wine's spooler lists (Windows under Wine has no PDF printer of its own).
offer_printer() { start_cups; }

# The system's font dialog, captioned by Wine's Japanese resources.
readonly FONT_DIALOG_CAPTION='フォントの指定'

# set_desktop_dpi DPI : the desktop scaled to DPI / 96, where Windows' display
# settings keep it; every program of the prefix started afterwards takes it.
set_desktop_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 ||
    fail "the prefix's resolution could not be set to $1"
}
