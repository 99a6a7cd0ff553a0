#!/usr/bin/env bash
# Builds the program and its benchmarks in Release and prints one markdown
# table of medians next to the targets, and the machine it ran on:
# - beam-bench (Google Benchmark, offscreen) with repetitions;
# - start of the whole process to the main window painted, timed from outside
#   with hyperfine (offscreen, and on a real X server under Xvfb);
# - peak resident memory of the whole process, from /usr/bin/time -v.
# Usage: scripts/bench.sh
# Environment: BENCH_BUILD_DIR (default build-release), BENCH_REPETITIONS
# (default 10), BENCH_STARTUP_RUNS (default 30).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${BENCH_BUILD_DIR:-build-release}
repetitions=${BENCH_REPETITIONS:-10}
runs=${BENCH_STARTUP_RUNS:-30}

scripts/install-deps.sh hyperfine time xvfb xauth python3 >&2
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target beam-bench beam-deflection beam-deflection-screenshots >/dev/null

results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT
program=$build/shell/beam-deflection

echo "Running beam-bench, $repetitions repetitions..." >&2
QT_QPA_PLATFORM=offscreen "$build/bench/beam-bench" \
    --benchmark_repetitions="$repetitions" \
    --benchmark_report_aggregates_only=true \
    --benchmark_out="$results/bench.json" --benchmark_out_format=json >/dev/null 2>"$results/bench.log" \
    || { cat "$results/bench.log" >&2; exit 1; }

# The program quits right after its first paint of the main window with this
# switch; see shell/main.cpp.
export BEAM_DEFLECTION_EXIT_AFTER_FIRST_PAINT=1

echo "Timing start-up, $runs runs each..." >&2
QT_QPA_PLATFORM=offscreen hyperfine --shell=none --warmup 3 --runs "$runs" --style none \
    --export-json "$results/startup-offscreen.json" "$program" >/dev/null
# A real X server, where the window is mapped and exposed before it paints.
# Its own start is outside the timing: hyperfine runs inside the session.
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
    hyperfine --shell=none --warmup 3 --runs "$runs" --style none \
    --export-json "$results/startup-xcb.json" "$program" >/dev/null \
    || echo "no start-up figure under Xvfb" >&2

# Peak memory: the start to the main window painted, and a heavier use with all
# four windows opened, scrolled and drawn (the program that makes the README's
# pictures).
for i in 1 2 3 4 5; do
    QT_QPA_PLATFORM=offscreen /usr/bin/time -v "$program" 2>&1 >/dev/null \
        | sed -n 's/^\s*Maximum resident set size (kbytes): //p' >>"$results/rss-start.txt"
    QT_QPA_PLATFORM=offscreen /usr/bin/time -v "$build/shell/beam-deflection-screenshots" "$results/pictures" 2>&1 >/dev/null \
        | sed -n 's/^\s*Maximum resident set size (kbytes): //p' >>"$results/rss-all.txt"
done

python3 - "$results" <<'EOF'
import json, os, subprocess, sys

results = sys.argv[1]

def time_text(ns):
    if ns >= 1e6:
        return f"{ns / 1e6:.2f} ms"
    if ns >= 1e3:
        return f"{ns / 1e3:.1f} µs"
    return f"{ns:.0f} ns"

# Targets in nanoseconds, by benchmark.
targets = {
    "BM_PointLoadCurve": 100e3,
    "BM_UniformLoadCurve": 100e3,
    "BM_MomentLoadCurve": 100e3,
    "BM_PointLoadScrollChange": 0.3e6,
    "BM_MainWindowBuildAndFirstPaint": 100e6,
}
target_text = {
    "BM_PointLoadCurve": "100 µs",
    "BM_UniformLoadCurve": "100 µs",
    "BM_MomentLoadCurve": "100 µs",
    "BM_PointLoadScrollChange": "0.3 ms",
    "BM_MainWindowBuildAndFirstPaint": "100 ms (whole start)",
}
descriptions = {
    "BM_PointLoadCurve": "concentrated load: one curve (2000 samples)",
    "BM_UniformLoadCurve": "uniform load: one curve (1001 samples)",
    "BM_MomentLoadCurve": "moment: one curve (701 samples)",
    "BM_PointLoadScrollChange": "concentrated load: one whole scroll change",
    "BM_UniformLoadScrollChange": "uniform load: one whole scroll change",
    "BM_MomentLoadScrollChange": "moment: one whole scroll change",
    "BM_MainWindowBuildAndFirstPaint": "main window: build and first paint, in process",
}
unit_ns = {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}

rows = []
with open(os.path.join(results, "bench.json")) as f:
    bench = json.load(f)
for b in bench["benchmarks"]:
    if b.get("aggregate_name") != "median":
        continue
    name = b["run_name"]
    scale = unit_ns[b["time_unit"]]
    wall, cpu = b["real_time"] * scale, b["cpu_time"] * scale
    target = targets.get(name)
    verdict = "" if target is None else ("yes" if wall <= target else "**no**")
    rows.append((descriptions.get(name, name), time_text(wall), time_text(cpu),
                 f"≤ {target_text[name]}" if target else "—", verdict))

for platform, label in (("offscreen", "offscreen"), ("xcb", "X server (Xvfb)")):
    path = os.path.join(results, f"startup-{platform}.json")
    if not os.path.exists(path):
        continue
    with open(path) as f:
        run = json.load(f)["results"][0]
    wall = run["median"] * 1e9
    cpu = (run["user"] + run["system"]) * 1e9  # hyperfine gives the mean only
    verdict = "yes" if wall <= 100e6 else "**no**"
    rows.append((f"process start to main window painted, {label}", time_text(wall), time_text(cpu),
                 "≤ 100 ms", verdict))

for name, label in (("rss-start", "peak memory, start to main window painted"),
                    ("rss-all", "peak memory, all four windows opened and drawn")):
    with open(os.path.join(results, name + ".txt")) as f:
        kilobytes = [int(line) for line in f if line.strip()]
    peak = max(kilobytes) * 1024 / 1e6
    rows.append((label + f" (largest of {len(kilobytes)} runs)", f"{peak:.1f} MB", "—", "≤ 60 MB",
                 "yes" if peak <= 60 else "**no**"))

print("| figure | median wall time | median CPU time | target | met |")
print("|---|---:|---:|---|---|")
for row in rows:
    print("| " + " | ".join(row) + " |")

model = next((line.split(":", 1)[1].strip() for line in
              subprocess.run(["lscpu"], capture_output=True, text=True).stdout.splitlines()
              if line.startswith("Model name")), "unknown CPU")
repetitions = bench["benchmarks"][0].get("repetitions", "?")
nproc = subprocess.run(["nproc"], capture_output=True, text=True).stdout.strip()
print()
load = os.getloadavg()[0]
print(f"Machine: nproc {nproc}, {model}, load average {load:.2f} at the end. Release build; beam-bench medians of {repetitions} repetitions "
      "(offscreen); start-up: hyperfine medians of wall time, CPU is the mean user + system; memory: /usr/bin/time -v, Maximum resident set size.")
EOF
