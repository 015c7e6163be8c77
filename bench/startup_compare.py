#!/usr/bin/python3
"""How fast the launcher is on the screen and how much memory it holds, beside other launchers.

Starts a private Xvfb (1920x1080) with xcompmgr and a session bus, and measures, for each case,
the time from exec to the first window mapped on the screen (a MapNotify on the root window) and
the resident memory 3 s later. Runs are interleaved case by case so that a busy machine slows every case alike; the
medians are printed with their ratios to the fastest other launcher found.

    bench/startup_compare.py [--launcher build/release/src/app/dock/qav-launcher] [--runs 5]

Cases: this launcher's first start (an empty home), a later start (the defaults saved by a first
run) and a full file (36 dock items and a 896-member All Programs group, each with its own
picture); `rofi -show run` and `plank` when they are installed. The launcher itself never needs
either of them."""

import argparse
import os
import random
import shutil
import signal
import statistics
import struct
import subprocess
import sys
import tempfile
import time
import zlib

from Xlib import X, display

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))
import menu_file  # noqa: E402  (the documented byte layout, shared with the real-window tests)

DATA = ".local/share/Brevona/QAV Launcher"
SETTINGS_ICON_COUNT_AT = 16
MAP_TIMEOUT_S = 30
SETTLE_S = 3.0


def png(size, seed):
    """A small RGBA picture of our own, different for every seed."""
    rows = b""
    for y in range(size):
        row = bytearray([0])
        for x in range(size):
            row += bytes(((x * 4 + seed * 37) & 255, (y * 4 + seed * 11) & 255,
                          (seed * 53) & 255, 255))
        rows += bytes(row)

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(rows, 6)) + chunk(b"IEND", b""))


class Screen:
    """A private X server with a compositing manager, and a connection that sees every map."""

    def __init__(self):
        self.server, self.name = self.start_server()
        self.env = dict(os.environ, DISPLAY=self.name)
        self.compositor = subprocess.Popen(["xcompmgr"], env=self.env,
                                           stderr=subprocess.DEVNULL)
        self.x = self.connect()
        self.helpers = []
        self.start_session_bus()
        self.x.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.x.sync()
        time.sleep(0.5)

    def start_session_bus(self):
        """A desktop session always has a session bus. Without one, every program that asks for it
        would start its own through dbus-launch and the figures would measure that instead."""
        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.helpers.append(bus)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()

    @staticmethod
    def start_server():
        """A display number of our own, away from the low numbers other sessions pick."""
        for number in random.sample(range(150, 250), 20):
            if os.path.exists(f"/tmp/.X{number}-lock"):
                continue
            server = subprocess.Popen(["Xvfb", f":{number}", "-screen", "0", "1920x1080x24",
                                       "-nolisten", "tcp"], stderr=subprocess.DEVNULL)
            for _ in range(50):
                if server.poll() is not None:
                    break
                if os.path.exists(f"/tmp/.X11-unix/X{number}"):
                    return server, f":{number}"
                time.sleep(0.1)
            server.kill()
            server.wait()
        raise RuntimeError("no X server could be started")

    def connect(self):
        for _ in range(20):
            try:
                return display.Display(self.name)
            except Exception:  # the server may still be setting up its socket
                time.sleep(0.1)
        return display.Display(self.name)

    def drain(self):
        while self.x.pending_events():
            self.x.next_event()

    def wait_for_map(self, process, deadline):
        """Seconds on the monotonic clock at the first MapNotify, or None."""
        import select
        while time.monotonic() < deadline:
            while self.x.pending_events():
                if self.x.next_event().type == X.MapNotify:
                    return time.monotonic()
            if process.poll() is not None:
                return None
            select.select([self.x.fileno()], [], [], 0.05)
        return None

    def close(self):
        for helper in self.helpers:
            helper.terminate()
            helper.wait()
        self.x.close()
        self.compositor.terminate()
        self.server.terminate()
        self.compositor.wait()
        self.server.wait()


def resident_mb(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024
    return float("nan")


def stop(process):
    if process.poll() is None:
        process.send_signal(signal.SIGTERM)
        try:
            process.wait(timeout=20)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def measure(screen, command, env):
    """(ms from exec to mapped, resident MB 3 s later)."""
    screen.drain()
    started = time.monotonic()
    process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    mapped = screen.wait_for_map(process, started + MAP_TIMEOUT_S)
    if mapped is None:
        stop(process)
        raise RuntimeError(f"{command[0]} mapped no window")
    time.sleep(SETTLE_S)
    memory = resident_mb(process.pid)
    stop(process)
    return (mapped - started) * 1000, memory


class Homes:
    """Home folders for the launcher's cases, each run starting from a fresh copy."""

    def __init__(self, screen, launcher, root):
        self.screen, self.launcher, self.root = screen, launcher, root
        self.templates = {"first": self.empty("first-template")}
        self.templates["later"] = self.after_first_run()
        self.templates["full"] = self.full_file()

    def empty(self, name):
        home = os.path.join(self.root, name)
        os.makedirs(os.path.join(home, "run"), mode=0o700)
        return home

    def env(self, home):
        env = dict(self.screen.env, HOME=home, XDG_RUNTIME_DIR=os.path.join(home, "run"))
        for key in ("XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "QT_QPA_PLATFORM"):
            env.pop(key, None)
        return env

    def after_first_run(self):
        home = os.path.join(self.root, "later-template")
        shutil.copytree(self.templates["first"], home, symlinks=True)
        measure(self.screen, [self.launcher], self.env(home))  # SIGTERM saves the defaults
        if not os.path.exists(os.path.join(home, DATA, "QAVMenu.cfg")):
            raise RuntimeError("the first run saved no menu file")
        return home

    def full_file(self):
        home = os.path.join(self.root, "full-template")
        shutil.copytree(self.templates["later"], home, symlinks=True)
        data = os.path.join(home, DATA)
        settings = bytearray(open(os.path.join(data, "QAVCfg.cfg"), "rb").read())
        settings[SETTINGS_ICON_COUNT_AT:SETTINGS_ICON_COUNT_AT + 4] = struct.pack("<i", 7)
        open(os.path.join(data, "QAVCfg.cfg"), "wb").write(settings)
        pictures = os.path.join(home, "pictures")
        os.makedirs(pictures)
        groups, records = menu_file.read(os.path.join(data, "QAVMenu.cfg"))

        def picture(n):
            path = os.path.join(pictures, f"item{n}.png")
            open(path, "wb").write(png(64, n))
            return path
        for n in range(1, 37):
            if records[n]["Kind"] in (menu_file.KIND_BLANK, menu_file.KIND_SHORTCUT):
                records[n] = menu_file.record(
                    Kind=menu_file.KIND_SHORTCUT, ImageRow=n, Title=f"Item {n}",
                    Path="/bin/true", Target="/bin/true", CustomIcon=picture(n))
        members = list(range(43, 43 + 896))
        for n in members:
            records[n] = menu_file.record(Kind=menu_file.KIND_MEMBER, ImageRow=n,
                                          Title=f"Program {n}", Path="/bin/true",
                                          Target="/bin/true", CustomIcon=picture(n))
        groups[3] = [3] + members
        menu_file.write(os.path.join(data, "QAVMenu.cfg"), groups, records)
        for twin in ("QAVMenu.cfg.bak", "QAVCfg.cfg.bak"):
            if os.path.exists(os.path.join(data, twin)):
                os.remove(os.path.join(data, twin))
        return home

    def fresh(self, case, run):
        home = os.path.join(self.root, f"{case}-{run}")
        shutil.copytree(self.templates[case], home, symlinks=True)
        return home


def other_launchers(screen, root):
    found = {}
    if shutil.which("rofi"):
        found["rofi -show run"] = (["rofi", "-show", "run"], screen.env)
    if shutil.which("plank"):
        home = os.path.join(root, "plank-home")
        os.makedirs(home)
        found["plank (a dock)"] = (["plank"], dict(screen.env, HOME=home))
    return found


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--launcher",
                        default=os.path.join(HERE, "..", "build", "release", "src", "app",
                                             "qav-launcher"))
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()
    launcher = os.path.abspath(args.launcher)
    screen = Screen()
    root = tempfile.mkdtemp(prefix="qav-startup-compare-")
    try:
        homes = Homes(screen, launcher, root)
        cases = {f"this launcher, {case} start" if case != "full" else
                 "this launcher, full file": (case, None) for case in ("first", "later", "full")}
        others = other_launchers(screen, root)
        results = {name: [] for name in list(cases) + list(others)}
        for run in range(args.runs):
            for name, (case, _) in cases.items():
                home = homes.fresh(case, run)
                results[name].append(measure(screen, [launcher], homes.env(home)))
            for name, (command, env) in others.items():
                results[name].append(measure(screen, command, env))
        report(results, list(others))
    finally:
        screen.close()
        shutil.rmtree(root, ignore_errors=True)


def report(results, others):
    medians = {name: (statistics.median(t for t, _ in runs), statistics.median(m for _, m in runs))
               for name, runs in results.items()}
    base = min((medians[o] for o in others), default=None)
    print(f"{'case':<40} {'exec -> mapped':>15} {'resident':>10}" +
          (f" {'time ratio':>11} {'memory ratio':>13}" if base else ""))
    for name, (ms, mb) in medians.items():
        line = f"{name:<40} {ms:>12.0f} ms {mb:>7.1f} MB"
        if base:
            line += f" {ms / base[0]:>10.1f}x {mb / base[1]:>12.1f}x"
        print(line)
    if base:
        print("ratios are to the fastest other launcher found")


if __name__ == "__main__":
    main()
