#!/usr/bin/env bash
# "印刷設定" opens the print settings dialog centred over the window. There
# the special-notes font size is set in the system's font dialog, the X
# scale is moved by its spinner's arrow and the X and Y offsets typed into
# their fields (a key that makes no number is not taken), and Tab from the
# last field reaches the check box; after "閉じる" the printed pages follow
# (more pages with the larger font, the page shifted by the offset). The
# close writes the values into the settings file, and the next start shows
# them in the dialog again.
source "$(dirname "$0")/lib.sh"

sample=$SAMPLES/large-survey.txt
ini=$WORK/control.ini
readonly NOTES_SIZE=20
# The fields of UpDown2 (X scale) and UpDown4 (X offset), as -crop geometry.
readonly SHOWN_FIELDS='241x22+104+224'

page_count() { form_pages "$1" "$sample"; }

# The picture of the two fields as the dialog shows them now.
picture_fields() {
  import -window "$DIALOG" -crop "$SHOWN_FIELDS" +repage "$1"
}

# Pictures the fields into FIELDS_SET once two pictures in a row agree, so
# the fields have been drawn after the last key.
fields_settled() {
  picture_fields "$WORK/fields-now.png"
  if [ -e "$WORK/fields-set.png" ] && cmp -s "$WORK/fields-now.png" "$WORK/fields-set.png"; then
    return 0
  fi
  mv "$WORK/fields-now.png" "$WORK/fields-set.png"
  sleep 0.3
  return 1
}

# Whether the fields look as they did when they were set.
fields_as_set() {
  picture_fields "$WORK/fields-shown.png"
  DIFFERENCE=$(compare -metric AE "$WORK/fields-set.png" "$WORK/fields-shown.png" null: 2>&1 || true)
  [ "${DIFFERENCE%% *}" = 0 ]
}

# "x y" of the first word of page 1 of a PDF, in points.
first_word_at() {
  pdftotext -f 1 -l 1 -bbox "$1" - |
    sed -n 's/.*<word xMin="\([0-9.]*\)" yMin="\([0-9.]*\)".*/\1 \2/p' | head -n 1
}

# near "X Y" "X Y" DX : whether the second point lies DX points right of the
# first, give or take half a point.
near() {
  awk -v a="$1" -v b="$2" -v dx="$3" 'BEGIN {
    split(a, p, " "); split(b, q, " ")
    d = q[1] - p[1] - dx; e = q[2] - p[2]
    exit !(d > -0.5 && d < 0.5 && e > -0.5 && e < 0.5) }'
}

need pdftotext pdfinfo iconv import compare
default_pages=$(page_count "$WORK/no-settings.ini")
[ -n "$default_pages" ] || fail "the layout dump gave no page count"

start_xvfb
isolate_program
offer_printer
start_window first --ini "$ini" "$sample"
pid=$MIRELO_PID
wait_window "$pid" "$CAPTION"
window=$WINDOW
open_settings "$pid" "$window"

# The special-notes font: its size typed into the font dialog.
click "$DIALOG" "$SETTINGS_NOTES_FONT"
wait_window "$pid" "$FONT_DIALOG_CAPTION"
font_dialog=$WINDOW
choose_font_size "$font_dialog" "$NOTES_SIZE"
wait_for "the font dialog to close after Return" has_no_window "$pid" "$FONT_DIALOG_CAPTION"

# The X scale one step up by its arrow; the X offset typed, then Tab.
click "$DIALOG" "$SETTINGS_UPDOWN2_UP"
click "$DIALOG" "$SETTINGS_EDIT4"
xdotool windowfocus --sync "$DIALOG" key ctrl+a type 25
xdotool key Tab
# The Y offset typed with a slip: the letter makes no number and is not
# taken. Then Tab from this last field goes to the check box of the blank
# line between groups (the controls in the form's order), where Space turns
# it on.
click "$DIALOG" "$SETTINGS_EDIT5"
xdotool windowfocus --sync "$DIALOG" key ctrl+a type 1x5
y_offset=1.5
xdotool windowfocus --sync "$DIALOG" key Tab
xdotool key space
sw5=1
click "$DIALOG" "$SETTINGS_RESTING_PLACE"
wait_for "the dialog's fields to be drawn" fields_settled
close_settings "$pid"
has_window "$pid" "$CAPTION" || fail "the main window is gone after the dialog closed"

# Every page as the window now prints it.
click "$window" "$BUTTON_PRINT_ALL"
wait_for_print_job "$pid"
pdf=$JOB_PDF
press_return "$BOX"
wait_for "the message box to close after Return" has_no_window "$pid" "$BOX_CAPTION"
click "$window" "$BUTTON_CLOSE"
wait_exit "$pid"
[ "$STATUS" -eq 0 ] || fail "mirelo ended with status $STATUS after 閉じる"

# The settings file holds what was set, the rest as before.
[ -s "$ini" ] || fail "閉じる did not write the settings file"
for expected in Bikou.Size=$NOTES_SIZE Print.x_Bai=1.001 Print.x_offset=2.5 Print.y_Bai=1 \
  Print.y_offset=$y_offset Gaikyou.Size=10 Gaikyou.Line=6 Bikou.TabLen=15 Waku.Width=10 Print.sw5=$sw5; do
  key=${expected%%=*}
  value=$(ini_value "$ini" "${key%%.*}" "${key#*.}")
  [ "$key=$value" = "$expected" ] || fail "the settings file has $key=$value, not $expected"
done
# Only the size was changed in the font dialog: the face stays the form's,
# though the dialog showed the family that stands in for it here.
face=$(ini_value "$ini" Bikou Font)
[ "$face" = "ＭＳ Ｐゴシック" ] || fail "the special-notes face became $face"
log "the settings file holds the dialog's values"

# The pages follow: the larger font needs more of them, and the printed ones
# are those the settings file now gives, shifted by the offset.
pages=$(page_count "$ini")
((pages > default_pages)) || fail "the special-notes font of $NOTES_SIZE points left $pages page(s), $default_pages before"
printed=$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p')
[ "$printed" = "$pages" ] || fail "the window printed $printed page(s), the settings give $pages"
"$MIRELO" --ini "$ini" --print-pdf "$WORK/expected.pdf" "$sample" || fail "mirelo --print-pdf failed"
sed 's/^x_offset=2.5\r$/x_offset=0\r/' "$ini" >"$WORK/no-offset.ini"
"$MIRELO" --ini "$WORK/no-offset.ini" --print-pdf "$WORK/no-offset.pdf" "$sample" || fail "mirelo --print-pdf failed"
# The program's own PDF printer keeps the text, whose place can be read
# back; a cups-pdf queue's PDF keeps none.
if [ -z "$CUPS_QUEUE" ]; then
at=$(first_word_at "$pdf")
near "$(first_word_at "$WORK/expected.pdf")" "$at" 0 ||
  fail "the printed page's first word stands at $at, not where the settings put it: $(first_word_at "$WORK/expected.pdf")"
# 2.5 mm is 7.09 points.
near "$(first_word_at "$WORK/no-offset.pdf")" "$at" 7.09 ||
  fail "the printed page is not shifted 2.5 mm right: its first word at $at, without the offset at $(first_word_at "$WORK/no-offset.pdf")"
log "the window printed $printed page(s), shifted 2.5 mm right, as the settings give"
fi

# The next start: the dialog shows the kept values, and closing it and the
# window changes nothing in the file.
cp "$ini" "$WORK/kept.ini"
start_window second --ini "$ini" "$sample"
pid=$MIRELO_PID
wait_window "$pid" "$CAPTION"
window=$WINDOW
open_settings "$pid" "$window"
click "$DIALOG" "$SETTINGS_RESTING_PLACE"
deadline=$((SECONDS + WAIT_LIMIT))
until fields_as_set; do
  ((SECONDS < deadline)) ||
    fail "the dialog shows other X scale and offset fields than were set ($DIFFERENCE pixels differ)"
  sleep 0.2
done
close_settings "$pid"
click "$window" "$BUTTON_CLOSE"
wait_exit "$pid"
[ "$STATUS" -eq 0 ] || fail "the second run ended with status $STATUS after 閉じる"
cmp "$WORK/kept.ini" "$ini" >&2 || fail "opening and closing the dialog changed the settings file"
log "PASSED: the dialog's font size, scale and offset took effect, were kept and shown again"
