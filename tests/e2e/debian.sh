# shellcheck shell=bash
# The Debian build's side of the scenarios' steps: the Qt window of
# MIRELO. Sourced by lib.sh; tests/wine/windows.sh gives the same steps for
# mirelo.exe under Wine.

# The executable the window runs; a scenario may copy it elsewhere and set
# PROGRAM for one start.
PROGRAM=$MIRELO
readonly PROGRAM_FILE=mirelo

# start_window NAME ARGS... : the program in the background, as a host
# program starts it (see start_process).
start_window() {
  local name=$1
  shift
  start_process "$name" "$PROGRAM" "$@"
}

# run_mirelo ARGS... : the program in the foreground, for its headless modes.
run_mirelo() { "$MIRELO" "$@"; }

# end_session PID : the system ends the program's session, as at a logout
# or shutdown: SIGTERM, which closes the window the normal way.
end_session() { kill -TERM "$1"; }

# frame_at WINDOW LEFT TOP : whether the window's frame stands at LEFT, TOP,
# the place the settings file keeps. Without a window manager there is no
# frame: the window itself stands there.
frame_at() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  [ "$X,$Y" = "$2,$3" ]
}

# The settings file the program keeps when its own folder is read-only.
users_settings_copy() { printf '%s\n' "$XDG_CONFIG_HOME/mirelo/control.ini"; }

# offer_printer : a printer for scenarios that print but test no queue, so
# that the show step has nothing to say: the program's own PDF printer,
# which the Debian build offers where the system has none, and whose PDF
# keeps its text to read back.
offer_printer() { :; }

# Qt's font dialog, in Japanese where Qt's translations are installed.
readonly FONT_DIALOG_CAPTION='(フォントの選択|Select Font)'

# set_desktop_dpi DPI : the desktop scaled to DPI / 96 for the programs
# started afterwards, as Qt takes a scaled screen from its environment.
set_desktop_dpi() {
  if [ "$1" = 96 ]; then
    unset QT_SCALE_FACTOR
  else
    QT_SCALE_FACTOR=$(awk -v d="$1" 'BEGIN { print d / 96 }')
    export QT_SCALE_FACTOR
  fi
}
