#!/usr/bin/env bash
# What the show step says comes before the window: the notice that the
# overview folder is made, a broken data file's message, and, on Windows
# with no printer at all, that no default printer is chosen (a PDF printer
# of the system's would itself be a printer). The window then appears with
# what the step left: no white page where none was drawn, and printing says
# the reason again, asking for no file.
source "$(dirname "$0")/lib.sh"

# The page's place in the window, below the overview button and field.
readonly PAGE_PLACE='400x300+200+420'
need import convert

# expect_box_before_window PID WHAT : the message box of PID stands alone,
# with no main window behind it; Return closes it and the window appears
# (its id then in WINDOW).
expect_box_before_window() {
  local pid=$1
  wait_window "$pid" "$BOX_CAPTION"
  local box=$WINDOW
  sleep 0.5
  has_no_window "$pid" "$CAPTION" || fail "$2: the window is shown behind the message"
  press_return "$box"
  wait_window "$pid" "$CAPTION"
}

# close_window PID WINDOW : 閉じる, and the program ends with status 0.
close_window() {
  click "$2" "$BUTTON_CLOSE"
  wait_exit "$1"
  [ "$STATUS" -eq 0 ] || fail "mirelo ended with status $STATUS after 閉じる"
}

start_xvfb
isolate_program

# expect_box_then_no_white_page PID WHAT : the show step's box before the
# window, then a window (in WINDOW) whose page place is not a white page.
expect_box_then_no_white_page() {
  expect_box_before_window "$1" "$2"
  rest "$WINDOW"
  local share
  share=$(white_share "$WINDOW" "$PAGE_PLACE")
  awk -v s="$share" 'BEGIN { exit !(s < 0.5) }' || fail "with $2 a white page is shown (white share $share)"
}

# No printer at all (the scenario's CUPS server is not started yet): only
# the Windows build has this case, since the Debian build then prints on
# its own PDF printer.
if on_windows; then
  start_window no-printer --ini "$WORK/control.ini" "$SAMPLES/worked-example.txt"
  pid=$MIRELO_PID
  expect_box_then_no_white_page "$pid" "no printer"
  window=$WINDOW
  click "$window" "$BUTTON_PRINT_ALL"
  wait_window "$pid" "$BOX_CAPTION"
  has_no_window "$pid" "$PDF_DIALOG_CAPTION" || fail "with no printer, 全ページ印刷 asks for a PDF file"
  press_return "$WINDOW"
  wait_for "the message box to close after Return" has_no_window "$pid" "$BOX_CAPTION"
  close_window "$pid" "$window"
  log "with no printer the message came before the window, no page was shown and printing asked for no file"
fi

start_cups

# A data folder without an overview folder: the notice, then the window.
mkdir -p "$WORK/fresh"
cp "$SAMPLES/worked-example.txt" "$WORK/fresh/"
start_window notice --ini "$WORK/control.ini" "$WORK/fresh/worked-example.txt"
pid=$MIRELO_PID
expect_box_before_window "$pid" "the overview folder's notice"
[ -d "$WORK/fresh/Gaikyo" ] || fail "the overview folder was not made after the notice"
close_window "$pid" "$WINDOW"
log "the overview folder's notice came before the window"

# An empty data file: its message, then the window with no page.
: >"$WORK/fresh/empty.txt"
start_window empty --ini "$WORK/control.ini" "$WORK/fresh/empty.txt"
pid=$MIRELO_PID
expect_box_then_no_white_page "$pid" "an empty data file"
window=$WINDOW
close_window "$pid" "$window"
log "PASSED: the show step's messages came before the window; no white page where none was drawn; with no printer nothing was offered"
