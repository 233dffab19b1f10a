#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The real program on a virtual X display, driven as a user drives it: keys
from xdotool through a Spanish keyboard layout, the window read back through
the screen reader's bus (AT-SPI) and the screen's pixels.

    session_test.py PROGRAM DESKTOP_ENTRY

Run inside a private D-Bus session (ctest does: dbus-run-session)."""

import os
import subprocess
import sys
import time

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from desktop_session import (  # noqa: E402
    check, finish, is_blue, run, screen_pixels, start_display)

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


class Window:
    """The program's window, started in a locale."""

    def __init__(self, lang):
        env = {**os.environ, "LANG": lang, "LC_ALL": lang, "QT_ACCESSIBILITY": "1",
               "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}
        env.pop("QT_QPA_PLATFORM", None)
        self.process = subprocess.Popen([PROGRAM], env=env, stderr=subprocess.DEVNULL)
        app = wait_for(lambda: find_application(self.process.pid))
        if app is None:
            sys.exit("the program did not show up on the accessibility bus")
        self.nodes = list(accessible_tree(app))
        self.result = self.node("Distancia aplicable", pyatspi.ROLE_TEXT)
        self.window_id = wait_for(lambda: run("xdotool", "search", "--pid",
                                              str(self.process.pid)).split()[-1:])[0]

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

    def result_is_blue(self):
        x, y = self.result.queryComponent().getPosition(pyatspi.DESKTOP_COORDS)
        w, h = self.result.queryComponent().getSize()
        return any(is_blue(rgb) for rgb in screen_pixels(x, y, w, h).values())

    def close(self):
        self.process.terminate()
        self.process.wait()


def status_rows(d):
    """Typed key by key, a figure passes through its beginnings: "1e300" is
    also 1 and 1e3 and 1e30 on its way, and the last result they gave stays."""
    o = "." if d == "," else ","
    centred = f"Relación f/D: 0{d}50"
    # field, typed, result, blue, the line under the result
    return [
        ("Vertical", "80", "40", True, centred),
        ("Horizontal", "90", f"45{d}15625", True, f"Ángulo de offset: 27{d}3°"),
        ("Horizontal", "80", "40", True, centred),
        ("Vertical", "1e", f"10{d}2515625", False, ""),
        ("Vertical", "abc", f"10{d}2515625", False, "Escriba un número en «Vertical»."),
        ("Vertical", f"1{o}5", f"10{d}2515625", False,
         f"Escriba un número en «Vertical» (decimales con «{d}»)."),
        ("Vertical", "1e400", "158760", False,
         "El número en «Vertical» es demasiado grande o pequeño."),
        ("Vertical", "80", "40", True, centred),
        ("Profundidad", "-10", "-40", False, "Las medidas deben ser positivas."),
        ("Profundidad", "0", "-40", False, "La profundidad no puede ser 0."),
        ("Profundidad", "10", "40", True, centred),
        ("Vertical", "1e300", f"1{d}5625E+57", False, "Las medidas son demasiado grandes."),
        ("Vertical", "1e30", f"1{d}5625E+57", True,
         "El dibujo no puede seguir medidas tan grandes."),
        # an offset dish as installers measure one
        ("Vertical", "65", f"32{d}8515625", True, f"Ángulo de offset: 35{d}7°"),
        ("Horizontal", "60", f"24{d}4140625", True, f"Ángulo de offset: 22{d}6°"),
        ("Profundidad", f"5{d}77", f"42{d}3120667244367", True, f"Ángulo de offset: 22{d}6°"),
    ]


def check_status_rows(window, separator):
    for field, typed, result, blue, message in status_rows(separator):
        window.type_into(field, typed)
        what = f"'{separator}' {field}={typed}"
        check(window.result_text() == result, f"{what}: result {window.result_text()!r}")
        check(window.result.description == message,
              f"{what}: description {window.result.description!r}")
        check(window.result_is_blue() == blue, f"{what}: blue {blue}")


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
        window.type_into("Vertical", ["KP_8", "KP_0", "KP_Decimal", "KP_5"], keypad=True)
        check(window.result_text() == "40,250390625", f"keypad 80,5: {window.result_text()!r}")
        check_status_rows(window, ",")
        window.close()
        window = Window("en_US.UTF-8")
        check_status_rows(window, ".")
        window.close()
    finally:
        server.terminate()
    finish()


if __name__ == "__main__":
    main()
