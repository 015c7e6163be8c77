"""The real dock on two monitors side by side: it starts on the screen that holds the pointer,
comes to the other one when summoned there, is laid out again when its screen shrinks, and goes
to the remaining screen when its own is unplugged.

Xvfb gives Qt only one screen (its Xinerama heads overlap and its RandR has one output), so the
test runs its own TigerVNC server, whose RandR outputs follow the screen layout a VNC client asks
for: the test is that client and plugs, resizes and unplugs monitors as it goes."""

import os
import socket
import struct
import subprocess
import sys
import time

from e2e_support import Session, poll, terminate


class VncServer:
    """An Xvnc display that only this machine can reach, and its screen layout."""

    def __init__(self, width, height):
        with socket.socket() as probe:
            probe.bind(("127.0.0.1", 0))
            self.port = probe.getsockname()[1]
        reader, writer = os.pipe()
        self.process = subprocess.Popen(
            ["Xvnc", "-displayfd", str(writer), "-geometry", f"{width}x{height}", "-depth", "24",
             "-SecurityTypes", "None", "-localhost", "-rfbport", str(self.port), "-nolisten",
             "tcp"], pass_fds=(writer,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(writer)
        with os.fdopen(reader) as numbers:
            self.display = ":" + numbers.readline().strip()

    def layout(self, *screens):
        """Asks for these (x, y, width, height) monitors as a VNC client resizing its window
        would (the ExtendedDesktopSize extension of the remote framebuffer protocol)."""
        with socket.create_connection(("127.0.0.1", self.port), timeout=10) as rfb:
            rfb.recv(12)
            rfb.sendall(b"RFB 003.008\n")
            count = rfb.recv(1)[0]
            assert 1 in rfb.recv(count), "the server asks for a password"
            rfb.sendall(bytes([1]))
            assert struct.unpack(">I", recv_exact(rfb, 4))[0] == 0
            rfb.sendall(bytes([1]))
            init = recv_exact(rfb, 24)
            recv_exact(rfb, struct.unpack(">I", init[20:24])[0])
            rfb.sendall(struct.pack(">BBHi", 2, 0, 1, -308))
            width = max(x + w for x, _, w, _ in screens)
            height = max(y + h for _, y, _, h in screens)
            message = struct.pack(">BBHHBB", 251, 0, width, height, len(screens), 0)
            for number, (x, y, w, h) in enumerate(screens, 1):
                message += struct.pack(">IHHHHI", number, x, y, w, h, 0)
            rfb.sendall(message)
            time.sleep(1)

    def close(self):
        self.process.terminate()
        self.process.wait(timeout=10)


def recv_exact(connection, size):
    data = b""
    while len(data) < size:
        chunk = connection.recv(size - len(data))
        assert chunk, "the VNC server closed the connection"
        data += chunk
    return data


def xdo(*args):
    return subprocess.run(["xdotool", *map(str, args)], check=True, capture_output=True,
                          text=True).stdout


def dock_geometry():
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^QAV Launcher$"],
                           capture_output=True, text=True).stdout.split()
    if not found:
        return None
    window = found[0]
    values = dict(line.split("=") for line in
                  xdo("getwindowgeometry", "--shell", window).split())
    return tuple(int(values[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))


def rgb_at(path, x, y):
    out = subprocess.run(["convert", path, "-crop", f"1x1+{x}+{y}", "-depth", "8", "rgb:-"],
                         check=True, capture_output=True).stdout
    return tuple(out[:3])


def expect_dock(session, name, area, radius):
    """The dock covers `area` and shows its centre and the first ring place (3 o'clock)
    `radius` pixels to the right of it, and nothing just beyond that place."""
    poll(lambda: dock_geometry() == area, f"the dock over {area}")
    time.sleep(0.5)
    shot = session.screenshot(name)
    x, y, w, h = area
    cx, cy = x + w // 2, y + h // 2
    backdrop = rgb_at(shot, x + 5, y + h - 5)  # the empty screen, tinted in keyboard mode

    def drawn(px, py):
        return sum(abs(a - b) for a, b in zip(rgb_at(shot, px, py), backdrop)) > 30

    assert drawn(cx, cy), f"{name}: no centre picture at {(cx, cy)}"
    assert drawn(cx + radius, cy), f"{name}: no ring place at radius {radius}"
    assert not drawn(cx + radius + 40, cy), f"{name}: something beyond radius {radius}"
    return shot


def summon(session, at, option):
    xdo("mousemove", *at)
    time.sleep(0.3)
    done = subprocess.run([session.binary, option], env=session.env, capture_output=True,
                          timeout=60)
    assert done.returncode == 0, done.stderr


def main(binary, artifacts):
    server = VncServer(1280, 800)
    os.environ["DISPLAY"] = server.display
    session = None
    try:
        server.layout((0, 0, 1280, 800), (1280, 0, 1280, 800))
        session = Session(binary, artifacts)
        xdo("mousemove", 1900, 400)
        dock = session.start()
        expect_dock(session, "screens_start_right.png", (1280, 0, 1280, 800), 300)

        summon(session, (300, 300), "--keyboard")
        expect_dock(session, "screens_keyboard_left.png", (0, 0, 1280, 800), 300)
        xdo("key", "Escape")

        # The left screen shrinks: 600 pixels high leave room for a radius of 220 only.
        server.layout((0, 0, 1024, 600), (1024, 0, 1280, 800))
        expect_dock(session, "screens_left_shrunk.png", (0, 0, 1024, 600), 220)

        summon(session, (1600, 400), "--show")
        expect_dock(session, "screens_show_right.png", (1024, 0, 1280, 800), 300)

        # The right monitor is unplugged: the dock comes to the one that is left.
        server.layout((0, 0, 1024, 600))
        expect_dock(session, "screens_right_unplugged.png", (0, 0, 1024, 600), 220)

        assert terminate(dock) == 0
    finally:
        if session:
            session.close()
        server.close()
    print("screens: ok")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
