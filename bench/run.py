#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Measures Il Tramolo against a bare Qt main window, the floor.

  python3 bench/run.py [--runs N] [--idle-seconds S] [--build DIR] [--quick]

Start-up: instructions (callgrind, or perf where valgrind is missing), time
from process start to the end of the first paint, and peak memory,
alternating the real window (the cube window, the problems window, then
the splash) and the
floor (instructions also against the floor with the cube window's faces), on the offscreen platform and under Xvfb;
the choice window against its own floor, its ten pictures in a plain window. Idle: CPU time and wake-ups (context switches) of a
window left alone. Interaction, worksheet, register and soak: the in-process benchmarks. Prints
medians and the ratios program/floor. Never part of the tests' pass or fail.
"""

import argparse
import os
import re
import shutil
import signal
import statistics
import subprocess
import sys
import time


def run_once(program, env):
    started = time.perf_counter()
    process = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    elapsed = time.perf_counter() - started
    if status != 0:
        sys.exit("%s failed with status %d" % (program, status))
    return elapsed, usage.ru_maxrss  # seconds, KiB


def start_xvfb():
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x800x24",
                             "-nolisten", "tcp"], pass_fds=(write_end,),
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        display = ":" + pipe.readline().strip()
    return xvfb, display


def instructions(program, env):
    """Instructions from process start to exit, or None where nothing can count them."""
    if shutil.which("valgrind"):
        done = subprocess.run(["valgrind", "--tool=callgrind", "--callgrind-out-file=/dev/null", program],
                              env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        found = re.search(r"Collected : (\d+)", done.stderr)
    elif shutil.which("perf"):
        done = subprocess.run(["perf", "stat", "-x,", "-e", "instructions:u", program],
                              env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        found = re.search(r"^(\d+),", done.stderr, re.M)
    else:
        return None
    return int(found.group(1)) if found else None


def counted(bench, env, window, program, runs):
    """Medians over a few runs: the exercise drawn, and so the glyphs painted, vary."""
    def median(binary):
        found = [instructions(os.path.join(bench, binary), env) for _ in range(runs)]
        return None if None in found else statistics.median(found)
    ours = median(program)
    floor = median("tramolo-bench-floor")
    faces = median("tramolo-bench-floor-faces")
    if ours is None or floor is None or faces is None:
        print("instructions, %-6s: neither valgrind nor perf can count here" % window)
        return
    print("instructions, %-8s program %7.1f M | floor %7.1f M | floor with the faces %7.1f M | "
          "ratios %.2f, %.2f" % (window, ours / 1e6, floor / 1e6, faces / 1e6, ours / floor, ours / faces))


def counted_choice(bench, env, runs):
    """The choice window against its own floor, its pictures in a plain window."""
    found = {}
    for binary in ("tramolo-bench-choice", "tramolo-bench-floor-choice"):
        counts = [instructions(os.path.join(bench, binary), env) for _ in range(runs)]
        found[binary] = None if None in counts else statistics.median(counts)
    ours, floor = found["tramolo-bench-choice"], found["tramolo-bench-floor-choice"]
    if ours is None or floor is None:
        print("instructions, choice: neither valgrind nor perf can count here")
        return
    print("instructions, choice   program %7.1f M | floor of its pictures %7.1f M | ratio %.2f"
          % (ours / 1e6, floor / 1e6, ours / floor))


def startup(bench, runs, env, label, window="cube", program="tramolo-bench-startup"):
    times = {"program": [], "floor": []}
    memory = {"program": [], "floor": []}
    for _ in range(runs):
        for name, binary in (("program", program), ("floor", "tramolo-bench-floor")):
            elapsed, rss = run_once(os.path.join(bench, binary), env)
            times[name].append(elapsed)
            memory[name].append(rss)
    t = {k: statistics.median(v) for k, v in times.items()}
    m = {k: statistics.median(v) for k, v in memory.items()}
    print("start-up, %-8s %-9s program %6.1f ms %7.0f KiB | floor %6.1f ms %7.0f KiB | "
          "ratio time %.2f memory %.2f" % (window, label, t["program"] * 1000, m["program"],
                                           t["floor"] * 1000, m["floor"],
                                           t["program"] / t["floor"], m["program"] / m["floor"]))


def cpu_and_wakeups(pid):
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    ticks = int(fields[11]) + int(fields[12])  # utime + stime
    switches = 0
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith(("voluntary_ctxt_switches", "nonvoluntary_ctxt_switches")):
                switches += int(line.split()[1])
    return ticks / os.sysconf("SC_CLK_TCK"), switches


def idle(bench, seconds, env):
    results = {}
    for name, program in (("program", "tramolo-bench-startup"), ("floor", "tramolo-bench-floor")):
        process = subprocess.Popen([os.path.join(bench, program), "--stay"], env=env,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(3)
        cpu0, wake0 = cpu_and_wakeups(process.pid)
        time.sleep(seconds)
        cpu1, wake1 = cpu_and_wakeups(process.pid)
        process.send_signal(signal.SIGTERM)
        process.wait()
        results[name] = (cpu1 - cpu0, wake1 - wake0)
    print("idle %d s, Xvfb:    program %.2f s CPU %5d wake-ups | floor %.2f s CPU %5d wake-ups"
          % (seconds, results["program"][0], results["program"][1],
             results["floor"][0], results["floor"][1]))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--build", default=os.path.join(os.path.dirname(__file__), "..", "build"))
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--idle-seconds", type=int, default=60)
    parser.add_argument("--quick", action="store_true", help="few runs, short idle, small soak")
    args = parser.parse_args()
    if args.quick:
        args.runs, args.idle_seconds = 3, 5
    bench = os.path.join(args.build, "bench")

    base = {k: v for k, v in os.environ.items() if not k.startswith("QT_")}
    offscreen = dict(base, QT_QPA_PLATFORM="offscreen")
    xvfb, display = start_xvfb()
    try:
        x11 = dict(base, DISPLAY=display, QT_QPA_PLATFORM="xcb")
        print("machine: %d cores, %s" % (os.cpu_count(), os.uname().release))
        for window, program in (("cube", "tramolo-bench-startup"), ("problems", "tramolo-bench-problems"),
                                ("splash", "tramolo-bench-splash")):
            counted(bench, offscreen, window, program, min(args.runs, 5))
            startup(bench, args.runs, offscreen, "offscreen", window, program)
            startup(bench, args.runs, x11, "Xvfb", window, program)
        counted_choice(bench, offscreen, min(args.runs, 5))
        idle(bench, args.idle_seconds, x11)
    finally:
        xvfb.terminate()
        xvfb.wait()

    count = "1000" if args.quick else "10000"
    subprocess.run([os.path.join(bench, "tramolo-bench-interaction"), count], env=offscreen,
                   stderr=subprocess.DEVNULL, check=True)
    subprocess.run([os.path.join(bench, "tramolo-bench-worksheet"), "3" if args.quick else "9"], env=offscreen,
                   check=True)
    subprocess.run([os.path.join(bench, "tramolo-bench-register"), "1" if args.quick else "3"], env=offscreen,
                   stderr=subprocess.DEVNULL, check=True)
    soak = ["100000", "1000"] if args.quick else []
    subprocess.run([os.path.join(bench, "tramolo-bench-soak"), *soak], env=offscreen,
                   stderr=subprocess.DEVNULL, check=True)


if __name__ == "__main__":
    main()
