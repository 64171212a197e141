#!/usr/bin/env bash
# mirelo.exe's settings file under Wine, where Windows puts it to the test:
# - a control.ini saved as "Unicode" (UTF-16LE with its mark) is read, its
#   window position used, and written back in UTF-16LE with every key;
# - a settings file that cannot be written is told in one box at "閉じる",
#   after which the window closes with the typed overview kept; the end of
#   the session closes it with no box at all;
# - run from a folder the user may not write, the settings go to the user's
#   copy in %LOCALAPPDATA%\Mirelo, starting from the shared file, and the
#   shared file stays as it was.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/../e2e/dialogs.sh"

sample=$SAMPLES/worked-example.txt
overview=$SAMPLES/Gaikyo/$(basename "$sample")
need iconv cmp
# A printer, so that no message of the show step comes before the window.
start_cups
start_xvfb
isolate_program

# utf16_ini FILE : FILE's text as UTF-8 without CR, or fails when it does
# not begin with the UTF-16LE mark.
utf16_ini() {
  [ "$(head -c 2 "$1" | od -An -tx1 | tr -d ' \n')" = fffe ] || fail "$1 does not begin with the UTF-16LE mark"
  tail -c +3 "$1" | iconv -f UTF-16LE -t UTF-8 | tr -d '\r'
}

# UTF-16LE settings, as Notepad saves them.
ini=$WORK/unicode.ini
{
  printf '\xff\xfe'
  printf '; 事務所の設定\r\n[PrintForm]\r\nTop=60\r\nLeft=40\r\n[Print]\r\nx_Bai=0.997\r\n' | iconv -f UTF-8 -t UTF-16LE
} >"$ini"
start_wine_mirelo unicode --ini "$ini" "$sample"
pid=$MIRELO_PID
wait_window "$pid" "$CAPTION"
window=$WINDOW
eval "$(xdotool getwindowgeometry --shell "$window")"
click "$window" "$BUTTON_CLOSE"
wait_exit "$pid"
[ "$STATUS" -eq 0 ] || fail "the run with UTF-16 settings ended with status $STATUS"
text=$(utf16_ini "$ini")
grep -qx '; 事務所の設定' <<<"$text" || fail "the UTF-16 file lost its comment: $text"
grep -qx 'x_Bai=0.997' <<<"$text" || fail "the UTF-16 file lost its scale: $text"
[ "$(grep -c '=' <<<"$text")" -eq 15 ] || fail "the UTF-16 file does not hold the 15 keys: $text"
grep -qx 'Font=ＭＳ Ｐゴシック' <<<"$text" || fail "the face name is not in the UTF-16 file: $text"
# The client area's corner stands below and right of the saved frame's.
((X >= 40 && X < 80 && Y >= 60 && Y < 120)) || fail "the window stood at $X,$Y, not at the saved 40,60"
log "control.ini in UTF-16LE was read and written back in UTF-16LE"

close_without_settings start_wine_mirelo "$sample"
log "閉じる told of the unwritable settings once and closed, the overview kept"

type_then_end_session session ' bye' --ini "$UNWRITABLE_INI" "$sample"
expect_kept_overview "$overview" $'Kept although the settings are not\r\nline two bye' \
  "the end of the session did not keep the overview"
log "the end of the session closed the window with no box, the overview kept"

# The executable in a folder the user may not write: a read-only mount where
# the scenario runs as the superuser (whom the folder's mode does not bind,
# nor Wine's server, which makes the files), else the folder's mode.
local_app_data=$(wine cmd /c 'echo %LOCALAPPDATA%' 2>/dev/null | tr -d '\r')
own=$(winepath -u "$local_app_data\\Mirelo\\control.ini" 2>/dev/null)
[ -n "$own" ] || fail "Wine did not name the local application data folder"
rm -f "$own"
on_exit "rm -f '$own'"
app=$WORK/app
mkdir -p "$app"
cp "$WIN_MIRELO" "$app/mirelo.exe"
printf '[Print]\r\nx_Bai=0.997\r\n; kept by the office\r\n' >"$app/control.ini"
cp "$app/control.ini" "$WORK/shared-before"
if [ "$(id -u)" -eq 0 ]; then
  mount --bind "$app" "$app" 2>/dev/null && mount -o remount,bind,ro "$app" 2>/dev/null ||
    skip "no read-only mount for the executable's folder"
  on_exit "umount '$app'"
else
  chmod a-w "$app"
  on_exit "chmod u+w '$app'"
fi
! touch "$app/probe" 2>/dev/null || fail "the executable's folder is still writable"
wine "$app/mirelo.exe" "$sample" >"$WORK/mirelo-app.log" 2>&1 &
pid=$!
MIRELO_PIDS+=("$pid")
wait_window "$pid" "$CAPTION"
click "$WINDOW" "$BUTTON_CLOSE"
wait_exit "$pid"
[ "$STATUS" -eq 0 ] || fail "the run from the read-only folder ended with status $STATUS"
[ -s "$own" ] || fail "the close did not write the user's copy $own"
cmp "$WORK/shared-before" "$app/control.ini" >&2 || fail "the shared settings file changed"
[ "$(ini_value "$own" Print x_Bai)" = 0.997 ] || fail "the user's copy did not start from the shared file"
grep -q '^; kept by the office' "$own" || fail "the user's copy lost a line of the shared file"
log "PASSED: UTF-16 settings kept their encoding, unwritable settings did not hold the window, and the user's copy took the shared file's place"
