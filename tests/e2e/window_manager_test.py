"""The real dock as a new user meets it: the user's picture comes back at every start, a click
beside an open group menu does what it does without one, Esc in a menu opened from keyboard mode
closes only the menu, a refused drop is refused to its source, and closing the dock through a
window manager (Openbox) ends the program as "Exit" does."""

import os
import subprocess
import sys
import time

import menu_file
from e2e_support import (AWAY, CENTRE, Session, fill_groups, glide, keyboard_tint, lines_of,
                         poll, read, slot_centre, stop, wait_for_window, window_id, xdo)
from group_menu import MenuShot, inner, menu_box

HELPER_AT = (20, 20)  # the drag source's 120x120 window, outside the ring
GROUP_A, GROUP_B, BLANK_SLOT = 4, 13, 12  # the two menus open on opposite sides
SIZES = {GROUP_A: 3, GROUP_B: 2}
GREEN = (0, 192, 0)


# Openbox with Alt+F4 as its only binding: its default bindings would take the program's keys
# (Alt+Space opens Openbox's window menu).
OPENBOX_CONFIG = """<?xml version="1.0"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <keyboard><keybind key="A-F4"><action name="Close"/></keybind></keyboard>
</openbox_config>
"""


def start_window_manager(session, minimal=True):
    """Openbox with only Alt+F4 bound, or with the configuration it comes with."""
    options = []
    if minimal:
        config = os.path.join(session.home, "openbox-rc.xml")
        with open(config, "w") as f:
            f.write(OPENBOX_CONFIG)
        options = ["--config-file", config]
    wm = session.own(subprocess.Popen(["openbox", "--sm-disable", *options], env=session.env,
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))

    def running():
        found = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                               capture_output=True, text=True)
        return "window id" in found.stdout

    poll(running, "Openbox managing the screen")
    return wm


def focus_and_press(window, keys):
    """Focus `window`, then press `keys`. Right after Openbox starts it is still framing the
    windows that were there before it, and focusing one it has just unmapped fails (BadMatch)."""
    poll(lambda: subprocess.run(["xdotool", "windowfocus", "--sync", str(window)],
                                capture_output=True).returncode == 0, "the window focused")
    xdo("key", keys)


def client_box(title):
    """(left, top, width, height) of the window named `title`, inside any frame it got."""
    found = subprocess.run(["xdotool", "search", "--name", f"^{title}$"], capture_output=True,
                           text=True, check=True).stdout.split()[0]
    shell = subprocess.run(["xdotool", "getwindowgeometry", "--shell", found],
                           capture_output=True, text=True, check=True).stdout
    values = dict(line.split("=", 1) for line in shell.split())
    return tuple(int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))


def prepare_home(session):
    """Two groups of marker scripts on the dock and the user's picture as the "Modify User Name
    & User Icon" command leaves it: a PNG named "User Icon.ico" in the icon store, named by
    record 0."""
    picture = session.data("QavIcons/User Icon.ico")
    os.makedirs(os.path.dirname(picture))
    subprocess.run(["convert", "-size", "128x128", "xc:rgb(0,192,0)", "png:" + picture],
                   check=True)
    groups, records = menu_file.default_table(session.sys_icons)
    records[0]["IconFile"] = picture
    for g in SIZES:
        records[g] = menu_file.record(Kind=menu_file.KIND_GROUP, ImageRow=g, Title=f"Group {g}",
                                      IconFile=os.path.join(session.sys_icons, "Group.png"))
    fill_groups(os.path.join(session.home, "my tools"), groups, records, SIZES)
    menu_file.write(session.data("QAVMenu.cfg"), groups, records)


def green_centre(shot):
    """The user's picture fills the centre tile."""
    return all(abs(a - b) <= 8 for x, y in ((CENTRE[0] + dx, CENTRE[1] + dy)
                                           for dx in (-30, 0, 30) for dy in (-30, 0, 30))
               for a, b in zip(shot.at(x, y), GREEN))


def main(binary, artifacts, drag_source):
    session = Session(binary, artifacts)
    try:
        prepare_home(session)
        log = os.path.join(session.home, "drag-source.log")
        helper = session.own(subprocess.Popen([drag_source, "--at", "%d,%d" % HELPER_AT, "--log",
                                               log, "http://www.example.org/"], env=session.env))
        wait_for_window("QAV drag source", helper)

        def shot(name, kind=None):
            return session.shot("wm-" + name, kind)

        def shot_until(name, check, what, kind=None):
            return session.shot_when("wm-" + name, check, what, kind)

        # 1. The user's picture shows at the start (and after the restart further down).
        launcher = session.start()
        dock = window_id("QAV Launcher")
        xdo("mousemove", *AWAY)
        rest = shot_until("user-picture.png", green_centre, "the user's picture in the centre",
                          MenuShot)

        # 3. With a group open, one click on another group's icon opens that group, and one
        # click into another program reaches it (and the menu closes).
        def menu_open(slot):
            box = menu_box(slot, SIZES[slot])
            return lambda s: s.diff_box(rest, inner(box, 10)) == inner(box, 10)

        def menu_closed(slot):
            box = inner(menu_box(slot, SIZES[slot]), 10)
            return lambda s: s.diff_box(rest, box) is None

        xdo("mousemove", *slot_centre(GROUP_A), "click", 1)
        shot_until("group-a.png", menu_open(GROUP_A), "group 4's menu open", MenuShot)
        xdo("mousemove", *slot_centre(GROUP_B), "click", 1)
        shot_until("group-b.png", lambda s: menu_open(GROUP_B)(s) and menu_closed(GROUP_A)(s),
                   "group 5's menu open after one click, group 4's gone", MenuShot)
        helper_left, helper_top, _, _ = client_box("QAV drag source")
        presses = len(lines_of(log) or [])
        xdo("mousemove", helper_left + 40, helper_top + 80, "click", 1)
        poll(lambda: len(lines_of(log) or []) > presses, "the click reaching the other program")
        assert lines_of(log)[-1].startswith("press "), lines_of(log)
        shot_until("group-left.png", menu_closed(GROUP_B), "the menu closed", MenuShot)

        # 5. Esc in a menu opened from keyboard mode closes the menu; the mode lasts until the
        # next Esc.
        corner = [(x, y) for x in range(600, 620) for y in range(740, 760)]

        tinted = keyboard_tint(rest, corner)
        xdo("mousemove", *AWAY)
        focus_and_press(dock, "alt+space")
        keyboard = shot_until("keyboard.png", tinted, "the keyboard-mode tint", MenuShot)
        xdo("key", "3")  # slot 4: group A
        box = inner(menu_box(GROUP_A, SIZES[GROUP_A]), 10)
        shot_until("keyboard-menu.png", lambda s: tinted(s) and s.diff_box(keyboard, box) == box,
                   "group 4's menu open in keyboard mode", MenuShot)
        xdo("key", "Escape")
        time.sleep(1)  # the dock's foreground watch runs every 100 ms
        after = shot("keyboard-menu-closed.png", MenuShot)
        assert tinted(after), "Esc in the menu ended keyboard mode"
        xdo("key", "Escape")
        shot_until("keyboard-left.png", lambda s: not tinted(s), "the tint gone")

        # 10. An address dropped on a blank place adds nothing, and the source hears "refused".
        start = (helper_left + 60, helper_top + 60)
        xdo("mousemove", *start, "mousedown", 1)
        glide(start, slot_centre(BLANK_SLOT))
        time.sleep(0.5)
        xdo("mouseup", 1)
        assert poll(lambda: [l for l in lines_of(log) if l.startswith("dropped")],
                    "the drag ended") == ["dropped 0"], lines_of(log)
        assert not any(l == "action 1" for l in lines_of(log)), "the dock accepted an address"

        # 4. Closing the dock through the window manager saves both files and ends the program;
        # a next start works. (Openbox takes over the running program's windows here.)
        wm = start_window_manager(session)
        for name in ("QAVCfg.cfg", "QAVMenu.cfg"):
            os.remove(session.data(name))
        xdo("mousemove", *AWAY)
        focus_and_press(dock, "alt+F4")
        assert launcher.wait(timeout=20) == 0
        for name in ("QAVCfg.cfg", "QAVMenu.cfg"):
            assert read(session.data(name)) == read(session.data(name + ".bak")), name
        _, saved = menu_file.read(session.data("QAVMenu.cfg"))
        assert saved[0]["IconFile"] == session.data("QavIcons/User Icon.ico"), saved[0]
        launcher = session.start()
        shot_until("restarted.png", green_centre, "the dock back after the close")

        # Under Openbox as it comes (click to focus, its own bindings), which frames the dock
        # and the menu anew: once it has focused the dock, a click beside the open menu still
        # reaches the other program, and Alt+F4 still ends the dock as "Exit" does.
        stop(wm)
        wm = start_window_manager(session, minimal=False)
        xdo("mousemove", *AWAY)
        time.sleep(1)
        rest = shot("default-wm.png", MenuShot)
        xdo("mousemove", *slot_centre(GROUP_A), "click", 1)
        shot_until("default-wm-menu.png", menu_open(GROUP_A), "group 4's menu open", MenuShot)
        presses = len(lines_of(log) or [])
        xdo("mousemove", helper_left + 40, helper_top + 80, "click", 1)
        poll(lambda: len(lines_of(log) or []) > presses,
             "the click beside the menu reaching the other program under Openbox's defaults")
        shot_until("default-wm-left.png", menu_closed(GROUP_A), "the menu closed", MenuShot)
        xdo("mousemove", *AWAY)
        focus_and_press(window_id("QAV Launcher"), "alt+F4")
        assert launcher.wait(timeout=20) == 0
    finally:
        session.close()
    print("window manager: ok")


if __name__ == "__main__":
    main(*sys.argv[1:4])
