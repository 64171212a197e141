#!/usr/bin/env bash
# mirelo.exe's print settings dialog under Wine after the system's own
# dialogs: when the font dialog or the printer set-up dialog closes, the
# button that opened it has the keyboard focus again (Space opens the same
# dialog once more), and the main window's 概況入力 is drawn after the
# settings dialog closes.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/../e2e/dialogs.sh"
source "$(dirname "$0")/pictures.sh"

need import compare
start_cups
start_xvfb
isolate_program

# other_window PID : the id of a visible window of PID that is neither the
# main window nor the settings dialog, in OTHER; false while there is none.
other_window() {
  OTHER=$(xdotool search --all --onlyvisible --pid "$1" --name '.' 2>/dev/null |
    grep -vx -e "$window" -e "$DIALOG" | head -n 1 || true)
  [ -n "$OTHER" ]
}

# system_dialog_refocuses PID "X Y" WHAT : the button at X Y of the settings
# dialog opens a system dialog; Esc cancels it; Space then opens it again.
system_dialog_refocuses() {
  local pid=$1
  click "$DIALOG" "$2"
  wait_for "the $3 dialog to open" other_window "$pid"
  xdotool windowfocus --sync "$OTHER" key Escape
  wait_for "the $3 dialog to close after Esc" sh -c "! xdotool search --onlyvisible --pid $pid --name . 2>/dev/null | grep -qx $OTHER"
  sleep 0.5
  xdotool key space
  local deadline=$((SECONDS + 5))
  until other_window "$pid"; do
    ((SECONDS < deadline)) || fail "after the $3 dialog closed, Space did not open it again: the focus left its button"
    sleep 0.2
  done
  xdotool windowfocus --sync "$OTHER" key Escape
  wait_for "the $3 dialog to close after Esc" sh -c "! xdotool search --onlyvisible --pid $pid --name . 2>/dev/null | grep -qx $OTHER"
}

start_wine_mirelo main --ini "$WORK/control.ini" "$SAMPLES/worked-example.txt"
pid=$MIRELO_PID
wait_window "$pid" "$CAPTION"
window=$WINDOW
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
[ "$STATUS" -eq 0 ] || fail "mirelo.exe ended with status $STATUS after 閉じる"
log "PASSED: the font and printer set-up dialogs gave the focus back to their buttons; 概況入力 was drawn after the settings dialog"
