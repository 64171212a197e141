#!/usr/bin/env bash
# mirelo.exe's window under Wine, as an office worker meets it: the form's
# caption and client size, the program's icon; a second start refused with its message box
# while the first goes on; "全ページ印刷" through a real CUPS queue as one
# job of the form's pages, "現ページ印刷" on page 2 (reached with Page Down)
# as one job of that page;
# "閉じる" writes control.ini with the same bytes as the Debian build writes
# for the same start and close.
source "$(dirname "$0")/lib.sh"

sample=$SAMPLES/large-survey.txt
pages=$(form_pages "$WORK/no-settings.ini" "$sample")
[ "${pages:-0}" -ge 2 ] || fail "the sample should have two pages or more, the layout dump says '${pages}'"

start_cups
start_xvfb
isolate_program
# A saved place, so that both builds write the same position back.
printf '[PrintForm]\r\nTop=60\r\nLeft=40\r\n' >"$WORK/start.ini"
cp "$WORK/start.ini" "$WORK/windows.ini"

start_wine_mirelo main --ini "$WORK/windows.ini" "$sample"
pid=$MIRELO_PID
wait_window "$pid" "$CAPTION"
window=$WINDOW
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH x $HEIGHT" = "892 x 701" ] || fail "the window's client area is $WIDTH x $HEIGHT, not 892 x 701"
has_no_window "$pid" "$BOX_CAPTION" || fail "a message box is open after the window opened"
has_own_icon "$window" || fail "the window shows the system's icon, not the program's"
log "the window opened as \"$CAPTION\", 892 x 701, with the program's icon"

# A second start: its message box, no window, status 2; the first goes on.
start_wine_mirelo second --ini "$WORK/second.ini" "$sample"
second=$MIRELO_PID
wait_window "$second" "$BOX_CAPTION"
has_no_window "$second" "$CAPTION" || fail "the second start opened a main window"
press_return "$WINDOW"
wait_exit "$second"
[ "$STATUS" -eq 2 ] || fail "the second start ended with status $STATUS, not 2"
[ ! -e "$WORK/second.ini" ] || fail "the second start wrote its settings file"
running "$pid" && has_window "$pid" "$CAPTION" || fail "the first instance did not go on"
log "a second start was refused with its message box; the first went on"

# Every page, one job.
click "$window" "$BUTTON_PRINT_ALL"
wait_window "$pid" "$BOX_CAPTION"
expect_one_job "$pages"
expect_pages_of "$sample" $(seq "$pages")
press_return "$WINDOW"
wait_for "the message box to close after Return" has_no_window "$pid" "$BOX_CAPTION"

# Page 2 alone, one more job; Page Down pages as "次のページ" does.
rm -f "$PDF_OUT"/*.pdf
xdotool windowfocus --sync "$window" key Next
click "$window" "$BUTTON_PRINT_CURRENT"
wait_window "$pid" "$BOX_CAPTION"
two_jobs() { [ -z "$(queue_jobs not-completed)" ] && [ "$(queue_jobs completed | wc -l)" -eq 2 ]; }
wait_for "the second job to finish" two_jobs
JOB_PDF=$(ls "$PDF_OUT"/*.pdf)
[ "$(pdfinfo "$JOB_PDF" | sed -n 's/^Pages: *//p')" = 1 ] || fail "現ページ印刷 printed more than one page"
expect_pages_of "$sample" 2
press_return "$WINDOW"
wait_for "the message box to close after Return" has_no_window "$pid" "$BOX_CAPTION"
log "全ページ印刷 printed $pages pages, 現ページ印刷 page 2, one job each"

click "$window" "$BUTTON_CLOSE"
wait_exit "$pid"
[ "$STATUS" -eq 0 ] || fail "mirelo.exe ended with status $STATUS after 閉じる"

# The Debian build, started and closed the same way, writes the same bytes.
cp "$WORK/start.ini" "$WORK/debian.ini"
start_mirelo debian --ini "$WORK/debian.ini" "$sample"
wait_window "$MIRELO_PID" "$CAPTION"
click "$WINDOW" "$BUTTON_CLOSE"
wait_exit "$MIRELO_PID"
cmp "$WORK/debian.ini" "$WORK/windows.ini" >&2 || {
  diff <(iconv -f CP932 -t UTF-8 "$WORK/debian.ini") <(iconv -f CP932 -t UTF-8 "$WORK/windows.ini") >&2 || true
  fail "mirelo.exe wrote another control.ini than the Debian build (diff above)"
}
[ "$(grep -c '=' "$WORK/windows.ini")" -eq 15 ] || fail "control.ini does not hold the 15 keys"
log "PASSED: the window of mirelo.exe opened, refused a second start, printed and closed as the Debian build does"
