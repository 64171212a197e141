#!/usr/bin/env bash
# "現ページ印刷" prints the page shown as one job titled "Mirelo" through a
# real CUPS server, of one page, then shows the success message box: the
# second page after Page Down, and again after Page Up and "次のページ". The
# end of the session while that box is open still closes the program the
# normal way.
source "$(dirname "$0")/lib.sh"

sample=$SAMPLES/large-survey.txt
start_cups
start_xvfb
isolate_program
ini=$WORK/control.ini
start_window main --ini "$ini" "$sample"
pid=$MIRELO_PID
wait_window "$pid" "$CAPTION"
window=$WINDOW

# Page Down pages as "次のページ" does.
xdotool windowfocus --sync "$window" key Next
click "$window" "$BUTTON_PRINT_CURRENT"
wait_for_print_job "$pid" 1
expect_pages_of "$sample" 2
press_return "$BOX"
wait_for "the message box to close after Return" has_no_window "$pid" "$BOX_CAPTION"

xdotool windowfocus --sync "$window" key Prior
click "$window" "$BUTTON_NEXT"
click "$window" "$BUTTON_PRINT_CURRENT"
wait_for_print_job "$pid" 1
expect_pages_of "$sample" 2

end_session "$pid"
wait_exit "$pid"
[ "$STATUS" -eq 0 ] || fail "mirelo ended with status $STATUS after the end of the session with the message box open"
[ -s "$ini" ] || fail "the end of the session with the message box open did not write the settings file"
log "PASSED: 現ページ印刷 printed one job \"$JOB_TITLE\" of the page shown, twice"
