#!/usr/bin/env bash
# Paging and scrolling as the office worker does it, with the keys and the
# buttons: Page Down and "次のページ" show the next page, Page Up and
# "前のページ" the one before, End the last and Home the first; Page Up on
# the first page does nothing; the arrow keys scroll the page 16 dots a
# press. What the window shows is the page, pixel for pixel, as
# --preview-png draws it.
source "$(dirname "$0")/lib.sh"
need import convert compare

long_sample
sample=$SAMPLE pages=$PAGES
start_xvfb
isolate_program
offer_printer

# A band of each page below the overview button, 300 rows from 250 dots
# down, as the build draws it.
for page in $(seq "$pages"); do
  run_mirelo --ini "$WORK/no-settings.ini" --preview-png "$WORK/page$page.png" --page "$page" "$sample" ||
    fail "--preview-png --page $page failed"
  convert "$WORK/page$page.png" -crop 694x300+0+250 +repage "$WORK/band$page.png"
done
read -r page_width _ <<<"$(identify -format '%w %h' "$WORK/page1.png")"

start_window main --ini "$WORK/control.ini" "$sample"
pid=$MIRELO_PID
wait_window "$pid" "$CAPTION"
window=$WINDOW
eval "$(xdotool getwindowgeometry --shell "$window")"
# The page stands centred below the tool bar (49) with a margin of 35, the
# scroll box's frame giving it a dot more or less.
left=$(((WIDTH - page_width) / 2))
top=$((49 + 35 + 250))

# shows PAGE [SCROLLED] : whether the window shows that band of PAGE,
# scrolled up by SCROLLED dots (0 unless given).
shows() {
  local page=$1 scrolled=${2:-0} dx dy differ
  import -window "$window" "$WORK/shown.png" 2>/dev/null || return 1
  for dy in 0 1 -1; do
    for dx in 0 1 -1; do
      convert "$WORK/shown.png" -crop "694x300+$((left + dx))+$((top - scrolled + dy))" +repage "$WORK/band-shown.png"
      differ=$( (compare -metric AE "$WORK/band-shown.png" "$WORK/band$page.png" null: 2>&1 || true) | sed 's/ .*//')
      [ "$differ" = 0 ] && return 0
    done
  done
  return 1
}

# after WHAT PAGE [SCROLLED] : WHAT done, the window shows PAGE.
after() {
  wait_for "$1: page $2 shown${3:+, scrolled by $3}" shows "$2" "${3:-0}"
  log "$1: page $2${3:+, scrolled by $3}"
}

after "the start" 1
xdotool windowfocus --sync "$window" key Prior
sleep 0.5
after "Page Up on the first page" 1
xdotool windowfocus --sync "$window" key Next
after "Page Down" 2
xdotool windowfocus --sync "$window" key Prior
after "Page Up" 1
xdotool windowfocus --sync "$window" key End
after "End" "$pages"
xdotool windowfocus --sync "$window" key Home
after "Home" 1
click "$window" "$BUTTON_NEXT"
after "次のページ" 2
click "$window" "$BUTTON_PREVIOUS"
after "前のページ" 1
xdotool windowfocus --sync "$window" key Down
after "the arrow down" 1 16
xdotool windowfocus --sync "$window" key Down Up
after "the arrow down and up" 1 16

click "$window" "$BUTTON_CLOSE"
wait_exit "$pid"
[ "$STATUS" -eq 0 ] || fail "mirelo ended with status $STATUS after 閉じる"
log "PASSED: the page keys and buttons showed the pages they name; an arrow key scrolled 16 dots"
