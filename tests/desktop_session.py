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


def start_display(size="1024x768"):
    """A private Xvfb server of `size` pixels; DISPLAY names it from now on.
    It does not reset when its last client leaves: a reset would drop the
    keyboard layout, and a client that connects meanwhile."""
    read, write = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", f"{size}x24",
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


DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "data")
FIELD_LETTERS = {"V": "txtVertical", "H": "txtHorizontal", "p": "txtProfundidad"}
EXAMPLE_FIGURES = {"txtVertical": "80", "txtHorizontal": "80", "txtProfundidad": "10"}


def table(name):
    """The rows of a table of tests/data/, split at tabs; a table without
    rows stops the test: its checks would pass by checking nothing."""
    with open(os.path.join(DATA, name), encoding="utf-8") as lines:
        rows = [line.rstrip("\n").split("\t") for line in lines
                if line.strip() and not line.startswith("#")]
    if not rows:
        sys.exit(f"tests/data/{name} has no rows")
    return rows


def status_rows(separator):
    """The status rows for a locale's separator (tests/data/status_rows.tsv):
    (typed as [(control name, text)], result, blue, line, tone, sheet as
    [caption, lines...] or [])."""
    rows = []
    for sep, typed, result, colour, line, tone, sheet in table("status_rows.tsv"):
        if sep != separator:
            continue
        steps = [] if typed == "-" else [step.split("=", 1) for step in typed.split(";")]
        rows.append(([(FIELD_LETTERS[f], text) for f, text in steps], result,
                     colour == "blue", line, tone, sheet.split("|") if sheet else []))
    if not rows:
        sys.exit(f"no status rows for '{separator}'")
    return rows


def one_row_of_each_look(rows):
    """One status row for each way the window shows a status: each colour of
    the result with each tone of the line and each kind of sheet (none, or
    its caption), the first row of each."""
    chosen = {}
    for row in rows:
        _, _, blue, _, tone, sheet = row
        chosen.setdefault((blue, tone, sheet[0] if sheet else ""), row)
    return list(chosen.values())


def copied_sheet(figures, result, sheet):
    """What "Copiar la ficha" copies: the figures under their captions, the
    result under its heading, the sheet's lines."""
    lines = [f"{caption}: {figures[name]}" for name, caption in
             (("txtVertical", "Vertical"), ("txtHorizontal", "Horizontal"),
              ("txtProfundidad", "Profundidad"))]
    return "\n".join(lines + [f"Distancia aplicable: {result}"] + sheet) + "\n"


PANEL_SPOKEN = ["Latitud", "Longitud", "Satélite", "2.º satélite", "3.º satélite"]


def pointing_rows(separator):
    """The pointing panel's rows for a locale's separator
    (tests/data/pointing.tsv): (figures as {control: text}, the panel's five
    fields, the four lines, the second LNB's apex (x, y) or None)."""
    rows = []
    for row in table("pointing.tsv"):
        if row[0] != separator:
            continue
        figures = dict(zip(("txtVertical", "txtHorizontal", "txtProfundidad"), row[1].split(";")))
        apex = None if row[11] == "-" else tuple(int(v) for v in row[11].split(","))
        rows.append((figures, row[2:7], row[7:11], apex))
    if not rows:
        sys.exit(f"no pointing rows for '{separator}'")
    return rows


def outline_near(pixel, x, y):
    """Whether the drawings' dark blue outline passes within 2 px of a point;
    `pixel(x, y)` gives (r, g, b)."""
    return any(is_blue(pixel(x + dx, y + dy)) for dx in range(-2, 3) for dy in range(-2, 3))


def picture_points():
    """(what, x, y, looks) of tests/data/pictures.tsv."""
    return [(what, int(x), int(y), looks) for what, x, y, looks in table("pictures.tsv")]


def appearance_checks():
    """(what, check, x, y, w, h, expect) of tests/data/appearance.tsv."""
    checks = []
    for what, check, x, y, w, h, expect in table("appearance.tsv"):
        checks.append((what, check, int(x), int(y), 1 if w == "-" else int(w),
                       1 if h == "-" else int(h), expect))
    return checks


def ink_is(rgb, kind):
    """The kinds of colour a text's ink is told apart by (as the Qt suite's)."""
    r, g, b = rgb
    return {
        "dark": max(rgb) <= 80,
        "blue": b >= 160 and b - r >= 80 and b - g >= 80,
        "white": min(rgb) >= 230,
        "green": g >= 80 and g - r >= 50 and g - b >= 50,
        "grey": max(rgb) - min(rgb) <= 24 and 90 <= r <= 180,
        "red": r >= 120 and r - g >= 60 and r - b >= 60,
    }[kind]


def ink_in(pixels, x, y, w, h):
    """The drawn pixel of an area furthest from its first one, its background."""
    background = pixels[(x, y)]
    return max((pixels[(px, py)] for px in range(x, x + w) for py in range(y, y + h)),
               key=lambda c: sum(abs(a - b) for a, b in zip(c, background)))


def tone_of(ink):
    """How the line under the result is drawn, from its ink."""
    r, g, b = ink
    if r - g > 60 and r - b > 60:
        return "message"
    if max(ink) < 80:
        return "info"
    return "none"


def check_appearance(pixels, origin, what_suffix=""):
    """The appearance table against a screen's pixels, the window's client
    area at `origin`."""
    ox, oy = origin
    client = {(px - ox, py - oy): c for (px, py), c in pixels.items()}
    for what, kind, x, y, w, h, expect in appearance_checks():
        if kind == "colour":
            rgb = client[(x, y)]
            check("%02X%02X%02X" % rgb == expect, f"{what}{what_suffix}: {rgb} is {expect}")
        elif kind == "unlike":
            rgb = client[(x, y)]
            check("%02X%02X%02X" % rgb not in expect.split(","),
                  f"{what}{what_suffix}: {rgb} is none of {expect}")
        else:
            ink = ink_in(client, x, y, w, h)
            check(ink_is(ink, expect), f"{what}{what_suffix}: ink {ink} is {expect}")
