"""The real dock and group menu seen through AT-SPI, as a screen reader sees them: the ring is a
list of buttons named by their titles, groups tell their size, pressing "My Computer" does what a
click does, its menu's rows are menu items a press runs, the focus follows the pointer and
keyboard mode, and the item context menu takes the focus with rows a press runs. Runs on a private session bus with its own accessibility bus."""

import os
import sys

from accessibility_support import Ui
from e2e_support import (Session, marker_script, polling as wait, ran, slot_centre, terminate,
                         window_id, xdo)

GROUP_SLOT = 4  # "System Folders & Drives Group" in the default items
INTERNET_SLOT = 8  # the "Internet" dock shortcut


class Tree(Ui):
    """The launcher's accessible objects, and the focus events it sends."""

    def __init__(self):
        super().__init__()
        self.focused = []
        self.sources = {}
        self.at.Registry.registerEventListener(self._on_focus, "object:state-changed:focused")

    def _on_focus(self, event):
        if event.detail1:
            seen = (event.source.getRoleName(), event.source.name)
            self.focused.append(seen)
            self.sources[seen] = event.source


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


def scenario(session, tree, opener):
    def opened():
        """The arguments the fake folder opener received, once it ran; then it is reset."""
        yield from wait(lambda: os.path.exists(opener + ".out"), "the folder opener ran")
        return ran(opener)

    def focus_reaches(role, name):
        yield from wait(lambda: (role, name) in tree.focused,
                        f"{role} {name!r} focused: {tree.focused}")

    # 1. The ring: a list of buttons, one a place, named by title; groups tell their size.
    ring = yield from wait(lambda: tree.lookup("list", "QAV Launcher"), "the dock's list")
    assert ring.childCount == 24, ring.childCount
    buttons = list(ring)
    assert all(b.getRoleName() == "push button" for b in buttons)
    computer = buttons[0]
    assert computer.name == "My Computer", computer.name
    assert computer.description == "Group of 14 items", computer.description
    session.screenshot("a11y-rest.png")

    # 2. Pressing "My Computer" does what a click does: it opens the computer's top level.
    tree.press(computer, "Press")
    assert (yield from opened()) == ["/"]

    # 3. Its menu lists the computer's pages as menu items; pressing one runs it and closes it.
    tree.press(computer, "ShowMenu")
    menu = yield from wait(lambda: tree.lookup("popup menu", "My Computer"),
                           "the menu in the tree")
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

    # 6. The item context menu of a dock shortcut takes the focus; its rows are named menu items
    # of a popup menu, and pressing "Properties" closes it and opens the properties window.
    xdo("key", "Escape")
    tree.focused.clear()
    tree.sources.clear()
    xdo("mousemove", *slot_centre(INTERNET_SLOT))
    yield from focus_reaches("push button", "Internet")
    xdo("click", 3)
    yield from focus_reaches("menu item", "Delete")
    session.screenshot("a11y-item-menu.png")
    item_menu = tree.sources[("menu item", "Delete")].parent
    assert item_menu.getRoleName() == "popup menu", item_menu.getRoleName()
    rows = [r.name for r in item_menu if r.getRoleName() == "menu item"]
    assert rows == ["Add Shortcut", "Delete", "Move Up", "Move Down", "Move Top", "Move Bottom",
                    "Properties"], rows
    tree.press(next(r for r in item_menu if r.name == "Properties"), "Press")
    dialog = yield from wait(lambda: tree.lookup("dialog", "Properties"), "the properties window")
    session.screenshot("a11y-item-properties.png")
    tree.press(tree.find("push button", "OK", dialog))
    yield from wait(lambda: tree.lookup("dialog", "Properties") is None, "the window closed")


def main(binary, artifacts, bus_launcher="/usr/libexec/at-spi-bus-launcher"):
    session = Session(binary, artifacts)
    session.private_bus(accessibility=True, bus_launcher=bus_launcher)
    try:
        tools = os.path.join(session.home, "bin")
        os.makedirs(tools)
        opener = marker_script(tools, "xdg-open")
        session.env.pop("XDG_CURRENT_DESKTOP", None)
        session.env.update(PATH=tools + os.pathsep + os.environ["PATH"])
        launcher = session.start()
        tree = Tree()
        run_in_event_loop(tree.at, scenario(session, tree, opener))
        assert terminate(launcher) == 0
    finally:
        session.close()
    print("accessibility: ok")


if __name__ == "__main__":
    main(*sys.argv[1:4])
