#!/usr/bin/python3
"""How long the launcher takes from exec to its first frame on the screen on Wayland (a headless
sway, the dock a layer surface) beside X11 (Xvfb with xcompmgr), on the same machine, with the
same binary, the same 1280x720 screen and the same saved files (a later start). Runs alternate
between the two; the medians are printed.

The first frame is seen on the screen itself: a pixel of the ring's top place, polled with grim
(a 1x1 region) and with X's GetImage, until it shows the place's light plate (both desktops are
darker there: sway's green background, the compositing manager's grey or the server's black
root). Polling adds its own few milliseconds to both.

    bench/wayland_startup.py [--launcher build/release/src/app/dock/qav-launcher] [--runs 7]

sway refuses to run as root: started as root, the script runs itself again as the unprivileged
user the Wayland tests use."""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e", "wayland"))
from sway_session import SwaySession, run_as_user  # noqa: E402

from Xlib import X, display  # noqa: E402

PROBE = (630, 70)  # on the plate of the ring's top place (blank) on a 1280x720 screen
TIMEOUT_S = 30


def wayland_pixel(session):
    out = subprocess.run(["grim", "-t", "ppm", "-g", f"{PROBE[0]},{PROBE[1]} 1x1", "-"],
                         env=session.env, capture_output=True, check=True).stdout
    return out[-3:]


class XScreen:
    def __init__(self, number=173):
        self.name = f":{number}"
        self.server = subprocess.Popen(["Xvfb", self.name, "-br", "-screen", "0", "1280x720x24",
                                        "-nolisten", "tcp"], stderr=subprocess.DEVNULL)
        for _ in range(50):
            if os.path.exists(f"/tmp/.X11-unix/X{number}"):
                break
            time.sleep(0.1)
        time.sleep(0.3)
        self.env = dict(os.environ, DISPLAY=self.name, QT_QPA_PLATFORM="xcb")
        self.compositor = subprocess.Popen(["xcompmgr"], env=self.env, stderr=subprocess.DEVNULL)
        self.x = display.Display(self.name)
        self.root = self.x.screen().root

    def pixel(self):
        return self.root.get_image(PROBE[0], PROBE[1], 1, 1, X.ZPixmap, 0xFFFFFFFF).data[:3]

    def close(self):
        self.x.close()
        for process in (self.compositor, self.server):
            process.terminate()
            process.wait()


def drawn(rgb):
    return sum(rgb) / 3 > 170


def first_frame(binary, env, pixel):
    """Seconds from exec to the ring's plate under the probe, then the launcher ends."""
    empty = pixel()
    assert not drawn(empty), f"the desktop is not empty: {tuple(empty)}"
    started = time.monotonic()
    process = subprocess.Popen([binary], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        while time.monotonic() - started < TIMEOUT_S:
            if drawn(pixel()):
                return time.monotonic() - started
        raise RuntimeError("no first frame")
    finally:
        subprocess.run([binary, "--quit"], env=env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=30)
        process.wait(timeout=30)
        time.sleep(0.5)


def main(binary, runs):
    sway = SwaySession(binary, tempfile.mkdtemp(prefix="qav-bench-"))
    xscreen = XScreen()
    home = sway.home
    try:
        # One start writes the files; every measured start is a later start from them.
        wayland_env = dict(sway.env, HOME=home)
        x11_env = dict(xscreen.env, HOME=home, XDG_RUNTIME_DIR=sway.env["XDG_RUNTIME_DIR"])
        first_frame(binary, wayland_env, lambda: wayland_pixel(sway))
        times = {"Wayland (sway, layer surface)": [], "X11 (Xvfb + xcompmgr)": []}
        for _ in range(runs):
            times["Wayland (sway, layer surface)"].append(
                first_frame(binary, wayland_env, lambda: wayland_pixel(sway)))
            times["X11 (Xvfb + xcompmgr)"].append(first_frame(binary, x11_env, xscreen.pixel))
        for name, found in times.items():
            print(f"{name}: median {statistics.median(found) * 1000:.0f} ms "
                  f"(runs: {', '.join(f'{t * 1000:.0f}' for t in found)})")
    finally:
        xscreen.close()
        sway.close()
        shutil.rmtree(sway.artifacts, ignore_errors=True)


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("--launcher", default=os.path.join(HERE, "..", "build", "release", "src",
                                                           "app", "qav-launcher"))
    parser.add_argument("--runs", type=int, default=7)
    parser.add_argument("--artifacts", help=argparse.SUPPRESS)
    args = parser.parse_args()
    launcher = os.path.abspath(args.launcher)
    if os.getuid() == 0:
        sys.exit(run_as_user(os.path.abspath(__file__), tempfile.gettempdir(),
                             ["--launcher", launcher, "--runs", str(args.runs)]))
    main(launcher, args.runs)
