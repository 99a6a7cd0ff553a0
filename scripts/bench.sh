#!/usr/bin/env bash
# Builds the program and its benchmarks in Release and prints one markdown
# table of medians next to the targets, and the machine it ran on:
# - beam-bench (Google Benchmark, offscreen) with repetitions;
# - start of the whole process to the main window painted, timed from outside
#   with hyperfine (offscreen, and on a real X server under Xvfb);
# - peak resident memory of the whole process, from /usr/bin/time -v;
# - CPU time of the whole process per scroll change under Xvfb, from
#   /proc/PID/stat while the concentrated-load window's arrows are clicked
#   and its arrow keys pressed through XTest (scripts/process-cpu.py), its
#   peak memory with every window open, and the arrows clicked again with its
#   diagram window open;
# - the floor beside each whole-process figure: a bare Qt window with one
#   scroll bar like the concentrated-load window's (bench/scroll_bar_floor.cpp),
#   timed and clicked the same way in the same run.
# Usage: scripts/bench.sh
# Environment: BENCH_BUILD_DIR (default build-release), BENCH_REPETITIONS
# (default 10), BENCH_STARTUP_RUNS (default 30), BENCH_PROCESS_RUNS (default
# 5). To measure another Qt beam calculator beside it in the same run, by
# arrow keys on its slider: COMPARE_WITH (its program), COMPARE_TITLE (its
# window title) and COMPARE_FOCUS (x,y of its slider's handle in the window).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${BENCH_BUILD_DIR:-build-release}
repetitions=${BENCH_REPETITIONS:-10}
runs=${BENCH_STARTUP_RUNS:-30}
process_runs=${BENCH_PROCESS_RUNS:-5}

scripts/install-deps.sh hyperfine time xvfb xauth xdotool python3 >&2
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target beam-bench beam-deflection beam-deflection-screenshots scroll-bar-floor >/dev/null

results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT
program=$build/shell/beam-deflection
floor=$build/bench/scroll-bar-floor

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
# The floor's start, the same way, right after the program's.
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
    hyperfine --shell=none --warmup 3 --runs "$runs" --style none \
    --export-json "$results/startup-floor.json" "$floor" >/dev/null \
    || echo "no start-up figure of the floor under Xvfb" >&2

# Peak memory: the start to the main window painted, and a heavier use with all
# four windows opened, scrolled and drawn (the program that makes the README's
# pictures).
for i in 1 2 3 4 5; do
    QT_QPA_PLATFORM=offscreen /usr/bin/time -v "$program" 2>&1 >/dev/null \
        | sed -n 's/^\s*Maximum resident set size (kbytes): //p' >>"$results/rss-start.txt"
    QT_QPA_PLATFORM=offscreen /usr/bin/time -v "$build/shell/beam-deflection-screenshots" "$results/pictures" 2>&1 >/dev/null \
        | sed -n 's/^\s*Maximum resident set size (kbytes): //p' >>"$results/rss-all.txt"
done

echo "Timing scroll changes of the whole process under Xvfb, $process_runs runs of 200..." >&2
compare=()
if [[ -n "${COMPARE_WITH:-}" ]]; then
    compare=(--compare "$COMPARE_WITH" --compare-title "$COMPARE_TITLE" --compare-focus "$COMPARE_FOCUS")
fi
scripts/process-cpu.py "$program" --runs "$process_runs" --floor "$floor" "${compare[@]}" >"$results/process.json"

python3 - "$results" "${COMPARE_WITH:-}" <<'EOF'
import json, os, statistics, subprocess, sys

results = sys.argv[1]
compared = os.path.basename(sys.argv[2]) if len(sys.argv) > 2 else ""

def time_text(ns):
    if ns >= 1e6:
        return f"{ns / 1e6:.2f} ms"
    if ns >= 1e3:
        return f"{ns / 1e3:.1f} µs"
    return f"{ns:.0f} ns"

# Targets in nanoseconds, by benchmark; the beam windows' benchmarks are named
# after the window, BM_Curve/Form2 and BM_ScrollChange/Form2.
targets = {
    "BM_Curve": (100e3, "100 µs"),
    "BM_ScrollChange/Form2": (0.2e6, "0.2 ms"),
    "BM_MainWindowBuildAndFirstPaint": (100e6, "100 ms (whole start)"),
    "BM_DiagramUpdate": (1e6, "1 ms"),
}
descriptions = {
    "BM_Curve": "{}: one curve alone",
    "BM_ScrollChange": "{}: one whole scroll change, offscreen",
    "BM_MainWindowBuildAndFirstPaint": "main window: build and first paint, in process",
    "BM_DiagramUpdate": "diagram window: one change's update with 21 curves, painted, in process",
}

unit_ns = {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}

rows = []
with open(os.path.join(results, "bench.json")) as f:
    bench = json.load(f)
for b in bench["benchmarks"]:
    if b.get("aggregate_name") != "median":
        continue
    name = b["run_name"]
    kind, _, window = name.partition("/")
    scale = unit_ns[b["time_unit"]]
    wall, cpu = b["real_time"] * scale, b["cpu_time"] * scale
    target = targets.get(name) or targets.get(kind)
    verdict = "" if target is None else ("yes" if wall <= target[0] else "**no**")
    rows.append((descriptions.get(kind, name).format(window), time_text(wall), time_text(cpu),
                 f"≤ {target[1]}" if target else "—", verdict))

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

# The floor: the bare scroll-bar window's start, CPU per change and memory,
# each beside the program's figure with its target as a multiple of it.
floor_path = os.path.join(results, "startup-floor.json")
with open(os.path.join(results, "process.json")) as f:
    process = json.load(f)
if os.path.exists(floor_path) and os.path.exists(os.path.join(results, "startup-xcb.json")):
    with open(floor_path) as f:
        floor = json.load(f)["results"][0]
    with open(os.path.join(results, "startup-xcb.json")) as f:
        ours = json.load(f)["results"][0]
    ratio = ours["median"] / floor["median"]
    rows.append(("floor: bare scroll-bar window, start to window painted, X server (Xvfb)",
                 time_text(floor["median"] * 1e9), time_text((floor["user"] + floor["system"]) * 1e9), "—", ""))
    rows.append((f"process start to main window painted, Xvfb, against the floor: {ratio:.2f} ×", "—", "—",
                 "≤ 1.5 × floor", "yes" if ratio <= 1.5 else "**no**"))
if "floor_arrows" in process:
    for key, label in (("arrows", "arrow clicks"), ("keys", "arrow keys")):
        ms = statistics.median(process["floor_" + key])
        xvfb = statistics.median(process["floor_xvfb_" + key])
        rows.append((f"floor: bare scroll-bar window, CPU per change, {label} (X server: {xvfb:.2f} ms)", "—",
                     f"{ms:.2f} ms", "—", ""))
    ratio = statistics.median(process["arrows"]) / statistics.median(process["floor_arrows"])
    rows.append((f"whole process under Xvfb, CPU per change by arrow clicks, against the floor: {ratio:.2f} ×",
                 "—", "—", "≤ 1.5 × floor", "yes" if ratio <= 1.5 else "**no**"))
    rows.append(("floor: bare scroll-bar window, peak memory under Xvfb", f"{process['floor_peak_mb']:.1f} MB", "—",
                 "—", ""))
    rows.append(("peak memory under Xvfb, all four windows opened, a beam window scrolled",
                 f"{process['peak_mb']:.1f} MB", "—", "≤ 45 MB", "yes" if process["peak_mb"] <= 45 else "**no**"))

for name, label in (("rss-start", "peak memory, start to main window painted"),
                    ("rss-all", "peak memory, all four windows opened and drawn, and a diagram window")):
    with open(os.path.join(results, name + ".txt")) as f:
        kilobytes = [int(line) for line in f if line.strip()]
    peak = max(kilobytes) * 1024 / 1e6
    rows.append((label + f" (largest of {len(kilobytes)} runs)", f"{peak:.1f} MB", "—", "≤ 60 MB",
                 "yes" if peak <= 60 else "**no**"))

for key, label, target in (("arrows", "arrow clicks", 0.6), ("keys", "arrow keys", None)):
    ms = statistics.median(process[key])
    xvfb = statistics.median(process["xvfb_" + key])
    rows.append((f"whole process under Xvfb: CPU per scroll change, {label} (X server: {xvfb:.2f} ms)", "—",
                 f"{ms:.2f} ms", f"≤ {target} ms" if target else "—",
                 "" if target is None else ("yes" if ms <= target else "**no**")))
closed = statistics.median(process["arrows"]) + statistics.median(process["xvfb_arrows"])
ms = statistics.median(process["diagrams_arrows"])
xvfb = statistics.median(process["xvfb_diagrams_arrows"])
ratio = (ms + xvfb) / closed
rows.append((f"whole process under Xvfb: CPU per scroll change, arrow clicks, diagram window open (X server: "
             f"{xvfb:.2f} ms); with the X server, {ratio:.1f} times the change with it closed", "—", f"{ms:.2f} ms",
             "≤ 2 times closed", "yes" if ratio <= 2 else "**no**"))
if "compare_keys" in process:
    ms = statistics.median(process["compare_keys"])
    ours = statistics.median(process["keys"])
    xvfb = statistics.median(process["compare_xvfb_keys"])
    rows.append((f"{compared} beside it: CPU per slider change, arrow keys (X server: {xvfb:.2f} ms); "
                 f"this program needs {ms / ours:.1f} times less", "—", f"{ms:.2f} ms", "—", ""))

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
