#!/usr/bin/env bash
# The overview field and its button as a person sees and uses them: 概況入力 stays drawn over the page after
# Page Down, "次のページ", the settings dialog and the field's closing, and
# the open field and its button after the page is scrolled away and back;
# Esc in the field (as when cancelling a conversion) changes nothing, and
# Tab is typed into the text: the close keeps every character typed. One
# wheel event scrolls 16 dots, whatever its delta.
source "$(dirname "$0")/lib.sh"

sample=$SAMPLES/large-survey.txt
overview=$SAMPLES/Gaikyo/$(basename "$sample")
need import compare convert
start_xvfb
isolate_program
offer_printer

start_window main --ini "$WORK/control.ini" "$sample"
pid=$MIRELO_PID
wait_window "$pid" "$CAPTION"
window=$WINDOW
rest "$window"
snap "$window" "$OVERVIEW_BUTTON_PLACE" button

# Paging redraws the page; the button stays drawn on it.
xdotool windowfocus --sync "$window" key Next
rest "$window"
snap "$window" "$OVERVIEW_BUTTON_PLACE" button-page-down
expect_same button button-page-down 20 "after Page Down, 概況入力 is not drawn"
xdotool key Prior
click "$window" "$BUTTON_NEXT"
rest "$window"
snap "$window" "$OVERVIEW_BUTTON_PLACE" button-next
expect_same button button-next 20 "after 次のページ, 概況入力 is not drawn"
xdotool windowfocus --sync "$window" key Prior
open_settings "$pid" "$window"
close_settings "$pid"
rest "$window"
snap "$window" "$OVERVIEW_BUTTON_PLACE" button-settings
expect_same button button-settings 20 "after the settings dialog, 概況入力 is not drawn"
log "概況入力 stayed drawn after paging and the settings dialog"

# The open field and 概況閉じる stay drawn over the page scrolled away and
# back (a caret may blink between the pictures).
click "$window" "$BUTTON_OVERVIEW"
type_text "$window" 'kept'
rest "$window"
snap "$window" "$OVERVIEW_FIELD_PLACE" field
snap "$window" "$OVERVIEW_BUTTON_PLACE" close-button
xdotool mousemove --window "$window" 450 600 click --repeat 10 --delay 50 5 click --repeat 10 --delay 50 4
rest "$window"
snap "$window" "$OVERVIEW_FIELD_PLACE" field-scrolled
snap "$window" "$OVERVIEW_BUTTON_PLACE" close-button-scrolled
expect_same field field-scrolled 80 "after scrolling away and back, the field is drawn over"
expect_same close-button close-button-scrolled 20 "after scrolling away and back, 概況閉じる is drawn over"
log "the open field and 概況閉じる stayed drawn after scrolling"

# Tab goes into the text; Esc leaves the field, its text and its button
# where they are.
xdotool windowfocus --sync "$window" key Tab
type_text "$window" 'text'
xdotool key Escape
sleep 0.5
rest "$window"
snap "$window" "$OVERVIEW_BUTTON_PLACE" close-button-esc
expect_same close-button close-button-esc 20 "after Esc in the field, 概況閉じる is gone"
click "$window" "$BUTTON_OVERVIEW"
rest "$window"
snap "$window" "$OVERVIEW_BUTTON_PLACE" button-closed
expect_same button button-closed 20 "after the field closed, 概況入力 is not drawn"
log "Esc in the field changed nothing; 概況入力 is drawn after the field closed"

# One wheel event, one step of 16 dots: the page under the field moves up
# by 16 rows at a turn of the wheel down.
wheel_place='500x200+150+500'
snap "$window" "$wheel_place" before-wheel
xdotool mousemove --window "$window" 450 600 click 5
rest "$window"
snap "$window" "$wheel_place" after-wheel
convert "$WORK/before-wheel.png" -crop 500x184+0+16 +repage "$WORK/before-wheel-moved.png"
convert "$WORK/after-wheel.png" -crop 500x184+0+0 +repage "$WORK/after-wheel-top.png"
expect_same before-wheel-moved after-wheel-top 20 "a turn of the wheel did not scroll the page by 16 dots"
moved=$(compare -metric AE -fuzz 10% "$WORK/before-wheel.png" "$WORK/after-wheel.png" null: 2>&1 || true)
((${moved%% *} > 100)) || fail "a turn of the wheel left the page where it was"
xdotool click 4
# Fine deltas, a notch of two and a touchpad's small ones, each one step:
# only a program of the prefix can send those to the Windows build (an X
# server's wheel gives whole notches).
if on_windows; then
  steps=$(wine "$WHEEL_PROBE" "$CAPTION" -240 -30 -30 -30 240 30 | tr -d '\r' | tr '\n' ' ')
  [ "$steps" = "16 32 48 64 48 32 " ] ||
    fail "wheel events of -240, -30 (three), 240 and 30 scrolled the page to $steps, not 16 32 48 64 48 32"
  log "each wheel event scrolled 16 dots: $steps"
fi

click "$window" "$BUTTON_CLOSE"
wait_exit "$pid"
[ "$STATUS" -eq 0 ] || fail "mirelo ended with status $STATUS after 閉じる"
expect_kept_overview "$overview" $'kept\ttext' "the close did not keep the text typed with its Tab"
log "PASSED: the field and its button stayed drawn; Esc kept the field, Tab went into the text; the wheel stepped 16 dots an event"
