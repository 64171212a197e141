# Shared steps of the Windows build's end-to-end scenarios: the steps of the
# Debian scenarios (a private X server and CUPS server, bounded waits), and
# mirelo.exe under Wine in the prefix that scripts/test-windows made. Each
# scenario is called as
#   SCENARIO.sh LINUX_MIRELO SAMPLES_DIR MIRELO_EXE
# with the Wine environment already set (tests/wine/env.sh), and exits 0,
# 1 or 77 as the Debian scenarios do.
WIN_MIRELO=${3:?usage: $0 LINUX_MIRELO SAMPLES_DIR MIRELO_EXE}
WIN_MIRELO=$(cd "$(dirname "$WIN_MIRELO")" && pwd)/$(basename "$WIN_MIRELO")
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"

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

# wine_mirelo ARGS... : mirelo.exe under Wine, in the foreground.
wine_mirelo() { wine "$WIN_MIRELO" "$@"; }

# start_wine_mirelo NAME ARGS... : in the background, as start_mirelo.
start_wine_mirelo() {
  local name=$1
  shift
  wine "$WIN_MIRELO" "$@" >"$WORK/mirelo-$name.log" 2>&1 &
  MIRELO_PID=$!
  MIRELO_PIDS+=("$MIRELO_PID")
}

# type_then_end_session NAME TEXT ARGS... : starts mirelo.exe with ARGS,
# types TEXT at the end of the overview, closes the input, then ends the
# session (a logout, a shutdown) and waits for the program to end.
type_then_end_session() {
  local name=$1 text=$2
  shift 2
  start_wine_mirelo "$name" "$@"
  local pid=$MIRELO_PID
  wait_window "$pid" "$CAPTION"
  local window=$WINDOW
  click "$window" "$BUTTON_OVERVIEW"
  type_text "$window" "$text"
  click "$window" "$BUTTON_OVERVIEW"
  wine wineboot --end-session >/dev/null 2>&1
  wait_exit "$pid"
}
