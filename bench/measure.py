#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Measures a Release build and writes what it measured, as JSON; report.py
turns the measurements into bench/results.md.

    bench/measure.py linux BUILD_DIR OUT.json [--runs N]
    bench/measure.py windows WINDOWS_BUILD_DIR OUT.json [--runs N]

Linux: the core's and the window's keystroke (Google Benchmark, medians of
repetitions, offscreen); whole-process start-up and peak memory of the real
program, told by DISTANCIA_LNB_QUIT_AFTER_FIRST_PAINT to end once its window
has painted its first frame, against two floors (a window holding every word
of the design in its fonts, the fair floor; a bare Qt window), alternated run
by run on one virtual X display; and where the program's start-up goes beyond
the fair floor, in instructions (callgrind), which do not vary from run to run.
Windows: the same start-up and memory under Wine, and the program file's size.
CPU time is user plus system time."""

import argparse
import json
import os
import platform
import random
import shutil
import statistics
import subprocess
import sys
from datetime import date
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / "tests"))
from desktop_session import start_display  # noqa: E402

QUIT_AFTER_FIRST_PAINT = "DISTANCIA_LNB_QUIT_AFTER_FIRST_PAINT"  # design/measurement.hpp

# The parts of the program's start-up the fair floor has not, each the
# inclusive instruction count of the functions named, added or taken off: the
# font database, which the floor loads too, is loaded first by the core's
# first measuring.
STARTUP_PARTS = [
    ("the six pictures: SVG drawings parsed and rendered",
     [("lnb::diagram::PicturePainter::paint", 1)]),
    ("the core: its first view and Load, with the two fonts its fitting rule measures in first",
     [("lnb::Presenter::Presenter", 1), ("lnb::Presenter::load", 1),
      ("QFontDatabasePrivate::ensureFontDatabase", -1)]),
]


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
            medians[row["run_name"].split("/")[-1]] = row["real_time"] * scale
    if not medians:
        sys.exit(f"{binary} gave no figures")
    return medians


def run_once(command, env):
    """CPU time (ms) from start to exit, and peak resident memory (MiB)."""
    process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    if status != 0:
        sys.exit(f"{command} ended with status {status}")
    return (usage.ru_utime + usage.ru_stime) * 1000, usage.ru_maxrss / 1024


def alternated(programs, env, runs):
    """{name: {"cpu_ms", "peak_mib"}}, medians of the programs run in turn in
    a new random order each round, after one warming run each."""
    samples = {name: [] for name in programs}
    for command in programs.values():
        run_once(command, env)
    for _ in range(runs):
        order = list(programs)
        random.shuffle(order)
        for name in order:
            samples[name].append(run_once(programs[name], env))
    return {name: {"cpu_ms": statistics.median(s[0] for s in taken),
                   "peak_mib": statistics.median(s[1] for s in taken)}
            for name, taken in samples.items()}


def instructions(command, env):
    """{function: inclusive instructions}, with "total", of one run under
    callgrind."""
    for tool in ("valgrind", "callgrind_annotate"):
        if not shutil.which(tool):
            sys.exit(f"{tool} is missing: the start-up breakdown needs it")
    out = Path(f"/tmp/distancia-bench-{os.getpid()}.callgrind")
    subprocess.run(["valgrind", "--tool=callgrind", f"--callgrind-out-file={out}", *command],
                   env=env, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    report = subprocess.run(["callgrind_annotate", "--inclusive=yes", "--threshold=100", str(out)],
                            check=True, capture_output=True, text=True).stdout
    out.unlink()
    counts = {}
    for line in report.splitlines():
        fields = line.split()
        if len(fields) >= 2 and fields[0].replace(",", "").isdigit():
            count = int(fields[0].replace(",", ""))
            name = "total" if "PROGRAM TOTALS" in line else line.split(":", 1)[-1]
            counts.setdefault(name.split("(")[0].strip(), count)
    return counts


def startup_breakdown(program, floor):
    """Instructions of the program's start-up parts beyond the fair floor;
    fails when callgrind's report lacks a function a part names."""
    parts = []
    for what, functions in STARTUP_PARTS:
        missing = [name for name, _ in functions if name not in program]
        if missing:
            sys.exit(f"the start-up breakdown cannot find {missing} in callgrind's report")
        parts.append({"what": what,
                      "instructions": sum(sign * program[name] for name, sign in functions)})
    return {"floor": floor["total"], "program": program["total"], "parts": parts}


def machine():
    model = "unknown CPU"
    for line in Path("/proc/cpuinfo").read_text().splitlines():
        if line.startswith("model name"):
            model = line.split(":", 1)[1].strip()
            break
    return f"{model}, {os.cpu_count()} cores, {platform.system()} {platform.release()}"


def on_a_display(measure):
    """Runs measure(env) with a private virtual X display."""
    server = start_display()
    try:
        env = {**os.environ, QUIT_AFTER_FIRST_PAINT: "1"}
        env.pop("QT_QPA_PLATFORM", None)
        return measure(env)
    finally:
        server.terminate()


def measure_linux(build, runs):
    program = [str(build / "qt" / "distancia-lnb")]
    texts = [str(build / "bench" / "design_texts_window")]
    floor = [str(build / "bench" / "bare_window")]

    def whole_process(env):
        start_up = alternated({"program": program, "fair floor": texts, "bare Qt window": floor},
                              env, runs)
        breakdown = startup_breakdown(instructions(program, env), instructions(texts, env))
        return start_up, breakdown

    start_up, breakdown = on_a_display(whole_process)
    return {"core_keystroke_us": google_benchmark(build / "bench" / "core_bench"),
            "window_keystroke_us": google_benchmark(build / "bench" / "window_bench"),
            "start_up": start_up, "breakdown": breakdown}


def measure_windows(build, runs):
    """The Windows program against the design-texts and bare Win32 windows,
    all under one persistent Wine server (so that none pays for starting
    Wine itself)."""
    def under_wine(env):
        env = {**env, "WINEPREFIX": str(build / "wine"), "WINEDEBUG": "-all"}
        quiet = {"stdout": subprocess.DEVNULL, "stderr": subprocess.DEVNULL}
        subprocess.run(["wineboot", "-i"], env=env, check=True, **quiet)
        subprocess.run(["wineserver", "-k"], env=env, **quiet)
        subprocess.run(["wineserver", "-p"], env=env, check=True, **quiet)
        try:
            return alternated(
                {"program": ["wine", str(build / "win32" / "distancia-lnb.exe")],
                 "fair floor": ["wine", str(build / "bench" / "design_texts_window.exe")],
                 "bare Win32 window": ["wine", str(build / "bench" / "bare_window.exe")]},
                env, runs)
        finally:
            subprocess.run(["wineserver", "-k"], env=env, **quiet)

    exe = build / "win32" / "distancia-lnb.exe"
    return {"start_up": on_a_display(under_wine), "program_file_kib": exe.stat().st_size / 1024}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("platform", choices=["linux", "windows"])
    parser.add_argument("build", type=Path)
    parser.add_argument("out", type=Path)
    parser.add_argument("--runs", type=int, default=15)
    args = parser.parse_args()
    build = args.build.resolve()
    measured = (measure_linux if args.platform == "linux" else measure_windows)(build, args.runs)
    measured.update({"date": date.today().isoformat(), "machine": machine(), "runs": args.runs})
    args.out.write_text(json.dumps(measured, indent=2, ensure_ascii=False) + "\n")
    print(f"wrote {args.out}")


if __name__ == "__main__":
    main()
