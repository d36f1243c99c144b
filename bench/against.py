#!/usr/bin/env python3
"""Runs two builds of tessary-bench side by side and reports new/old per input.

    against.py NEW-BINARY OLD-BINARY OLD-LABEL ROUNDS [BENCHMARK-OPTIONS...]

Run by `scripts/bench --against REV`. A ratio taken from two runs minutes apart
moves with the machine as much as with the code, so the two binaries take
turns: for each input (shape and size) every benchmark of that input runs in
the new binary, then in the old one, then the other way round, ROUNDS times,
and the fastest CPU time of each side is compared. Baseline/LineScan is the
same code in both: its ratio shows how far the machine itself moved.

--benchmark_filter chooses the benchmarks (both binaries must have them); the
other options go to every run.
"""
import json
import os
import re
import subprocess
import sys
import tempfile

UNIT_SECONDS = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}


def listed(binary, name_filter):
    out = subprocess.run([binary, "--benchmark_list_tests", "--benchmark_filter=" + name_filter],
                         check=True, capture_output=True, text=True).stdout
    return [line.strip() for line in out.splitlines() if line.strip()]


def split_name(name):
    """KIND/SHAPE/SIZE, where KIND may hold a slash (Baseline/LineScan)."""
    parts = name.split("/")
    return "/".join(parts[:-2]), parts[-2], parts[-1]


def run_once(binary, names, options, scratch):
    pattern = "^(" + "|".join(re.escape(n) for n in names) + ")$"
    out = os.path.join(scratch, "run.json")
    done = subprocess.run([binary, "--benchmark_filter=" + pattern, "--benchmark_repetitions=1",
                           "--benchmark_min_time=0.2", "--benchmark_out=" + out, "--benchmark_out_format=json"] +
                          options, capture_output=True, text=True)
    if done.returncode != 0:
        sys.exit("bench --against: %s failed:\n%s%s" % (binary, done.stdout, done.stderr))
    with open(out) as f:
        runs = json.load(f)["benchmarks"]
    return {r["run_name"]: r["cpu_time"] * UNIT_SECONDS[r["time_unit"]]
            for r in runs if r.get("run_type", "iteration") == "iteration"}


def main():
    new, old, label, rounds = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
    name_filter, options = ".", []
    for arg in sys.argv[5:]:
        if arg.startswith("--benchmark_filter="):
            name_filter = arg.split("=", 1)[1]
        else:
            options.append(arg)
    old_names = set(listed(old, name_filter))
    names = [n for n in listed(new, name_filter) if n in old_names]
    if not names:
        sys.exit("bench --against: no benchmark that both builds have matches the filter")

    inputs, kinds = {}, []
    for name in names:
        kind, shape, size = split_name(name)
        inputs.setdefault((shape, size), []).append(name)
        if kind not in kinds:
            kinds.append(kind)

    best = {"new": {}, "old": {}}
    with tempfile.TemporaryDirectory() as scratch:
        for (shape, size), group in inputs.items():
            print("  %s/%s" % (shape, size), end="", flush=True, file=sys.stderr)
            for turn in range(rounds):
                order = [("new", new), ("old", old)] if turn % 2 == 0 else [("old", old), ("new", new)]
                for side, binary in order:
                    for name, seconds in run_once(binary, group, options, scratch).items():
                        best[side][name] = min(seconds, best[side].get(name, seconds))
        print(file=sys.stderr)

    short = [k.split("/")[-1] for k in kinds]
    print("Ratio new/old of CPU time, fastest of %d alternating runs each; old = %s" % (rounds, label))
    print("(LineScan is the same code in both: its ratio is the machine's own drift)")
    print("%-22s" % "" + "".join("%-12s" % k for k in short))
    worst = {}
    for (shape, size), group in inputs.items():
        row = "%-22s" % (shape + "/" + size)
        for kind in kinds:
            name = "%s/%s/%s" % (kind, shape, size)
            if name in best["new"] and name in best["old"]:
                ratio = best["new"][name] / best["old"][name]
                row += "%-12s" % ("%.2f" % ratio)
                if kind != "Baseline/LineScan":
                    worst[(shape, size)] = max(ratio, worst.get((shape, size), 0))
            else:
                row += "%-12s" % "-"
        print(row)
    largest = max((size for _, size in worst), key=lambda s: int(s.rstrip("K")))
    print("Slowest kind of work per shape at %s (new/old):" % largest)
    for (shape, size), ratio in worst.items():
        if size == largest:
            print("  %-20s %.2f" % (shape, ratio))


if __name__ == "__main__":
    main()
