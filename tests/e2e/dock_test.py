"""The real dock driven with the mouse and keyboard on chosen items: hovering magnifies a slot and
brings its picture to the centre, a click and a key letter run shortcuts with their arguments,
dragging an icon off the ring deletes it, a file dropped over XDND fills a blank place, clicks
outside the ring reach the window below, and every change is on disk at once. Then, in the same
start, the group menus (group_menu.py)."""

import itertools
import os
import subprocess
import sys

import menu_file
from e2e_support import (CENTRE, Session, glide, lines_of, marker_script, poll, slot_centre,
                         square, terminate, top_to_bottom, wait_for_window, window_id, xdo)
from group_menu import drive_menus, fill_menus

HELPER_AT = (20, 20)  # the drag source's 120x120 window, outside the ring
EMPTY_SPOT = (150, 384)  # off the ring, clear of every window
DOCK_SHORTCUT, BLANK_SLOT = 4, 12


def edge_band(k):
    """Points just outside slot k's 48 px plate and inside its 64 px magnified one, along the
    middle of each edge (the plates' corners are round)."""
    x, y = slot_centre(k)
    points = []
    for d in range(26, 31):
        for t in range(-12, 13):
            points += [(x + d, y + t), (x - d - 1, y + t), (x + t, y + d), (x + t, y - d - 1)]
    return points


def accepted_after_nudge(log, at, dx):
    """Whether the drag source saw the drop accepted; if not, the pointer moves by a pixel. A
    source sends no position while its last one is unanswered and none while the pointer rests,
    so a glide faster than the dock's answers ends with no position sent from the slot (a hand
    never rests that still)."""
    if "action 1" in (lines_of(log) or []):
        return True
    xdo("mousemove", at[0] + dx, at[1])
    return False


def prepare_home(session):
    tools = os.path.join(session.home, "my tools")
    os.makedirs(tools)
    four, five = marker_script(tools, "four"), marker_script(tools, "five")
    groups, records = menu_file.default_table(session.sys_icons)
    for slot, script, arguments in ((4, four, 'alpha "two words"'), (5, five, "from-keys")):
        records[slot] = menu_file.program(menu_file.KIND_SHORTCUT, slot, script,
                                          Title=f"Marker {slot}", Arguments=arguments)
    menu_scripts = fill_menus(session, groups, records)
    menu_file.write(session.data("QAVMenu.cfg"), groups, records)
    dropped = os.path.join(session.home, "notes file.txt")
    with open(dropped, "w") as f:
        f.write("dropped on the dock\n")
    return groups, records, four, five, dropped, menu_scripts


def main(binary, artifacts, drag_source):
    session = Session(binary, artifacts)
    try:
        groups, written, four, five, dropped, menu_scripts = prepare_home(session)
        log = os.path.join(session.home, "drag-source.log")
        helper = session.own(subprocess.Popen(
            [drag_source, "--at", "%d,%d" % HELPER_AT, "--log", log, dropped], env=session.env))
        wait_for_window("QAV drag source", helper)
        launcher = session.start()
        dock = window_id("QAV Launcher")
        shot, shot_when = session.shot, session.shot_when

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
                          steady=lambda s, before: before.changed(s, centre_picture) == 0)
        assert hover.changed(rest, title_row) > 0.02, "the hovered item's title is shown"
        for other in (2, 4, 13):
            assert hover.changed(rest, edge_band(other)) == 0, f"slot {other} changed too"

        # A left click on the shortcut runs its target with its arguments, split as a command line.
        xdo("mousemove", *slot_centre(DOCK_SHORTCUT), "click", 1)
        assert poll(lambda: lines_of(four + ".out"), "the shortcut ran") == ["alpha", "two words"]
        shot("launched.png")

        # Keyboard mode tints the screen; a key letter runs its slot and ends the mode.
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

        # Dragged off the ring, the shortcut becomes a blank place, on disk at once; once its
        # puff is over the slot looks like every blank place.
        xdo("mousemove", *slot_centre(DOCK_SHORTCUT), "mousedown", 1)
        glide(slot_centre(DOCK_SHORTCUT), EMPTY_SPOT)
        xdo("mouseup", 1)
        _, records = session.saved_menu(
            lambda g, r: r[DOCK_SHORTCUT]["Kind"] == menu_file.KIND_BLANK,
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
        nudges = itertools.cycle((1, 0))
        poll(lambda: accepted_after_nudge(log, slot_centre(BLANK_SLOT), next(nudges)),
             "the dock accepting the drop")
        xdo("mouseup", 1)
        _, records = session.saved_menu(
            lambda g, r: r[BLANK_SLOT]["Kind"] == menu_file.KIND_SHORTCUT,
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

        changed_group, freed = drive_menus(session, groups, menu_scripts)

        # SIGTERM saves: everything written comes back with the changed places, group and member
        # (records 65..128 are rebuilt at every start).
        assert terminate(launcher) == 0
        session.expect_saved_as_written({**groups, **changed_group}, written, {
            DOCK_SHORTCUT: blank, BLANK_SLOT: added, freed: menu_file.as_read(menu_file.record())})
    finally:
        session.close()
    print("dock: ok")


if __name__ == "__main__":
    main(*sys.argv[1:4])
