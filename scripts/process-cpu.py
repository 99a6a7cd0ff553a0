#!/usr/bin/env python3
"""CPU time of the whole program per scroll change, seen from outside.

Starts a private Xvfb, starts the program on it, opens the concentrated-load
window from the main window's menu and clicks its scroll bar's right and left
arrows in turn through XTest (xdotool), as a user would; then presses the
right and left arrow keys on the bar. The program's CPU time (user + system,
from /proc/PID/stat) over each batch of changes, divided by the changes, is
one figure. Then it opens the other two beam windows too (leave, then the
menu) and reads the program's peak memory with every window open. Last, back
in the concentrated-load window, it opens its diagram window by its shortcut,
beside it, and clicks the arrows again.

With --floor, the bare scroll-bar window of bench/ is measured the same way in
the same run: the same clicks on the same arrows of a bar in the same place,
the same keys, and its peak memory. With --compare, a Qt beam calculator with
a slider is measured the same way, by keys on its slider, in the same run.

Prints JSON: {"arrows": [ms...], "keys": [ms...], "xvfb_arrows": [ms...],
"xvfb_keys": [ms...], "peak_mb": MB, "diagrams_arrows": [ms...],
"xvfb_diagrams_arrows": [ms...], "floor_arrows": [ms...], ...,
"floor_peak_mb": MB, "compare_keys": [ms...], "compare_xvfb_keys": [ms...]}.

Usage: process-cpu.py PROGRAM [--runs N] [--changes N] [--floor BINARY]
                      [--compare BINARY --compare-title TITLE --compare-focus X,Y]
"""
import argparse
import json
import os
import subprocess
import sys
import time

TICK = os.sysconf("SC_CLK_TCK")

# The concentrated-load window's scroll bar, HScroll1: Left 7320, Top 960,
# Width 1455, Height 375 twips, 15 twips a pixel. Its arrow buttons lie at its
# two ends.
BAR = (7320 // 15, 960 // 15, 1455 // 15, 375 // 15)
RIGHT_ARROW = (BAR[0] + BAR[2] - 7, BAR[1] + BAR[3] // 2)
LEFT_ARROW = (BAR[0] + 7, BAR[1] + BAR[3] // 2)
# The main window's menu entries that open the three beam windows, and each
# beam window's leave button (Command2), which brings the main window back.
FIRST_MENU_ENTRY = (30, 10)
OTHER_BEAM_WINDOWS = (("Form3", (97, 10), (420, 520)), ("Form4", (157, 10), (476, 484)))
FIRST_LEAVE_BUTTON = (556, 480)
# The bare window's title (bench/scroll_bar_floor.cpp); its bar lies where
# HScroll1 does.
FLOOR_TITLE = "ScrollBarFloor"
# The beam window's shortcut for its diagram window, which is then moved
# beside the beam window (600 pixels wide) on the 1920 by 1080 screen, so that
# both are shown whole and the arrows stay uncovered.
DIAGRAMS_SHORTCUT = "ctrl+g"
DIAGRAMS_TITLE = ".*剪力.*"
DIAGRAMS_PLACE = (620, 0)


def cpu_ticks(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])  # utime, stime


def settle(pid, quiet=0.3, limit=30):
    """Waits until the process has used no CPU for `quiet` seconds."""
    last = cpu_ticks(pid)
    start = still = time.monotonic()
    while time.monotonic() - still < quiet:
        if time.monotonic() - start > limit:
            sys.exit(f"process {pid} is still busy after {limit} s")
        time.sleep(0.05)
        now = cpu_ticks(pid)
        if now != last:
            last, still = now, time.monotonic()


def xdotool(*args, env, timeout=120):
    return subprocess.run(["xdotool", *args], env=env, check=True, capture_output=True, text=True,
                          timeout=timeout).stdout.strip()


def window(title, env):
    return xdotool("search", "--sync", "--onlyvisible", "--name", f"^{title}$", env=env, timeout=30).split()[0]


def open_diagrams(beam_window, env):
    xdotool("windowfocus", "--sync", beam_window, "key", DIAGRAMS_SHORTCUT, env=env)
    diagrams = window(DIAGRAMS_TITLE, env)
    xdotool("windowmove", "--sync", diagrams, *map(str, DIAGRAMS_PLACE), env=env)
    return diagrams


def peak_mb(pid):
    """The process's peak resident memory so far, in MB."""
    with open(f"/proc/{pid}/status") as f:
        kilobytes = next(int(line.split()[1]) for line in f if line.startswith("VmHWM:"))
    return kilobytes * 1024 / 1e6


def measure_changes(pid, server, wid, env, runs, changes, results, prefix=""):
    """Arrow clicks, then arrow keys, on the bar of window `wid`."""
    for name, commands in (("arrows", arrow_clicks), ("keys", arrow_keys)):
        for _ in range(runs):
            own, xvfb = batch(pid, server, env, commands(wid, changes))
            results.setdefault(prefix + name, []).append(own / changes)
            results.setdefault(f"{prefix}xvfb_{name}", []).append(xvfb / changes)


def batch(pid, server, env, commands):
    """CPU milliseconds of the program and of the X server for one xdotool run."""
    settle(pid)
    before, server_before = cpu_ticks(pid), cpu_ticks(server)
    xdotool(*commands, env=env)
    settle(pid)
    return ((cpu_ticks(pid) - before) * 1000 / TICK, (cpu_ticks(server) - server_before) * 1000 / TICK)


def arrow_clicks(wid, changes):
    commands = []
    for i in range(changes):
        x, y = RIGHT_ARROW if i % 2 == 0 else LEFT_ARROW
        commands += ["mousemove", "--window", wid, str(x), str(y), "click", "1", "sleep", "0.02"]
    return commands


def arrow_keys(wid, changes):
    return ["key", "--window", wid, "--delay", "20"] + ["Right" if i % 2 == 0 else "Left" for i in range(changes)]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--changes", type=int, default=200)
    parser.add_argument("--floor")
    parser.add_argument("--compare")
    parser.add_argument("--compare-title")
    parser.add_argument("--compare-focus")
    args = parser.parse_args()

    read, write = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1920x1080x24", "-nolisten", "tcp"],
                              pass_fds=[write], stderr=subprocess.DEVNULL)
    os.close(write)
    display = os.read(read, 16).decode().strip()
    env = dict(os.environ, DISPLAY=f":{display}", QT_QPA_PLATFORM="xcb")
    # The start-up timing's switch would end the program at its first paint.
    env.pop("BEAM_DEFLECTION_EXIT_AFTER_FIRST_PAINT", None)
    results = {}
    try:
        program = subprocess.Popen([args.program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        main_window = window("Form1", env)
        xdotool("mousemove", "--window", main_window, *map(str, FIRST_MENU_ENTRY), "click", "1", env=env)
        beam_window = window("Form2", env)
        measure_changes(program.pid, server.pid, beam_window, env, args.runs, args.changes, results)
        leave = FIRST_LEAVE_BUTTON
        for title, entry, next_leave in OTHER_BEAM_WINDOWS:
            xdotool("mousemove", "--window", beam_window, *map(str, leave), "click", "1", env=env)
            main_window = window("Form1", env)
            xdotool("mousemove", "--window", main_window, *map(str, entry), "click", "1", env=env)
            beam_window, leave = window(title, env), next_leave
        settle(program.pid)
        results["peak_mb"] = peak_mb(program.pid)
        # Back to the concentrated-load window, with its diagram window open.
        xdotool("mousemove", "--window", beam_window, *map(str, leave), "click", "1", env=env)
        main_window = window("Form1", env)
        xdotool("mousemove", "--window", main_window, *map(str, FIRST_MENU_ENTRY), "click", "1", env=env)
        beam_window = window("Form2", env)
        open_diagrams(beam_window, env)
        for _ in range(args.runs):
            own, xvfb = batch(program.pid, server.pid, env, arrow_clicks(beam_window, args.changes))
            results.setdefault("diagrams_arrows", []).append(own / args.changes)
            results.setdefault("xvfb_diagrams_arrows", []).append(xvfb / args.changes)
        program.terminate()
        program.wait()

        if args.floor:
            floor = subprocess.Popen([args.floor], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            measure_changes(floor.pid, server.pid, window(FLOOR_TITLE, env), env, args.runs, args.changes, results,
                            prefix="floor_")
            results["floor_peak_mb"] = peak_mb(floor.pid)
            floor.terminate()
            floor.wait()

        if args.compare:
            other = subprocess.Popen([args.compare], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            wid = window(args.compare_title, env)
            x, y = args.compare_focus.split(",")
            xdotool("mousemove", "--window", wid, x, y, "click", "1", env=env)
            for _ in range(args.runs):
                own, xvfb = batch(other.pid, server.pid, env, arrow_keys(wid, args.changes))
                results.setdefault("compare_keys", []).append(own / args.changes)
                results.setdefault("compare_xvfb_keys", []).append(xvfb / args.changes)
            other.terminate()
            other.wait()
    finally:
        server.terminate()
        server.wait()
    json.dump(results, sys.stdout)
    print()


if __name__ == "__main__":
    main()
