"""The real dock driven with the mouse and keyboard on chosen items: hovering magnifies a slot and
brings its picture to the centre, a click and a key letter run shortcuts with their arguments,
dragging an icon off the ring deletes it, a file dropped over XDND fills a blank place, clicks
outside the ring reach the window below, and every change is on disk at once."""

import math
import os
import subprocess
import sys
import time

import menu_file
from e2e_support import Session, terminate, wait_for_window

WIDTH = 1366
CENTRE = (683, 384)
HELPER_AT = (20, 20)  # the drag source's 120x120 window, outside the ring
EMPTY_SPOT = (150, 384)  # off the ring, clear of every window
DOCK_SHORTCUT, BLANK_SLOT = 4, 12


def slot_centre(k):
    a = (k - 1) * 15 * 3.1415926 / 180
    return round(CENTRE[0] + 300 * math.cos(a)), round(CENTRE[1] + 300 * math.sin(a))


def edge_band(k):
    """Points just outside slot k's 48 px plate and inside its 64 px magnified one, along the
    middle of each edge (the plates' corners are round)."""
    x, y = slot_centre(k)
    points = []
    for d in range(26, 31):
        for t in range(-12, 13):
            points += [(x + d, y + t), (x - d - 1, y + t), (x + t, y + d), (x + t, y - d - 1)]
    return points


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


def poll(check, what, timeout=15):
    deadline = time.time() + timeout
    while True:
        result = check()
        if result:
            return result
        if time.time() > deadline:
            raise AssertionError(f"not within {timeout} s: {what}")
        time.sleep(0.1)


def xdo(*args):
    subprocess.run(["xdotool", *map(str, args)], check=True)


def glide(start, end, steps=12):
    """Moves the pointer in steps: drags on X11 only follow motion."""
    for s in range(1, steps + 1):
        xdo("mousemove", round(start[0] + (end[0] - start[0]) * s / steps),
            round(start[1] + (end[1] - start[1]) * s / steps))
        time.sleep(0.03)


def window_id(title):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                           capture_output=True, text=True, check=True).stdout.split()
    assert len(found) == 1, found
    return int(found[0])


def top_to_bottom():
    tree = subprocess.run(["xwininfo", "-root", "-children"], capture_output=True, text=True,
                          check=True).stdout
    return [int(line.split()[0], 16) for line in tree.splitlines() if line.startswith("     0x")]


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


def prepare_home(session, sys_icons):
    tools = os.path.join(session.home, "my tools")
    os.makedirs(tools)
    four, five = marker_script(tools, "four"), marker_script(tools, "five")
    groups, records = menu_file.default_table(sys_icons)
    for slot, script, arguments in ((4, four, 'alpha "two words"'), (5, five, "from-keys")):
        records[slot] = menu_file.record(Kind=menu_file.KIND_SHORTCUT, IconSource=1,
                                         ImageRow=slot, Path=script, Title=f"Marker {slot}",
                                         Target=script, Arguments=arguments)
    menu_file.write(session.data("QAVMenu.cfg"), groups, records)
    dropped = os.path.join(session.home, "notes file.txt")
    with open(dropped, "w") as f:
        f.write("dropped on the dock\n")
    return groups, records, four, five, dropped


def saved_menu(session, check, what):
    """The menu file once `check(records)` holds; its twin must hold the same bytes."""
    path = session.data("QAVMenu.cfg")

    def attempt():
        _, records = menu_file.read(path)
        return check(records) and records

    records = poll(attempt, what)
    with open(path, "rb") as f, open(path + ".bak", "rb") as twin:
        assert f.read() == twin.read(), "the twin differs from the file"
    return records


def main(binary, artifacts, drag_source):
    session = Session(binary, artifacts)
    helper = launcher = None
    try:
        sys_icons = os.path.join(os.path.dirname(binary), "SysIcons")
        groups, written, four, five, dropped = prepare_home(session, sys_icons)
        log = os.path.join(session.home, "drag-source.log")
        helper = subprocess.Popen([drag_source, "--at", "%d,%d" % HELPER_AT, "--log", log, dropped],
                                  env=session.env)
        wait_for_window("QAV drag source", helper)
        launcher = session.start()
        dock = window_id("QAV Launcher")

        def shot(name):
            return Shot(session.screenshot(name))

        def shot_when(name, check, what, steady=()):
            """A screenshot where `check` holds and the `steady` points are as in the one
            before (an animation over)."""
            last = [None]

            def attempt():
                s, before = shot(name), last[0]
                last[0] = s
                settled = not steady or (before and before.changed(s, steady) == 0)
                return check(s) and settled and s

            return poll(attempt, what)

        # At rest: the ring is drawn and the backdrop shows around every plate.
        rest = shot_when("rest.png", lambda s: s.brightness(square(*CENTRE, 8)) > 150,
                         "the ring's first frame")
        corner = square(8, 8, 6)
        assert rest.brightness(corner) > 90, "the backdrop is light enough to see the tint"

        # Hover: slot 3 magnified (its edge band covered), no other slot touched, its title
        # under the centre and, after a short rest, its picture in the centre.
        xdo("mousemove", *slot_centre(3))
        title_row = [(x, y) for x in range(583, 784, 2) for y in range(476, 502)]
        centre_picture = square(*CENTRE, 40)
        hover = shot_when("hover.png", lambda s: s.changed(rest, edge_band(3)) > 0.9 and
                          s.changed(rest, centre_picture) > 0.5, "slot 3 magnified, centre faded",
                          steady=centre_picture)
        assert hover.changed(rest, title_row) > 0.02, "the hovered item's title is shown"
        for other in (2, 4, 13):
            assert hover.changed(rest, edge_band(other)) == 0, f"slot {other} changed too"

        # A left click on the shortcut runs its target with its arguments, split as a command line.
        xdo("mousemove", *slot_centre(DOCK_SHORTCUT), "click", 1)
        assert poll(lambda: lines_of(four + ".out"), "the shortcut ran") == ["alpha", "two words"]
        shot("launched.png")

        # Keyboard mode tints the screen; a key letter runs its slot and ends the mode, and so
        # does Esc.
        def keyboard_mode(name):
            xdo("windowfocus", "--sync", dock, "key", "alt+space")
            shot_when(name, lambda s: s.brightness(corner) < 0.3 * rest.brightness(corner),
                      "the keyboard-mode tint")

        def tint_gone(name):
            shot_when(name, lambda s: s.changed(rest, corner) == 0, "the tint gone")

        keyboard_mode("keyboard.png")
        xdo("key", "4")
        assert poll(lambda: lines_of(five + ".out"), "slot 5 ran from its key") == ["from-keys"]
        tint_gone("keyboard-ran.png")
        keyboard_mode("keyboard-again.png")
        xdo("key", "Escape")
        tint_gone("keyboard-left.png")

        # Dragged off the ring, the shortcut becomes a blank place, on disk at once; once its
        # puff is over the slot looks like every blank place.
        xdo("mousemove", *slot_centre(DOCK_SHORTCUT), "mousedown", 1)
        glide(slot_centre(DOCK_SHORTCUT), EMPTY_SPOT)
        xdo("mouseup", 1)
        records = saved_menu(session, lambda r: r[DOCK_SHORTCUT]["Kind"] == menu_file.KIND_BLANK,
                             "record 4 deleted in the menu file")
        blank = dict(menu_file.as_read(written[10]), ImageRow=DOCK_SHORTCUT)
        assert records[DOCK_SHORTCUT] == blank, ("something of the shortcut is left",
                                                 records[DOCK_SHORTCUT])
        xdo("mousemove", *EMPTY_SPOT)
        x4, y4 = slot_centre(DOCK_SHORTCUT)
        x10, y10 = slot_centre(10)
        shot_when("dragged-out.png", lambda s: all(
            s.at(x4 + dx, y4 + dy) == s.at(x10 + dx, y10 + dy) for dx, dy in square(0, 0, 24)),
            "slot 4 drawn as a blank place")

        # A file dropped over XDND on a blank place becomes a shortcut there, on disk at once.
        # The drop is released only once the dock has accepted it.
        start = (HELPER_AT[0] + 60, HELPER_AT[1] + 60)
        xdo("mousemove", *start, "mousedown", 1)
        glide(start, slot_centre(BLANK_SLOT))
        poll(lambda: "action 1" in (lines_of(log) or []), "the dock accepting the drop")
        xdo("mouseup", 1)
        records = saved_menu(session, lambda r: r[BLANK_SLOT]["Kind"] == menu_file.KIND_SHORTCUT,
                             "record 12 filled in the menu file")
        added = records[BLANK_SLOT]
        assert [added[k] for k in ("Title", "Path", "Target", "Arguments", "ImageRow")] == \
            ["notes file.txt", dropped, dropped, "", BLANK_SLOT], added
        assert os.path.isfile(added["IconFile"]), "the file's icon is in the icon store"
        assert lines_of(log)[-1] == "dropped 1", "the source saw a copy"
        xdo("mousemove", *EMPTY_SPOT)
        shot_when("dropped.png", lambda s: s.changed(rest, square(*slot_centre(BLANK_SLOT), 20))
                  > 0.2, "slot 12 showing the dropped file")

        # Outside the ring the dock, even raised over the helper, lets a click through to it;
        # in keyboard mode it takes the whole screen, and such a click only ends the mode.
        presses = len(lines_of(log))
        keyboard_mode("keyboard-click.png")
        xdo("mousemove", HELPER_AT[0] + 40, HELPER_AT[1] + 80, "click", 1)
        tint_gone("keyboard-clicked.png")
        assert len(lines_of(log)) == presses, "a click in keyboard mode went through"
        xdo("windowraise", dock)
        helper_window = window_id("QAV drag source")

        def dock_above_helper():
            order = top_to_bottom()
            return order.index(dock) < order.index(helper_window)

        poll(dock_above_helper, "the dock above the helper window")
        xdo("mousemove", HELPER_AT[0] + 40, HELPER_AT[1] + 80, "click", 1)
        poll(lambda: lines_of(log)[-1] == "press 40 80 1", "the click reaching the helper")
        shot("clicked-through.png")

        # SIGTERM saves: everything written comes back with the two changed places (records
        # 65..128 are rebuilt at every start).
        assert terminate(launcher) == 0
        saved_groups, saved = menu_file.read(session.data("QAVMenu.cfg"))
        assert saved_groups == groups
        expected = [menu_file.as_read(r) for r in written]
        expected[DOCK_SHORTCUT], expected[BLANK_SLOT] = blank, added
        for n in [*range(0, 65), *range(129, menu_file.RECORD_COUNT)]:
            assert saved[n] == expected[n], (n, saved[n])
    finally:
        for process in (launcher, helper):
            if process and process.poll() is None:
                process.kill()
                process.wait()
        session.close()
    print("dock: ok")


if __name__ == "__main__":
    main(*sys.argv[1:4])
