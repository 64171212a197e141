#!/usr/bin/env bash
# The real program on a sample opens one window with the form's caption and
# its client size at 96 dots per inch and the program's icon, with no
# message box; the settings file is not written before "閉じる", which
# closes the window: the program ends with status 0 and has written it.
source "$(dirname "$0")/lib.sh"

start_xvfb
isolate_program
offer_printer
ini=$WORK/control.ini
start_window main --ini "$ini" "$SAMPLES/worked-example.txt"
pid=$MIRELO_PID
wait_window "$pid" "$CAPTION"
window=$WINDOW

name=$(xdotool getwindowname "$window")
[ "$name" = "$CAPTION" ] || fail "the window's caption is '$name'"
[ "$(windows_of "$pid" "$CAPTION" | wc -l)" -eq 1 ] || fail "more than one main window"
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH x $HEIGHT" = "892 x 701" ] || fail "the window's client area is $WIDTH x $HEIGHT, not 892 x 701"
has_no_window "$pid" "$BOX_CAPTION" || fail "a message box is open after the window opened"
[ ! -e "$ini" ] || fail "the settings file was written before the close"
has_own_icon "$window" || fail "the window shows the system's icon, not the program's"

click "$window" "$BUTTON_CLOSE"
wait_exit "$pid"
[ "$STATUS" -eq 0 ] || fail "mirelo ended with status $STATUS after 閉じる"
[ -s "$ini" ] || fail "閉じる did not write the settings file"
log "PASSED: the window opened as \"$CAPTION\", 892 x 701, with the program's icon, and 閉じる closed it"
