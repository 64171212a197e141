#!/usr/bin/env python3
"""Kills the program at random moments while it replaces a file, and checks
that the file is whole every time: the old bytes or the new, never missing,
never cut short; and that the next write that runs to its end leaves no
temporary file behind.

kill_during_write.py SECONDS MODES DATAFILE COMMAND...

COMMAND is how the program is started ("mirelo", or "wine mirelo.exe"); it
is run as COMMAND MODE OUT DATAFILE for each of MODES (separated by commas:
--draw-log, written in one piece; --print-pdf, written by the print system
into a file of its own; --preview-png, by the image writer) at random.
Each run is killed with SIGKILL at a random moment from 0 to 150 ms after
its temporary file appears in OUT's folder. The loop stops after SECONDS.
"""
import os
import random
import signal
import subprocess
import sys
import tempfile
import time

OLD = b"the old output, whole\n"


def temporaries(folder):
    return [n for n in os.listdir(folder) if n.endswith(".tmp")]


def whole(now, new):
    """Whether now is a whole new output: the same bytes, or for a PDF, whose
    time of making differs from run to run, a whole file of the same size."""
    if now == new:
        return True
    return (new.startswith(b"%PDF-") and now.startswith(b"%PDF-") and len(now) == len(new)
            and now.rstrip().endswith(b"%%EOF"))


def run(command, mode, out, data):
    return subprocess.Popen(command + [mode, out, data], stdin=subprocess.DEVNULL,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def main():
    seconds, modes, data, command = float(sys.argv[1]), sys.argv[2].split(","), sys.argv[3], sys.argv[4:]
    names = {"--draw-log": "page.jsonl", "--print-pdf": "survey.pdf", "--preview-png": "page.png"}
    rng = random.Random(int(os.environ.get("MIRELO_KILL_SEED", time.time_ns())))
    failures, runs, cut = [], 0, 0
    with tempfile.TemporaryDirectory(prefix="mirelo-kill-") as folder:
        outputs = {}
        for mode in modes:
            out = os.path.join(folder, names[mode])
            if run(command, mode, out, data).wait() != 0:
                sys.exit(f"{mode} does not run: {' '.join(command)}")
            with open(out, "rb") as f:
                outputs[mode] = (out, f.read())
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            mode = rng.choice(sorted(outputs))
            out, new = outputs[mode]
            with open(out, "wb") as f:
                f.write(OLD)
            before = set(temporaries(folder))
            process = run(command, mode, out, data)
            seen = False
            while process.poll() is None and not seen:
                seen = bool(set(temporaries(folder)) - before)
                if not seen:
                    time.sleep(0.0005)
            if seen:
                time.sleep(rng.uniform(0, 0.150))
                if process.poll() is None:
                    process.send_signal(signal.SIGKILL)
                    cut += 1
            process.wait()
            runs += 1
            try:
                with open(out, "rb") as f:
                    now = f.read()
            except FileNotFoundError:
                failures.append(f"{mode}: the output is missing after run {runs}")
                continue
            if now != OLD and not whole(now, new):
                failures.append(f"{mode}: {len(now)} bytes after run {runs}, neither old nor new")
        # One more write of each, to its end: what the cut-off ones left goes.
        for mode, (out, new) in outputs.items():
            if run(command, mode, out, data).wait() != 0:
                failures.append(f"{mode}: the write after the kills failed")
        left = temporaries(folder)
        if left:
            failures.append(f"temporaries left after writes that ran to their end: {left}")
    print(f"{runs} runs, {cut} killed while writing, {len(failures)} faults")
    for failure in failures:
        print(failure)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
