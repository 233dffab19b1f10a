#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The Windows installer under Wine, as administrators deploy it: a silent
install puts the program, its Start-menu shortcut and its uninstall entry in
place and the installed program opens its window; a silent uninstall leaves
none of them.

    installer_test.py SETUP.exe PROBE.exe

WINEPREFIX names a prefix made beforehand (wineboot -i). Wine's user is an
administrator, so the installation is the one for every user."""

import os
import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from desktop_session import check, finish  # noqa: E402
from wine_session import Window, wine, wine_on_a_display  # noqa: E402

SETUP, PROBE = sys.argv[1:3]
PRODUCT = "Distancia LNB"
KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\DistanciaLNB"
DRIVE_C = Path(os.environ["WINEPREFIX"]) / "drive_c"
FOLDER = DRIVE_C / "Program Files" / PRODUCT
PROGRAM = FOLDER / "distancia-lnb.exe"
SHORTCUT = DRIVE_C / "ProgramData/Microsoft/Windows/Start Menu/Programs" / f"{PRODUCT}.lnk"


def uninstall_entry():
    """{value name: data} of the uninstall key, or None when there is none."""
    try:
        found = wine("reg", "query", KEY)
    except subprocess.CalledProcessError:
        return None
    values = {}
    for line in found.splitlines():
        parts = line.strip().split(None, 2)
        if len(parts) >= 2 and parts[1].startswith("REG_"):
            values[parts[0]] = parts[2] if len(parts) == 3 else ""
    return values


def wait_until(condition, seconds=30):
    deadline = time.time() + seconds
    while time.time() < deadline:
        if condition():
            return True
        time.sleep(0.2)
    return False


def check_installed():
    check(PROGRAM.is_file(), f"the program is installed: {PROGRAM}")
    check(SHORTCUT.is_file(), "the Start-menu shortcut exists")
    entry = uninstall_entry() or {}
    check(entry.get("DisplayName") == PRODUCT, f"uninstall entry: {entry.get('DisplayName')!r}")
    check(entry.get("DisplayVersion") == "1.00", "DisplayVersion 1.00")
    for name in ("Publisher", "DisplayIcon", "EstimatedSize", "UninstallString",
                 "QuietUninstallString"):
        check(bool(entry.get(name)), f"{name}: {entry.get(name)!r}")
    check(entry.get("QuietUninstallString", "").endswith("/S"), "the quiet uninstall is silent")


def check_installed_program_starts():
    window = Window(str(PROGRAM), PROBE, "en_US.UTF-8")
    check(window.text("txtDistancia") == "40", "the installed program opens its window")
    window.close()


def check_uninstalled():
    uninstaller = FOLDER / "Uninstall.exe"
    wine(str(uninstaller), "/S")
    # The uninstaller hands over to a copy of itself, which does the work.
    check(wait_until(lambda: not FOLDER.exists()), "the program's folder is gone")
    check(not SHORTCUT.exists(), "the Start-menu shortcut is gone")
    check(uninstall_entry() is None, "the uninstall entry is gone")


def main():
    with wine_on_a_display():
        wine(SETUP, "/S")
        check_installed()
        check_installed_program_starts()
        check_uninstalled()
    finish()


if __name__ == "__main__":
    main()
