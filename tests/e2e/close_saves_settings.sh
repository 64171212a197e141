#!/usr/bin/env bash
# The end of the session (SIGTERM on Debian, a logout under Windows) and, on
# Debian, SIGINT close the window the normal way: the program ends with
# status 0 and has written the settings file, code page 932 with CR LF,
# with the 15 keys in their order; a saved position places the window and
# is written back; one that no screen shows gives the first start's place.
# A settings file saved as "Unicode" (UTF-16LE with its mark, as Notepad
# saves it) is read and written back in UTF-16LE with every key.
source "$(dirname "$0")/lib.sh"

# The file's lines as UTF-8 without their CR LF; fails on any line that does
# not end with CR LF or any text that is not code page 932.
ini_lines() {
  local file=$1
  [ "$(tail -c 2 "$file" | od -An -tx1 | tr -d ' \n')" = 0d0a ] || fail "$file does not end with CR LF"
  [ "$(tr -cd '\n' <"$file" | wc -c)" -eq "$(grep -c $'\r$' "$file")" ] ||
    fail "$file has a line that does not end with CR LF"
  iconv -f CP932 -t UTF-8 "$file" | tr -d '\r' | grep -v '^$' ||
    fail "$file is not code page 932 text"
}

# close_with HOW INI : one run of the program on the sample, closed by HOW
# (end_session, or a signal's name); the window's id is then in WINDOW.
close_with() {
  local how=$1 ini=$2
  start_window "$how" --ini "$ini" "$SAMPLES/worked-example.txt"
  local pid=$MIRELO_PID
  wait_window "$pid" "$CAPTION"
  eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
  if [ "$how" = end_session ]; then end_session "$pid"; else kill "-$how" "$pid"; fi
  wait_exit "$pid"
  [ "$STATUS" -eq 0 ] || fail "mirelo ended with status $STATUS after $how"
  [ -s "$ini" ] || fail "$how did not write the settings file"
}

start_xvfb
isolate_program
offer_printer
ini=$WORK/control.ini

# First run without a settings file: every value at its default, the
# sections and keys in their order.
close_with end_session "$ini"
centred="$X,$Y"
expected=$(cat <<'INI'
[PrintForm]
Top=N
Left=N
[Gaikyou]
Size=10
Font=ＭＳ Ｐゴシック
Line=6
[Bikou]
Size=9
Font=ＭＳ Ｐゴシック
TabLen=15
[Hozon]
option=1
[Waku]
Width=10
[Print]
x_Bai=1
y_Bai=1
x_offset=0
y_offset=0
sw5=0
INI
)
actual=$(ini_lines "$ini" | sed -E 's/^(Top|Left)=-?[0-9]+$/\1=N/')
if [ "$actual" != "$expected" ]; then
  diff <(printf '%s\n' "$expected") <(printf '%s\n' "$actual") >&2 || true
  fail "the settings file written at the first close is not as expected (diff above)"
fi

# Second run with a position and a scale of its own: the window stands
# there, and the close writes both back, the rest unchanged. Debian's
# SIGINT (Ctrl+C in the terminal that started it) closes as SIGTERM does;
# Windows sends a program no signals.
sed -i -E 's/^Top=-?[0-9]+\r$/Top=120\r/; s/^Left=-?[0-9]+\r$/Left=60\r/; s/^x_Bai=1\r$/x_Bai=0.997\r/' "$ini"
before=$(ini_lines "$ini")
if on_debian; then close_with INT "$ini"; else close_with end_session "$ini"; fi
frame_at "$WINDOW" 60 120 || fail "the window stood at $X,$Y, not at the saved 60,120"
after=$(ini_lines "$ini")
if [ "$after" != "$before" ]; then
  diff <(printf '%s\n' "$before") <(printf '%s\n' "$after") >&2 || true
  fail "the second close changed the settings file (diff above)"
fi

# A place on a monitor that is gone: the window opens where the first start
# opened it, and the close writes that place.
sed -i -E 's/^Top=-?[0-9]+\r$/Top=20000\r/; s/^Left=-?[0-9]+\r$/Left=-30000\r/' "$ini"
close_with end_session "$ini"
[ "$X,$Y" = "$centred" ] || fail "the window saved off every screen stood at $X,$Y, not at the first start's $centred"
frame_at "$WINDOW" "$(ini_value "$ini" PrintForm Left)" "$(ini_value "$ini" PrintForm Top)" ||
  fail "the close did not write the place the window stood at"
log "the end of the session closed the window and wrote the settings; a place off every screen opened centred"

# Both builds, started with the same saved place and closed with "閉じる",
# write the same bytes: the Windows run is held against the Debian build.
if on_windows; then
  printf '[PrintForm]\r\nTop=60\r\nLeft=40\r\n' >"$WORK/start.ini"
  cp "$WORK/start.ini" "$WORK/windows.ini"
  cp "$WORK/start.ini" "$WORK/debian.ini"
  start_window windows --ini "$WORK/windows.ini" "$SAMPLES/large-survey.txt"
  wait_window "$MIRELO_PID" "$CAPTION"
  click "$WINDOW" "$BUTTON_CLOSE"
  wait_exit "$MIRELO_PID"
  start_process debian "$MIRELO" --ini "$WORK/debian.ini" "$SAMPLES/large-survey.txt"
  wait_window "$MIRELO_PID" "$CAPTION"
  click "$WINDOW" "$BUTTON_CLOSE"
  wait_exit "$MIRELO_PID"
  cmp "$WORK/debian.ini" "$WORK/windows.ini" >&2 || {
    diff <(iconv -f CP932 -t UTF-8 "$WORK/debian.ini") <(iconv -f CP932 -t UTF-8 "$WORK/windows.ini") >&2 || true
    fail "mirelo.exe wrote another control.ini than the Debian build (diff above)"
  }
  [ "$(grep -c '=' "$WORK/windows.ini")" -eq 15 ] || fail "control.ini does not hold the 15 keys"
  log "mirelo.exe wrote the same control.ini as the Debian build"
fi

# utf16_ini FILE : FILE's text as UTF-8 without CR, or fails when it does
# not begin with the UTF-16LE mark.
utf16_ini() {
  [ "$(head -c 2 "$1" | od -An -tx1 | tr -d ' \n')" = fffe ] || fail "$1 does not begin with the UTF-16LE mark"
  tail -c +3 "$1" | iconv -f UTF-16LE -t UTF-8 | tr -d '\r'
}
ini=$WORK/unicode.ini
{
  printf '\xff\xfe'
  printf '; 事務所の設定\r\n[PrintForm]\r\nTop=60\r\nLeft=40\r\n[Print]\r\nx_Bai=0.997\r\n' | iconv -f UTF-8 -t UTF-16LE
} >"$ini"
start_window unicode --ini "$ini" "$SAMPLES/worked-example.txt"
pid=$MIRELO_PID
wait_window "$pid" "$CAPTION"
window=$WINDOW
frame_at "$window" 40 60 || fail "the window stood at $X,$Y, not at the saved 40,60"
click "$window" "$BUTTON_CLOSE"
wait_exit "$pid"
[ "$STATUS" -eq 0 ] || fail "the run with UTF-16 settings ended with status $STATUS"
text=$(utf16_ini "$ini")
grep -qx '; 事務所の設定' <<<"$text" || fail "the UTF-16 file lost its comment: $text"
grep -qx 'x_Bai=0.997' <<<"$text" || fail "the UTF-16 file lost its scale: $text"
[ "$(grep -c '=' <<<"$text")" -eq 15 ] || fail "the UTF-16 file does not hold the 15 keys: $text"
grep -qx 'Font=ＭＳ Ｐゴシック' <<<"$text" || fail "the face name is not in the UTF-16 file: $text"
log "PASSED: the settings were written at every close, in the file's own encoding, and placed the window"
