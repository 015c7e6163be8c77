"""A headless sway of the test's own for the real launcher on Wayland: the compositor, a pointer
and a keyboard plugged in, screenshots with grim, the window tree and the seat's cursor through
swaymsg, keys through wtype, and a session bus with the accessibility bus on it.

sway refuses to run as root; a test started as root hands itself to an unprivileged user made
for it (`run_as_user`) and copies that user's screenshots back."""

import json
import os
import pwd
import queue
import shutil
import subprocess
import sys
import tempfile
import threading
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.dirname(HERE))
from e2e_support import Shot, poll  # noqa: E402

USER = "qav-wayland-ci"
DESKTOP = (46, 107, 79)  # the output's background colour, #2e6b4f
WIDTH, HEIGHT = 1280, 720

BUS_CONFIG = """<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig><type>session</type><listen>unix:dir={folder}</listen><auth>EXTERNAL</auth>
<policy context="default"><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/>
<allow own="*"/></policy></busconfig>
"""

SWAY_CONFIG = """xwayland disable
output * bg #2e6b4f solid_color
focus_follows_mouse no
"""


def run_as_user(script, artifacts, arguments):
    """As root: runs this test again as the unprivileged test user, in a folder that user owns,
    and copies its screenshots into `artifacts`. Returns the exit status."""
    try:
        pwd.getpwnam(USER)
    except KeyError:
        subprocess.run(["useradd", "--system", "--no-create-home", "--home-dir", "/nonexistent",
                        "--shell", "/usr/sbin/nologin", USER], check=True)
    work = tempfile.mkdtemp(prefix="qav-sway-")
    os.chmod(work, 0o755)
    shots = os.path.join(work, "artifacts")
    os.makedirs(shots)
    account = pwd.getpwnam(USER)
    os.chown(shots, account.pw_uid, account.pw_gid)
    try:
        status = subprocess.run(["runuser", "-u", USER, "--", sys.executable, script, *arguments,
                                 "--artifacts", shots]).returncode
    finally:
        os.makedirs(artifacts, exist_ok=True)
        for name in os.listdir(shots):
            shutil.copy(os.path.join(shots, name), artifacts)
        shutil.rmtree(work, ignore_errors=True)
    return status


class SwaySession:
    """sway on the headless backend with the pixman renderer, and what the checks drive it
    with. Every process it starts ends with it."""

    def __init__(self, binary, artifacts, virtual_pointer=None):
        self.binary = binary
        self.artifacts = artifacts
        self.sys_icons = os.path.join(os.path.dirname(binary), "SysIcons")
        self.root = tempfile.mkdtemp(prefix="qav-sway-session-")
        self.home = os.path.join(self.root, "home")
        runtime = os.path.join(self.root, "run")
        os.makedirs(self.home)
        os.makedirs(runtime, mode=0o700)
        self.processes = []
        config = os.path.join(self.root, "sway.config")
        with open(config, "w") as f:
            f.write(SWAY_CONFIG)
        self.env = {k: v for k, v in os.environ.items()
                    if not k.startswith(("XDG_", "WAYLAND", "DISPLAY", "DBUS", "QT_", "SWAYSOCK"))}
        self.env.update(HOME=self.home, XDG_RUNTIME_DIR=runtime, XDG_CURRENT_DESKTOP="sway",
                        WLR_BACKENDS="headless", WLR_RENDERER="pixman",
                        WLR_LIBINPUT_NO_DEVICES="1")
        self.compositor = self.own(subprocess.Popen(
            ["sway", "-c", config], env=self.env, stdout=subprocess.DEVNULL,
            stderr=open(os.path.join(self.root, "sway.log"), "w")))
        socket = poll(lambda: next((n for n in os.listdir(runtime) if n.startswith("wayland-")
                                    and not n.endswith(".lock")), None), "sway's socket")
        ipc = poll(lambda: next((n for n in os.listdir(runtime) if n.startswith("sway-ipc")),
                                None), "sway's IPC socket")
        self.env.update(WAYLAND_DISPLAY=socket, SWAYSOCK=os.path.join(runtime, ipc),
                        QT_QPA_PLATFORM="wayland")
        self.pointer = None
        if virtual_pointer:
            self.plug_in_devices(virtual_pointer)

    def plug_in_devices(self, virtual_pointer):
        """A headless compositor has no input devices: a pointer the cursor commands move, and a
        keyboard that stays plugged in while wtype types on its own ones."""
        self.pointer = self.own(subprocess.Popen([virtual_pointer], env=self.env,
                                                 stdin=subprocess.PIPE, stdout=subprocess.PIPE))
        assert self.pointer.stdout.readline().strip() == b"ready", "no virtual pointer"
        self.own(subprocess.Popen(["wtype", "-s", "100000000"], env=self.env))
        poll(lambda: self.seat_capabilities() == 3, "a pointer and a keyboard on the seat")

    def own(self, process):
        self.processes.append(process)
        return process

    def data(self, name):
        return os.path.join(self.home, ".local/share/Brevona/QAV Launcher", name)

    # The compositor.
    def msg(self, *command, kind=None):
        args = ["swaymsg", "-r"] + (["-t", kind] if kind else []) + list(command)
        out = subprocess.run(args, env=self.env, check=True, capture_output=True, text=True)
        return json.loads(out.stdout) if out.stdout.strip() else None

    def seat_capabilities(self):
        return self.msg(kind="get_seats")[0]["capabilities"]

    def views(self):
        """The names of the top-level windows in the compositor's tree, tiled and floating."""
        found = []

        def walk(node):
            if node.get("type") in ("con", "floating_con") and node.get("pid"):
                found.append(node.get("name"))
            for child in node.get("nodes", []) + node.get("floating_nodes", []):
                walk(child)
        walk(self.msg(kind="get_tree"))
        return found

    def close_view(self, title):
        self.msg(f'[title="^{title}$"] kill')

    def output(self, command):
        self.msg(f"output HEADLESS-1 {command}")

    def dpms(self):
        return self.msg(kind="get_outputs")[0]["dpms"]

    # The pointer and the keyboard.
    def point(self, x, y):
        self.msg(f"seat seat0 cursor set {x} {y}")
        time.sleep(0.15)

    def device(self, command):
        """A command to the virtual pointer itself (see virtual_pointer.c)."""
        self.pointer.stdin.write(command.encode() + b"\n")
        self.pointer.stdin.flush()
        assert self.pointer.stdout.readline().strip() == b"ok", command

    def drag(self, start, end, steps=12):
        """Presses at `start`, moves to `end` by the device's own motion and lets go."""
        def move(x, y):
            self.device(f"move {x} {y} {WIDTH} {HEIGHT}")
            time.sleep(0.05)
        move(*start)
        self.device("press")
        for s in range(1, steps + 1):
            move(round(start[0] + (end[0] - start[0]) * s / steps),
                 round(start[1] + (end[1] - start[1]) * s / steps))
        # A source sends no position while the last one is unanswered: a last small move once
        # the dock has had time to answer.
        time.sleep(0.5)
        move(end[0] + 1, end[1])
        time.sleep(0.3)
        self.device("release")

    def click(self, x, y, button=1):
        # The dock magnifies a place when the pointer arrives from elsewhere.
        self.point(x - 3, y - 3)
        self.point(x, y)
        self.msg(f"seat seat0 cursor press button{button}")
        self.msg(f"seat seat0 cursor release button{button}")

    def keys(self, *args):
        subprocess.run(["wtype", *args], env=self.env, check=True)
        time.sleep(0.2)

    # Screens.
    def shot(self, name, scale=1, width=WIDTH):
        """The output as grim takes it, `scale` device pixels to a logical one."""
        path = os.path.join(self.artifacts, name)
        subprocess.run(["grim", "-s", str(scale), path], env=self.env, check=True)
        return Shot(path, width * scale)

    def shot_when(self, name, check, what, timeout=15, **size):
        def attempt():
            s = self.shot(name, **size)
            return check(s) and s
        return poll(attempt, what, timeout)

    # The launcher.
    def start_launcher(self, name):
        log = open(os.path.join(self.root, f"{name}.log"), "w")
        env = dict(self.env)
        if "ASAN_OPTIONS" in env:
            # Qt's Wayland client keeps objects to the end of the process; only whole stacks
            # (libwayland has no frame pointers) tell them from the program's own.
            env["ASAN_OPTIONS"] += ":fast_unwind_on_malloc=0"
        return self.own(subprocess.Popen([self.binary], env=env, stderr=log,
                                         stdout=subprocess.DEVNULL))

    def log(self, name):
        with open(os.path.join(self.root, f"{name}.log")) as f:
            return f.read()

    def request(self, option):
        """A second start with `option`, as a key bound in the desktop's settings runs it."""
        subprocess.run([self.binary, option], env=self.env, check=True, timeout=30,
                       stdout=subprocess.DEVNULL)

    def private_bus(self):
        """A session bus that starts no services by itself, with the accessibility bus on it;
        Qt is asked to publish its widgets there."""
        folder = os.path.join(self.root, "bus")
        os.makedirs(folder)
        config = os.path.join(self.root, "bus.conf")
        with open(config, "w") as f:
            f.write(BUS_CONFIG.format(folder=folder))
        daemon = self.own(subprocess.Popen(
            ["dbus-daemon", f"--config-file={config}", "--print-address=1", "--nofork"],
            env=self.env, stdout=subprocess.PIPE))
        address = daemon.stdout.readline().decode().strip()
        self.env.update(DBUS_SESSION_BUS_ADDRESS=address, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                        QT_ACCESSIBILITY="1")
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
        launcher = next(p for p in ("/usr/libexec/at-spi-bus-launcher",
                                    "/usr/lib/at-spi2-core/at-spi-bus-launcher")
                        if os.path.exists(p))
        self.own(subprocess.Popen([launcher, "--launch-immediately"], env=self.env,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        time.sleep(1)

    def close(self):
        if self.pointer and self.pointer.stdin:
            self.pointer.stdin.close()
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        shutil.rmtree(self.root, ignore_errors=True)


class Lines:
    """The lines a helper writes, read on a thread of their own so that a wait for one ends."""

    def __init__(self, stream):
        self.lines = queue.Queue()
        threading.Thread(target=self.read, args=(stream,), daemon=True).start()

    def read(self, stream):
        for line in stream:
            self.lines.put(line.strip())

    def next(self, what, timeout=15):
        try:
            return self.lines.get(timeout=timeout)
        except queue.Empty:
            raise AssertionError(f"not within {timeout} s: {what}") from None


def matches(shot, points, colour, tolerance=0):
    """The share of `points` showing `colour`."""
    return sum(all(abs(a - b) <= tolerance for a, b in zip(shot.at(*p), colour))
               for p in points) / len(points)
