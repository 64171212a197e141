#!/usr/bin/env bash
# Batch printing as a host program does it: mirelo --print of a survey to a
# CUPS queue of the bench's own (a cups-pdf queue, started as the end-to-end
# scenarios start it), timed from the start to the program's end, when the
# job is spooled. Between runs the queue is left to finish its job, so the
# PDF backend's work never falls on a timed run. Prints the median seconds
# of the runs on standard output; nothing when the queue cannot be had (the
# reason then on standard error).
#   batch_print.sh LINUX_MIRELO SAMPLES_DIR SURVEY [MIRELO_EXE] [-- COMMAND...]
# With MIRELO_EXE, mirelo.exe is timed under Wine (WINEPREFIX set, as
# scripts/bench --windows sets it). COMMAND then runs with the queue as the
# system's one printer (the Windows build's window needs a printer to show
# its page), its output after the figure.
args=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do
  args+=("$1")
  shift
done
[ $# -gt 0 ] && shift
then_run=("$@")
survey=${args[2]:?usage: $0 LINUX_MIRELO SAMPLES_DIR SURVEY [MIRELO_EXE] [-- COMMAND...]}
survey=$(cd "$(dirname "$survey")" && pwd)/$(basename "$survey")
runs=${MIRELO_BENCH_PRINT_RUNS:-5}
# The scenarios' library, with the build's own steps behind run_mirelo.
if [ -n "${args[3]:-}" ]; then
  set -- windows "${args[0]}" "${args[1]}" "${args[3]}"
else
  set -- debian "${args[0]}" "${args[1]}"
fi
source "$(dirname "$0")/../tests/e2e/lib.sh"
# A bench has no skipped status: the reason, and no figure.
skip() {
  log "batch printing not measured: $*"
  exit 0
}

isolate_program
start_xvfb
start_cups
cp "$survey" "$WORK/survey.txt"
: >"$WORK/none.ini"
times=()
for ((i = 0; i < runs; i++)); do
  start=$(date +%s.%N)
  run_mirelo --ini "$WORK/none.ini" --print "$WORK/survey.txt" >"$WORK/out" 2>"$WORK/err" ||
    fail "--print failed: $(cat "$WORK/err")"
  end=$(date +%s.%N)
  times+=("$(awk "BEGIN { print $end - $start }")")
  JOBS_DONE=$((JOBS_DONE + 1))
  wait_for "the job to be printed" jobs_finished
done
printf '%s\n' "${times[@]}" | sort -g | sed -n "$(((runs + 1) / 2))p"
[ ${#then_run[@]} -eq 0 ] || "${then_run[@]}"
