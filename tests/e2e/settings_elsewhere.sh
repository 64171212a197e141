#!/usr/bin/env bash
# Settings that cannot be kept where they are never trap the window:
# - with a settings file that cannot be written, "閉じる" says so in one box
#   and, once it is answered, the window closes with the typed overview
#   kept; SIGTERM closes the same window without any box;
# - with the executable in a folder the user may not write, the settings go
#   to the user's own copy under $XDG_CONFIG_HOME/mirelo, which starts from
#   the shared file and is read in its place from then on; the shared file
#   stays as it was.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/dialogs.sh"

sample=$SAMPLES/worked-example.txt
overview=$SAMPLES/Gaikyo/$(basename "$sample")
need iconv cmp
start_xvfb
isolate_program

close_without_settings start_mirelo "$sample"

# SIGTERM: no box waits for a click; the overview is kept all the same.
start_mirelo term --ini "$UNWRITABLE_INI" "$sample"
pid=$MIRELO_PID
wait_window "$pid" "$CAPTION"
window=$WINDOW
click "$window" "$BUTTON_OVERVIEW"
xdotool key --delay 15 ctrl+a
type_text "$window" 'Kept at the end of the session'
click "$window" "$BUTTON_OVERVIEW"
kill -TERM "$pid"
wait_exit "$pid"
[ "$STATUS" -eq 0 ] || fail "SIGTERM with unwritable settings ended with status $STATUS"
expect_kept_overview "$overview" 'Kept at the end of the session' \
  "SIGTERM did not keep the overview"

# The executable in a folder the user may not write: a read-only mount where
# the scenario runs as the superuser (whom the folder's mode does not bind),
# else the folder's mode.
app=$WORK/app
mkdir -p "$app"
cp "$MIRELO" "$app/mirelo"
printf '[Print]\r\nx_Bai=0.997\r\n; kept by the office\r\n' >"$app/control.ini"
cp "$app/control.ini" "$WORK/shared-before"
# Called in the background, so that the program takes the job's process id.
run_from_app() {
  if [ "$(id -u)" -eq 0 ]; then
    exec unshare --mount sh -c 'mount --bind "$1" "$1" && mount -o remount,bind,ro "$1" && shift && exec "$@"' \
      sh "$app" "$app/mirelo" "$@"
  else
    exec "$app/mirelo" "$@"
  fi
}
if [ "$(id -u)" -eq 0 ]; then
  unshare --mount true 2>/dev/null || skip "no mount namespace for a read-only folder (unshare --mount)"
else
  chmod a-w "$app"
  on_exit "chmod u+w '$app'"
fi
own=$XDG_CONFIG_HOME/mirelo/control.ini
[ ! -e "$own" ] || fail "a user's copy is there before the first run: $own"

# First run: reads the shared file; the close writes the user's copy from it.
run_from_app "$sample" >"$WORK/mirelo-app1.log" 2>&1 &
pid=$!
MIRELO_PIDS+=("$pid")
wait_window "$pid" "$CAPTION"
kill -TERM "$pid"
wait_exit "$pid"
[ "$STATUS" -eq 0 ] || fail "the run from the read-only folder ended with status $STATUS"
[ -s "$own" ] || fail "the close did not write the user's copy $own"
cmp "$WORK/shared-before" "$app/control.ini" >&2 || fail "the shared settings file changed"
[ "$(ini_value "$own" Print x_Bai)" = 0.997 ] || fail "the user's copy did not start from the shared file"
grep -q '^; kept by the office' "$own" || fail "the user's copy lost a line of the shared file"

# Second run: the copy is read in preference to the shared file.
sed -i -E 's/^Top=-?[0-9]+\r$/Top=120\r/; s/^Left=-?[0-9]+\r$/Left=60\r/' "$own"
run_from_app "$sample" >"$WORK/mirelo-app2.log" 2>&1 &
pid=$!
MIRELO_PIDS+=("$pid")
wait_window "$pid" "$CAPTION"
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
kill -TERM "$pid"
wait_exit "$pid"
[ "$X,$Y" = "60,120" ] || fail "the window stood at $X,$Y, not at 60,120 from the user's copy"
cmp "$WORK/shared-before" "$app/control.ini" >&2 || fail "the shared settings file changed"
log "PASSED: unwritable settings did not hold the window, and the user's copy took their place"
