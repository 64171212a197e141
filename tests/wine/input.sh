#!/usr/bin/env bash
# mirelo.exe's overview input and print settings dialog under Wine: the
# overview typed into the field is printed in box 2, kept in code page 932
# with CR LF when the window closes, and loaded at the next start with the
# caret at its end; in "印刷設定", a scale moved with its spinner's arrow and
# an offset typed into its field reach control.ini, as in the Debian build.
# A session that ends while the window is open saves both like a close.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/../e2e/dialogs.sh"

sample=$SAMPLES/worked-example.txt
overview=$SAMPLES/Gaikyo/$(basename "$sample")
ini=$WORK/control.ini
line1='Overview typed in the window'
line2='second line'

# The ink in the first lines of box 2 on page 1 (14 to 80 mm from the
# left, 45.5 to 55 mm from the top, at 50 dots per inch): the share of
# black, which GDI's and Qt's glyphs give alike where pixels would not.
box2_ink() {
  pdftoppm -f 1 -l 1 -r 50 -gray -x 30 -y 90 -W 130 -H 19 "$1" "$2" 2>/dev/null
  convert "$2"-*.pgm -format '%[fx:1-mean]' info:
}

need pdftoppm pdfinfo iconv cmp convert
start_cups
start_xvfb
isolate_program
[ ! -e "$overview" ] || fail "an overview file is there before the first run: $overview"

start_wine_mirelo first --ini "$ini" "$sample"
pid=$MIRELO_PID
wait_window "$pid" "$CAPTION"
window=$WINDOW
# The placeholder is selected: the first typed character replaces all of it.
type_overview "$window" "$line1" "$line2"

# The settings dialog: X scale one step up by its arrow, X offset typed.
open_settings "$pid" "$window"
click "$DIALOG" "$SETTINGS_UPDOWN2_UP"
click "$DIALOG" "$SETTINGS_EDIT4"
xdotool windowfocus --sync "$DIALOG" key ctrl+a type 25
xdotool key Tab
close_settings "$pid"

click "$window" "$BUTTON_PRINT_CURRENT"
wait_window "$pid" "$BOX_CAPTION"
expect_one_job 1
press_return "$WINDOW"
wait_for "the message box to close after Return" has_no_window "$pid" "$BOX_CAPTION"
click "$window" "$BUTTON_CLOSE"
wait_exit "$pid"
[ "$STATUS" -eq 0 ] || fail "mirelo.exe ended with status $STATUS after 閉じる"

# The kept file: code page 932, no mark, CR LF between the lines.
[ -f "$overview" ] || fail "閉じる did not keep the overview in $overview"
expect_kept_overview "$overview" "$line1"$'\r\n'"$line2" \
  "the overview file is not the typed text in code page 932 with CR LF"
log "the typed overview was kept in code page 932 with CR LF"

# The settings file holds the dialog's values.
for expected in Print.x_Bai=1.001 Print.x_offset=2.5 Print.y_Bai=1 Print.y_offset=0; do
  key=${expected%%=*}
  value=$(ini_value "$ini" "${key%%.*}" "${key#*.}")
  [ "$key=$value" = "$expected" ] || fail "control.ini has $key=$value, not $expected"
done
log "control.ini holds the scale set with the arrow and the offset typed"

# Box 2 of the printed page looks like the Debian build's page with the
# kept overview and these settings, and unlike its page without it.
"$MIRELO" --ini "$ini" --print-pdf "$WORK/with.pdf" "$sample" || fail "mirelo --print-pdf failed"
mv "$overview" "$WORK/kept-overview"
"$MIRELO" --ini "$ini" --print-pdf "$WORK/without.pdf" "$sample" || fail "mirelo --print-pdf failed"
mv "$WORK/kept-overview" "$overview"
printed=$(box2_ink "$JOB_PDF" "$WORK/printed")
with=$(box2_ink "$WORK/with.pdf" "$WORK/with")
without=$(box2_ink "$WORK/without.pdf" "$WORK/without")
awk -v p="$printed" -v a="$with" -v b="$without" 'BEGIN { exit !(p > a * 0.75 && p < a * 1.25 && b < a / 2) }' ||
  fail "box 2 of the printed page has ink $printed, the form with the overview $with, without it $without"
log "box 2 of the printed page holds the overview (ink $printed; the form with it $with, without it $without)"

# The next start loads the kept text into the field, the caret at its end.
start_wine_mirelo second --ini "$ini" "$sample"
pid=$MIRELO_PID
wait_window "$pid" "$CAPTION"
window=$WINDOW
click "$window" "$BUTTON_OVERVIEW"
type_text "$window" ' again'
click "$window" "$BUTTON_OVERVIEW"
click "$window" "$BUTTON_CLOSE"
wait_exit "$pid"
[ "$STATUS" -eq 0 ] || fail "the second run ended with status $STATUS after 閉じる"
expect_kept_overview "$overview" "$line1"$'\r\n'"$line2 again" \
  "the second run did not load the kept overview and add to its end"
log "the kept overview was loaded again, the caret at its end"

# The session ends (a logout, a shutdown) while the window is open: the
# window saves the settings and the overview as a close does.
rm -f "$ini"
type_then_end_session third ' bye' --ini "$ini" "$sample"
[ -s "$ini" ] || fail "the end of the session did not write control.ini"
expect_kept_overview "$overview" "$line1"$'\r\n'"$line2 again bye" \
  "the end of the session did not keep the overview"
log "PASSED: the overview was printed in box 2, kept and loaded again; the dialog's values reached control.ini; the end of the session saved both"
