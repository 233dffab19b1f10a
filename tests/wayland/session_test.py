#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The real program in a Wayland session: a headless weston compositor of the
test's own, no X display.

    session_test.py PROGRAM APP_ID

With Qt's Wayland plugin the window opens there, with its application id;
without it (a copy of the program told by qt.conf to look for plugins where
there are none) the program says, in plain words, which package to install,
and ends with status 1."""

import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from desktop_session import check, finish  # noqa: E402

PROGRAM, APP_ID = sys.argv[1:3]
SOCKET = "wayland-distancia-lnb"


def start_compositor(runtime):
    compositor = subprocess.Popen(
        ["weston", "--backend=headless-backend.so", f"--socket={SOCKET}", "--idle-time=0"],
        env={**os.environ, "XDG_RUNTIME_DIR": runtime}, stdout=subprocess.DEVNULL,
        stderr=subprocess.DEVNULL)
    for _ in range(100):
        if os.path.exists(os.path.join(runtime, SOCKET)):
            return compositor
        time.sleep(0.1)
    compositor.terminate()
    sys.exit("weston did not start")


def run_program(program, runtime, **extra):
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "QT_QPA_PLATFORM")}
    env.update(XDG_RUNTIME_DIR=runtime, WAYLAND_DISPLAY=SOCKET,
               DISTANCIA_LNB_QUIT_AFTER_FIRST_PAINT="1", **extra)
    return subprocess.run([program], env=env, capture_output=True, text=True, timeout=60)


def main():
    with tempfile.TemporaryDirectory() as runtime:
        os.chmod(runtime, 0o700)
        compositor = start_compositor(runtime)
        try:
            # The protocol trace shows what the compositor was told.
            shown = run_program(PROGRAM, runtime, WAYLAND_DEBUG="client")
            check(shown.returncode == 0, f"the window opens and paints: status {shown.returncode}")
            check(f'set_app_id("{APP_ID}")' in shown.stderr, f"with the application id {APP_ID}")

            copy = os.path.join(runtime, "program", os.path.basename(PROGRAM))
            os.makedirs(os.path.dirname(copy))
            shutil.copy(PROGRAM, copy)
            with open(os.path.join(os.path.dirname(copy), "qt.conf"), "w") as conf:
                conf.write("[Paths]\nPlugins = /nonexistent\n")
            missing = run_program(copy, runtime)
            lines = missing.stderr.splitlines()
            check(missing.returncode == 1, f"no Wayland plugin: status {missing.returncode}")
            check(len(lines) == 2 and "instale el paquete qt6-wayland" in lines[0]
                  and "install the package qt6-wayland" in lines[1],
                  f"no Wayland plugin: says, Spanish first, {lines}")
        finally:
            compositor.terminate()
            compositor.wait()
    finish()


if __name__ == "__main__":
    main()
