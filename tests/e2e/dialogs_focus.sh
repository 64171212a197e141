#!/usr/bin/env bash
# The print settings dialog after the system's own dialogs: when the font dialog or the printer set-up dialog closes, the
# button that opened it has the keyboard focus again (Space opens the same
# dialog once more), and the main window's 概況入力 is drawn after the
# settings dialog closes.
source "$(dirname "$0")/lib.sh"

need import compare
start_cups
start_xvfb
isolate_program

# system_dialog_refocuses PID "X Y" WHAT : the button at X Y of the settings
# dialog opens a system dialog; Esc cancels it; Space then opens it again.
system_dialog_refocuses() {
  local pid=$1
  click "$DIALOG" "$2"
  wait_for "the $3 dialog to open" other_window "$pid"
  xdotool windowfocus --sync "$OTHER" key Escape
  wait_for "the $3 dialog to close after Esc" window_gone "$pid" "$OTHER"
  sleep 0.5
  xdotool key space
  local deadline=$((SECONDS + 5))
  until other_window "$pid"; do
    ((SECONDS < deadline)) || fail "after the $3 dialog closed, Space did not open it again: the focus left its button"
    sleep 0.2
  done
  xdotool windowfocus --sync "$OTHER" key Escape
  wait_for "the $3 dialog to close after Esc" window_gone "$pid" "$OTHER"
}

start_window main --ini "$WORK/control.ini" "$SAMPLES/worked-example.txt"
pid=$MIRELO_PID
wait_window "$pid" "$CAPTION"
window=$WINDOW
WINDOW_MAIN=$window
rest "$window"
snap "$window" "$OVERVIEW_BUTTON_PLACE" button

open_settings "$pid" "$window"
system_dialog_refocuses "$pid" "$SETTINGS_NOTES_FONT" "font"
log "after the font dialog, its button had the focus again"
system_dialog_refocuses "$pid" "$SETTINGS_CHANGE_PRINTER" "printer set-up"
log "after the printer set-up dialog, its button had the focus again"
close_settings "$pid"
rest "$window"
snap "$window" "$OVERVIEW_BUTTON_PLACE" button-settings
expect_same button button-settings 20 "after the settings dialog, 概況入力 is not drawn"

click "$window" "$BUTTON_CLOSE"
wait_exit "$pid"
[ "$STATUS" -eq 0 ] || fail "mirelo ended with status $STATUS after 閉じる"
log "PASSED: the font and printer set-up dialogs gave the focus back to their buttons; 概況入力 was drawn after the settings dialog"
