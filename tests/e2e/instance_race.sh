#!/usr/bin/env bash
# Two starts at the same moment, ten times: each time one opens the window
# and the other says "既に起動しています。" and opens none, as a host program
# that starts the program twice in a hurry meets it.
source "$(dirname "$0")/lib.sh"

sample=$SAMPLES/worked-example.txt
start_xvfb
isolate_program
offer_printer

mains() { local n=0 p; for p in "$@"; do has_window "$p" "$CAPTION" && n=$((n + 1)); done; echo $n; }
boxes() { local n=0 p; for p in "$@"; do has_window "$p" "$BOX_CAPTION" && n=$((n + 1)); done; echo $n; }
# One window and one message box, or two windows: the pair has decided.
decided() {
  local m
  m=$(mains "$@")
  [ "$m" -ge 2 ] || { [ "$m" -ge 1 ] && [ "$(boxes "$@")" -ge 1 ]; }
}

for pair in $(seq 10); do
  start_window "a$pair" --ini "$WORK/a.ini" "$sample"
  a=$MIRELO_PID
  start_window "b$pair" --ini "$WORK/b.ini" "$sample"
  b=$MIRELO_PID
  wait_for "a window and a message box of pair $pair" decided "$a" "$b"
  # A second window would show within moments of the first.
  sleep 1
  [ "$(mains "$a" "$b")" -eq 1 ] || fail "pair $pair: both starts opened a window"
  kill -9 "$a" "$b" 2>/dev/null || true
  wait "$a" "$b" 2>/dev/null || true
  wait_for "the windows of pair $pair to go" eval '[ "$(mains "$a" "$b")" -eq 0 ]'
done
log "PASSED: ten pairs of starts at one moment: one window each time"
