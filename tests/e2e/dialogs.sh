# shellcheck shell=bash disable=SC2034
# Steps with the window's input field and dialogs, shared by the scenarios
# and scripts/screenshot. Sourced by lib.sh.

# SpeedButton5 lies on the page, 96,152 89x33 inside the scroll box, whose
# top is 49 below the window's; the page starts unscrolled.
readonly BUTTON_OVERVIEW='140 217'
readonly BUTTON_SETTINGS='724 20'

# The print settings dialog: 486 x 360, centred over the main window.
readonly SETTINGS_CAPTION='印刷設定'
readonly SETTINGS_SIZE='486 x 360'
# Centres of its controls, and a spot of no control for the mouse to rest.
readonly SETTINGS_CLOSE='423 20'
readonly SETTINGS_CHANGE_PRINTER='96 24'
readonly SETTINGS_NOTES_FONT='96 152'
readonly SETTINGS_UPDOWN2_UP='169 229'
readonly SETTINGS_EDIT4='300 235'
readonly SETTINGS_EDIT5='300 283'
readonly SETTINGS_RESTING_PLACE='470 350'

# The file dialog of the program's own PDF printer, which the program offers
# where the system has no printer.
readonly PDF_DIALOG_CAPTION='PDFファイルに保存'

# type_text WINDOW TEXT : gives the window the keyboard focus and types TEXT.
type_text() {
  xdotool windowfocus --sync "$1" type --delay 15 "$2"
}

# type_overview WINDOW LINE1 LINE2 : opens the overview field with its
# button, types two lines over the selected placeholder, and closes it.
type_overview() {
  local window=$1
  click "$window" "$BUTTON_OVERVIEW"
  type_text "$window" "$2"
  xdotool key --delay 15 Return
  type_text "$window" "$3"
  click "$window" "$BUTTON_OVERVIEW"
}

# open_settings PID WINDOW : opens the print settings dialog from the main
# window and checks its size and place; its id is then in DIALOG.
open_settings() {
  local pid=$1 window=$2
  click "$window" "$BUTTON_SETTINGS"
  wait_window "$pid" "$SETTINGS_CAPTION"
  DIALOG=$WINDOW
  local main_x main_y main_w main_h
  eval "$(xdotool getwindowgeometry --shell "$window")"
  main_x=$X main_y=$Y main_w=$WIDTH main_h=$HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$DIALOG")"
  [ "$WIDTH x $HEIGHT" = "$SETTINGS_SIZE" ] || fail "the settings dialog is $WIDTH x $HEIGHT, not $SETTINGS_SIZE"
  # Centred: the same space left and right, above and below, give or take
  # the pixel of an odd difference.
  local dx=$(((X - main_x) - (main_x + main_w - X - WIDTH)))
  local dy=$(((Y - main_y) - (main_y + main_h - Y - HEIGHT)))
  ((dx >= -2 && dx <= 2 && dy >= -2 && dy <= 2)) ||
    fail "the settings dialog at $X,$Y is not centred over the window at $main_x,$main_y ($main_w x $main_h)"
}

# close_settings PID : "閉じる" in the dialog; waits until it is gone.
close_settings() {
  click "$DIALOG" "$SETTINGS_CLOSE"
  wait_for "the settings dialog to close after 閉じる" has_no_window "$1" "$SETTINGS_CAPTION"
}

# other_window PID : the id of a visible window of PID that is neither the
# main window (WINDOW_MAIN) nor the settings dialog (DIALOG), in OTHER: the
# system's font or printer set-up dialog, whatever its caption; false while
# there is none.
other_window() {
  OTHER=$(xdotool search --all --onlyvisible --pid "$1" --name '.' 2>/dev/null |
    grep -vx -e "${WINDOW_MAIN:-none}" -e "${DIALOG:-none}" | head -n 1 || true)
  [ -n "$OTHER" ]
}

# window_gone PID ID : whether the window ID of PID is no longer shown.
window_gone() {
  ! xdotool search --all --onlyvisible --pid "$1" --name '.' 2>/dev/null | grep -qx "$2"
}

# choose_font_size DIALOG SIZE : in the font dialog, the size typed into its
# size field (its label's shortcut Alt+S, "サイズ(&S)", goes there and
# selects the size), then OK.
choose_font_size() {
  xdotool windowfocus --sync "$1" key alt+s type "$2"
  xdotool key Return
}

# close_without_settings SAMPLE : starts the window with a settings file
# that no user can write (a file stands in its folder's place), types an
# overview and clicks "閉じる": one box says so, and once it is answered the
# window closes with status 0 and the overview kept. The settings file's
# path is then in UNWRITABLE_INI.
close_without_settings() {
  local sample=$1
  : >"$WORK/not-a-folder"
  UNWRITABLE_INI=$WORK/not-a-folder/control.ini
  start_window unwritable --ini "$UNWRITABLE_INI" "$sample"
  local pid=$MIRELO_PID
  wait_window "$pid" "$CAPTION"
  type_overview "$WINDOW" 'Kept although the settings are not' 'line two'
  click "$WINDOW" "$BUTTON_CLOSE"
  wait_window "$pid" "$BOX_CAPTION"
  press_return "$WINDOW"
  wait_exit "$pid"
  [ "$STATUS" -eq 0 ] || fail "the close with unwritable settings ended with status $STATUS"
  expect_kept_overview "$SAMPLES/Gaikyo/$(basename "$sample")" \
    $'Kept although the settings are not\r\nline two' \
    "the overview was not kept by the close that could not write the settings"
  [ ! -e "$UNWRITABLE_INI" ] || fail "a settings file appeared below a file"
}

# type_then_end_session NAME TEXT ARGS... : starts the window with ARGS,
# types TEXT at the end of the overview, closes the input, then ends the
# session (a logout, a shutdown) and waits for the program to end.
type_then_end_session() {
  local name=$1 text=$2
  shift 2
  start_window "$name" "$@"
  local pid=$MIRELO_PID
  wait_window "$pid" "$CAPTION"
  local window=$WINDOW
  click "$window" "$BUTTON_OVERVIEW"
  type_text "$window" "$text"
  click "$window" "$BUTTON_OVERVIEW"
  end_session "$pid"
  wait_exit "$pid"
}
