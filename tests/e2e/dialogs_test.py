"""The real dialogs driven through the accessibility bus by role and name, as a screen reader
would: the getting-started window remembers "Don't show again", "&Properties" renames a
dock shortcut (drawn under the centre on hover, stored in the menu file), "&Add Shortcut" adds a
member to a group that its menu then shows, and the built-in "About" and user-name commands open
the about box and the input box. Then the settings window, opened from the user's centre group: a
slider moves the ring on the screen at once, holding the opacity slider tints the screen, the
window comes to the front again when opened twice, closing it saves the value in the settings
file, and resetting the program settings brings the defaults back. Screenshots of each dialog are
kept at the test's screen size."""

import os
import subprocess
import sys
import time

import menu_file
from accessibility_support import Ui
from e2e_support import (AWAY, Session, Shot, context_key, i16, i32, marker_script, poll, read,
                         slot_centre, square, terminate, top_to_bottom, window_id, window_ids,
                         xdo)
from group_menu import MenuShot, menu_box

SHORTCUT_SLOT, GROUP_SLOT = 4, 5
ABOUT_SLOT, USER_SLOT = 10, 11  # the built-in "About" and user-name commands on the ring
COMMAND_ABOUT, COMMAND_USER = 68, 66
TITLE_ROW = [(x, y) for x in range(583, 784, 2) for y in range(476, 502)]
STARTED_PAGE_AT = 556  # the settings record's StartedPage field
RADIUS_AT = 12  # the settings record's RingRadius field
SETTINGS_TITLE = "QAV Launcher - Settings"
SETTINGS_KEY = "2"  # "Settings" is the third member of the user's group: key letter "2"


def prepare_home(session):
    groups, records = menu_file.default_table(session.sys_icons)
    records[SHORTCUT_SLOT] = menu_file.program(menu_file.KIND_SHORTCUT, SHORTCUT_SLOT,
                                               marker_script(session.home, "tool.sh"),
                                               Title="Old Title")
    records[GROUP_SLOT]["Title"] = "Tools Group (Empty)"
    for slot, command, title in ((ABOUT_SLOT, COMMAND_ABOUT, "About QAV Launcher"),
                                 (USER_SLOT, COMMAND_USER, "Change User")):
        records[slot] = menu_file.record(Kind=menu_file.KIND_SHORTCUT, IsBuiltIn=menu_file.TRUE,
                                         CommandId=command, ImageRow=slot, Title=title,
                                         IconFile=os.path.join(session.sys_icons, "About.png"))
    menu_file.write(session.data("QAVMenu.cfg"), groups, records)
    notes = os.path.join(session.home, "notes.txt")
    with open(notes, "w") as f:
        f.write("notes\n")
    return notes


def hover_title(session, name):
    """The screen while the shortcut is hovered, its title under the centre. The pointer comes by
    way of the neighbour: the dock magnifies an icon when the pointer arrives from another."""
    xdo("mousemove", *AWAY)
    time.sleep(0.5)
    rest = session.shot(f"dialogs-{name}-rest.png")

    def titled(shot_name, unlike):
        return session.shot_when(shot_name, lambda s: all(
            s.changed(u, TITLE_ROW) > 0.02 for u in unlike), f"{shot_name}: a title on hover")

    xdo("mousemove", *slot_centre(SHORTCUT_SLOT - 1))
    neighbour = titled(f"dialogs-{name}-neighbour.png", [rest])
    xdo("mousemove", *slot_centre(SHORTCUT_SLOT))
    return titled(f"dialogs-{name}-hover.png", [rest, neighbour])


def check_settings(session, ui, launcher, width, height):
    """The settings window from the user's centre group, its sliders acting on the real dock."""
    centre, screen = (width // 2, height // 2), f"{width}x{height}"
    kind = lambda path: Shot(path, width)
    shot = lambda name: session.shot(f"settings-{name}-{screen}.png", kind)
    radius = 300 if height >= 768 else height // 2 - 80
    xdo("mousemove", 40, 40)
    # The dock at rest: two screenshots in a row alike.
    shots = [shot("dock")]

    def settled():
        shots.append(shot("dock"))
        return shots[-1].rgb == shots[-2].rgb and shots[-1]
    before = poll(settled, "the dock at rest")

    def open_settings(what):
        """A right click on the centre opens the user's group; its "Settings" member opens
        the window."""
        context_key(centre, SETTINGS_KEY)
        return poll(lambda: ui.window(SETTINGS_TITLE), what, 20)

    # 7. On the Appearance page the diameter slider pulls the ring in at once.
    window = open_settings("the settings window on the bus")
    ui.press(ui.find("page tab", "  Appearance  ", window))
    slider = ui.find("slider", "Circle Diameter", window)
    value = slider.queryValue()
    assert value.currentValue == radius, value.currentValue
    assert value.minimumValue == 200
    value.currentValue = 220
    ui.find("label", "Circle Diameter:  440  Pixels", window)
    # The dialog sits over the middle of the screen: the slot left of the centre, beside the
    # window, moves in from `radius` to 220 pixels.
    old_left, new_left = (centre[0] - radius, centre[1]), (centre[0] - 220, centre[1])
    session.shot_when(f"settings-appearance-{screen}.png", lambda s: s.changed(
        before, square(*old_left, 10)) > 0.5 and s.changed(before, square(*new_left, 10)) > 0.5,
        "the ring redrawn at the new diameter", kind)

    # 8. Holding the opacity slider tints the whole screen; letting go clears it.
    trans = ui.find("slider", "Opacity", window)
    x, y, w, h = trans.queryComponent().getExtents(ui.at.DESKTOP_COORDS)
    share = trans.queryValue().currentValue / 255
    handle = (round(x + 6 + (w - 12) * share), y + h // 2)
    corner = square(width - 40, height - 40, 10)
    plain = shot("untinted")
    xdo("mousemove", *handle)
    xdo("mousedown", 1)
    tinted = session.shot_when(f"settings-tinted-{screen}.png",
                               lambda s: s.changed(plain, corner) == 1,
                               "the screen tinted while the slider is held", kind)
    assert sum(tinted.at(width - 40, height - 40)) < sum(plain.at(width - 40, height - 40))
    xdo("mouseup", 1)
    session.shot_when(f"settings-untinted-{screen}.png", lambda s: s.changed(plain, corner) == 0,
                      "the tint gone once the slider is let go", kind)

    # 9. Asked again, the one window comes back to the front.
    ids = window_ids(SETTINGS_TITLE)
    assert len(ids) == 1, ids
    xdo("windowmove", ids[0], 0, 0)
    time.sleep(0.5)
    context_key(centre, SETTINGS_KEY)

    def on_top():
        ours = set(subprocess.run(["xdotool", "search", "--onlyvisible", "--pid",
                                   str(launcher.pid)], capture_output=True,
                                  text=True).stdout.split())
        order = [str(w) for w in top_to_bottom() if str(w) in ours]
        return order and order[0] == ids[0]
    poll(on_top, "the same settings window above the dock again")
    assert window_ids(SETTINGS_TITLE) == ids

    # 10. "OK" closes it and the settings file holds the new radius.
    ui.press(ui.find("push button", "OK", window))
    settings = session.data("QAVCfg.cfg")
    poll(lambda: i32(read(settings), RADIUS_AT) == 220, "the radius saved when the window closed")
    poll(lambda: ui.window(SETTINGS_TITLE) is None, "the window closed")

    # 11. Opened afresh, resetting the program settings brings the default ring back and saves it.
    window = open_settings("the settings window again")
    ui.press(ui.find("page tab", "  Appearance  ", window))
    slider = ui.find("slider", "Circle Diameter", window)
    ui.press(ui.find("page tab", "  General  ", window))
    ui.press(ui.find("push button", "Reset all default program settings", window))
    ui.answer_message("Proceed anyway with resetting all default program settings?", "Yes",
                      contains=True)
    ui.answer_message("Reset all default program settings successfully!")
    poll(lambda: slider.queryValue().currentValue == radius, "the slider back at the default")
    poll(lambda: i32(read(settings), RADIUS_AT) == radius, "the default radius saved")
    session.screenshot(f"settings-reset-{screen}.png")
    ui.press(ui.find("push button", "OK", window))


def main(binary, artifacts):
    session = Session(binary, artifacts)
    session.private_bus(accessibility=True)
    try:
        info = subprocess.run(["xdpyinfo"], capture_output=True, text=True, check=True).stdout
        width, height = map(int, info.split("dimensions:")[1].split()[0].split("x"))
        screen = f"{width}x{height}"
        notes = prepare_home(session)
        launcher = session.start(dismiss_started=False)
        ui = Ui()

        # 1. The getting-started window: "Don't show again" is stored on closing.
        started = ui.find("dialog", "QAV Launcher Getting Started")
        ui.press(ui.find("push button", "Next", started))
        session.screenshot(f"dialogs-started-{screen}.png")
        ui.press(ui.find("check box", "Don't show again", started))
        ui.press(ui.find("push button", "Cancel", started))
        ui.gone("dialog", "QAV Launcher Getting Started")
        poll(lambda: os.path.exists(session.data("QAVCfg.cfg")) and
             i16(read(session.data("QAVCfg.cfg")), STARTED_PAGE_AT) == -1,
             "the window turned off in the settings file")

        # 2. "&Properties" on a dock shortcut: a new title, drawn under the centre on hover and
        # stored in the menu file.
        before = hover_title(session, "old")
        context_key(slot_centre(SHORTCUT_SLOT), "p")
        dialog = ui.find("dialog", "Properties")
        title = ui.find("text", "Title", dialog)
        assert title.queryText().getText(0, -1) == "Old Title"
        ui.type_into(title, "Renamed In The Dialog")
        session.screenshot(f"dialogs-properties-{screen}.png")
        ui.press(ui.find("push button", "OK", dialog))
        ui.gone("dialog", "Properties")
        session.saved_menu(lambda g, r: r[SHORTCUT_SLOT]["Title"] == "Renamed In The Dialog",
                           "the new title in the menu file")
        after = hover_title(session, "new")
        assert after.changed(before, TITLE_ROW) > 0.02, "the new title is drawn"

        # 3. "&Add Shortcut" on a group: the new member is stored and its menu shows it.
        xdo("mousemove", *AWAY)
        time.sleep(0.5)
        rest = session.shot("dialogs-add-rest.png", MenuShot)
        context_key(slot_centre(GROUP_SLOT), "a")
        dialog = ui.find("dialog", "Add Shortcut")
        ui.type_into(ui.find("text", "Target", dialog), notes)
        ui.type_into(ui.find("text", "Title", dialog), "My Notes")
        session.screenshot(f"dialogs-add-shortcut-{screen}.png")
        ui.press(ui.find("push button", "OK", dialog))
        ui.gone("dialog", "Add Shortcut")
        groups, records = session.saved_menu(lambda g, r: any(
            x["Kind"] == menu_file.KIND_MEMBER and x["Title"] == "My Notes" for x in r),
            "the new member in the menu file")
        assert len(groups[GROUP_SLOT]) == 2, groups[GROUP_SLOT]
        assert records[groups[GROUP_SLOT][1]]["Path"] == notes
        xdo("mousemove", *slot_centre(GROUP_SLOT))
        time.sleep(0.5)
        xdo("click", 1)
        box = menu_box(GROUP_SLOT, 1)
        changed = lambda s: s.diff_box(rest, box) or (0, 0, 0, 0)
        session.shot_when("dialogs-group-menu.png", lambda s: changed(s)[2] - changed(s)[0] > 200,
                          "the group menu with its new member", MenuShot)
        xdo("key", "Escape")

        # 4. F1 reopens the getting-started window on its first page although it was turned off.
        xdo("mousemove", *AWAY)
        time.sleep(0.5)
        xdo("windowfocus", "--sync", window_id("QAV Launcher"), "key", "F1")
        started = ui.find("dialog", "QAV Launcher Getting Started")
        assert not ui.enabled(ui.find("push button", "Last", started))
        ui.press(ui.find("push button", "Cancel", started))
        ui.gone("dialog", "QAV Launcher Getting Started")

        # 5. The built-in "About" command opens the about box with the full version.
        xdo("mousemove", *slot_centre(ABOUT_SLOT))
        time.sleep(0.4)
        xdo("click", 1)
        about = ui.find("dialog", "About QAV Launcher")
        version = ui.find("label", lambda n: n.startswith("QAV Launcher  "), about).name
        assert version.endswith("\n\nA Powerful Application Launcher"), version
        session.screenshot(f"dialogs-about-{screen}.png")
        ui.press(ui.find("push button", "OK", about))
        ui.gone("dialog", "About QAV Launcher")

        # 6. The user-name command: no picture chosen, then the input box renames the user.
        xdo("mousemove", *slot_centre(USER_SLOT))
        time.sleep(0.4)
        xdo("click", 1)
        picker = ui.find("dialog", "QAV Launcher - Change User Icon")
        ui.press(ui.find("push button", "Cancel", picker))
        box = ui.find("dialog", "Change User Name")
        field = ui.find("text", None, box)
        assert field.queryText().getText(0, -1) == "Tester"
        ui.type_into(field, "Renamed User")
        session.screenshot(f"dialogs-input-{screen}.png")
        ui.press(ui.find("push button", "OK", box))
        ui.gone("dialog", "Change User Name")
        session.saved_menu(lambda g, r: r[0]["Title"] == "Renamed User", "the user's new name")

        check_settings(session, ui, launcher, width, height)
        assert terminate(launcher) == 0
    finally:
        session.close()


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
