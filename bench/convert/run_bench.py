#!/usr/bin/env python3
"""Times amplora-convert on 1,000,000 generated readings beside a floor program that only reads
the same rows and writes twelve std::to_chars numbers per row. Reports rows per second (CPU
time of one process, so the figures hold on a busy machine; wall time beside it) and the peak
resident memory of each.

    run_bench.py MEASURE AMPLORA_CONVERT FLOOR [--rows N] [--runs R]

MEASURE is bench_convert_measure, which runs each program and reports its own figures.
"""
import argparse
import os
import random
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


def generate(path, rows):
    rng = random.Random(11)
    names = list(UNITS)
    with open(path, "w") as f:
        f.write("machine,point,hz,level,unit\n")
        for i in range(rows):
            unit = names[i % len(names)]
            low, high, places = UNITS[unit]
            hz = round(rng.uniform(1, 2000), rng.choice((0, 1, 2)))
            level = round(rng.uniform(low, high), places)
            f.write(f"M{i // 40:05d},{rng.choice('HVA')}{i % 4 + 1},{hz},{level},{unit}\n")


def run(measure, program, data):
    """CPU seconds, wall seconds and peak resident KiB of one run."""
    result = subprocess.run([measure, data, program], capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit(f"{program} exited with {result.returncode}: {result.stderr.strip()}")
    cpu, wall, rss = result.stdout.split()
    return float(cpu), float(wall), int(rss)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("measure")
    parser.add_argument("convert")
    parser.add_argument("floor")
    parser.add_argument("--rows", type=int, default=1_000_000)
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as tmp:
        data = os.path.join(tmp, "readings.csv")
        generate(data, args.rows)
        results = {}
        for name, program in (("amplora-convert", args.convert), ("floor", args.floor)):
            runs = [run(args.measure, program, data) for _ in range(args.runs)]
            cpu = min(r[0] for r in runs)
            wall = min(r[1] for r in runs)
            rss = max(r[2] for r in runs)
            results[name] = cpu
            print(f"{name:16} {args.rows / cpu:12,.0f} rows/s (CPU)  {args.rows / wall:12,.0f} "
                  f"rows/s (wall)  peak RSS {rss / 1024:6.1f} MiB")
    ratio = results["amplora-convert"] / results["floor"]
    print(f"amplora-convert takes {ratio:.2f}x the floor's time "
          f"(targets: >= 500,000 rows/s, <= 1.5x, < 20 MiB)")


if __name__ == "__main__":
    main()
