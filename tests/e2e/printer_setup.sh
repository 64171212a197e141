#!/usr/bin/env bash
# "プリンタの変更" in the print settings dialog opens the printer set-up
# dialog on the system's printer. Read as a screen reader reads it, the
# dialog is captioned "プリンタの変更" and confirms with "OK": no button of
# it says that it prints. Cancelled or confirmed, it prints nothing, and the
# printer stays the queue's.
source "$(dirname "$0")/lib.sh"

readonly SETUP_CAPTION='プリンタの変更'

start_xvfb
isolate_program
start_cups
# Qt's windows show their controls to a screen reader on the accessibility
# bus; Wine's show theirs to none, and Wine captions its set-up dialog
# "印刷設定" as the settings dialog is captioned, so there the Windows
# build's run finds the set-up dialog as the one other window of the
# program and checks what it does, not what it says.
if on_debian; then
  start_accessibility
fi
start_window setup --ini "$WORK/control.ini" "$SAMPLES/worked-example.txt"
pid=$MIRELO_PID
wait_window "$pid" "$CAPTION"
window=$WINDOW
WINDOW_MAIN=$window
open_settings "$pid" "$window"
# Whether the settings dialog, as the accessibility bus shows it now, names
# the queue as its printer.
names_the_queue() {
  accessible_controls "$SETTINGS_CAPTION" 2>/dev/null | grep -qx "  label: $CUPS_QUEUE"
}
on_windows || wait_for "the settings dialog to name the queue $CUPS_QUEUE" names_the_queue

# open_setup : "プリンタの変更", then on Debian the set-up dialog's buttons
# into $WORK/setup.txt; its window id is then in SETUP.
open_setup() {
  click "$DIALOG" "$SETTINGS_CHANGE_PRINTER"
  if on_windows; then
    wait_for "the set-up dialog to open" other_window "$pid"
    SETUP=$OTHER
    return 0
  fi
  wait_window "$pid" "$SETUP_CAPTION"
  SETUP=$WINDOW
  wait_for "the set-up dialog on the accessibility bus" accessible_controls "$SETUP_CAPTION" >/dev/null
  accessible_controls "$SETUP_CAPTION" | sed -n 's/^ *push button: //p' >"$WORK/setup.txt"
  log "the set-up dialog's buttons: $(tr '\n' '|' <"$WORK/setup.txt")"
  grep -qx 'OK' "$WORK/setup.txt" || fail "the set-up dialog has no button \"OK\""
  if grep -Ei '印刷|print' "$WORK/setup.txt" >&2; then
    fail "a button of the set-up dialog says that it prints"
  fi
}

open_setup
xdotool windowfocus --sync "$SETUP" key Escape
wait_for "the set-up dialog to close after Escape" window_gone "$pid" "$SETUP"

# Confirmed with Return, which presses "OK".
open_setup
press_return "$SETUP"
wait_for "the set-up dialog to close after Return" window_gone "$pid" "$SETUP"
# Qt's settings dialog is unmapped for a moment as the set-up dialog
# closes: it must be there again, not closed with it.
wait_for "the settings dialog to stay open after the set-up dialog" has_window "$pid" "$SETTINGS_CAPTION"
on_windows || wait_for "the settings dialog to name the queue $CUPS_QUEUE again" names_the_queue
close_settings "$pid"
click "$window" "$BUTTON_CLOSE"
wait_exit "$pid"
[ "$STATUS" -eq 0 ] || fail "mirelo ended with status $STATUS after 閉じる"

jobs=$(queue_jobs all)
[ -z "$jobs" ] || fail "the set-up dialog printed: $jobs"
log "PASSED: the set-up dialog chooses with \"OK\" and prints nothing"
