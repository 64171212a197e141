# Shared steps of the end-to-end scenarios, which run against either build:
# a private X server, a private CUPS server with a PDF queue, the real
# window, bounded waits and the checks on what the program wrote. What
# differs between the builds (how the program is started, closed by the
# session, where the user's settings go, the system's font dialog) is a
# step of the same name in the build's own file, tests/e2e/debian.sh or
# tests/wine/windows.sh, sourced at the end. Each scenario is called as
#   SCENARIO.sh debian MIRELO SAMPLES_DIR
#   SCENARIO.sh windows LINUX_MIRELO SAMPLES_DIR MIRELO_EXE WHEEL_PROBE_EXE
# (the Debian build's mirelo is the reference of the headless outputs on
# both) and exits 0 (passed), 1 (failed) or 77 (skipped, with the reason).

set -Eeuo pipefail
# cupsd and lpadmin live in sbin, which a user's PATH may lack.
PATH=$PATH:/usr/sbin:/sbin
# A step that fails without a message of its own still says where.
trap 'log "FAILED: \"$BASH_COMMAND\" ended with status $? (${BASH_SOURCE[0]##*/} line $LINENO)"' ERR

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
readonly USAGE="usage: $0 debian MIRELO SAMPLES_DIR | $0 windows LINUX_MIRELO SAMPLES_DIR MIRELO_EXE WHEEL_PROBE_EXE"
BUILD=${1:-}
case $BUILD in
  debian | windows) ;;
  *) printf '%s\n' "$USAGE" >&2; exit 2 ;;
esac
MIRELO=${2:?$USAGE}
SAMPLES=${3:?$USAGE}
MIRELO=$(cd "$(dirname "$MIRELO")" && pwd)/$(basename "$MIRELO")
SAMPLES=$(cd "$SAMPLES" && pwd)

readonly CAPTION='蒼浦市版 認定調査票（概況調査/特記事項）プレビュー'
readonly BOX_CAPTION='ミレロ'
readonly JOB_TITLE='Mirelo'
# How long any one awaited event may take before the scenario fails.
readonly WAIT_LIMIT=${E2E_WAIT_LIMIT:-20}

# Centres of the tool buttons inside the window at 96 dots per inch.
readonly BUTTON_PRINT_ALL='52 20'
readonly BUTTON_PRINT_CURRENT='156 20'
readonly BUTTON_PREVIOUS='332 20'
readonly BUTTON_NEXT='428 20'
readonly BUTTON_CLOSE='844 20'

WORK=$(mktemp -d "${TMPDIR:-/tmp}/mirelo-e2e.XXXXXX")
chmod 755 "$WORK"
# The window keeps overviews beside the data file: the scenarios work on
# copies of the samples whose overview folder is already there, so no notice
# waits for a click and nothing is written beside the repository's samples.
mkdir -p "$WORK/samples/Gaikyo"
cp "$SAMPLES"/*.txt "$WORK/samples/"
SAMPLES=$WORK/samples
XVFB_PID=
CUPSD_LAUNCHER=
CUPS_QUEUE=
MIRELO_PIDS=()
declare -A MIRELO_LOGS=()  # pid -> the file its output goes to
CLEANUPS=()

log() { printf '%s\n' "$*" >&2; }

# Everything the scenario started is stopped and removed, on every way out.
cleanup() {
  local status=$?
  trap - EXIT INT TERM
  local pid
  for pid in "${MIRELO_PIDS[@]}"; do
    kill -KILL "$pid" 2>/dev/null || true
    { wait "$pid"; } 2>/dev/null || true
  done
  local step
  for step in "${CLEANUPS[@]}"; do
    eval "$step" || true
  done
  rm -rf "$WORK" 2>/dev/null || as_root rm -rf "$WORK" || true
  exit "$status"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

on_exit() { CLEANUPS=("$1" "${CLEANUPS[@]}"); }

skip() {
  log "SKIPPED: $*"
  exit 77
}

# Shows what the programs said, then ends the scenario as failed.
fail() {
  log "FAILED: $*"
  local f
  for f in "$WORK"/mirelo-*.log; do
    [ -s "$f" ] && { log "--- $(basename "$f"):"; tail -n 40 "$f" >&2; }
  done
  exit 1
}

need() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed (scripts/setup-deps installs it)"
  done
}

# wait_for WHAT CMD... : runs CMD until it succeeds, at most WAIT_LIMIT seconds.
wait_for() {
  local what=$1
  shift
  local deadline=$((SECONDS + WAIT_LIMIT))
  until "$@"; do
    ((SECONDS < deadline)) || fail "$what: not within ${WAIT_LIMIT} s"
    sleep 0.2
  done
}

# Runs a command as root: directly when we are root, else through sudo
# without a password prompt.
as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  else
    sudo -n "$@"
  fi
}

can_be_root() {
  [ "$(id -u)" -eq 0 ] || { command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; }
}

# ---------------------------------------------------------------- X server

# An X server of our own on the first free display, 96 dots per inch; no
# window manager, so windows stand where the program puts them and take
# the keyboard focus when given it.
start_xvfb() {
  need Xvfb xdotool
  local fifo=$WORK/displayfd
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp -noreset \
    3>"$fifo" >"$WORK/xvfb.log" 2>&1 &
  XVFB_PID=$!
  on_exit 'kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null'
  local display=
  # The server writes its display number once it accepts clients; if it
  # dies first, the read ends with nothing.
  read -r -t "$WAIT_LIMIT" display <"$fifo" || true
  if [ -z "$display" ]; then
    skip "Xvfb could not start: $(tail -n 3 "$WORK/xvfb.log" | tr '\n' ' ')"
  fi
  export DISPLAY=:$display
  log "Xvfb on $DISPLAY"
}

# --------------------------------------------------------------- the program

# Every scenario runs the program in surroundings of its own: its own
# single-instance lock folder, home, and printers (none unless a CUPS server
# of the scenario's is started).
isolate_program() {
  XDG_RUNTIME_DIR=$(mktemp -d "$WORK/runtime.XXXXXX")
  chmod 700 "$XDG_RUNTIME_DIR"
  export XDG_RUNTIME_DIR
  mkdir -p "$WORK/home"
  export HOME=$WORK/home
  export XDG_CONFIG_HOME=$HOME/.config XDG_CACHE_HOME=$HOME/.cache
  export QT_QPA_PLATFORM=xcb
  unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR \
    QT_ENABLE_HIGHDPI_SCALING QT_FONT_DPI PRINTER LPDEST
  export CUPS_SERVER=${CUPS_SERVER:-$WORK/no-cups-server}
}

# A session bus of our own, behind which the accessibility bus starts when
# first asked, so that the controls of the program's windows can be read as
# a screen reader reads them (accessible_controls). Programs started
# afterwards turn their accessibility bridge on.
start_accessibility() {
  need dbus-daemon
  [ -x /usr/libexec/at-spi-bus-launcher ] || skip "the accessibility bus is not installed (at-spi2-core)"
  /usr/bin/python3 -c 'import gi; gi.require_version("Gio", "2.0")' 2>/dev/null ||
    skip "Python's GObject bindings are not installed (python3-gi)"
  local out
  out=$(dbus-daemon --session --fork --print-address=1 --print-pid=1 2>"$WORK/dbus.log") ||
    skip "the session bus could not start: $(tail -n 3 "$WORK/dbus.log" | tr '\n' ' ')"
  DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$out")
  DBUS_PID=$(sed -n 2p <<<"$out")
  on_exit 'kill "$DBUS_PID" 2>/dev/null'
  export DBUS_SESSION_BUS_ADDRESS QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  log "session bus $DBUS_SESSION_BUS_ADDRESS"
}

# accessible_controls TITLE : the controls of the window TITLE, one
# "role: name" a line, indented by depth; fails when there is no such window.
accessible_controls() {
  /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/accessible_tree.py" "$1"
}

# start_process NAME COMMAND... : runs COMMAND in the background; its pid is
# in MIRELO_PID, its output in $WORK/mirelo-NAME.log. Each build's
# start_window calls it with the build's own start command.
start_process() {
  local name=$1
  shift
  "$@" >"$WORK/mirelo-$name.log" 2>&1 &
  MIRELO_PID=$!
  MIRELO_PIDS+=("$MIRELO_PID")
  MIRELO_LOGS[$MIRELO_PID]="$WORK/mirelo-$name.log"
}

running() { kill -0 "$1" 2>/dev/null; }

# The visible windows of process PID whose whole title is TITLE, one id a line.
windows_of() {
  local pid=$1 title=$2
  xdotool search --all --onlyvisible --pid "$pid" --name "^${title}\$" 2>/dev/null || true
}

has_window() { [ -n "$(windows_of "$1" "$2")" ]; }
has_no_window() { [ -z "$(windows_of "$1" "$2")" ]; }

# stacks_of PID : where every thread of a program that keeps the scenario
# waiting stands, into its log, so that a start that never shows its window
# says why (where gdb is installed).
stacks_of() {
  local log=${MIRELO_LOGS[$1]:-}
  [ -n "$log" ] && running "$1" || return 0
  { echo "--- the visible windows of pid $1: $(xdotool search --onlyvisible --pid "$1" --name '' getwindowname %@ 2>/dev/null | tr '\n' '|')"
    echo "--- the threads of pid $1 while the scenario waited:"
    command -v gdb >/dev/null 2>&1 &&
      timeout 30 gdb -p "$1" -batch -ex 'thread apply all bt 30' 2>/dev/null | grep -E '^(Thread|#)' ; } >>"$log" || true
}

# wait_window PID TITLE : waits for the window and puts its id in WINDOW;
# fails early when the process ends first.
wait_window() {
  local pid=$1 title=$2
  local deadline=$((SECONDS + WAIT_LIMIT))
  local ids
  while :; do
    ids=$(windows_of "$pid" "$title")
    [ -n "$ids" ] && break
    if ! running "$pid"; then
      wait_exit "$pid"
      fail "the window \"$title\" did not appear: mirelo (pid $pid) ended with status $STATUS"
    fi
    if ((SECONDS >= deadline)); then
      stacks_of "$pid"
      fail "the window \"$title\" of pid $pid: not within ${WAIT_LIMIT} s"
    fi
    sleep 0.2
  done
  WINDOW=$(printf '%s\n' "$ids" | head -n 1)
}

# wait_exit PID [EXPECTED] : waits for the process to end and puts its exit
# status in STATUS (128 + N after signal N); EXPECTED, 0 unless given, is
# what the scenario checks it against.
wait_exit() {
  local pid=$1 expected=${2:-0}
  wait_for "the end of mirelo (pid $pid)" process_gone "$pid"
  STATUS=0
  wait "$pid" || STATUS=$?
  # In the sanitizer build the leak check runs as the program ends, and its
  # tracer now and then crashes on a thread the toolkit is ending (the
  # runtime's own fault, reported as "Tracer caught signal"; no leak). The
  # program's status is then lost: the plain build's run of the same
  # scenario checks it, so here the scenario goes on.
  local output=${MIRELO_LOGS[$pid]:-}
  if [ "$STATUS" -ne 0 ] && [ -n "$output" ] &&
     grep -q '^Tracer caught signal' "$output" &&
     grep -q 'LeakSanitizer has encountered a fatal error' "$output" &&
     ! grep -q 'ERROR: LeakSanitizer: detected memory leaks' "$output"; then
    log "the leak check's tracer crashed as mirelo ended (status $STATUS); the plain build checks the status"
    STATUS=$expected
  fi
}

process_gone() { ! running "$1"; }

# form_pages INI SAMPLE : the form's page count for the sample with the
# settings file, from the Debian build's layout dump.
form_pages() {
  "$MIRELO" --ini "$1" --dump-layout "$2" | sed -n 's/^ *"PageCount": *\([0-9]*\),*$/\1/p'
}

# long_sample : the sample of two pages or more in SAMPLE, its page count
# with the default settings in PAGES.
long_sample() {
  SAMPLE=$SAMPLES/large-survey.txt
  PAGES=$(form_pages "$WORK/no-settings.ini" "$SAMPLE")
  [ "${PAGES:-0}" -ge 2 ] || fail "the sample should have two pages or more, the layout dump says '${PAGES}'"
}

# ini_value FILE SECTION KEY : the value of one key of a settings file.
ini_value() {
  iconv -f CP932 -t UTF-8 "$1" | tr -d '\r' |
    awk -v section="[$2]" -v key="$3" '
      /^\[/ { inside = ($0 == section); next }
      inside && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }'
}

# expect_kept_overview FILE TEXT WHAT : FILE holds TEXT (UTF-8, lines
# joined by CR LF) in code page 932, or the scenario fails saying WHAT.
expect_kept_overview() {
  printf '%s' "$2" | iconv -f UTF-8 -t CP932 >"$WORK/expected-overview"
  cmp "$WORK/expected-overview" "$1" >&2 || fail "$3: $(od -An -c "$1" | head -n 4)"
}

# click WINDOW "X Y" : a left click at X, Y inside the window.
click() {
  local window=$1 x y
  read -r x y <<<"$2"
  xdotool mousemove --window "$window" "$x" "$y" click 1
}

# has_own_icon WINDOW : the window shows the program's icon, not the
# system's: its _NET_WM_ICON holds the overview field's pale yellow
# (ARGB ffffff88).
has_own_icon() {
  local icon
  icon=$(xprop -id "$1" -notype 32c _NET_WM_ICON 2>/dev/null || true)
  [[ ",$icon," == *", 4294967176,"* ]]
}

# Gives the window the keyboard focus and presses Return in it.
press_return() {
  xdotool windowfocus --sync "$1" key Return
}

# ------------------------------------------------------------- CUPS server

percent_encode() {
  local LC_ALL=C
  local s=$1 out= c i
  for ((i = 0; i < ${#s}; i++)); do
    c=${s:i:1}
    case $c in
      [A-Za-z0-9._~-]) out+=$c ;;
      *) out+=$(printf '%%%02X' "'$c") ;;
    esac
  done
  printf '%s' "$out"
}

# A CUPS server of our own, listening only on a socket in $WORK, with one
# cups-pdf queue as its default printer. CUPS_SERVER names it for every
# client started afterwards. PDF_OUT is the folder of the printed PDFs.
#
# cups-pdf is a root backend that reads its settings (its output folder
# among them) only from /etc/cups; for a device URI cups-pdf:/NAME it reads
# /etc/cups/cups-pdf-NAME.conf. So the queue gets a unique name and a
# settings file of that name, which is removed again at the end; the
# system's own cups-pdf.conf is neither read nor changed.
start_cups() {
  need cupsd lpadmin lpstat ipptool pdfinfo
  [ -e /usr/lib/cups/backend/cups-pdf ] || skip "the cups-pdf backend is not installed (printer-driver-cups-pdf)"
  local ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
  [ -r "$ppd" ] || skip "the cups-pdf PPD is missing: $ppd"
  can_be_root || skip "the CUPS server and its cups-pdf backend need root (or sudo without a password)"

  local dir=$WORK/cups
  mkdir -p "$dir"/{etc/ppd,etc/ssl,spool/tmp,cache,state,log,cups-pdf-spool,pdf}
  chmod 755 "$dir" "$dir/pdf"
  CUPS_SOCKET=$dir/cups.sock
  PDF_OUT=$dir/pdf
  CUPS_QUEUE=mirelo-e2e-${WORK##*.}

  cat >"$dir/etc/cups-files.conf" <<CONF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
SystemGroup root
FileDevice No
CONF
  cat >"$dir/etc/cupsd.conf" <<CONF
LogLevel info
Listen $CUPS_SOCKET
Browsing No
BrowseLocalProtocols none
WebInterface No
<Location />
  Order allow,deny
  Allow localhost
</Location>
<Policy default>
  JobPrivateAccess default
  JobPrivateValues default
  SubscriptionPrivateAccess default
  SubscriptionPrivateValues default
  <Limit CUPS-Add-Modify-Printer CUPS-Delete-Printer CUPS-Add-Modify-Class CUPS-Delete-Class CUPS-Set-Default Pause-Printer Resume-Printer Enable-Printer Disable-Printer Purge-Jobs Set-Printer-Attributes CUPS-Accept-Jobs CUPS-Reject-Jobs>
    AuthType Default
    Require user @SYSTEM
    Order deny,allow
  </Limit>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF

  local conf=/etc/cups/cups-pdf-$CUPS_QUEUE.conf
  on_exit "as_root rm -f '$conf'"
  printf 'Out %s\nAnonDirName %s\nSpool %s\nLog %s\n' \
    "$PDF_OUT" "$PDF_OUT" "$dir/cups-pdf-spool" "$dir/log" |
    as_root tee "$conf" >/dev/null ||
    skip "cannot write the queue's cups-pdf settings $conf"

  # The launcher notes its pid, which cupsd then takes over, so that the
  # server is stopped by its own pid also when sudo started it.
  as_root sh -c 'echo $$ >"$1" && shift && exec "$@"' sh "$dir/cupsd.pid" \
    cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" >"$dir/log/cupsd.out" 2>&1 &
  CUPSD_LAUNCHER=$!
  on_exit 'stop_cups'

  local deadline=$((SECONDS + WAIT_LIMIT))
  until LC_ALL=C lpstat -h "$CUPS_SOCKET" -r 2>/dev/null | grep -q 'is running'; do
    if ! running "$CUPSD_LAUNCHER" || ((SECONDS >= deadline)); then
      skip "the CUPS server could not start: $(cat "$dir/log/cupsd.out" 2>/dev/null | tail -n 3 | tr '\n' ' ')$(as_root tail -n 3 "$dir/log/error_log" 2>/dev/null | tr '\n' ' ')"
    fi
    sleep 0.2
  done

  as_root lpadmin -h "$CUPS_SOCKET" -p "$CUPS_QUEUE" -E -v "cups-pdf:/$CUPS_QUEUE" -P "$ppd" 2>/dev/null ||
    skip "lpadmin could not add the cups-pdf queue to the test's CUPS server"
  as_root lpadmin -h "$CUPS_SOCKET" -d "$CUPS_QUEUE" ||
    skip "lpadmin could not make the queue the default"
  export CUPS_SERVER=$CUPS_SOCKET
  local default
  default=$(LC_ALL=C lpstat -d 2>/dev/null || true)
  [ "$default" = "system default destination: $CUPS_QUEUE" ] ||
    fail "the test's CUPS server does not report its queue as the default: '$default'"
  IPP_URI="ipp://$(percent_encode "$CUPS_SOCKET")/printers/$CUPS_QUEUE"
  log "CUPS on $CUPS_SOCKET, default queue $CUPS_QUEUE"
}

stop_cups() {
  [ -n "$CUPSD_LAUNCHER" ] || return 0
  local pid
  pid=$(cat "$WORK/cups/cupsd.pid" 2>/dev/null) && as_root kill "$pid" 2>/dev/null
  local i
  for i in $(seq 50); do running "$CUPSD_LAUNCHER" || break; sleep 0.1; done
  wait "$CUPSD_LAUNCHER" 2>/dev/null || true
  CUPSD_LAUNCHER=
}

# The jobs of the test's queue in state WHICH ("completed" or
# "not-completed"), one line each: id,name,state,impressions.
queue_jobs() {
  local which=$1
  cat >"$WORK/get-jobs.test" <<TEST
{
  NAME "Get-Jobs $which"
  OPERATION Get-Jobs
  GROUP operation-attributes-tag
  ATTR charset attributes-charset utf-8
  ATTR naturalLanguage attributes-natural-language en
  ATTR uri printer-uri \$uri
  ATTR name requesting-user-name $(id -un)
  ATTR keyword which-jobs $which
  ATTR keyword requested-attributes job-id,job-name,job-state,job-impressions-completed
  STATUS successful-ok
  DISPLAY job-id
  DISPLAY job-name
  DISPLAY job-state
  DISPLAY job-impressions-completed
}
TEST
  ipptool -c "$IPP_URI" "$WORK/get-jobs.test" | tail -n +2
}

# The jobs the scenario's printing has finished so far.
JOBS_DONE=0

# wait_for_print_job PID [PAGES] : after a print button of the window of
# PID, waits for the job and the message box that follows it (its id then
# in BOX), and checks the job as expect_job does. Without a CUPS server the
# Debian build prints on its own PDF printer: its file dialog is given a
# name, and the PDF must have PAGES pages. The printed PDF is then in
# JOB_PDF.
wait_for_print_job() {
  local pid=$1 pages=${2:-}
  if [ -n "$CUPS_QUEUE" ]; then
    wait_window "$pid" "$BOX_CAPTION"
    BOX=$WINDOW
    expect_job "$pages"
    return
  fi
  JOBS_DONE=$((JOBS_DONE + 1))
  JOB_PDF=$WORK/job-$JOBS_DONE.pdf
  wait_window "$pid" "$PDF_DIALOG_CAPTION"
  type_text "$WINDOW" "$JOB_PDF"
  xdotool key Return
  wait_window "$pid" "$BOX_CAPTION"
  BOX=$WINDOW
  [ -s "$JOB_PDF" ] || fail "the PDF printer wrote no $JOB_PDF"
  expect_pdf_pages "$pages"
}

# expect_pdf_pages [PAGES] : JOB_PDF has PAGES pages (when given).
expect_pdf_pages() {
  local got
  got=$(pdfinfo "$JOB_PDF" | sed -n 's/^Pages: *//p')
  [ -z "$1" ] || [ "$got" = "$1" ] || fail "the printed PDF has $got pages, expected $1"
  log "job $JOBS_DONE, $got page(s)"
}

jobs_finished() {
  [ -z "$(queue_jobs not-completed)" ] && [ "$(queue_jobs completed | grep -c .)" -ge "$JOBS_DONE" ]
}

# expect_job [PAGES] : waits until the scenario's queue has finished its
# jobs and checks that it finished exactly one more, titled "Mirelo",
# completed, whose PDF (the one new file in PDF_OUT, moved to JOB_PDF) has
# PAGES pages (when given).
expect_job() {
  JOBS_DONE=$((JOBS_DONE + 1))
  wait_for "the print job to finish on queue $CUPS_QUEUE" jobs_finished
  local done_jobs
  done_jobs=$(queue_jobs completed | sort -t, -k1,1n)
  log "completed jobs (id,name,state,impressions): $(tr '\n' ' ' <<<"$done_jobs")"
  [ "$(printf '%s\n' "$done_jobs" | wc -l)" -eq "$JOBS_DONE" ] ||
    fail "expected $JOBS_DONE print job(s), the queue had: $done_jobs"
  local id name state impressions
  IFS=, read -r id name state impressions <<<"$(tail -n 1 <<<"$done_jobs")"
  [ "$name" = "$JOB_TITLE" ] || fail "the job's title is '$name', not '$JOB_TITLE'"
  [ "$state" = completed ] || fail "the job ended $state"
  local pdfs=("$PDF_OUT"/*.pdf)
  [ -e "${pdfs[0]}" ] || fail "cups-pdf wrote no PDF into $PDF_OUT"
  [ "${#pdfs[@]}" -eq 1 ] || fail "expected one PDF, found: ${pdfs[*]}"
  JOB_PDF=$WORK/job-$JOBS_DONE.pdf
  mv "${pdfs[0]}" "$JOB_PDF"
  expect_pdf_pages "${1:-}"
}

# expect_pages_of SAMPLE PAGE... : each page of the printed PDF looks most
# like the given page of the form as the headless printer path draws it
# (compared as small grey pictures, since the printed page went through
# the printer's margins and a PostScript round trip).
expect_pages_of() {
  local sample=$1
  shift
  need pdftoppm compare
  # No settings file: the defaults, as in the window of the scenario.
  "$MIRELO" --ini "$WORK/no-settings.ini" --print-pdf "$WORK/form.pdf" "$sample" ||
    fail "mirelo --print-pdf failed"
  rm -f "$WORK"/printed-*.pgm "$WORK"/form-*.pgm
  pdftoppm -r 30 -gray "$WORK/form.pdf" "$WORK/form" 2>/dev/null
  pdftoppm -r 30 -gray "$JOB_PDF" "$WORK/printed" 2>/dev/null
  local printed=("$WORK"/printed-*.pgm) form=("$WORK"/form-*.pgm)
  local i=0 want f best best_page page distance
  for want in "$@"; do
    best= best_page=
    page=0
    for f in "${form[@]}"; do
      page=$((page + 1))
      distance=$( (compare -metric RMSE "${printed[$i]}" "$f" null: 2>&1 || true) | sed -n 's/.*(\(.*\)).*/\1/p')
      if [ -z "$best" ] || awk -v a="$distance" -v b="$best" 'BEGIN { exit !(a < b) }'; then
        best=$distance best_page=$page
      fi
    done
    i=$((i + 1))
    [ "$best_page" = "$want" ] ||
      fail "printed page $i looks like page $best_page of the form, not page $want"
  done
  log "the printed pages are the form's pages $*"
}

# ------------------------------------------------------- the two builds

on_windows() { [ "$BUILD" = windows ]; }
on_debian() { [ "$BUILD" = debian ]; }


source "$E2E_DIR/dialogs.sh"
source "$E2E_DIR/pictures.sh"
if on_windows; then
  source "$E2E_DIR/../wine/windows.sh"
else
  source "$E2E_DIR/debian.sh"
fi
