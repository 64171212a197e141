#!/usr/bin/env bash
# "全ページ印刷" on the two-page sample prints through a real CUPS server:
# one job titled "Mirelo" on the default printer, whose PDF has every page
# of the form in order, then the success message box; Return closes the box
# and the window goes on.
source "$(dirname "$0")/lib.sh"

long_sample
sample=$SAMPLE pages=$PAGES

start_cups
start_xvfb
isolate_program
start_window main --ini "$WORK/control.ini" "$sample"
pid=$MIRELO_PID
wait_window "$pid" "$CAPTION"
window=$WINDOW
has_no_window "$pid" "$BOX_CAPTION" || fail "a message box is open before printing"

click "$window" "$BUTTON_PRINT_ALL"
wait_for_print_job "$pid" "$pages"
expect_pages_of "$sample" $(seq "$pages")

press_return "$BOX"
wait_for "the message box to close after Return" has_no_window "$pid" "$BOX_CAPTION"
running "$pid" || fail "mirelo ended after the message box"
end_session "$pid"
wait_exit "$pid"
[ "$STATUS" -eq 0 ] || fail "mirelo ended with status $STATUS"
log "PASSED: 全ページ印刷 printed one job \"$JOB_TITLE\" of $pages pages"
