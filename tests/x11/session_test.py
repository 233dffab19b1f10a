#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The real program on a virtual X display, driven as a user drives it: keys
from xdotool through a Spanish keyboard layout, texts set and read back
through the screen reader's bus (AT-SPI), and the screen's pixels, also
under a dark desktop theme and another Qt style.

    session_test.py PROGRAM DESKTOP_ENTRY

It runs itself again inside a D-Bus session of its own."""

import os
import shutil
import subprocess
import sys
import tempfile
import time


def in_a_session_of_its_own():
    """Runs this test again in a private D-Bus session with a runtime folder
    of its own, and ends with its status. The screen reader's bus listens on
    a socket in that folder: without it, the socket lies in the user's home,
    where another session's bus, or one left running, can take its place."""
    if os.environ.get("DISTANCIA_OWN_SESSION"):
        return
    with tempfile.TemporaryDirectory() as runtime:
        os.chmod(runtime, 0o700)
        env = {**os.environ, "XDG_RUNTIME_DIR": runtime, "DISTANCIA_OWN_SESSION": "1"}
        done = subprocess.run(["dbus-run-session", "--", sys.executable, *sys.argv], env=env)
    sys.exit(done.returncode)


in_a_session_of_its_own()

import pyatspi  # noqa: E402
from gi.repository import GLib  # noqa: E402

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from desktop_session import (  # noqa: E402
    EXAMPLE_FIGURES, PANEL_SPOKEN, check, check_appearance, copied_sheet, finish, ink_in, is_blue,
    one_row_of_each_look, outline_near, pointing_rows, run, screen_pixels, start_display,
    status_rows, tone_of)

PROGRAM, DESKTOP_ENTRY = sys.argv[1:3]


def wait_for(find, seconds=30):
    deadline = time.time() + seconds
    while time.time() < deadline:
        # What the bus said meanwhile (a program that joined it among it)
        # reaches pyatspi's tree only through the main loop.
        while GLib.MainContext.default().iteration(False):
            pass
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
# Where the design puts the result, the line under it and the dish sheet's
# frame (pixels at 96 DPI).
RESULT_AT = (560, 120)
SHEET_AT = (504, 16)
LINE = (508, 154, 289, 14)  # above the front dish, which starts at 168
# What a GNOME user with dark mode gets, and a desktop's own Qt style.
DARK_THEME = {"QT_QPA_PLATFORMTHEME": "gtk3", "GTK_THEME": "Adwaita:dark"}
OTHER_STYLE = ["-style", "Adwaita-Dark"]


class Window:
    """The program's window, started in a locale, perhaps under a theme."""

    def __init__(self, lang, theme=None, arguments=(), config=None):
        # What the program keeps for its next start goes to `config`, or a
        # folder of this window's own: never the user's.
        self.config = config or tempfile.mkdtemp()
        env = {**os.environ, "LANG": lang, "LC_ALL": lang, "QT_ACCESSIBILITY": "1",
               "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "XDG_CONFIG_HOME": self.config,
               **(theme or {})}
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

    def field_text(self, name):
        text = self.node(name, pyatspi.ROLE_TEXT).queryText()
        return text.getText(0, text.characterCount)

    # Clicks into a field (the caret goes where the click is), selects all of
    # it and types; waits until the field shows what was typed (the result
    # follows in the same step), however slowly the program runs.
    def type_into(self, name, keys, shows, keypad=False):
        field = self.node(name, pyatspi.ROLE_TEXT)
        x, y = field.queryComponent().getPosition(pyatspi.DESKTOP_COORDS)
        run("xdotool", "mousemove", str(x + 10), str(y + 10), "click", "1")
        run("xdotool", "key", "ctrl+a")
        if keypad:
            run("xdotool", "key", *keys)
        else:
            run("xdotool", "type", "--delay", "5", "--", keys)
        wait_for(lambda: self.field_text(name) == shows, seconds=5)

    # Sets a field's whole text at once, as a paste does.
    def set_text(self, control, text):
        self.node(SPOKEN[control], pyatspi.ROLE_TEXT).queryEditableText().setTextContents(text)
        self.texts[control] = text

    def set_spoken(self, name, text):
        self.node(name, pyatspi.ROLE_TEXT).queryEditableText().setTextContents(text)

    def size(self):
        geometry = run("xdotool", "getwindowgeometry", self.window_id).split("Geometry:")[1]
        return tuple(int(v) for v in geometry.split()[0].split("x"))

    def labels_shown(self):
        app = find_application(self.process.pid)
        return {node.name for node in accessible_tree(app) if node.getRole() == pyatspi.ROLE_LABEL
                and node.getState().contains(pyatspi.STATE_SHOWING)}

    def sheet_heard(self):
        """The dish sheet as a screen reader meets it: the frame's group name,
        then each line it shows; nothing while it shows no frame."""
        app = find_application(self.process.pid)
        where = (self.origin[0] + SHEET_AT[0], self.origin[1] + SHEET_AT[1])
        for node in accessible_tree(app):
            if (node.getRole() == pyatspi.ROLE_PANEL and node.getState().contains(
                    pyatspi.STATE_SHOWING) and tuple(node.queryComponent().getPosition(
                    pyatspi.DESKTOP_COORDS)) == where):
                lines = [node.getChildAtIndex(i) for i in range(node.childCount)]
                return [node.name] + [line.name for line in lines if line is not None
                                      and line.getRole() == pyatspi.ROLE_LABEL
                                      and line.getState().contains(pyatspi.STATE_SHOWING)]
        return []

    def result_is_blue(self):
        x, y = self.result.queryComponent().getPosition(pyatspi.DESKTOP_COORDS)
        w, h = self.result.queryComponent().getSize()
        return any(is_blue(rgb) for rgb in screen_pixels(x, y, w, h).values())

    def close(self):
        self.process.terminate()
        self.process.wait()


def check_status_rows(window, separator):
    """A status row of each look (the core's suite checks them all), each
    from the example figures."""
    for typed, result, blue, line, tone, sheet in one_row_of_each_look(status_rows(separator)):
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
        heard = window.sheet_heard()
        check(heard == sheet, f"{what}: sheet {heard!r}")


def clipboard():
    done = subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True,
                          text=True)
    return done.stdout if done.returncode == 0 else None


def focused_menu_items(after):
    """The entries of the menu whose entry takes the focus after `after()`
    runs, as a screen reader hears them (without their shortcuts): a popup
    menu is no window of the application's tree, a screen reader meets it by
    its focus events."""
    focused = []

    def listener(event):
        focused.append(event.source)

    pyatspi.Registry.registerEventListener(listener, "object:state-changed:focused")
    try:
        after()
        deadline = time.time() + 10  # events come late on a loaded machine
        while time.time() < deadline and not any(
                n.getRole() == pyatspi.ROLE_MENU_ITEM for n in focused):
            GLib.MainContext.default().iteration(False)
            time.sleep(0.01)
    finally:
        pyatspi.Registry.deregisterEventListener(listener, "object:state-changed:focused")
    items = [n for n in focused if n.getRole() == pyatspi.ROLE_MENU_ITEM]
    if not items:
        return []
    menu = items[-1].parent
    names = (menu.getChildAtIndex(i).name for i in range(menu.childCount))
    return [name.split("\t")[0] for name in names if name]


def open_menu_by_key(window):
    """The menu key, and once the menu shows (a second window of the
    program's): keys sent sooner would reach the field instead."""
    shown = lambda: run("xdotool", "search", "--onlyvisible", "--pid",  # noqa: E731
                        str(window.process.pid)).split()
    before = len(shown())
    run("xdotool", "key", "Menu")
    if not wait_for(lambda: len(shown()) > before, seconds=10):
        check(False, "the menu key opens a menu")


def check_fields_menu(window, lang):
    """The menu key opens the field's own menu, in Spanish whatever the
    locale, with entries that copy the result and the dish sheet."""
    field = window.node("Vertical", pyatspi.ROLE_TEXT)
    x, y = field.queryComponent().getPosition(pyatspi.DESKTOP_COORDS)
    run("xdotool", "mousemove", str(x + 10), str(y + 10), "click", "1")
    open_menu_by_key(window)
    words = focused_menu_items(lambda: run("xdotool", "key", "Down"))
    for expected in ("Deshacer", "Rehacer", "Cortar", "Copiar", "Pegar", "Seleccionar todo",
                     "Copiar la distancia", "Copiar la ficha"):
        check(expected in words, f"{lang}: the field's menu has {expected!r}: {words}")
    run("xdotool", "key", "Escape")
    # Up from none chosen: the last entry, and the one before it.
    for keys, words, expected in [
            (["Up"], "Copiar la ficha",
             copied_sheet(window.texts, window.result_text(), window.sheet_heard())),
            (["Up", "Up"], "Copiar la distancia", window.result_text())]:
        subprocess.run(["xclip", "-selection", "clipboard"], input="nada", text=True, check=True)
        open_menu_by_key(window)
        run("xdotool", "key", *keys, "Return")
        # The copy lands when the program gets to it: slowly under the sanitizers.
        copied = wait_for(lambda: clipboard() if clipboard() != "nada" else None, seconds=5)
        check(copied == expected, f"{lang}: {words} copies {copied!r}")


def check_middle_button_paste(window):
    """A selection pasted with the middle button where it presses, before
    "80": its tab and line break are dropped."""
    subprocess.run(["xclip", "-selection", "primary"], input="\t5\r\n", text=True, check=True)
    # xclip serves the selection from a child it forks: the click waits
    # until the selection is there to paste.
    wait_for(lambda: run("xclip", "-o", "-selection", "primary") == "\t5\r\n", seconds=10)
    field = window.node("Vertical", pyatspi.ROLE_TEXT)
    x, y = field.queryComponent().getPosition(pyatspi.DESKTOP_COORDS)
    h = field.queryComponent().getSize()[1]
    run("xdotool", "mousemove", str(x + 3), str(y + h // 2), "click", "2")
    held = wait_for(lambda: window.field_text("Vertical") != "80"
                    and window.field_text("Vertical"), seconds=5)
    check(held == "580", f"middle button before 80: {held!r}")
    check(window.result_text() == "680,625", f"and the result: {window.result_text()!r}")
    window.set_text("txtVertical", "80")


def check_missing_x11_plugin():
    """Without Qt's X11 plugin (here: a copy of the program told by qt.conf to
    look for plugins where there are none) the program names the package."""
    with tempfile.TemporaryDirectory() as folder:
        copy = os.path.join(folder, os.path.basename(PROGRAM))
        shutil.copy(PROGRAM, copy)
        with open(os.path.join(folder, "qt.conf"), "w") as conf:
            conf.write("[Paths]\nPlugins = /nonexistent\n")
        env = {k: v for k, v in os.environ.items() if k not in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        done = subprocess.run([copy], env=env, capture_output=True, text=True, timeout=30)
    check(done.returncode == 1, f"no X11 plugin: exit status {done.returncode}")
    check("instale el paquete qt6-qpa-plugins" in done.stderr.splitlines()[0],
          f"no X11 plugin: says {done.stderr!r}")


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
    check(window.sheet_heard() == ["Parábola centrada", "Relación f/D: 0,50",
                                   "Del borde al LNB: 50,0"],
          f"the dish sheet is a group of lines: {window.sheet_heard()}")
    texts = [n for n in window.nodes if n.getRole() == pyatspi.ROLE_TEXT]
    check(len(texts) == 4, f"four text fields, no work field nor the hidden panel's ({len(texts)})")


PANEL_BUTTON = "Apuntar y multifoco"
# The window with the panel: the design's, then the panel with its margins.
GROWN = (805 + 16 + 328 + 16, 643)


def panel_button(window):
    found = [n for n in window.nodes if n.name == PANEL_BUTTON and n.getRole() in (
        pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX)]
    if not found:
        sys.exit(f"no button {PANEL_BUTTON!r}: {[(n.name, n.getRoleName()) for n in window.nodes]}")
    return found[0]


def check_pointing_panel():
    """The panel from the keyboard, its lines for each row of the shared
    table, the second LNB in the front view; kept for the next start, and
    what cannot be read of it dropped."""
    window = Window("es_ES.UTF-8")
    check(window.size() == (805, 643), f"the window as designed: {window.size()}")
    window.type_into("Profundidad", "10", "10")
    button = panel_button(window)
    run("xdotool", "key", "Tab")
    check(wait_for(lambda: button.getState().contains(pyatspi.STATE_FOCUSED), 5),
          "Tab after the figures reaches the panel's button")
    run("xdotool", "key", "space")
    pressed = lambda: button.getState().contains(pyatspi.STATE_CHECKED) or \
        button.getState().contains(pyatspi.STATE_PRESSED)  # noqa: E731
    check(wait_for(pressed, 5), "the button is heard pressed")
    check(wait_for(lambda: window.size() == GROWN, 5), f"the window grows: {window.size()}")
    run("xdotool", "key", "space")
    check(wait_for(lambda: window.size() == (805, 643), 5) and not pressed(),
          f"Space again closes it: {window.size()}")
    run("xdotool", "key", "space")
    wait_for(lambda: window.size() == GROWN, 5)
    window.nodes = list(accessible_tree(find_application(window.process.pid)))
    for name in PANEL_SPOKEN:
        for text in ("7" * 100000, "1e400", "\x01\x07", "\\", '"N"', "90 N N", "\u202e40 N"):
            window.set_spoken(name, text)
    check(wait_for(lambda: window.field_text("Latitud") == "\u202e40 N", 5),
          "the panel's fields take hostile texts and the window still answers")
    for figures, fields, lines, apex in pointing_rows(","):
        for control, text in figures.items():
            window.set_text(control, text)
        for name, text in zip(PANEL_SPOKEN, fields):
            window.set_spoken(name, text)
        wanted = [line for line in lines if line]
        shown = wait_for(lambda: wanted if set(wanted) <= window.labels_shown() else None, 5)
        check(shown is not None, f"lines for {fields}: {sorted(window.labels_shown())}")
        if apex:
            x, y = window.origin[0] + apex[0], window.origin[1] + apex[1]
            pixels = screen_pixels(x - 2, y - 2, 5, 5)
            check(outline_near(lambda px, py: pixels[(px, py)], x, y),
                  f"the second LNB's apex at {apex}")
    window.set_spoken("Latitud", "40,4168 N")
    config = window.config
    kept_file = os.path.join(config, "distancia-lnb", "distancia-lnb.conf")
    on_disk = lambda: os.path.exists(kept_file) and \
        "40,4168 N" in open(kept_file, encoding="utf-8").read()  # noqa: E731
    check(wait_for(on_disk, 5), "what the panel keeps is on disk within seconds")
    window.close()
    window = Window("es_ES.UTF-8", config=config)
    check(wait_for(lambda: window.size() == GROWN, 5) and window.field_text("Latitud") == "40,4168 N",
          f"kept for the next start: {window.size()} {window.field_text('Latitud')!r}")
    window.close()
    with open(kept_file, "w") as kept:
        kept.write("[General]\nApuntarVisible=yes\nLatitud=1, 2\n"
                   "Longitud=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x3\\0x)\nSatelite=\\x1\\x2\n")
    window = Window("es_ES.UTF-8", config=config)
    check(window.size() == (805, 643), f"a state that cannot be read is dropped: {window.size()}")
    x, y = panel_button(window).queryComponent().getPosition(pyatspi.DESKTOP_COORDS)
    run("xdotool", "mousemove", str(x + 10), str(y + 10), "click", "1")
    check(wait_for(lambda: window.size() == GROWN, 5), "a click opens the panel")
    window.nodes = list(accessible_tree(find_application(window.process.pid)))
    check(window.field_text("Latitud") == "" and window.field_text("Satélite") == "",
          "figures that cannot be read are dropped")
    window.close()


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
        check_middle_button_paste(window)
        check_fields_menu(window, "es_ES")
        window.type_into("Vertical", ["KP_8", "KP_0", "KP_Decimal", "KP_5"], "80,5", keypad=True)
        check(window.result_text() == "40,250390625", f"keypad 80,5: {window.result_text()!r}")
        window.type_into("Horizontal", "90", "90")
        check(window.result_text() == "45,422265625", f"typed 90: {window.result_text()!r}")
        window.texts.update({"txtVertical": "80,5", "txtHorizontal": "90"})
        check_status_rows(window, ",")
        window.close()
        window = Window("en_US.UTF-8")
        check_status_rows(window, ".")
        window.close()
        window = Window("C.UTF-8")
        check_fields_menu(window, "C")
        window.close()
        check_missing_x11_plugin()
        check_pointing_panel()
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
