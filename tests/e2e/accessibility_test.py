"""The real dock and group menu seen through AT-SPI, as a screen reader sees them: the ring is a
list of buttons named by their titles, groups tell their size, pressing "My Computer" does what a
click does, its menu's rows are menu items a press runs, and the focus follows the pointer and
keyboard mode. Runs on a private session bus with its own accessibility bus."""

import os
import subprocess
import sys
import time

from dock_test import lines_of, marker_script, slot_centre, window_id, xdo
from e2e_support import Session, terminate

GROUP_SLOT = 4  # "System Folders & Drives Group" in the default items


def private_buses(bus_launcher):
    """A session bus of our own and the accessibility bus on it; returns what to stop."""
    out = subprocess.run(["dbus-launch", "--sh-syntax"], capture_output=True, text=True,
                         check=True).stdout
    pid = None
    for line in out.splitlines():
        name, _, value = line.partition("=")
        value = value.rstrip(";").strip("'")
        if name == "DBUS_SESSION_BUS_ADDRESS":
            os.environ[name] = value
        elif name == "DBUS_SESSION_BUS_PID":
            pid = int(value)
    bus = subprocess.Popen([bus_launcher, "--launch-immediately"],
                           stderr=subprocess.DEVNULL)
    time.sleep(1)
    return pid, bus


class Tree:
    """The launcher's accessible objects, and the focus events it sends."""

    def __init__(self, pyatspi):
        self.pyatspi = pyatspi
        self.focused = []
        pyatspi.Registry.registerEventListener(self._on_focus, "object:state-changed:focused")

    def _on_focus(self, event):
        if event.detail1:
            self.focused.append((event.source.getRoleName(), event.source.name))

    def app(self):
        for app in self.pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "QAV Launcher":
                return app
        return None

    def find(self, role, name=None):
        app = self.app()
        if app is None:
            return None
        return self.pyatspi.findDescendant(
            app, lambda o: o.getRoleName() == role and (name is None or o.name == name))

    def showing(self, obj):
        return obj.getState().contains(self.pyatspi.STATE_SHOWING)

    def press(self, obj, action):
        actions = obj.queryAction()
        names = [actions.getName(i) for i in range(actions.nActions)]
        assert action in names, names
        actions.doAction(names.index(action))


def run_in_event_loop(pyatspi, steps):
    """Runs the generator `steps` in the event loop that delivers the focus events; each yield
    lets events arrive for a tenth of a second."""
    from gi.repository import GLib
    failure = []

    def tick():
        try:
            next(steps)
            return True
        except StopIteration:
            pass
        except BaseException as error:  # handed to the caller after the loop ends
            failure.append(error)
        pyatspi.Registry.stop()
        return False

    GLib.timeout_add(100, tick)
    pyatspi.Registry.start()
    if failure:
        raise failure[0]


def wait(check, what, timeout=15):
    """Yields until `check()` holds; returns its value through StopIteration."""
    deadline = time.time() + timeout
    while True:
        result = check()
        if result:
            return result
        assert time.time() < deadline, f"not within {timeout} s: {what}"
        yield


def scenario(session, tree, opener):
    def opened():
        """The arguments the fake folder opener received, once it ran; then it is reset."""
        out = opener + ".out"
        found = yield from wait(lambda: lines_of(out), "the folder opener ran")
        os.remove(out)
        return found

    def focus_reaches(role, name):
        yield from wait(lambda: (role, name) in tree.focused, f"{role} {name!r} focused: {tree.focused}")

    # 1. The ring: a list of buttons, one a place, named by title; groups tell their size.
    ring = yield from wait(lambda: tree.find("list", "QAV Launcher"), "the dock's list")
    assert ring.childCount == 24, ring.childCount
    buttons = list(ring)
    assert all(b.getRoleName() == "push button" for b in buttons)
    computer = buttons[0]
    assert computer.name == "My Computer", computer.name
    assert computer.description == "Group of 14 items", computer.description
    assert buttons[GROUP_SLOT - 1].name == "System Folders & Drives Group"
    assert buttons[GROUP_SLOT - 1].description == "Group of 5 items"
    assert buttons[23].name == "Blank Shortcut" and buttons[23].description == ""
    session.screenshot("a11y-rest.png")

    # 2. Pressing "My Computer" does what a click does: it opens the computer's top level.
    tree.press(computer, "Press")
    assert (yield from opened()) == ["/"]

    # 3. Its menu lists the computer's pages as menu items; pressing one runs it and closes it.
    tree.press(computer, "ShowMenu")
    menu = yield from wait(lambda: tree.find("popup menu", "My Computer"), "the menu in the tree")
    rows = yield from wait(lambda: menu.childCount == 14 and list(menu), "the menu's 14 rows")
    assert all(r.getRoleName() == "menu item" for r in rows)
    names = [r.name for r in rows]
    assert names[:3] == ["My Computer", "Properties", "Personalize"], names
    session.screenshot("a11y-menu.png")
    tree.press(rows[names.index("Workgroup")], "Press")
    assert (yield from opened()) == ["/"]
    yield from wait(lambda: menu.childCount == 0 and not tree.showing(menu), "the menu closed")

    # 4. The place under the pointer is the focused one.
    xdo("mousemove", *slot_centre(GROUP_SLOT))
    yield from focus_reaches("push button", "System Folders & Drives Group")
    xdo("mousemove", 150, 384)

    # 5. Keyboard mode: the key letter's place gets the focus, then its menu and the row the
    # arrow keys highlight.
    tree.focused.clear()
    xdo("windowfocus", "--sync", window_id("QAV Launcher"), "key", "alt+space")
    yield from focus_reaches("list", "QAV Launcher")
    session.screenshot("a11y-keyboard-mode.png")
    xdo("key", "0")  # the letter of the first place
    yield from focus_reaches("push button", "My Computer")
    yield from focus_reaches("popup menu", "My Computer")
    xdo("key", "Down")
    yield from focus_reaches("menu item", "My Computer")
    xdo("key", "Down")
    yield from focus_reaches("menu item", "Properties")
    session.screenshot("a11y-keyboard-row.png")
    order = [f for f in tree.focused if f[0] != "popup menu"]
    assert order[-3:] == [("push button", "My Computer"), ("menu item", "My Computer"),
                          ("menu item", "Properties")], tree.focused
    xdo("key", "Escape")
    yield from wait(lambda: menu.childCount == 0, "the menu closed by Escape")


def main(binary, artifacts, bus_launcher="/usr/libexec/at-spi-bus-launcher"):
    bus_pid, bus = private_buses(bus_launcher)
    session = Session(binary, artifacts)
    launcher = None
    try:
        tools = os.path.join(session.home, "bin")
        os.makedirs(tools)
        opener = marker_script(tools, "xdg-open")
        session.env.pop("XDG_CURRENT_DESKTOP", None)
        session.env.update(PATH=tools + os.pathsep + os.environ["PATH"],
                           DBUS_SESSION_BUS_ADDRESS=os.environ["DBUS_SESSION_BUS_ADDRESS"],
                           QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        import pyatspi  # after the buses exist: it connects on import
        launcher = session.start()
        run_in_event_loop(pyatspi, scenario(session, Tree(pyatspi), opener))
        assert terminate(launcher) == 0
    finally:
        if launcher and launcher.poll() is None:
            launcher.kill()
            launcher.wait()
        session.close()
        bus.terminate()
        if bus_pid:
            os.kill(bus_pid, 15)
    print("accessibility: ok")


if __name__ == "__main__":
    main(*sys.argv[1:4])
