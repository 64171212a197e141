#!/usr/bin/env bash
# SIGTERM and SIGINT close the window the normal way: the program ends with
# status 0 and has written the settings file, code page 932 with CR LF, with
# the 15 keys in their order; a saved position places the window and is
# written back; one that no screen shows gives the first start's place.
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

# close_with SIGNAL INI : one run of the program on the sample, closed by SIGNAL.
close_with() {
  local signal=$1 ini=$2
  start_mirelo "$signal" --ini "$ini" "$SAMPLES/worked-example.txt"
  local pid=$MIRELO_PID
  wait_window "$pid" "$CAPTION"
  eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
  kill "-$signal" "$pid"
  wait_exit "$pid"
  [ "$STATUS" -eq 0 ] || fail "mirelo ended with status $STATUS after SIG$signal"
  [ -s "$ini" ] || fail "SIG$signal did not write the settings file"
}

start_xvfb
isolate_program
ini=$WORK/control.ini

# First run without a settings file: every value at its default, the
# sections and keys in their order.
close_with TERM "$ini"
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
# there, and SIGINT writes both back, the rest unchanged.
sed -i -E 's/^Top=-?[0-9]+\r$/Top=120\r/; s/^Left=-?[0-9]+\r$/Left=60\r/; s/^x_Bai=1\r$/x_Bai=0.997\r/' "$ini"
before=$(ini_lines "$ini")
close_with INT "$ini"
[ "$X,$Y" = "60,120" ] || fail "the window stood at $X,$Y, not at the saved 60,120"
after=$(ini_lines "$ini")
if [ "$after" != "$before" ]; then
  diff <(printf '%s\n' "$before") <(printf '%s\n' "$after") >&2 || true
  fail "the second close changed the settings file (diff above)"
fi

# A place on a monitor that is gone: the window opens where the first start
# opened it, and the close writes that place.
sed -i -E 's/^Top=-?[0-9]+\r$/Top=20000\r/; s/^Left=-?[0-9]+\r$/Left=-30000\r/' "$ini"
close_with TERM "$ini"
[ "$X,$Y" = "$centred" ] || fail "the window saved off every screen stood at $X,$Y, not at the first start's $centred"
[ "$(ini_value "$ini" PrintForm Left),$(ini_value "$ini" PrintForm Top)" = "$centred" ] ||
  fail "the close did not write the place the window stood at"
log "PASSED: SIGTERM and SIGINT closed the window and wrote the settings; a place off every screen opened centred"
