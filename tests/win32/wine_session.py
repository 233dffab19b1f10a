# SPDX-License-Identifier: GPL-3.0-or-later
"""The Windows program under Wine, as the Windows tests drive it: a Wine
session of its own, the running window, and the probe beside it."""

import contextlib
import os
import subprocess
import sys
import tempfile
import time

from desktop_session import is_blue, run, screen_pixels, start_display


def new_wine_session():
    """Wine keeps its desktop and the user's locale per session: each window a
    test starts gets one of its own, on the test's display, in its locale."""
    subprocess.run(["wineserver", "-k"])
    for _ in range(100):
        if subprocess.run(["pgrep", "wineserver"], capture_output=True).returncode:
            break
        time.sleep(0.1)


@contextlib.contextmanager
def wine_on_a_display(size="1024x768"):
    """A virtual X display of `size` pixels and a Wine session on it, both
    ended afterwards."""
    server = start_display(size)
    new_wine_session()
    try:
        yield
    finally:
        subprocess.run(["wineserver", "-k"])
        server.terminate()


def wine(*args, check=True, env=None):
    """Runs a Windows program under Wine and gives what it printed. Through a
    file: Wine's server and services, when this starts them, inherit the
    program's output and would hold a pipe open."""
    with tempfile.TemporaryFile() as output, tempfile.TemporaryFile() as errors:
        done = subprocess.run(["wine", *args], stdout=output, stderr=errors, env=env)
        output.seek(0)
        # Only the last line's end: a text's own blanks and tabs are kept.
        printed = output.read().decode(errors="replace").rstrip("\r\n")
        if check and done.returncode:
            errors.seek(0)
            said = errors.read().decode(errors="replace").strip()[-2000:]
            raise subprocess.CalledProcessError(done.returncode, args, printed, said)
        return printed


class Window:
    """The program running under Wine in a locale, and the probe beside it."""

    def __init__(self, program, probe, lang):
        self.probe_program = probe
        # The probe runs in the same locale: whichever of the two starts Wine's
        # session sets the locale of both.
        env = {**os.environ, "LANG": lang, "LC_ALL": lang}
        self.env = env
        self.process = subprocess.Popen(["wine", program], env=env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        if self.probe("wait") != "ready":
            sys.exit("the window did not appear")
        self.x_window = self.find_x_window()
        self.title, size = self.probe("info").split("\n")
        width, height, x, y = (int(v) for v in size.split())
        self.client = (width, height)
        self.origin = (x, y)
        self.texts = {"txtVertical": "80", "txtHorizontal": "80", "txtProfundidad": "10"}

    @staticmethod
    def find_x_window():
        for _ in range(100):
            found = subprocess.run(["xdotool", "search", "--name", "^Calcula"],
                                   capture_output=True, text=True).stdout.split()
            if found:
                return found[0]
            time.sleep(0.1)
        sys.exit("the window is not on the display")

    def probe(self, *args):
        """What the probe says. Wine may fail to start a program now and then
        on a busy machine: one more try then, unless the window has ended,
        which is the program's fault and said so."""
        try:
            return wine(self.probe_program, *args, env=self.env)
        except subprocess.CalledProcessError as failure:
            ended = self.process.poll()
            if ended is not None:
                sys.exit(f"the program ended (code {ended:#x}) before probe {' '.join(args)}")
            print(f"note: probe {' '.join(args)} failed ({failure.returncode}, "
                  f"{failure.output!r}, {failure.stderr!r}); tried again", flush=True)
            time.sleep(1)
            return wine(self.probe_program, *args, env=self.env)

    def shown_menu(self):
        """Where the popup menu is once it shows (x y w h); a busy machine may
        take a while to open it."""
        for _ in range(50):
            where = self.probe("menu")
            if where != "no menu":
                time.sleep(0.2)  # its entries painted
                return tuple(int(v) for v in where.split())
            time.sleep(0.1)
        sys.exit("no popup menu showed")

    def text(self, name):
        return self.probe("text", name)

    def keys(self, *keys):
        run("xdotool", "windowfocus", "--sync", self.x_window)
        run("xdotool", "key", "--delay", "30", *keys)
        time.sleep(0.3)

    def type(self, text):
        run("xdotool", "windowfocus", "--sync", self.x_window)
        run("xdotool", "type", "--delay", "30", "--", text)
        time.sleep(0.3)

    def paste(self, name, text):
        self.probe("paste", name, text)

    def pixel(self, x, y, pixels=None):
        pixels = pixels or screen_pixels(self.origin[0] + x, self.origin[1] + y, 1, 1)
        return pixels[(self.origin[0] + x, self.origin[1] + y)]

    def result_is_blue(self):
        x, y, w, h = (int(v) for v in self.probe("where", "txtDistancia").split())
        return any(is_blue(rgb) for rgb in screen_pixels(x, y, w, h).values())

    def close(self):
        self.probe("close")
        self.process.wait(timeout=30)
