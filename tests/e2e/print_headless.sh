#!/usr/bin/env bash
# --print, as a host program prints a day's surveys without a window: every
# page on the default printer in one job titled "Mirelo", or on the
# printer named with --printer; an unknown printer, and a system with no
# printer at all, end with the message and status 2 and print nothing.
source "$(dirname "$0")/lib.sh"

long_sample
sample=$SAMPLE pages=$PAGES

isolate_program
# No display at all, as on a server; Wine's programs all stand on the run's
# X server, which the Windows build's run keeps.
if on_debian; then
  unset DISPLAY WAYLAND_DISPLAY
fi

# No CUPS server: the system has no printer.
status=0
run_mirelo --ini "$WORK/no-settings.ini" --print "$sample" >"$WORK/out" 2>"$WORK/err" || status=$?
[ "$status" -eq 2 ] || fail "--print without any printer ended with status $status"
[ "$(cat "$WORK/err")" = "プリンタがありません" ] || fail "--print without any printer said: $(cat "$WORK/err")"

start_cups
status=0
run_mirelo --ini "$WORK/no-settings.ini" --print --printer "no-such-queue" "$sample" \
  >"$WORK/out" 2>"$WORK/err" || status=$?
[ "$status" -eq 2 ] || fail "--printer no-such-queue ended with status $status"
[ "$(cat "$WORK/err")" = "プリンタが見つかりません: no-such-queue" ] ||
  fail "--printer no-such-queue said: $(cat "$WORK/err")"
[ -z "$(queue_jobs all)" ] || fail "a refused --print left a job: $(queue_jobs all)"

run_mirelo --ini "$WORK/no-settings.ini" --print "$sample" >"$WORK/out" 2>"$WORK/err" ||
  fail "--print on the default printer failed: $(cat "$WORK/err")"
[ ! -s "$WORK/out" ] && [ ! -s "$WORK/err" ] || fail "--print printed to the console: $(cat "$WORK/out" "$WORK/err")"
expect_job "$pages"
expect_pages_of "$sample" $(seq "$pages")

run_mirelo --ini "$WORK/no-settings.ini" --print --printer "$CUPS_QUEUE" "$SAMPLES/worked-example.txt" \
  >"$WORK/out" 2>"$WORK/err" || fail "--print --printer $CUPS_QUEUE failed: $(cat "$WORK/err")"
expect_job 1
log "PASSED: --print gave one job \"$JOB_TITLE\" of $pages pages; --printer chose the queue; the errors said why"
