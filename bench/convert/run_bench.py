#!/usr/bin/env python3
"""Times amplora-convert on 1,000,000 generated readings beside a floor program that only reads
the same rows and writes twelve std::to_chars numbers per row. Reports rows per second (CPU
time of one process, so the figures hold on a busy machine; wall time beside it) and the peak
resident memory of each, and of amplora-convert on a tenth of the rows to show it stays flat;
then the CPU time a row takes whose level is as long as a box holds (its cost is linear in the
value's length, not quadratic). Exits with status 1 when a target is missed.

    run_bench.py MEASURE AMPLORA_CONVERT FLOOR [--rows N] [--runs R] [--smoke]

MEASURE is bench_convert_measure, which runs each program and reports its own figures.
--smoke runs every program once on a few rows and checks what amplora-convert writes, with no
timing: a check that the benchmark still works.
"""
import argparse
import os
import random
import statistics
import subprocess
import sys
import tempfile

# Typical ranges per unit, and how many decimals a collector writes.
UNITS = {
    "g-rms": (0.01, 10, 3), "g-pk": (0.01, 15, 3), "in-s-rms": (0.005, 2, 4),
    "in-s-pk": (0.005, 3, 4), "mm-s-rms": (0.1, 50, 2), "mm-s-pk": (0.1, 70, 2),
    "mils-pp": (0.05, 20, 3), "mm-pp": (0.001, 0.5, 4), "adb": (60, 160, 1),
    "vdb": (60, 140, 1),
}
MIN_ROWS_PER_SECOND = 500_000
MAX_FLOOR_RATIO = 1.5
MAX_RSS_MIB = 20
MAX_RSS_GROWTH_MIB = 1  # from a tenth of the rows to all of them
LONG_VALUE = 32_767  # characters: the most a box holds
MAX_LONG_VALUE_MS = 5  # CPU time for a row with a value that long


def generate(path, rows):
    """Rows as a collector exports them; one level in twenty in a spreadsheet's exponent form."""
    rng = random.Random(11)
    names = list(UNITS)
    with open(path, "w") as f:
        f.write("machine,point,hz,level,unit\n")
        for i in range(rows):
            unit = names[i % len(names)]
            low, high, places = UNITS[unit]
            hz = round(rng.uniform(1, 2000), rng.choice((0, 1, 2)))
            level = round(rng.uniform(low, high), places)
            text = f"{level:.2E}" if i % 20 == 7 else str(level)
            f.write(f"M{i // 40:05d},{rng.choice('HVA')}{i % 4 + 1},{hz},{text},{unit}\n")


def generate_long(path, rows):
    """Rows whose level is as long as a box holds: every digit counts until a double's last."""
    with open(path, "w") as f:
        f.write("hz,level,unit\n")
        for i in range(rows):
            digits = "".join(str((i + k) % 10) for k in range(LONG_VALUE - 2))
            f.write(f"50,{i % 9 + 1}.{digits},g-pk\n")


def run(measure, program, data):
    """CPU seconds, wall seconds and peak resident KiB of one run."""
    result = subprocess.run([measure, data, program], capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit(f"{program} exited with {result.returncode}: {result.stderr.strip()}")
    cpu, wall, rss = result.stdout.split()
    return float(cpu), float(wall), int(rss)


def smoke(args, data):
    """Every program runs; amplora-convert writes a header and one converted row per reading."""
    for program in (args.convert, args.floor):
        run(args.measure, program, data)
    with open(data) as f:
        result = subprocess.run([args.convert], stdin=f, capture_output=True, text=True)
    lines = result.stdout.splitlines()
    if (result.returncode != 0 or result.stderr or len(lines) != args.rows + 1
            or any(len(line.split(",")) != 14 for line in lines)):
        sys.exit(f"amplora-convert: status {result.returncode}, {len(lines)} lines for "
                 f"{args.rows} readings: {result.stderr.strip()}")
    long_rows = os.path.join(os.path.dirname(data), "long.csv")
    generate_long(long_rows, 3)
    run(args.measure, args.convert, long_rows)
    print(f"smoke: {args.rows} readings converted, and 3 of {LONG_VALUE:,} characters; every "
          f"program ran")


def measure(args, data, tmp):
    # The two programs take turns, so that both meet the same load of a shared machine; the
    # ratio is the median of the turns'.
    names = {"amplora-convert": args.convert, "floor": args.floor}
    runs = {name: [] for name in names}
    for _ in range(args.runs):
        for name, program in names.items():
            runs[name].append(run(args.measure, program, data))
    cpu = {}
    for name, results in runs.items():
        cpu[name] = min(r[0] for r in results)
        wall = min(r[1] for r in results)
        rss = max(r[2] for r in results) / 1024
        print(f"{name:16} {args.rows / cpu[name]:12,.0f} rows/s (CPU)  {args.rows / wall:12,.0f} "
              f"rows/s (wall)  peak RSS {rss:6.1f} MiB")
    small = os.path.join(tmp, "tenth.csv")
    generate(small, args.rows // 10)
    small_rss = run(args.measure, args.convert, small)[2] / 1024
    rss = max(r[2] for r in runs["amplora-convert"]) / 1024
    rate = args.rows / cpu["amplora-convert"]
    ratio = statistics.median(
        a[0] / f[0] for a, f in zip(runs["amplora-convert"], runs["floor"]))
    print(f"amplora-convert takes {ratio:.2f}x the floor's time; peak RSS {small_rss:.1f} MiB "
          f"on a tenth of the rows (targets: >= {MIN_ROWS_PER_SECOND:,} rows/s, "
          f"<= {MAX_FLOOR_RATIO}x, < {MAX_RSS_MIB} MiB, growing < {MAX_RSS_GROWTH_MIB} MiB)")
    long_rows, long_count = os.path.join(tmp, "long.csv"), 200
    generate_long(long_rows, long_count)
    long_cpu = min(run(args.measure, args.convert, long_rows)[0] for _ in range(3))
    long_ms = long_cpu * 1000 / long_count
    print(f"{long_count} rows with {LONG_VALUE:,}-character levels: {long_ms:.2f} ms a row, "
          f"{os.path.getsize(long_rows) / long_cpu / 2**20:.1f} MiB/s (target: <= "
          f"{MAX_LONG_VALUE_MS} ms a row)")
    missed = [what for what, ok in (
        ("long values", long_ms <= MAX_LONG_VALUE_MS),
        ("rows per second", rate >= MIN_ROWS_PER_SECOND),
        ("floor ratio", ratio <= MAX_FLOOR_RATIO),
        ("memory", rss < MAX_RSS_MIB and rss - small_rss < MAX_RSS_GROWTH_MIB)) if not ok]
    if missed:
        sys.exit("missed: " + ", ".join(missed))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("measure")
    parser.add_argument("convert")
    parser.add_argument("floor")
    parser.add_argument("--rows", type=int, default=1_000_000)
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--smoke", action="store_true")
    args = parser.parse_args()
    if args.smoke:
        args.rows = 50
    with tempfile.TemporaryDirectory() as tmp:
        data = os.path.join(tmp, "readings.csv")
        generate(data, args.rows)
        if args.smoke:
            smoke(args, data)
        else:
            measure(args, data, tmp)


if __name__ == "__main__":
    main()
