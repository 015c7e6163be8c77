"""The group menu on the screen: where it opens and how large, its rows, and the real menu driven
with the mouse and keyboard (run by dock_test.py in the same start): it opens beside its dock
icon at its computed place and size, highlights the row under the pointer, runs members by
click, scrolls a long group by wheel and page keys, loses a member dragged out and reorders
members from the item context menu, with every change on disk at once."""

import os

import menu_file
from e2e_support import AWAY, CENTRE, Shot, fill_groups, glide, ran, slot_centre, xdo

SCREEN = (1366, 768)
ROWS, MENU_WIDTH, ROW_HEIGHT = 17, 268, 38
GROUP_SLOT, ALL_SLOT = 23, 3  # menus beside the ring, over no other place
GROUP_SIZE, ALL_SIZE = 5, 30


def menu_box(slot, n):
    """(left, top, right, bottom) of the menu of n members opened from dock slot `slot`."""
    x, y = slot_centre(slot)
    plate_left, plate_top = x - 24, y - 24
    h = ROW_HEIGHT * n + 20 if n <= ROWS else ROW_HEIGHT * ROWS + 80
    if plate_left + 24 - CENTRE[0] <= -2:
        left = max(plate_left - MENU_WIDTH, 0)
    elif plate_left + 48 + MENU_WIDTH <= SCREEN[0]:
        left = plate_left + 48
    else:
        left = SCREEN[0] - MENU_WIDTH
    top = min(max(plate_top + 24 - h // 2, 0), SCREEN[1] - h)
    return left, top, left + MENU_WIDTH, top + h


def row_box(menu, n, i):
    """The hit box of row i (1-based)."""
    top = menu[1] + (40 if n > ROWS else 10) + ROW_HEIGHT * (i - 1)
    return menu[0] + 10, top, menu[0] + 258, top + ROW_HEIGHT


def centre(box):
    return (box[0] + box[2]) // 2, (box[1] + box[3]) // 2


def inner(box, margin):
    return box[0] + margin, box[1] + margin, box[2] - margin, box[3] - margin


class MenuShot(Shot):
    def diff_box(self, other, box=(0, 0, *SCREEN)):
        """The bounding box of the pixels differing from `other` inside `box`, or None."""
        x0, y0, x1, y1 = box
        n = 3 * (x1 - x0)
        xs, ys = [], []
        for y in range(y0, y1):
            at = 3 * (y * SCREEN[0] + x0)
            d = int.from_bytes(self.rgb[at:at + n], "big") ^ \
                int.from_bytes(other.rgb[at:at + n], "big")
            if d:
                ys.append(y)
                xs += [x0 + (n - 1 - (d.bit_length() - 1) // 8) // 3,
                       x0 + (n - 1 - ((d & -d).bit_length() - 1) // 8) // 3]
        return (min(xs), ys[0], max(xs) + 1, ys[-1] + 1) if ys else None

    def pixels(self, box):
        x0, y0, x1, y1 = box
        return b"".join(self.rgb[3 * (y * SCREEN[0] + x0):3 * (y * SCREEN[0] + x1)]
                        for y in range(y0, y1))

    def ink(self, box):
        """The darkest pixel's brightness: how dark the text drawn in `box` is."""
        x0, y0, x1, y1 = box
        return min(sum(self.at(x, y)) / 3 for x in range(x0, x1) for y in range(y0, y1))


def row_content(shot, menu, n, i, title_only=False):
    """Picture, title and accelerator of row i (only the title with `title_only`)."""
    left, top = menu[0], row_box(menu, n, i)[1]
    return shot.pixels((left + (48 if title_only else 13), top + 3,
                        left + (231 if title_only else 255), top + 35))


def arrow_texts(menu):
    """The boxes of "PgUp" and "PgDn" in a scrolling menu."""
    left, top = menu[0] + 210, menu[1]
    return (left, top + 10, left + 48, top + 35), \
        (left, top + 45 + ROW_HEIGHT * ROWS, left + 48, top + 70 + ROW_HEIGHT * ROWS)


def fill_menus(session, groups, records):
    """A group at slot 23 and the All Programs group 3 filled with marker scripts from the record
    pool; a member's arguments name it, one word with a space among them."""
    records[GROUP_SLOT] = menu_file.record(Kind=menu_file.KIND_GROUP, ImageRow=GROUP_SLOT,
                                           Title="Tools Group",
                                           IconFile=os.path.join(session.sys_icons, "Group.png"))
    records[ALL_SLOT]["Title"] = "All Programs Group"
    return fill_groups(os.path.join(session.home, "menu tools"), groups, records,
                       {GROUP_SLOT: GROUP_SIZE, ALL_SLOT: ALL_SIZE},
                       Arguments=lambda g, m: f'g{g} "member {m}"')


def drive_menus(session, groups, scripts):
    """The menu scenario on the running dock; returns the changed group and the freed record."""
    members = {g: list(groups[g][1:]) for g in (GROUP_SLOT, ALL_SLOT)}

    def shot_until(name, check, what, steady=False):
        """A screenshot where `check` holds; with `steady` also equal to the one before it
        (every animation over), for the shots later ones are compared with."""
        return session.shot_when("menu-" + name, check, what, MenuShot, steady=(
            lambda s, before: s.diff_box(before) is None) if steady else None)

    def member_ran(record):
        return ran(scripts[record], f"record {record}'s program ran")

    saved = session.saved_menu

    xdo("mousemove", *AWAY)
    rest = shot_until("rest.png", lambda s: True, "the dock at rest", steady=True)

    def is_open(s, box):
        return s.diff_box(rest, box) == box

    def is_closed(s, box):
        return s.diff_box(rest, inner(box, 10)) is None

    def open_group(slot, n, name):
        box = menu_box(slot, n)
        xdo("mousemove", *slot_centre(slot), "click", 1)
        return box, shot_until(name, lambda s: is_open(s, box), f"group {slot}'s menu open")

    # 1. Opened from the ring, the short menu lies beside its icon with its computed size,
    # the dock back at rest once the pointer leaves it; the highlight is exactly the row box.
    small, _ = open_group(GROUP_SLOT, GROUP_SIZE, "group-open.png")
    xdo("mousemove", *AWAY)
    plain = shot_until("group-open-away.png", lambda s: s.diff_box(rest) == small,
                       f"only the menu {small} differing from the dock at rest", steady=True)
    xdo("mousemove", *centre(row_box(small, GROUP_SIZE, 2)))
    shot_until("group-hover.png",
               lambda s: s.diff_box(plain, small) == row_box(small, GROUP_SIZE, 2),
               "row 2 highlighted, nothing else in the menu changed")

    # 2. A click runs the member with its arguments and closes the menu.
    xdo("click", 1)
    assert member_ran(members[GROUP_SLOT][1]) == [f"g{GROUP_SLOT}", "member 2"]
    shot_until("group-clicked.png", lambda s: is_closed(s, small), "the menu closed")

    # 3. The 30 members scroll: the wheel by one member a notch, Page Down to the last
    # member on the last row; the accelerators follow the members and "PgUp"/"PgDn" are
    # dimmed where nothing is left to scroll. A click then runs the member shown.
    big, _ = open_group(ALL_SLOT, ALL_SIZE, "all-open.png")
    assert big[3] - big[1] == 726
    xdo("mousemove", *AWAY)
    top = shot_until("all-top.png", lambda s: s.diff_box(rest) == big,
                     f"only the scrolling menu {big} differing from the dock at rest",
                     steady=True)
    pg_up, pg_down = arrow_texts(big)
    assert top.ink(pg_up) > 100 and top.ink(pg_down) < 60, (top.ink(pg_up), top.ink(pg_down))
    # The wheel turns over the menu's left margin, where no row is highlighted: only the
    # menu itself takes the mouse.
    xdo("mousemove", big[0] + 4, (big[1] + big[3]) // 2, "click", 5, "click", 5)
    wheeled = shot_until("all-wheel.png", lambda s: row_content(s, big, ALL_SIZE, 1) ==
                         row_content(top, big, ALL_SIZE, 3), "member 3 on the first row")
    assert row_content(wheeled, big, ALL_SIZE, 15) == row_content(top, big, ALL_SIZE, 17)
    assert wheeled.ink(pg_up) < 60 and wheeled.ink(pg_down) < 60
    xdo("key", "Page_Down")
    end = shot_until("all-end.png", lambda s: row_content(s, big, ALL_SIZE, 1) ==
                     row_content(top, big, ALL_SIZE, 14), "member 14 on the first row")
    assert end.ink(pg_up) < 60 and end.ink(pg_down) > 100, (end.ink(pg_up), end.ink(pg_down))
    xdo("mousemove", *centre(row_box(big, ALL_SIZE, 1)), "click", 1)
    assert member_ran(members[ALL_SLOT][13]) == ["g3", "member 14"]
    shot_until("all-clicked.png", lambda s: is_closed(s, big), "the scrolling menu closed")

    # 4. A member dragged out of the menu leaves its group and frees its record, on disk at
    # once; the menu shrinks to the members left.
    open_group(GROUP_SLOT, GROUP_SIZE, "drag-open.png")
    grip = centre(row_box(small, GROUP_SIZE, 2))
    xdo("mousemove", *grip, "mousedown", 1)
    glide(grip, AWAY)
    xdo("mouseup", 1)
    gone = members[GROUP_SLOT].pop(1)
    expected_group = [GROUP_SLOT] + members[GROUP_SLOT]
    _, records = saved(lambda g, r: g[GROUP_SLOT] == expected_group,
                       f"the dragged member out of group {GROUP_SLOT} in the menu file")
    assert records[gone] == menu_file.as_read(menu_file.record()), records[gone]
    shrunk_box = menu_box(GROUP_SLOT, GROUP_SIZE - 1)
    shrunk = shot_until("drag-shrunk.png", lambda s: s.diff_box(rest) == shrunk_box,
                        f"the menu shrunk to {shrunk_box}", steady=True)

    # 5. "Move Top" from a member's context menu puts it first, on disk at once, and the
    # open menu shows the new order.
    third = row_box(shrunk_box, 4, 3)
    xdo("mousemove", *centre(third))
    hover = shot_until("context-hover.png", lambda s: s.diff_box(shrunk, shrunk_box) == third,
                       "row 3 highlighted")
    xdo("click", 3)
    x = centre(third)[0]  # the pop-up opens above or below the pointer, as room allows
    shot_until("context-menu.png", lambda s: s.diff_box(hover, (x + 5, 0, x + 60, third[1]))
               or s.diff_box(hover, (x + 5, third[3], x + 60, SCREEN[1])),
               "the item context menu beside the pointer")
    xdo("key", "t")  # the mnemonic of "Move &Top"
    moved = (2, 0, 1, 3)  # the rows the new order takes its members from
    order = [members[GROUP_SLOT][i] for i in moved]
    saved(lambda g, r: g[GROUP_SLOT] == [GROUP_SLOT] + order,
          "the third member first in the menu file")
    xdo("mousemove", *AWAY)
    shot_until("context-moved.png", lambda s: all(
        row_content(s, shrunk_box, 4, i + 1, True) ==
        row_content(shrunk, shrunk_box, 4, j + 1, True) for i, j in enumerate(moved)),
        "the open menu in the new order")
    xdo("key", "Escape")
    shot_until("context-closed.png", lambda s: is_closed(s, shrunk_box), "the menu closed")

    return {GROUP_SLOT: [GROUP_SLOT] + order}, gone
