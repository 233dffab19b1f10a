#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Turns the measurements measure.py and web.mjs wrote into one table,
printed and written to bench/results.md, and the README's paragraph of
figures from the same numbers: only what was measured, each with its date.

    bench/report.py [linux.json] [windows.json] [web.json]"""

import json
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent

# What each figure should stay within. Start-up: no worse than measured before
# the whole window went into the core's view (Linux 1.19 and 1.07 against the
# fair floor, Windows 1.38 and 1.21 against the bare window), with room for
# the runs' spread.
KEYSTROKE_CORE_US = 1.0
KEYSTROKE_WINDOW_US = 2000
START_UP_CPU = 1.20
START_UP_MEMORY = 1.08
WINDOWS_START_UP = 1.40
WINDOWS_MEMORY = 1.22
PROGRAM_FILE_KIB = 1024
WEB_TRANSFER_KIB = 150
WEB_FIRST_PAINT = 1.10
WEB_LIVE = 1.30
WEB_KEYSTROKE_MS = 16


def row(what, value, target="", met=None):
    mark = "" if met is None else ("yes" if met else "**no**")
    return f"| {what} | {value} | {target} | {mark} |"


def start_up_rows(prefix, start_up, floor, cpu_target, memory_target):
    rows = []
    for name, figures in start_up.items():
        rows.append(row(f"{prefix}start-up to first painted frame, {name}: CPU",
                        f"{figures['cpu_ms']:.1f} ms"))
        rows.append(row(f"{prefix}peak memory, {name}", f"{figures['peak_mib']:.1f} MiB"))
    program, compared = start_up["program"], start_up[floor]
    for what, key, target in [("start-up CPU", "cpu_ms", cpu_target),
                              ("peak memory", "peak_mib", memory_target)]:
        ratio = program[key] / compared[key]
        rows.append(row(f"{prefix}{what}, program / {floor}", f"{ratio:.2f}", f"≤ {target:.2f}",
                        ratio <= target))
    return rows


def linux_section(measured):
    lines = [f"## Linux", "",
             f"Measured {measured['date']} on {measured['machine']}: in-process figures are "
             f"medians of 10 repetitions (offscreen), whole-process figures medians of "
             f"{measured['runs']} alternated runs each on a virtual X display.", "",
             "| what | median | target | met |", "| --- | --- | --- | --- |"]
    for name, us in measured["core_keystroke_us"].items():
        lines.append(row(f"core keystroke, {name} field", f"{us * 1000:.0f} ns",
                         f"< {KEYSTROKE_CORE_US:g} µs", us < KEYSTROKE_CORE_US))
    for name, us in measured["window_keystroke_us"].items():
        lines.append(row(f"window keystroke to repaint, {name.replace('_', ' ')}",
                         f"{us / 1000:.2f} ms", f"< {KEYSTROKE_WINDOW_US / 1000:g} ms",
                         us < KEYSTROKE_WINDOW_US))
    lines += start_up_rows("", measured["start_up"], "fair floor", START_UP_CPU, START_UP_MEMORY)
    breakdown = measured["breakdown"]
    floor = breakdown["floor"]
    lines += ["", "Where the start-up goes beyond the fair floor, in instructions to the first "
              "painted frame (callgrind, one run each):", "",
              "| part | instructions | of the floor |", "| --- | --- | --- |"]
    parts = [("the fair floor, whole", floor), ("the program, whole", breakdown["program"])]
    parts += [(part["what"], part["instructions"]) for part in breakdown["parts"]]
    accounted = sum(part["instructions"] for part in breakdown["parts"])
    parts.append(("the rest, against the floor", breakdown["program"] - floor - accounted))
    for what, count in parts:
        lines.append(f"| {what} | {count / 1e6:.1f} M | {count / floor * 100:.1f} % |")
    return lines


def windows_section(measured):
    lines = ["## Windows", "",
             f"Measured {measured['date']} on {measured['machine']} under Wine: medians of "
             f"{measured['runs']} alternated runs each on a virtual X display.", "",
             "| what | median | target | met |", "| --- | --- | --- | --- |"]
    lines += start_up_rows("", measured["start_up"], "bare Win32 window", WINDOWS_START_UP,
                           WINDOWS_MEMORY)
    size = measured["program_file_kib"]
    lines.append(row("program file", f"{size:.0f} KiB", f"≤ {PROGRAM_FILE_KIB} KiB",
                     size <= PROGRAM_FILE_KIB))
    return lines


def web_section(measured):
    lines = ["## Web page", "",
             f"Measured {measured['date']} on {measured['machine']}, served from 127.0.0.1, no "
             f"cache and no service worker: medians of {measured['runs']} first visits "
             f"alternated with as many of the fair floor (bench/web_floor.html: the same words, "
             f"fonts and drawings as a static page) at the same size, on a wide screen (1280 × "
             f"800) and a phone (360 × 740, touch, 3 device pixels a CSS pixel, the CPU slowed "
             f"{measured['slowdown']} times); keystrokes medians of 101, under the same "
             f"slowdown.", "",
             "| what | median | target | met |", "| --- | --- | --- | --- |"]
    transfer = measured["transfer"]
    lines.append(row(f"first visit, all {transfer['files']} files gzipped, fonts included",
                     f"{transfer['gzipped_kib']:.1f} KiB", f"≤ {WEB_TRANSFER_KIB} KiB",
                     transfer["gzipped_kib"] <= WEB_TRANSFER_KIB))
    for name, profile in measured["profiles"].items():
        paint, pairs = profile["first_paint_ms"], profile["pair_ratio"]
        lines.append(row(f"{name}: first paint with the result, page / fair floor",
                         f"{paint['page']:.0f} / {paint['floor']:.0f} ms"))
        lines.append(row(f"{name}: first paint, each run's page / the floor run beside it",
                         f"{pairs['first_paint']:.2f} (middle half "
                         f"{pairs['first_paint_quartiles'][0]:.2f}–"
                         f"{pairs['first_paint_quartiles'][1]:.2f})",
                         f"≤ {WEB_FIRST_PAINT:.2f}", pairs["first_paint"] <= WEB_FIRST_PAINT))
        lines.append(row(f"{name}: live window (a key typed at the first paint computed)",
                         f"{paint['live']:.0f} ms"))
        lines.append(row(f"{name}: live window, each run's page / the floor run beside it",
                         f"{pairs['live']:.2f} (middle half {pairs['live_quartiles'][0]:.2f}–"
                         f"{pairs['live_quartiles'][1]:.2f})", f"≤ {WEB_LIVE:.2f}",
                         pairs["live"] <= WEB_LIVE))
        lines.append(row(f"{name}: keystroke to its layout, CPU slowed "
                         f"{measured['slowdown']} times", f"{profile['keystroke_ms']:.1f} ms",
                         f"< {WEB_KEYSTROKE_MS} ms", profile["keystroke_ms"] < WEB_KEYSTROKE_MS))
    for name, profile in measured["profiles"].items():
        lines += ["", f"When the page reaches each step, {name} (medians, \"result-painted\" "
                  "is the first paint with the result):", "",
                  "| step | ms after navigation |", "| --- | --- |"]
        for step, ms in profile["steps_ms"].items():
            lines.append(f"| {step} | {ms:.1f} |")
    return lines


def spread(values, scale=1.0, digits=1):
    low, high = min(values) * scale, max(values) * scale
    return f"{low:.{digits}f}" if f"{low:.{digits}f}" == f"{high:.{digits}f}" \
        else f"{low:.{digits}f}–{high:.{digits}f}"


def linux_summary(measured):
    start_up, fair = measured["start_up"]["program"], measured["start_up"]["fair floor"]
    return (f"On Linux ({measured['date']}) a keystroke costs the core "
            f"{spread(measured['core_keystroke_us'].values())} µs and the window "
            f"{spread(measured['window_keystroke_us'].values(), 1 / 1000)} ms from the text "
            f"change to a finished repaint. To its first painted frame the program takes "
            f"{start_up['cpu_ms']:.1f} ms of CPU against {fair['cpu_ms']:.1f} ms for a window "
            f"showing the same words and drawings without the program "
            f"({start_up['cpu_ms'] / fair['cpu_ms']:.2f}), and peaks at "
            f"{start_up['peak_mib']:.1f} MiB against {fair['peak_mib']:.1f} MiB "
            f"({start_up['peak_mib'] / fair['peak_mib']:.2f}).")


def windows_summary(measured):
    start_up = measured["start_up"]
    program, bare = start_up["program"], start_up["bare Win32 window"]
    return (f"Under Wine ({measured['date']}) the Windows program takes "
            f"{program['cpu_ms']:.0f} ms of CPU to its first frame against "
            f"{bare['cpu_ms']:.0f} ms for a bare Win32 window "
            f"({program['cpu_ms'] / bare['cpu_ms']:.2f}) and peaks at "
            f"{program['peak_mib']:.1f} MiB against {bare['peak_mib']:.1f} MiB; its program "
            f"file is {measured['program_file_kib']:.0f} KiB.")


def web_summary(measured):
    sentences = [f"The page ({measured['date']}) transfers "
                 f"{measured['transfer']['gzipped_kib']:.0f} KiB gzipped on its first visit, "
                 f"fonts included."]
    for name, what in [("wide", "On a wide screen"),
                       ("phone", f"On a phone (the CPU slowed {measured['slowdown']} times)")]:
        profile = measured["profiles"][name]
        paint, pairs = profile["first_paint_ms"], profile["pair_ratio"]
        sentences.append(
            f"{what} its first paint with the result comes {paint['page']:.0f} ms after "
            f"navigation against {paint['floor']:.0f} ms for a static page of the same words, "
            f"fonts and drawings ({pairs['first_paint']:.2f}, run by run), the live window at "
            f"{paint['live']:.0f} ms ({pairs['live']:.2f}); a keystroke costs it "
            f"{profile['keystroke_ms']:.1f} ms to the finished layout.")
    return " ".join(sentences)


def section_for(measured):
    if "profiles" in measured:
        return web_section
    return windows_section if "program_file_kib" in measured else linux_section


def summary_for(measured):
    if "profiles" in measured:
        return web_summary
    return windows_summary if "program_file_kib" in measured else linux_summary


# The README's paragraph of figures lies between these lines.
README_FIGURES = ("<!-- figures: bench/report.py writes them from bench/*.json -->",
                  "<!-- end of figures -->")


def write_readme_figures(paragraphs, machine):
    readme = ROOT / "README.md"
    text = readme.read_text()
    start, end = (text.index(mark) for mark in README_FIGURES)
    figures = (f"Last figures ([bench/results.md](bench/results.md); {machine}):\n\n" +
               "\n\n".join(paragraphs))
    readme.write_text(text[:start + len(README_FIGURES[0])] + "\n" + figures + "\n" + text[end:])


def main():
    lines = ["# Benchmark results", "", "Made by `make bench` (Linux), `make bench-windows` "
             "(Windows, under Wine) and `make bench-web` (the page, in Chromium) from release "
             "builds; each section says when it was measured."]
    paragraphs, machine = [], ""
    for path in sys.argv[1:]:
        measured = json.loads(Path(path).read_text())
        lines += [""] + section_for(measured)(measured)
        paragraphs.append(summary_for(measured)(measured))
        machine = ", ".join(part.strip() for part in measured["machine"].split(",")[:2])
    table = "\n".join(lines) + "\n"
    print(table)
    (ROOT / "bench" / "results.md").write_text(table)
    if paragraphs:
        write_readme_figures(paragraphs, machine.strip())


if __name__ == "__main__":
    main()
