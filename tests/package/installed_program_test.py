"""The installed package as a user meets it: the program starts from its desktop entry on an
empty home, shows the default items with their pictures (found in the installation's data
folder), saves them with those pictures' installed paths, and registers the installed program
for auto-start on its second start."""

import math
import os
import shlex
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from e2e_support import (Session, dismiss_getting_started, read, terminate,  # noqa: E402
                         wait_for_window)

DESKTOP_ENTRY = "/usr/share/applications/com.brevona.qavlauncher.desktop"
PROGRAM = "/usr/bin/qav-launcher"
PICTURES = "/usr/share/qav-launcher/SysIcons/"
WIDTH, CENTRE, RADIUS = 1366, (683, 384), 300
ITEM_PLACES, BLANK_PLACE = range(1, 8), 12


def exec_command(entry_path):
    for line in open(entry_path, encoding="utf-8"):
        if line.startswith("Exec="):
            return shlex.split(line[len("Exec="):].strip())
    raise AssertionError(f"no Exec key in {entry_path}")


def start_from_entry(session):
    command = exec_command(DESKTOP_ENTRY)
    assert shutil.which(command[0], path=session.env["PATH"]) == PROGRAM, command
    process = subprocess.Popen(command, env=session.env)
    wait_for_window("QAV Launcher", process)
    return process


def place_pixels(rgb, place):
    """The 40x40 square in the middle of a ring place's 48 px plate."""
    angle = math.radians((place - 1) * 15)
    cx = round(CENTRE[0] + RADIUS * math.cos(angle))
    cy = round(CENTRE[1] + RADIUS * math.sin(angle))
    return [tuple(rgb[((cy + dy) * WIDTH + cx + dx) * 3:][:3])
            for dy in range(-20, 20) for dx in range(-20, 20)]


def check_pictures_shown(shot):
    """Every default item's place looks unlike a blank place: without its pictures the ring is
    a row of identical blank plates."""
    rgb = subprocess.run(["convert", shot, "-depth", "8", "rgb:-"], check=True,
                         capture_output=True).stdout
    blank = place_pixels(rgb, BLANK_PLACE)
    for place in ITEM_PLACES:
        pixels = place_pixels(rgb, place)
        differing = sum(a != b for a, b in zip(pixels, blank)) / len(pixels)
        assert differing > 0.3, f"place {place} looks like a blank plate ({differing:.2f})"


def main(artifacts):
    session = Session(PROGRAM, artifacts)
    try:
        launcher = start_from_entry(session)
        dismiss_getting_started()  # the first start shows it over the ring
        check_pictures_shown(session.screenshot("installed.png"))
        assert terminate(launcher) == 0
        menu = read(session.data("QAVMenu.cfg"))
        assert PICTURES.encode() in menu, "items keep the installed pictures"
        assert b"/usr/bin/SysIcons" not in menu

        launcher = start_from_entry(session)
        entry = session.config("autostart/com.brevona.qavlauncher.desktop")
        assert f"Exec={PROGRAM}\n" in open(entry, encoding="utf-8").read()
        subprocess.run(["desktop-file-validate", entry], check=True)
        assert terminate(launcher) == 0
    finally:
        session.close()
    print("installed program: ok")


if __name__ == "__main__":
    main(sys.argv[1])
