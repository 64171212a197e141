#!/usr/bin/env bash
# "現ページ印刷" after "次のページ" prints one job titled "Mirelo" through a
# real CUPS server, of one page, the second, then shows the success message
# box; SIGTERM while that box is open still closes the program the normal
# way.
source "$(dirname "$0")/lib.sh"

sample=$SAMPLES/large-survey.txt
start_cups
start_xvfb
isolate_program
ini=$WORK/control.ini
start_mirelo main --ini "$ini" "$sample"
pid=$MIRELO_PID
wait_window "$pid" "$CAPTION"
window=$WINDOW

click "$window" "$BUTTON_NEXT"
click "$window" "$BUTTON_PRINT_CURRENT"
wait_window "$pid" "$BOX_CAPTION"
expect_one_job 1
expect_pages_of "$sample" 2

kill -TERM "$pid"
wait_exit "$pid"
[ "$STATUS" -eq 0 ] || fail "mirelo ended with status $STATUS after SIGTERM with the message box open"
[ -s "$ini" ] || fail "SIGTERM with the message box open did not write the settings file"
log "PASSED: 現ページ印刷 printed one job \"$JOB_TITLE\" of one page"
