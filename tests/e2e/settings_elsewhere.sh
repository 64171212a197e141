#!/usr/bin/env bash
# Settings that cannot be kept where they are never trap the window:
# - with a settings file that cannot be written, "閉じる" says so in one box
#   and, once it is answered, the window closes with the typed overview
#   kept; the end of the session closes the same window without any box;
# - with the executable in a folder the user may not write, the settings go
#   to the user's own copy (Debian: $XDG_CONFIG_HOME/mirelo, Windows:
#   %LOCALAPPDATA%\Mirelo), which starts from the shared file and is read
#   in its place from then on; the shared file stays as it was.
source "$(dirname "$0")/lib.sh"

sample=$SAMPLES/worked-example.txt
overview=$SAMPLES/Gaikyo/$(basename "$sample")
need iconv cmp
start_xvfb
isolate_program
offer_printer

close_without_settings "$sample"
log "閉じる told of the unwritable settings once and closed, the overview kept"

# The end of the session: no box waits for a click; the overview is kept
# all the same.
type_then_end_session session ' bye' --ini "$UNWRITABLE_INI" "$sample"
[ "$STATUS" -eq 0 ] || fail "the end of the session with unwritable settings ended with status $STATUS"
expect_kept_overview "$overview" $'Kept although the settings are not\r\nline two bye' \
  "the end of the session did not keep the overview"
log "the end of the session closed the window with no box, the overview kept"

# The executable in a folder the user may not write: a read-only mount where
# the scenario runs as the superuser (whom the folder's mode does not bind,
# nor Wine's server, which makes the files), else the folder's mode.
own=$(users_settings_copy)
[ -n "$own" ] || fail "no place for the user's settings"
rm -f "$own"
on_exit "rm -f '$own'"
app=$WORK/app
mkdir -p "$app"
cp "$PROGRAM" "$app/$PROGRAM_FILE"
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

# First run: reads the shared file; the close writes the user's copy from it.
PROGRAM=$app/$PROGRAM_FILE start_window app1 "$sample"
pid=$MIRELO_PID
wait_window "$pid" "$CAPTION"
click "$WINDOW" "$BUTTON_CLOSE"
wait_exit "$pid"
[ "$STATUS" -eq 0 ] || fail "the run from the read-only folder ended with status $STATUS"
[ -s "$own" ] || fail "the close did not write the user's copy $own"
cmp "$WORK/shared-before" "$app/control.ini" >&2 || fail "the shared settings file changed"
[ "$(ini_value "$own" Print x_Bai)" = 0.997 ] || fail "the user's copy did not start from the shared file"
grep -q '^; kept by the office' "$own" || fail "the user's copy lost a line of the shared file"

# Second run: the copy is read in preference to the shared file.
sed -i -E 's/^Top=-?[0-9]+\r$/Top=120\r/; s/^Left=-?[0-9]+\r$/Left=60\r/' "$own"
PROGRAM=$app/$PROGRAM_FILE start_window app2 "$sample"
pid=$MIRELO_PID
wait_window "$pid" "$CAPTION"
frame_at "$WINDOW" 60 120 || fail "the window stood at $X,$Y, not at 60,120 from the user's copy"
end_session "$pid"
wait_exit "$pid"
cmp "$WORK/shared-before" "$app/control.ini" >&2 || fail "the shared settings file changed"
log "PASSED: unwritable settings did not hold the window, and the user's copy took the shared file's place"
