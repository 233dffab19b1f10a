#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs every benchmark of a Release build and prints one table, also written
to bench/results.md.

    bench/run.py BUILD_DIR [--runs N]

In-process figures come from Google Benchmark (medians of repetitions).
Start-up and peak memory are whole-process figures: the real program, told by
DISTANCIA_LNB_QUIT_AFTER_FIRST_PAINT to end once its window has painted its
first frame, against a bare Qt window with one label and one text field (the
floor for any Qt program that shows text), alternated run by run on one X
server (Xvfb; the offscreen platform only where no X server can start)."""

import argparse
import json
import os
import platform
import random
import shutil
import statistics
import subprocess
import sys
import time
from datetime import date
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
QUIT_AFTER_FIRST_PAINT = "DISTANCIA_LNB_QUIT_AFTER_FIRST_PAINT"  # design/measurement.hpp


def google_benchmark(binary, repetitions=10):
    """{name: median real time in microseconds}"""
    out = subprocess.run(
        [binary, f"--benchmark_repetitions={repetitions}",
         "--benchmark_report_aggregates_only=true", "--benchmark_format=json"],
        check=True, capture_output=True, text=True,
        env={**os.environ, "QT_QPA_PLATFORM": "offscreen"}).stdout
    medians = {}
    for row in json.loads(out)["benchmarks"]:
        if row.get("aggregate_name") == "median":
            scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3}[row["time_unit"]]
            medians[row["run_name"]] = row["real_time"] * scale
    return medians


def start_x_server():
    """A private Xvfb display, or None when none can start."""
    if not shutil.which("Xvfb"):
        return None, None
    display = ":%d" % random.randint(200, 400)
    # -noreset: no reset between runs, when the last client has gone.
    server = subprocess.Popen(["Xvfb", display, "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                               "-noreset"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1.0)
    if server.poll() is not None:
        return None, None
    return server, display


def run_once(command, env):
    """Wall time (ms) from start to exit, and peak resident memory (MiB)."""
    start = time.perf_counter()
    process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    elapsed = (time.perf_counter() - start) * 1000
    if status != 0:
        sys.exit(f"{command[0]} ended with status {status}")
    return elapsed, usage.ru_maxrss / 1024


def alternated(programs, env, runs):
    """{name: (median ms, median MiB)} of the programs run in turn, in a new
    random order each round, after one warming run each."""
    samples = {name: [] for name in programs}
    for command in programs.values():
        run_once(command, env)
    for _ in range(runs):
        order = list(programs)
        random.shuffle(order)
        for name in order:
            samples[name].append(run_once(programs[name], env))
    return {name: (statistics.median(t for t, _ in s), statistics.median(m for _, m in s))
            for name, s in samples.items()}


def whole_process(build, windows_build, runs):
    server, display = start_x_server()
    env = {**os.environ, QUIT_AFTER_FIRST_PAINT: "1"}
    env.pop("QT_QPA_PLATFORM", None)
    if display:
        env["DISPLAY"] = display
    else:
        env["QT_QPA_PLATFORM"] = "offscreen"
    try:
        linux = alternated({"program": [str(build / "qt" / "distancia-lnb")],
                            "floor": [str(build / "bench" / "bare_window")]}, env, runs)
        windows = windows_under_wine(windows_build, env, runs) if display and windows_build else None
    finally:
        if server:
            server.terminate()
    return linux, windows, ("Xvfb" if display else "offscreen")


def windows_under_wine(windows_build, env, runs):
    """The Windows program against a bare Win32 window, both under one
    persistent Wine server (so that neither pays for starting Wine itself)."""
    env = {**env, "WINEPREFIX": str(windows_build / "wine"), "WINEDEBUG": "-all"}
    quiet = {"stdout": subprocess.DEVNULL, "stderr": subprocess.DEVNULL}
    subprocess.run(["wineboot", "-i"], env=env, check=True, **quiet)
    subprocess.run(["wineserver", "-k"], env=env, **quiet)
    subprocess.run(["wineserver", "-p"], env=env, check=True, **quiet)
    try:
        return alternated({"program": ["wine", str(windows_build / "win32" / "distancia-lnb.exe")],
                           "floor": ["wine", str(windows_build / "bench" / "bare_window.exe")]},
                          env, runs)
    finally:
        subprocess.run(["wineserver", "-k"], env=env, **quiet)


def machine():
    model = "unknown CPU"
    try:
        for line in Path("/proc/cpuinfo").read_text().splitlines():
            if line.startswith("model name"):
                model = line.split(":", 1)[1].strip()
                break
    except OSError:
        pass
    return f"{model}, {os.cpu_count()} cores, {platform.system()} {platform.release()}"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", type=Path)
    parser.add_argument("--runs", type=int, default=30)
    parser.add_argument("--windows", type=Path, help="the Windows build, for its start-up row")
    args = parser.parse_args()
    build = args.build.resolve()
    windows_build = args.windows.resolve() if args.windows else None

    core = google_benchmark(build / "bench" / "core_bench")
    window = google_benchmark(build / "bench" / "window_bench")
    process, windows, server = whole_process(build, windows_build, args.runs)

    rows = []
    for name, us in core.items():
        rows.append((f"core keystroke, {name.split('/')[-1]} field", f"{us * 1000:.0f} ns",
                     "< 1 µs", us < 1.0))
    for name, us in window.items():
        rows.append((f"window keystroke to repaint, {name.split('/')[-1].replace('_', ' ')}",
                     f"{us / 1000:.2f} ms", "< 2 ms", us < 2000))
    (program_ms, program_mib), (floor_ms, floor_mib) = process["program"], process["floor"]
    time_ratio, memory_ratio = program_ms / floor_ms, program_mib / floor_mib
    rows.append(("start-up to first painted frame, program", f"{program_ms:.1f} ms", "", None))
    rows.append(("start-up to first painted frame, bare Qt window", f"{floor_ms:.1f} ms", "", None))
    rows.append(("start-up ratio", f"{time_ratio:.2f}", "≤ 1.15", time_ratio <= 1.15))
    rows.append(("peak memory, program", f"{program_mib:.1f} MiB", "", None))
    rows.append(("peak memory, bare Qt window", f"{floor_mib:.1f} MiB", "", None))
    rows.append(("peak memory ratio", f"{memory_ratio:.2f}", "≤ 1.15", memory_ratio <= 1.15))
    if windows:
        (exe_ms, _), (bare_ms, _) = windows["program"], windows["floor"]
        exe = windows_build / "win32" / "distancia-lnb.exe"
        rows.append(("Windows start-up to first paint under Wine, program", f"{exe_ms:.1f} ms",
                     "", None))
        rows.append(("Windows start-up to first paint under Wine, bare Win32 window",
                     f"{bare_ms:.1f} ms", "", None))
        rows.append(("Windows start-up ratio", f"{exe_ms / bare_ms:.2f}", "≤ 1.15",
                     exe_ms / bare_ms <= 1.15))
        size = exe.stat().st_size
        rows.append(("Windows program file", f"{size / 1024:.0f} KiB", "≤ 1024 KiB",
                     size <= 1 << 20))

    lines = [
        "# Benchmark results",
        "",
        f"Measured {date.today().isoformat()} on {machine()} by `make bench` (Release build).",
        f"In-process figures: medians of 10 repetitions (Google Benchmark, offscreen).",
        f"Whole-process figures: medians of {args.runs} alternated runs each on {server}.",
        "",
        "| what | median | target | met |",
        "| --- | --- | --- | --- |",
    ]
    for what, value, target, met in rows:
        mark = "" if met is None else ("yes" if met else "**no**")
        lines.append(f"| {what} | {value} | {target} | {mark} |")
    table = "\n".join(lines) + "\n"
    print(table)
    (ROOT / "bench" / "results.md").write_text(table)


if __name__ == "__main__":
    main()
