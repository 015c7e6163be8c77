"""Helpers for driving the real launcher on a virtual display: the session, the pointer and
keyboard, screenshots, the dock's geometry and the files the launcher saves."""

import math
import os
import shutil
import signal
import struct
import subprocess
import tempfile
import time

import menu_file

WIDTH = 1366
CENTRE = (683, 384)
AWAY = (150, 384)  # off the ring and beside every menu: no hover, no highlighted row


class Session:
    """An empty home folder, a compositing manager and the launcher's environment. Processes it
    starts or is given to `own` end with it."""

    def __init__(self, binary, artifacts):
        self.binary = binary
        self.artifacts = artifacts
        self.sys_icons = os.path.join(os.path.dirname(binary), "SysIcons")
        os.makedirs(artifacts, exist_ok=True)
        self.home = tempfile.mkdtemp(prefix="qav-e2e-home-")
        runtime = os.path.join(self.home, "run")
        os.makedirs(runtime, mode=0o700)
        self.env = dict(os.environ, HOME=self.home, XDG_RUNTIME_DIR=runtime)
        for key in ("XDG_CONFIG_HOME", "XDG_DATA_HOME", "QT_QPA_PLATFORM"):
            self.env.pop(key, None)
        self.processes = []
        self.bus_pids = []
        self.compositor = subprocess.Popen(["xcompmgr"], stderr=subprocess.DEVNULL)
        time.sleep(0.5)

    def data(self, name):
        return os.path.join(self.home, ".local/share/Brevona/QAV Launcher", name)

    def config(self, name):
        return os.path.join(self.home, ".config", name)

    def own(self, process):
        self.processes.append(process)
        return process

    def start(self, dismiss_started=True, options=(), title="QAV Launcher"):
        process = self.own(subprocess.Popen([self.binary, *options], env=self.env))
        wait_for_window(title, process)
        if dismiss_started:
            dismiss_getting_started()
        return process

    def screenshot(self, name):
        path = os.path.join(self.artifacts, name)
        subprocess.run(["import", "-window", "root", path], check=True)
        return path

    def shot(self, name, kind=None):
        return (kind or Shot)(self.screenshot(name))

    def shot_when(self, name, check, what, kind=None, timeout=15, steady=None):
        """A screenshot for which `check` holds; with `steady(shot, before)` also holding against
        the screenshot before it (an animation over)."""
        last = [None]

        def attempt():
            s, before = self.shot(name, kind), last[0]
            last[0] = s
            settled = steady is None or (before is not None and steady(s, before))
            return settled and check(s) and s

        return poll(attempt, what, timeout)

    def private_bus(self, accessibility=False, bus_launcher="/usr/libexec/at-spi-bus-launcher"):
        """A session bus of our own for the launcher and for this script; with `accessibility`
        also the accessibility bus on it, and Qt asked to publish its widgets."""
        out = subprocess.run(["dbus-launch", "--sh-syntax"], env=self.env, check=True,
                             capture_output=True, text=True).stdout
        values = dict(line.rstrip(";").split("=", 1) for line in out.splitlines()
                      if "=" in line and not line.startswith("export"))
        address = values["DBUS_SESSION_BUS_ADDRESS"].strip("'")
        self.bus_pids.append(int(values["DBUS_SESSION_BUS_PID"]))
        self.env["DBUS_SESSION_BUS_ADDRESS"] = os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
        if accessibility:
            self.env.update(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
            self.own(subprocess.Popen([bus_launcher, "--launch-immediately"], env=self.env,
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
            time.sleep(1)

    def saved_menu(self, check, what):
        """(groups, records) of the menu file once `check(groups, records)` holds; its twin must
        hold the same bytes."""
        path = self.data("QAVMenu.cfg")

        def attempt():
            found = menu_file.read(path)
            return check(*found) and found

        found = poll(attempt, what)
        assert read(path) == read(path + ".bak"), "the twin differs from the file"
        return found

    def expect_saved_as_written(self, groups, written, changed):
        """After the exit: the twin alike, the groups and every record as written but the
        `changed` ones (records 65..128 are rebuilt at every start)."""
        path = self.data("QAVMenu.cfg")
        assert read(path) == read(path + ".bak"), "the twin differs from the file"
        saved_groups, saved = menu_file.read(path)
        assert saved_groups == groups, saved_groups
        expected = [menu_file.as_read(r) for r in written]
        for n, record in changed.items():
            expected[n] = record
        for n in [*range(0, 65), *range(129, menu_file.RECORD_COUNT)]:
            assert saved[n] == expected[n], (n, saved[n])

    def close(self):
        for process in reversed(self.processes):
            try:
                stop(process)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        for pid in self.bus_pids:
            os.kill(pid, signal.SIGTERM)
        self.compositor.terminate()
        shutil.rmtree(self.home, ignore_errors=True)


def wait_for_window(title, process, timeout=30):
    deadline = time.time() + timeout
    while time.time() < deadline:
        if process.poll() is not None:
            raise AssertionError(f"launcher ended early with {process.returncode}")
        found = subprocess.run(["xdotool", "search", "--name", title],
                               capture_output=True, text=True)
        if found.returncode == 0 and found.stdout.strip():
            time.sleep(0.5)  # let the first frame reach the screen
            return
        time.sleep(0.2)
    raise AssertionError(f"no window named {title!r} within {timeout} s")


def dismiss_getting_started(timeout=5):
    """Closes the getting-started window a start shows (unless it was turned off) with Esc, so
    the dock underneath gets the mouse and the keyboard."""
    deadline = time.time() + timeout
    while time.time() < deadline:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name",
                                "^QAV Launcher Getting Started$"],
                               capture_output=True, text=True).stdout.split()
        if found:
            subprocess.run(["xdotool", "windowfocus", "--sync", found[0], "key", "Escape"],
                           capture_output=True)
            time.sleep(0.5)
            return
        time.sleep(0.2)


def terminate(process, timeout=30):
    process.send_signal(signal.SIGTERM)
    return process.wait(timeout=timeout)


def stop(*processes):
    """Ends programs politely, those that still run."""
    for process in processes:
        if process and process.poll() is None:
            process.send_signal(signal.SIGTERM)
            process.wait(timeout=10)


def read(path):
    with open(path, "rb") as f:
        return f.read()


def i32(data, offset):
    return struct.unpack_from("<i", data, offset)[0]


def i16(data, offset):
    return struct.unpack_from("<h", data, offset)[0]


def polling(check, what, timeout=15):
    """Yields until `check()` holds; returns its value through StopIteration (for a caller that
    runs an event loop between the checks)."""
    deadline = time.time() + timeout
    while True:
        result = check()
        if result:
            return result
        if time.time() > deadline:
            raise AssertionError(f"not within {timeout} s: {what}")
        yield


def poll(check, what, timeout=15):
    steps = polling(check, what, timeout)
    try:
        while True:
            next(steps)
            time.sleep(0.1)
    except StopIteration as done:
        return done.value


def xdo(*args):
    subprocess.run(["xdotool", *map(str, args)], check=True)


def glide(start, end, steps=12):
    """Moves the pointer in steps: drags on X11 only follow motion."""
    for s in range(1, steps + 1):
        xdo("mousemove", round(start[0] + (end[0] - start[0]) * s / steps),
            round(start[1] + (end[1] - start[1]) * s / steps))
        time.sleep(0.03)


def context_key(at, key):
    """Opens the context menu at `at` with a right click and picks the entry of `key`."""
    xdo("mousemove", *at)
    time.sleep(0.4)
    xdo("click", 3)
    time.sleep(1)
    xdo("key", key)


def window_ids(title):
    return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                          capture_output=True, text=True).stdout.split()


def window_id(title):
    found = window_ids(title)
    assert len(found) == 1, found
    return int(found[0])


def top_to_bottom():
    tree = subprocess.run(["xwininfo", "-root", "-children"], capture_output=True, text=True,
                          check=True).stdout
    return [int(line.split()[0], 16) for line in tree.splitlines() if line.startswith("     0x")]


def slot_centre(k):
    a = (k - 1) * 15 * 3.1415926 / 180
    return round(CENTRE[0] + 300 * math.cos(a)), round(CENTRE[1] + 300 * math.sin(a))


def square(x, y, half):
    return [(x + dx, y + dy) for dx in range(-half, half) for dy in range(-half, half)]


class Shot:
    def __init__(self, path, width=WIDTH):
        self.width = width
        self.rgb = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], check=True,
                                  capture_output=True).stdout

    def at(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.rgb[i:i + 3])

    def changed(self, other, points):
        return sum(self.at(*p) != other.at(*p) for p in points) / len(points)

    def brightness(self, points):
        return sum(sum(self.at(*p)) for p in points) / (3 * len(points))


def keyboard_tint(rest, corner):
    """A check that the screen is tinted as keyboard mode tints it, at `corner`."""
    return lambda s: s.brightness(corner) < 0.3 * rest.brightness(corner)


def lines_of(path):
    if not os.path.exists(path):
        return None
    with open(path) as f:
        return f.read().splitlines()


def marker_script(folder, name):
    """A program that leaves its arguments, one a line, in <itself>.out."""
    path = os.path.join(folder, name)
    with open(path, "w") as f:
        f.write('#!/bin/sh\nprintf "%s\\n" "$@" > "$0.tmp" && mv "$0.tmp" "$0.out"\n')
    os.chmod(path, 0o755)
    return path


def fill_groups(folder, groups, records, sizes, **fields):
    """Fills each group of `sizes` with that many marker scripts in `folder`, from record 129
    on; `fields(g, m)` gives more fields of member m of group g. Returns the scripts by record."""
    os.makedirs(folder, exist_ok=True)
    scripts, r = {}, 129
    for g, count in sizes.items():
        for m in range(1, count + 1):
            scripts[r] = marker_script(folder, f"group {g} member {m}")
            more = {k: f(g, m) for k, f in fields.items()}
            records[r] = menu_file.program(menu_file.KIND_MEMBER, r, scripts[r],
                                           Title=f"Member {g}.{m}", **more)
            groups[g].append(r)
            r += 1
    return scripts


def ran(script, what=None):
    """The arguments a marker script received, once it ran; then it is reset."""
    out = script + ".out"
    found = poll(lambda: lines_of(out), what or f"{script} ran")
    os.remove(out)
    return found
