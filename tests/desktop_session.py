# SPDX-License-Identifier: GPL-3.0-or-later
"""What the tests that drive a real program on a virtual X display share:
the display, checks that report and count, and the screen's pixels."""

import os
import subprocess
import sys

failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what, flush=True)
    if not condition:
        failures.append(what)
    return condition


def finish():
    if failures:
        sys.exit(f"{len(failures)} checks failed")


def run(*command, **kwargs):
    return subprocess.run(command, check=True, capture_output=True, text=True, **kwargs).stdout


def start_display():
    """A private Xvfb server; DISPLAY names it from now on. It does not reset
    when its last client leaves: a reset would drop the keyboard layout, and
    a client that connects meanwhile."""
    read, write = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24",
                               "-nolisten", "tcp", "-noreset"], pass_fds=[write],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write)
    # The number comes with a newline, perhaps in a write of its own: closing
    # the pipe before it would end the server.
    number = b""
    while not number.endswith(b"\n"):
        number += os.read(read, 16)
    os.close(read)
    os.environ["DISPLAY"] = ":" + number.decode().strip()
    return server


def screen_pixels(x, y, width, height):
    """{(x, y): (r, g, b)} of a part of the screen, in screen coordinates."""
    text = run("import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}", "-depth", "8",
               "txt:-")
    pixels = {}
    for line in text.splitlines()[1:]:
        where, colour = line.split(":", 1)
        px, py = (int(v) for v in where.split(","))
        r, g, b = (int(v) for v in colour.split("(")[1].split(")")[0].split(",")[:3])
        pixels[(x + px, y + py)] = (r, g, b)
    return pixels


def is_blue(rgb):
    r, g, b = rgb
    return b > 120 and b - r > 60 and b - g > 60
