#!/usr/bin/env bash
# The default printer's queue is deleted while the window shows its name:
# "全ページ印刷" then shows the error box (its red icon), not the success
# message, and the window stays usable: the end of the session still closes
# it the normal way.
source "$(dirname "$0")/lib.sh"
need import convert

sample=$SAMPLES/large-survey.txt
start_cups
start_xvfb
isolate_program
ini=$WORK/control.ini
start_window main --ini "$ini" "$sample"
pid=$MIRELO_PID
wait_window "$pid" "$CAPTION"
window=$WINDOW

as_root lpadmin -h "$CUPS_SOCKET" -x "$CUPS_QUEUE"
click "$window" "$BUTTON_PRINT_ALL"
wait_window "$pid" "$BOX_CAPTION"
box=$WINDOW
sleep 0.5  # the box painted
# The error box carries the system's critical icon, a red disc; the
# success message has no icon and nothing red.
red=$(import -window "$box" png:- |
  convert png:- -fuzz 25% -fill black +opaque '#e02020' -fill white -opaque '#e02020' \
    -colorspace gray -format '%[fx:mean]' info:)
log "share of red in the box: $red"
awk -v r="$red" 'BEGIN { exit !(r > 0.01) }' ||
  fail "the box after printing to a deleted queue shows no error icon: the success message?"
[ -z "$(ls -A "$PDF_OUT" 2>/dev/null)" ] || fail "something was printed: $(ls "$PDF_OUT")"

end_session "$pid"
wait_exit "$pid"
[ "$STATUS" -eq 0 ] || fail "mirelo ended with status $STATUS after the end of the session"
log "PASSED: printing to a queue deleted after the show step says it cannot print"
