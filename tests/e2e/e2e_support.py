"""Helpers for driving the real launcher on a virtual display."""

import os
import shutil
import signal
import struct
import subprocess
import tempfile
import time


class Session:
    """An empty home folder, a compositing manager and the launcher's environment."""

    def __init__(self, binary, artifacts):
        self.binary = binary
        self.artifacts = artifacts
        os.makedirs(artifacts, exist_ok=True)
        self.home = tempfile.mkdtemp(prefix="qav-e2e-home-")
        runtime = os.path.join(self.home, "run")
        os.makedirs(runtime, mode=0o700)
        self.env = dict(os.environ, HOME=self.home, XDG_RUNTIME_DIR=runtime)
        for key in ("XDG_CONFIG_HOME", "XDG_DATA_HOME", "QT_QPA_PLATFORM"):
            self.env.pop(key, None)
        self.compositor = subprocess.Popen(["xcompmgr"], stderr=subprocess.DEVNULL)
        time.sleep(0.5)

    def data(self, name):
        return os.path.join(self.home, ".local/share/Brevona/QAV Launcher", name)

    def config(self, name):
        return os.path.join(self.home, ".config", name)

    def start(self, dismiss_started=True):
        process = subprocess.Popen([self.binary], env=self.env)
        wait_for_window("QAV Launcher", process)
        if dismiss_started:
            dismiss_getting_started()
        return process

    def run_once(self, timeout=20):
        return subprocess.run([self.binary], env=self.env, timeout=timeout).returncode

    def screenshot(self, name):
        path = os.path.join(self.artifacts, name)
        subprocess.run(["import", "-window", "root", path], check=True)
        return path

    def close(self):
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


def read(path):
    with open(path, "rb") as f:
        return f.read()


def i32(data, offset):
    return struct.unpack_from("<i", data, offset)[0]


def i16(data, offset):
    return struct.unpack_from("<h", data, offset)[0]
