#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The Windows program, black-box, under Wine on a virtual X display: the
program file's resources and imports, then the running window typed into
with xdotool, read back with the probe (its controls' texts, the focus) and
looked at on the screen.

    session_test.py PROGRAM.exe PROBE.exe TESTS_BUILD.exe [WINDOWS_VERSION]

TESTS_BUILD is the program as the tests build it, whose high contrast a
switch of the tests turns on (Wine has none). WINEPREFIX names a prefix made
beforehand (wineboot -i)."""

import os
import struct
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from desktop_session import (  # noqa: E402
    EXAMPLE_FIGURES, appearance_checks, check, check_appearance, copied_sheet, finish, ink_in,
    is_blue, one_row_of_each_look, outline_near, picture_points, pointing_rows, run, screen_pixels, status_rows, table, tone_of)
from wine_session import Window, new_wine_session, wine, wine_on_a_display  # noqa: E402

PROGRAM, PROBE, TESTS_BUILD = sys.argv[1:4]
# The version the Wine prefix is set to be, when the test asks for one
# ("6.1": Windows 7).
WINDOWS_VERSION = sys.argv[4] if len(sys.argv) > 4 else None
SHEET = ["fraFicha", "lblFicha1", "lblFicha2", "lblFicha3"]
TITLE = "Calcula la distancia necesaria entre el LNB y el centro del plato de una parabólica."
STATE_SYSTEM_INVISIBLE = 0x8000
STATE_SYSTEM_PRESSED = 0x8
STATE_SYSTEM_CHECKED = 0x10



# What the program certainly imports: a window, its controls, its painting,
# its C runtime. An import table read without them was misread.
CERTAIN_IMPORTS = {("KERNEL32.dll", "GetProcAddress"), ("USER32.dll", "CreateWindowExW"),
                   ("GDI32.dll", "StretchBlt"), ("COMCTL32.dll", "SetWindowSubclass"),
                   ("msvcrt.dll", "malloc")}


def imports_of(headers):
    """The (DLL, function) pairs of objdump's import table: under each "DLL
    Name:" a line of column titles, then one line per import whose last field
    is its name, whatever columns come before it (binutils 2.44 added one),
    up to a blank line."""
    imported, dll = set(), None
    for line in headers.splitlines():
        fields = line.split()
        if "DLL Name:" in line:
            dll = line.split(":", 1)[1].strip()
        elif not fields:
            dll = None
        elif dll and not fields[0].endswith(":"):
            imported.add((dll, fields[-1]))
    return imported


def check_program_file():
    check(os.path.getsize(PROGRAM) <= 1 << 20, f"{os.path.getsize(PROGRAM)} bytes, at most 1 MiB")
    headers = run("x86_64-w64-mingw32-objdump", "-p", PROGRAM)
    check("(Windows GUI)" in headers, "GUI subsystem")
    allowed = {(dll, function) for dll, function in table("windows7_imports.tsv")}
    imported = imports_of(headers)
    check(CERTAIN_IMPORTS <= imported,
          f"the import table is read: {len(imported)} imports, without "
          f"{sorted(CERTAIN_IMPORTS - imported)}")
    check(imported <= allowed,
          f"imports only what Windows 7 SP1 has: not {sorted(imported - allowed)}")
    listing = run("wrestool", "-l", PROGRAM)
    first_icon = next(line for line in listing.splitlines() if "group_icon" in line)
    group = subprocess.run(["wrestool", "-x", "--raw", "--type=14", PROGRAM], capture_output=True).stdout
    check(struct.unpack_from("<HHH", group)[2] == 3, f"icon group of three images: {first_icon}")
    version = subprocess.run(["wrestool", "-x", "--raw", "--type=16", PROGRAM], capture_output=True).stdout
    check("--language=3082" in next(line for line in listing.splitlines() if "version" in line),
          "version record in language 0x0C0A")
    check("0C0A04B0".encode("utf-16-le") in version and "1.00".encode("utf-16-le") in version,
          "version 1.00, Spanish, Unicode")


def check_start(window):
    if WINDOWS_VERSION:
        version = window.probe("windows")
        check(version == WINDOWS_VERSION, f"Windows says it is {version}")
    check(window.title == TITLE, f"title {window.title!r}")
    check(window.client == (805, 643), f"client area {window.client}")
    check(window.text("txtDistancia") == "40", "80/80/10 gives 40")
    check(window.probe("focus") == "txtVertical", "the focus starts in txtVertical")
    check(window.probe("selection", "txtVertical") == "0 2", "with its text selected")


def check_keyboard(window):
    for key, control in [("Tab", "txtHorizontal"), ("Tab", "txtProfundidad"),
                         ("Tab", "cmdApuntar"), ("Tab", "txtVertical"), ("shift+Tab", "cmdApuntar"),
                         ("shift+Tab", "txtProfundidad"), ("shift+Tab", "txtHorizontal")]:
        window.keys(key)
        check(window.probe("focus") == control, f"{key} goes to {control}")
        if control.startswith("txt"):
            check(window.probe("selection", control) == "0 2",
                  f"entering {control} selects its figure")
    window.type("9")
    check(window.text("txtDistancia") == "12.3765625", "horizontal 9 gives 12.3765625")
    window.type("0")
    check(window.text("txtDistancia") == "45.15625", "horizontal 90 gives 45.15625")
    window.keys("Tab", "Tab", "Tab", "Tab")
    check(window.probe("selection", "txtHorizontal") == "2 2",
          "a field typed into is entered with the caret at its end")
    window.type("5")
    window.keys("ctrl+z")  # the typing since the field was entered, as Windows groups it
    check(window.text("txtHorizontal") == "80", f"Ctrl+Z undoes: {window.text('txtHorizontal')!r}")
    check(window.text("txtDistancia") == "40", "and the result follows")
    window.keys("ctrl+y")
    check(window.text("txtHorizontal") == "905", f"Ctrl+Y redoes: {window.text('txtHorizontal')!r}")
    window.keys("ctrl+y")
    check(window.text("txtHorizontal") == "905", "Ctrl+Y with nothing undone changes nothing")
    window.keys("ctrl+z", "ctrl+shift+z")
    check(window.text("txtHorizontal") == "905", "Ctrl+Shift+Z redoes too")
    x, y, w, h = (int(v) for v in window.probe("where", "txtProfundidad").split())
    run("xdotool", "mousemove", str(x + 4), str(y + h // 2), "click", "1")
    time.sleep(0.3)
    check(window.probe("selection", "txtProfundidad") == "0 0", "a click keeps its caret")
    window.probe("select", "txtHorizontal", "1,1")
    x, y, w, h = (int(v) for v in window.probe("where", "txtHorizontal").split())
    run("xdotool", "mousemove", str(x + w - 4), str(y + h // 2), "click", "3")
    time.sleep(0.3)
    window.keys("Escape")
    check(window.probe("focus") == "txtHorizontal", "a right click enters a field")
    check(window.probe("selection", "txtHorizontal") == "1 1",
          f"a right click keeps its caret: {window.probe('selection', 'txtHorizontal')}")


def check_status_rows(window, separator):
    """A status row of each look (the core's suite checks them all), each from
    the example figures, one probe run apiece: the fields that differ put
    back, the row's texts pasted, then what the window shows read back and
    looked at."""
    for typed, result, blue, line, tone, sheet in one_row_of_each_look(status_rows(separator)):
        commands = []
        for name, figure in EXAMPLE_FIGURES.items():
            if window.texts[name] != figure:
                commands += ["paste", name, figure, "--"]
        for name, text in typed:
            commands += ["paste", name, text, "--"]
        commands += ["text", "txtDistancia", "--", "text", "lblAviso", "--",
                     "where", "txtDistancia", "--", "where", "lblAviso"]
        for name in SHEET:
            commands += ["--", "shown", name, "--", "text", name]
        shown, said, result_at, line_at, *sheet_shown = window.probe(*commands).split("\n")
        window.texts = dict(EXAMPLE_FIGURES)
        window.texts.update(typed)
        what = f"'{separator}' " + (" ".join(f"{n}={t!r}" for n, t in typed) or "as started")
        check(shown == result, f"{what}: result {shown!r}")
        check(said == line, f"{what}: line {said!r}")
        rx, ry, rw, rh = (int(v) for v in result_at.split())
        lx, ly, lw, lh = (int(v) for v in line_at.split())
        left, right = min(rx, lx), max(rx + rw, lx + lw)
        pixels = screen_pixels(left, ry, right - left, ly + lh - ry)
        check(any(is_blue(rgb) for (x, y), rgb in pixels.items()
                  if rx <= x < rx + rw and y < ry + rh) == blue, f"{what}: blue {blue}")
        ink = ink_in(pixels, lx, ly, lw, min(lh, 14))  # above the front dish
        check(tone_of(ink) == tone, f"{what}: line drawn as {tone} ({ink})")
        heard = [text for visible, text in zip(sheet_shown[::2], sheet_shown[1::2])
                 if visible == "yes"]
        check(heard == sheet, f"{what}: sheet {heard!r}")


def check_pictures(window):
    pixels = screen_pixels(window.origin[0], window.origin[1], 805, 643)
    check_appearance(pixels, window.origin)
    # The credit line and the address reach beyond the window's edge by
    # design; their words must not.
    for what, top, bottom in [("credit line", 608, 633), ("address", 624, 643)]:
        inked = [x for x in range(690, 805) for y in range(top, bottom)
                 if window.pixel(x, y, pixels) != (255, 255, 255)]
        check(inked and max(inked) < 804, f"the {what} shows whole (to x = {max(inked or [0])})")
    for what, x, y, looks in picture_points():
        rgb = window.pixel(x, y, pixels)
        ok = {"grey": all(abs(c - 192) <= 6 for c in rgb),
              "white": rgb == (255, 255, 255),
              "outline": outline_near(lambda px, py: window.pixel(px, py, pixels), x, y),
              "drawn": rgb != (255, 255, 255)}[looks]
        check(ok, f"{what} at {x},{y} looks {looks}: {rgb}")


def check_screen_reader_names(window):
    """Through oleacc, as Narrator or NVDA read them."""
    for control, name in [("txtVertical", "Vertical"), ("txtHorizontal", "Horizontal"),
                          ("txtProfundidad", "Profundidad"), ("txtDistancia", "Distancia aplicable")]:
        heard = window.probe("accname", control)
        check(heard == name, f"{control} is heard as {heard!r}")
    for control in ("txtMedDiametro", "txtMedProfundidad"):
        state = int(window.probe("accstate", control) or 0)
        check(state & STATE_SYSTEM_INVISIBLE, f"{control} is invisible to screen readers ({state:#x})")
    heard = [window.probe("accname", control) for control in SHEET[:3]]
    check(heard == ["Parábola centrada", "Relación f/D: 0.50", "Del borde al LNB: 50.0"],
          f"the dish sheet is heard as {heard}")


def check_every_text_reads(window, what):
    """Each caption, field text, result and line against what lies behind it,
    by WCAG's contrast ratio (the tests' C++ formula, through the probe)."""
    pixels = screen_pixels(window.origin[0], window.origin[1], 805, 643)
    client = {(x - window.origin[0], y - window.origin[1]): c for (x, y), c in pixels.items()}
    # Where the figures leave a text out (no sheet of a depth of 0) nothing is
    # drawn, and nothing can be hard to read.
    inks = [(name, client[(x, y)], ink_in(client, x, y, w, h))
            for name, kind, x, y, w, h, _ in appearance_checks() if kind == "ink"]
    inks = [(name, behind, ink) for name, behind, ink in inks if ink != behind]
    check(len(inks) >= 10, f"{what}: the texts to judge are found ({len(inks)})")
    commands = []
    for _, behind, ink in inks:
        commands += ["contrast", "%02X%02X%02X" % ink, "%02X%02X%02X" % behind, "--"]
    ratios = window.probe(*commands[:-1]).split("\n")
    for (name, behind, ink), ratio in zip(inks, ratios):
        check(float(ratio) >= 4.5, f"{what}: {name}, {ink} on {behind}: {ratio} : 1")


def check_high_contrast():
    """The tests' build, which reads Windows' high-contrast switch from where
    Windows keeps it (Wine's own query says there is no high contrast), with
    High Contrast Black switched on while it runs, then at its start. Then
    the scheme's colours with the switch off: the design's colours, in the
    tests' build and in the program itself, which asks the system."""
    window = Window(TESTS_BUILD, PROBE, "en_US.UTF-8")
    try:
        window.probe("highcontrast", "on")
        time.sleep(0.5)
        check_every_text_reads(window, "switched to high contrast")
        window.paste("txtProfundidad", "0")  # a message, and a result not current
        check_every_text_reads(window, "high contrast, depth 0")
        window.close()
        window = Window(TESTS_BUILD, PROBE, "en_US.UTF-8")
        check_every_text_reads(window, "started in high contrast")
        window.probe("highcontrast", "available")
        time.sleep(0.5)
        check_designs_colours(window, "high contrast available, switched off")
        window.close()
        window = Window(PROGRAM, PROBE, "en_US.UTF-8")
        check_designs_colours(window, "the program, high contrast available but off")
    finally:
        window.probe("highcontrast", "off")
    window.close()


def check_designs_colours(window, what):
    pixels = screen_pixels(window.origin[0], window.origin[1], 805, 643)
    check_appearance(pixels, window.origin, f" ({what})")


def check_windows7_dpi(env):
    """At 144 DPI on a Windows without the per-window DPI functions (7, 8.1),
    as the tests' build is told: the window drawn at 1.5 times the design."""
    wine(PROBE, "missing", "GetDpiForWindow,AdjustWindowRectExForDpi", env=env)
    wine(PROBE, "dpi", "144", env=env)
    try:
        window = Window(TESTS_BUILD, PROBE, "en_US.UTF-8")
        check(window.client == (1208, 965), f"144 DPI, no per-window DPI: client {window.client}")
        x, y, w, h = (int(v) for v in window.probe("where", "txtDistancia").split())
        place = (x - window.origin[0], y - window.origin[1], w, h)
        check(place == (840, 180, 278, 50), f"the result at 1.5 times its place: {place}")
        pixels = screen_pixels(window.origin[0], window.origin[1], 1208, 965)
        for what, px, py, looks in picture_points():
            if looks == "grey":
                rgb = window.pixel(round(px * 1.5), round(py * 1.5), pixels)
                check(all(abs(c - 192) <= 6 for c in rgb), f"{what} at 1.5 times: {rgb}")
        window.close()
    finally:
        wine(PROBE, "missing", "", env=env)
        wine(PROBE, "dpi", "96", env=env)


def check_version_tooltip(window):
    """The credit line shows the program's version while the pointer rests
    on it."""
    x, y, w, h = (int(v) for v in window.probe("where", "Label4").split())
    run("xdotool", "mousemove", str(x + 20), str(y + h // 2))
    time.sleep(0.2)
    run("xdotool", "mousemove", str(x + 22), str(y + h // 2))
    shown = ""
    for _ in range(40):
        shown = window.probe("tooltip")
        if shown:
            break
        time.sleep(0.1)
    check(shown == "Distancia LNB, versión 1.00", f"the credit line's tooltip: {shown!r}")
    run("xdotool", "mousemove", "0", "0")


def sheet_shown(window):
    """The dish sheet's frame caption and lines that show."""
    commands = []
    for name in SHEET:
        commands += ["shown", name, "--", "text", name, "--"]
    answers = window.probe(*commands[:-1]).split("\n")
    return [text for visible, text in zip(answers[::2], answers[1::2]) if visible == "yes"]


def check_copy(window):
    """The result's menu (a right click) and a field's (Shift+F10) copy the
    result and the dish sheet, each line as Windows breaks lines."""
    for name, figure in EXAMPLE_FIGURES.items():
        window.paste(name, figure)
    window.texts = dict(EXAMPLE_FIGURES)
    result = window.text("txtDistancia")
    sheet = copied_sheet(window.texts, result, sheet_shown(window)).replace("\n", "\r\n")
    x, y, w, h = (int(v) for v in window.probe("where", "txtDistancia").split())
    for keys, what, expected in [(["Down"], "Copiar", result),
                                 (["Down", "Down"], "Copiar la ficha", sheet)]:
        run("xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "click", "3")
        window.shown_menu()
        window.keys(*keys, "Return")
        copied = window.probe("clipboard")
        check(copied == expected.rstrip(), f"the result's {what} copies {copied!r}")
    for keys, what, expected in [(["Up"], "Copiar la ficha", sheet),
                                 (["Up", "Up"], "Copiar la distancia", result)]:
        window.keys("shift+F10", *keys, "Return")
        copied = window.probe("clipboard")
        check(copied == expected.rstrip(), f"a field's {what} copies {copied!r}")


def menu_entries_shown(window):
    """How each entry of the popup menu shown now is drawn, top to bottom:
    "on" (dark words) or "grey" (greyed words); separators left out."""
    x, y, w, h = window.shown_menu()
    pixels = screen_pixels(x, y, w, h)
    darkest = [min(max(pixels[(px, py)]) for px in range(x + 2, x + w - 2)) for py in range(y, y + h)]
    entries, line = [], []
    for value in darkest + [255]:
        if value < 200:
            line.append(value)
            continue
        if len(line) > 3:  # words; a separator is a line or two
            entries.append("on" if min(line) < 80 else "grey")
        line = []
    return entries


def check_copying_needs_a_current_result(window):
    """The fields' and the result's menus offer to copy the result and the
    sheet only while the result follows the figures: greyed otherwise, and
    choosing them copies nothing."""
    x, y, w, h = (int(v) for v in window.probe("where", "txtDistancia").split())
    for depth, looks in [("10", "on"), ("0", "grey")]:
        window.paste("txtProfundidad", depth)
        window.keys("shift+F10")
        shown = menu_entries_shown(window)
        window.keys("Escape")
        check(len(shown) == 9 and shown[-2:] == [looks, looks],
              f"depth {depth}: a field's copying entries are {looks}: {shown}")
        run("xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "click", "3")
        shown = menu_entries_shown(window)
        check(shown == [looks, looks], f"depth {depth}: the result's entries are {looks}: {shown}")
        window.keys("Escape")
    window.probe("setclipboard", "nada")
    for keys in (["shift+F10", "Up"], ["shift+F10", "Up", "Up"]):
        window.keys(*keys, "Return", "Escape")
        check(window.probe("clipboard") == "nada", f"no current result: {keys} copies nothing")
    window.paste("txtProfundidad", "10")


def check_pastes_cleaned(window):
    """A figure with a tab before it and a line break after it, pasted before
    "80" by each of the field's ways to paste, lands as "5"."""
    x, y, w, h = (int(v) for v in window.probe("where", "txtVertical").split())
    for keys in (["shift+Insert"], ["ctrl+v"], ["shift+F10", "Up", "Up", "Up", "Up", "Up", "Return"]):
        window.paste("txtVertical", "80")
        run("xdotool", "mousemove", str(x + 4), str(y + h // 2), "click", "1")
        time.sleep(0.3)
        window.probe("select", "txtVertical", "0,0")
        window.probe("setclipboard", "\\t5\\r\\n")
        window.keys(*keys)
        held = window.text("txtVertical")
        check(held == "580" and window.probe("selection", "txtVertical") == "1 1",
              f"{' '.join(keys)} pastes \\t5\\r\\n before 80: {held!r}")
    window.paste("txtVertical", "80")


def check_hostile_input(window):
    for field, text in [("txtHorizontal", "repeat:100000:7"), ("txtVertical", "1e400"),
                        ("txtProfundidad", "\\u0001\\u0007"), ("txtVertical", "1e30"),
                        ("txtVertical", "1e-30"), ("txtHorizontal", "3e38"),
                        ("txtProfundidad", "1e-45"), ("txtVertical", "\\\\"),
                        ("txtHorizontal", '"80"'), ("txtVertical", "80"),
                        ("txtProfundidad", "10")]:
        window.paste(field, text)
        check(window.probe("alive") == "alive", f"alive after {field}={text[:20]!r}")
        if text.startswith("repeat:"):
            held = len(window.text(field))
            check(held == 32767, f"a field takes 32767 characters of a longer paste: {held}")
    window.paste("txtHorizontal", "60")
    check(window.text("txtDistancia") == "30.625", "and still answering: horizontal 60")


def check_comma_locale(window):
    window.keys("KP_8", "KP_0", "KP_Decimal", "KP_5")
    check(window.text("txtVertical") == "80,5", f"keypad 8 0 decimal 5: {window.text('txtVertical')!r}")
    check(window.text("txtDistancia") == "40,250390625", "80,5 / 80 / 10 gives 40,250390625")
    window.paste("txtHorizontal", "80,5\\n")
    check(window.text("txtHorizontal") == "80,5", "a pasted line break is dropped")
    check(sheet_shown(window)[1:2] == ["Relación f/D: 0,50"], "f/D in the comma locale")
    window.texts.update({"txtVertical": "80,5", "txtHorizontal": "80,5"})
    check_status_rows(window, ",")


PANEL_FIELDS = ["txtLatitud", "txtLongitud", "txtSatelite", "txtSatelite2", "txtSatelite3"]
PANEL_LINES = ["lblApunte1", "lblApunte2", "lblApunte3", "lblApunte4"]
# The window with the panel: the design's, then the panel with its margins.
GROWN = (805 + 16 + 328 + 16, 643)
KEPT_KEY = r"HKCU\Software\Distancia LNB"


def button_down(window):
    """Whether a screen reader hears the panel's button down: from oleacc's
    state where it gives it, else from the button's own check state, which
    Windows' accessibility proxy reads (Wine's gives no checked state)."""
    state = window.probe("accstate", "cmdApuntar")
    if state.isdigit() and int(state) & (STATE_SYSTEM_PRESSED | STATE_SYSTEM_CHECKED):
        return True
    return window.probe("checked", "cmdApuntar") == "yes"


def client_size(window):
    return tuple(int(v) for v in window.probe("info").split("\n")[1].split()[:2])


def check_pointing_panel():
    """The panel from the keyboard, read as Narrator reads it; its lines for
    each row of the shared table through WM_GETTEXT; the second LNB in the
    front view; kept in the user's registry for the next start, and what
    cannot be read of it dropped."""
    window = Window(PROGRAM, PROBE, "es_ES.UTF-8")
    window.keys("Tab", "Tab", "Tab")
    check(window.probe("focus") == "cmdApuntar", f"Tab after the figures: {window.probe('focus')}")
    check(not button_down(window), "the button is heard up")
    window.keys("space")
    check(button_down(window), "the button is heard down")
    check(client_size(window) == GROWN, f"the window grows: {client_size(window)}")
    window.keys("space")
    check(not button_down(window) and client_size(window) == (805, 643),
          f"Space again closes it: {client_size(window)}")
    window.keys("space")
    for field in PANEL_FIELDS:
        for text in ("repeat:100000:7", "1e400", "\\u0001\\u0007", "\\\\", '"N"', "90 N N"):
            window.paste(field, text)
        check(window.probe("alive") == "alive", f"alive after hostile pastes into {field}")
    for figures, fields, lines, apex in pointing_rows(","):
        commands = []
        for name, text in [*figures.items(), *zip(PANEL_FIELDS, fields)]:
            commands += ["paste", name, text, "--"]
        for name in PANEL_LINES:
            commands += ["text", name, "--"]
        # The probe's answer ends where the last line that shows anything does.
        shown = window.probe(*commands[:-1]).split("\n")
        shown += [""] * (len(lines) - len(shown))
        check(shown == lines, f"lines for {fields}: {shown}")
        if apex:
            pixels = screen_pixels(window.origin[0] + apex[0] - 2, window.origin[1] + apex[1] - 2,
                                   5, 5)
            check(outline_near(lambda px, py: window.pixel(px, py, pixels), *apex),
                  f"the second LNB's apex at {apex}")
    window.paste("txtLatitud", "40,4168 N")
    window.close()
    window = Window(PROGRAM, PROBE, "es_ES.UTF-8")
    check(window.client == GROWN and window.text("txtLatitud") == "40,4168 N",
          f"kept for the next start: {window.client} {window.text('txtLatitud')!r}")
    window.close()
    for name, kind, data in [("ApuntarVisible", "REG_SZ", "yes"), ("Latitud", "REG_DWORD", "7"),
                             ("Satelite", "REG_BINARY", "00ff00ff")]:
        wine("reg", "add", KEPT_KEY, "/v", name, "/t", kind, "/d", data, "/f")
    window = Window(PROGRAM, PROBE, "es_ES.UTF-8")
    check(window.client == (805, 643) and window.text("txtLatitud") == "" and
          window.text("txtSatelite") == "", "what cannot be read is dropped")
    window.close()


def main():
    check_program_file()
    with wine_on_a_display():
        window = Window(PROGRAM, PROBE, "en_US.UTF-8")
        check_start(window)
        check_screen_reader_names(window)
        check_pictures(window)
        check_version_tooltip(window)
        check_keyboard(window)
        window.texts.update({"txtHorizontal": "905"})
        check_status_rows(window, ".")
        check_copy(window)
        check_copying_needs_a_current_result(window)
        check_pastes_cleaned(window)
        check_hostile_input(window)
        window.close()
        new_wine_session()
        run("setxkbmap", "es")
        run("xdotool", "key", "Num_Lock")
        window = Window(PROGRAM, PROBE, "es_ES.UTF-8")
        check_comma_locale(window)
        window.close()
        new_wine_session()
        check_high_contrast()
    # A screen with room for the window and its panel.
    with wine_on_a_display("1600x1200"):
        run("setxkbmap", "es")
        check_pointing_panel()
    # A screen that holds the window at 1.5 times its size.
    with wine_on_a_display("1600x1200"):
        check_windows7_dpi({**os.environ, "LANG": "en_US.UTF-8", "LC_ALL": "en_US.UTF-8"})
    finish()


if __name__ == "__main__":
    main()
