#!/usr/bin/env bash
# A second start while the program runs shows its message box captioned
# "ミレロ", opens no window, touches no settings file, and ends after OK with
# status 2, as a start that was refused; the first instance goes on with its
# window. Neither a closed nor a killed instance blocks the next start.
source "$(dirname "$0")/lib.sh"

start_xvfb
isolate_program
offer_printer
start_window first --ini "$WORK/first.ini" "$SAMPLES/worked-example.txt"
first=$MIRELO_PID
wait_window "$first" "$CAPTION"
first_window=$WINDOW

second_ini=$WORK/second.ini
start_window second --ini "$second_ini" "$SAMPLES/worked-example.txt"
second=$MIRELO_PID
wait_window "$second" "$BOX_CAPTION"
box=$WINDOW
has_no_window "$second" "$CAPTION" || fail "the second start opened a main window"
[ "$(xdotool search --onlyvisible --name "^${CAPTION}\$" | wc -l)" -eq 1 ] ||
  fail "there is more than one main window"

press_return "$box"
wait_exit "$second" 2
[ "$STATUS" -eq 2 ] || fail "the second start ended with status $STATUS, not 2 (refused)"
[ ! -e "$second_ini" ] || fail "the second start wrote its settings file"

running "$first" || fail "the first instance ended with the second"
[ "$(windows_of "$first" "$CAPTION")" = "$first_window" ] || fail "the first instance's window is gone"
has_no_window "$first" "$BOX_CAPTION" || fail "the first instance shows a message box"

# The first instance still answers: the end of the session closes it the
# normal way.
end_session "$first"
wait_exit "$first"
[ "$STATUS" -eq 0 ] || fail "the first instance ended with status $STATUS"
[ -s "$WORK/first.ini" ] || fail "the first instance did not write its settings at close"

# With the first gone, the lock is free again: a new start opens its window.
start_window third --ini "$WORK/first.ini" "$SAMPLES/worked-example.txt"
third=$MIRELO_PID
wait_window "$third" "$CAPTION"
# A killed instance leaves whatever it held behind; that must not block the
# next start.
log "killing the third instance on purpose"
kill -KILL "$third"
wait_exit "$third"
wait_for "the killed instance's window to go" has_no_window "$third" "$CAPTION"
start_window fourth --ini "$WORK/first.ini" "$SAMPLES/worked-example.txt"
fourth=$MIRELO_PID
wait_window "$fourth" "$CAPTION"
click "$WINDOW" "$BUTTON_CLOSE"
wait_exit "$fourth"
[ "$STATUS" -eq 0 ] || fail "the start after a killed instance ended with status $STATUS"
log "PASSED: the second start was refused with a box captioned \"$BOX_CAPTION\"; the first went on"
