#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The real program on a virtual X display, driven as a user drives it: keys
from xdotool through a Spanish keyboard layout, texts set and read back
through the screen reader's bus (AT-SPI), and the screen's pixels, also
under a dark desktop theme and another Qt style.

    session_test.py PROGRAM DESKTOP_ENTRY

Run inside a private D-Bus session (ctest does: dbus-run-session)."""

import os
import subprocess
import sys
import time

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from desktop_session import (  # noqa: E402
    EXAMPLE_FIGURES, check, check_appearance, finish, ink_in, is_blue, run, screen_pixels,
    start_display, status_rows, tone_of)

PROGRAM, DESKTOP_ENTRY = sys.argv[1:3]


def wait_for(find, seconds=30):
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.05)
    return None


def accessible_tree(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from accessible_tree(child)


def find_application(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid and app.childCount:
            return app
    return None


# The input fields as a screen reader names them.
SPOKEN = {"txtVertical": "Vertical", "txtHorizontal": "Horizontal",
          "txtProfundidad": "Profundidad"}
# Where the design puts the result and the line under it (pixels at 96 DPI).
RESULT_AT = (560, 120)
LINE = (508, 154, 289, 14)  # above the front dish, which starts at 168
# What a GNOME user with dark mode gets, and a desktop's own Qt style.
DARK_THEME = {"QT_QPA_PLATFORMTHEME": "gtk3", "GTK_THEME": "Adwaita:dark"}
OTHER_STYLE = ["-style", "Adwaita-Dark"]


class Window:
    """The program's window, started in a locale, perhaps under a theme."""

    def __init__(self, lang, theme=None, arguments=()):
        env = {**os.environ, "LANG": lang, "LC_ALL": lang, "QT_ACCESSIBILITY": "1",
               "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", **(theme or {})}
        env.pop("QT_QPA_PLATFORM", None)
        self.process = subprocess.Popen([PROGRAM, *arguments], env=env,
                                        stderr=subprocess.DEVNULL)
        app = wait_for(lambda: find_application(self.process.pid))
        if app is None:
            sys.exit("the program did not show up on the accessibility bus")
        self.nodes = list(accessible_tree(app))
        self.result = self.node("Distancia aplicable", pyatspi.ROLE_TEXT)
        self.window_id = wait_for(lambda: run("xdotool", "search", "--pid",
                                              str(self.process.pid)).split()[-1:])[0]
        x, y = self.result.queryComponent().getPosition(pyatspi.DESKTOP_COORDS)
        self.origin = (x - RESULT_AT[0], y - RESULT_AT[1])
        self.texts = dict(EXAMPLE_FIGURES)

    def node(self, name, role):
        return next((n for n in self.nodes if n.name == name and n.getRole() == role), None)

    def result_text(self):
        text = self.result.queryText()
        return text.getText(0, text.characterCount)

    # Clicks into a field (the caret goes where the click is), selects all of
    # it and types; waits until the window has answered.
    def type_into(self, name, keys, keypad=False):
        field = self.node(name, pyatspi.ROLE_TEXT)
        x, y = field.queryComponent().getPosition(pyatspi.DESKTOP_COORDS)
        run("xdotool", "mousemove", str(x + 10), str(y + 10), "click", "1")
        run("xdotool", "key", "ctrl+a")
        if keypad:
            run("xdotool", "key", *keys)
        else:
            run("xdotool", "type", "--delay", "5", "--", keys)
        time.sleep(0.3)

    # Sets a field's whole text at once, as a paste does.
    def set_text(self, control, text):
        self.node(SPOKEN[control], pyatspi.ROLE_TEXT).queryEditableText().setTextContents(text)
        self.texts[control] = text

    def result_is_blue(self):
        x, y = self.result.queryComponent().getPosition(pyatspi.DESKTOP_COORDS)
        w, h = self.result.queryComponent().getSize()
        return any(is_blue(rgb) for rgb in screen_pixels(x, y, w, h).values())

    def close(self):
        self.process.terminate()
        self.process.wait()


def check_status_rows(window, separator):
    """The status rows every suite reads, each from the example figures."""
    for typed, result, blue, line, tone in status_rows(separator):
        for control, figure in EXAMPLE_FIGURES.items():
            if window.texts[control] != figure:
                window.set_text(control, figure)
        for control, text in typed:
            window.set_text(control, text)
        what = f"'{separator}' " + (" ".join(f"{c}={t!r}" for c, t in typed) or "as started")
        check(window.result_text() == result, f"{what}: result {window.result_text()!r}")
        check(window.result.description == line,
              f"{what}: description {window.result.description!r}")
        check(window.result_is_blue() == blue, f"{what}: blue {blue}")
        x, y, w, h = LINE
        left, top = window.origin[0] + x, window.origin[1] + y
        ink = ink_in(screen_pixels(left, top, w, h), left, top, w, h)
        check(tone_of(ink) == tone, f"{what}: line drawn as {tone} ({ink})")


def check_looks(window, what):
    x, y = window.origin
    check_appearance(screen_pixels(x, y, 805, 643), window.origin, f" ({what})")


def check_screen_reader_names(window):
    names = {(n.name, n.getRoleName()) for n in window.nodes}
    for name in ("Vertical", "Horizontal", "Profundidad", "Distancia aplicable"):
        check((name, "text") in names, f"accessible text field {name!r}")
    for field in ("Vertical", "Horizontal", "Profundidad"):
        node = window.node(field, pyatspi.ROLE_TEXT)
        labels = [r for r in node.getRelationSet()
                  if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
        check(bool(labels), f"{field} is labelled by its caption")
        check(node.description == "Medidas: Pulgadas", f"{field} described by its unit")
    for frame in ("Diámetro", "Profundidad", "Medidas"):
        check((frame, "panel") in names, f"frame {frame!r}")
    texts = [n for n in window.nodes if n.getRole() == pyatspi.ROLE_TEXT]
    check(len(texts) == 4, f"four text fields, no work field ({len(texts)})")


def check_window_class(window):
    wm_class = run("xprop", "-id", window.window_id, "WM_CLASS")
    entry = open(DESKTOP_ENTRY, encoding="utf-8").read()
    wanted = next(line.split("=", 1)[1] for line in entry.splitlines()
                  if line.startswith("StartupWMClass="))
    check(f'"{wanted}"' in wm_class, f"window class {wm_class.strip()} matches {wanted}")


def main():
    server = start_display()
    try:
        run("setxkbmap", "es")
        run("xdotool", "key", "Num_Lock")  # the keypad types digits
        window = Window("es_ES.UTF-8")
        check_screen_reader_names(window)
        check_window_class(window)
        check_looks(window, "default")
        window.type_into("Vertical", ["KP_8", "KP_0", "KP_Decimal", "KP_5"], keypad=True)
        check(window.result_text() == "40,250390625", f"keypad 80,5: {window.result_text()!r}")
        window.type_into("Horizontal", "90")
        check(window.result_text() == "45,422265625", f"typed 90: {window.result_text()!r}")
        window.texts.update({"txtVertical": "80,5", "txtHorizontal": "90"})
        check_status_rows(window, ",")
        window.close()
        window = Window("en_US.UTF-8")
        check_status_rows(window, ".")
        window.close()
        for what, theme, arguments in [("dark GTK theme", DARK_THEME, ()),
                                       ("Adwaita-Dark style", DARK_THEME, OTHER_STYLE)]:
            window = Window("en_US.UTF-8", theme, arguments)
            check_looks(window, what)
            window.close()
    finally:
        server.terminate()
    finish()


if __name__ == "__main__":
    main()
