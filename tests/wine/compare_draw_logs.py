#!/usr/bin/env python3
"""Compares two draw logs of the same page: the same calls with the same
texts, fonts and styles, every place and size within a tolerance of dots.

    compare_draw_logs.py EXPECTED.jsonl GOT.jsonl TOLERANCE

Prints the largest difference of a number; exits 1 at the first call that
differs otherwise, or at a number further off than TOLERANCE."""
import json
import sys


def main():
    expected_path, got_path, tolerance = sys.argv[1], sys.argv[2], int(sys.argv[3])
    with open(expected_path, encoding="utf-8") as f:
        expected = [json.loads(line) for line in f]
    with open(got_path, encoding="utf-8") as f:
        got = [json.loads(line) for line in f]
    if len(expected) != len(got):
        print(f"{len(got)} calls, expected {len(expected)}")
        return 1
    largest = 0
    for n, (e, g) in enumerate(zip(expected, got), 1):
        if e.keys() != g.keys():
            print(f"call {n}: {g} where {e} was expected")
            return 1
        for key, value in e.items():
            other = g[key]
            if isinstance(value, int) and not isinstance(value, bool):
                largest = max(largest, abs(value - other))
                if abs(value - other) > tolerance:
                    print(f"call {n}: {key} {other} where {value} was expected: {g}")
                    return 1
            elif value != other:
                print(f"call {n}: {key} {other!r} where {value!r} was expected")
                return 1
    print(f"{len(got)} calls alike; places differ by {largest} dots at most")
    return 0


if __name__ == "__main__":
    sys.exit(main())
