"""The real settings window, opened from the user's centre group and driven through the
accessibility bus by role and name: a slider moves the ring on the screen at once, holding the
opacity slider tints the screen, the window comes to the front again when opened twice, all
shortcuts and icons are backed up and restored through the file dialogs, closing the window saves
the value in the settings file, and resetting the program settings brings the defaults back.

Run with the system python (python3-pyatspi); an optional third argument WIDTHxHEIGHT names the
virtual screen's size when it is not 1366x768."""

import os
import subprocess
import sys
import time

from accessibility_support import Ui
from e2e_support import (Session, Shot as Screen, context_key, i32, poll, read, square,
                         terminate, top_to_bottom, window_ids, xdo)

SETTINGS_TITLE = "QAV Launcher - Settings"
SETTINGS_KEY = "2"  # "Settings" is the third member of the user's group: key letter "2"


def main(binary, artifacts, size="1366x768"):
    width, height = map(int, size.split("x"))
    centre = (width // 2, height // 2)
    session = Session(binary, artifacts)
    session.private_bus(accessibility=True)
    ui = Ui()
    screen = lambda path: Screen(path, width)
    shot = lambda name: session.shot(f"settings-{size}-{name}.png", screen)
    try:
        launcher = session.start()
        xdo("mousemove", 40, 40)
        radius = 300 if height >= 768 else height // 2 - 80
        # The dock at rest: two screenshots in a row alike once its pictures are in.
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

        # 1. The window opened from the user's group.
        window = open_settings("the settings window on the bus")
        time.sleep(0.5)
        session.screenshot(f"settings-{size}-general.png")

        # 2. On the Appearance page the diameter slider pulls the ring in at once.
        ui.press(ui.find("page tab", "  Appearance  ", window))
        slider = ui.find("slider", "Circle Diameter", window)
        value = slider.queryValue()
        assert value.currentValue == radius, value.currentValue
        assert value.minimumValue == 200
        value.currentValue = 220
        ui.find("label", "Circle Diameter:  440  Pixels", window)
        # The dialog sits over the middle of the screen; compare slot 1 away from it.
        # The slot left of the centre moves in from `radius` to 220 pixels, beside the window.
        old_left, new_left = (centre[0] - radius, centre[1]), (centre[0] - 220, centre[1])
        session.shot_when(f"settings-{size}-appearance.png", lambda s: s.changed(
            before, square(*old_left, 10)) > 0.5 and s.changed(before, square(*new_left, 10)) > 0.5,
            "the ring redrawn at the new diameter", screen)

        # 2b. Holding the opacity slider tints the whole screen; letting go clears it.
        trans = ui.find("slider", "Opacity", window)
        x, y, w, h = trans.queryComponent().getExtents(ui.at.DESKTOP_COORDS)
        share = trans.queryValue().currentValue / 255
        handle = (round(x + 6 + (w - 12) * share), y + h // 2)
        corner = square(width - 40, height - 40, 10)
        plain = shot("untinted")
        xdo("mousemove", *handle)
        xdo("mousedown", 1)
        tinted = session.shot_when(f"settings-{size}-tinted.png",
                                   lambda s: s.changed(plain, corner) == 1,
                                   "the screen tinted while the slider is held", screen)
        assert sum(tinted.at(width - 40, height - 40)) < sum(plain.at(width - 40, height - 40))
        xdo("mouseup", 1)
        session.shot_when(f"settings-{size}-untinted.png", lambda s: s.changed(plain, corner) == 0,
                          "the tint gone once the slider is let go", screen)

        # 3. Asked again, the one window comes back to the front.
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
        session.screenshot(f"settings-{size}-again.png")

        # 4. All shortcuts and icons backed up to a file the save dialog is given, and restored.
        backup = os.path.join(session.home, "icons backup.bak")
        ui.press(ui.find("page tab", "  General  ", window))
        ui.press(ui.find("push button", "Backup All Shortcuts & Icons", window))
        ui.answer_file_dialog("QAV Launcher - Backup Shortcuts & Icons", backup, "Save")
        ui.answer_message("Backup Shortcuts & Icons Successfully!")
        data = read(backup)
        assert data.endswith(b"/END\0"), data[-8:]
        ui.press(ui.find("push button", "Restore All Shortcuts & Icons", window))
        ui.answer_file_dialog("QAV Launcher - Restore Shortcuts & Icons", backup, "Open")
        ui.answer_message("Restore Shortcuts & Icons Successfully!")
        session.screenshot(f"settings-{size}-restored.png")

        # 5. "OK" closes it and the settings file holds the new radius.
        ui.press(ui.find("push button", "OK", window))
        settings = session.data("QAVCfg.cfg")
        poll(lambda: os.path.exists(settings) and i32(read(settings), 12) == 220,
             "the radius saved when the window closed")
        poll(lambda: ui.window(SETTINGS_TITLE) is None, "the window closed")
        session.screenshot(f"settings-{size}-closed.png")

        # 6. Opened afresh, it shows the saved radius; resetting the program settings brings the
        # default ring back and saves it.
        window = open_settings("the settings window again")
        ui.press(ui.find("page tab", "  Appearance  ", window))
        slider = ui.find("slider", "Circle Diameter", window)
        assert slider.queryValue().currentValue == 220
        ui.press(ui.find("page tab", "  General  ", window))
        ui.press(ui.find("push button", "Reset all default program settings", window))
        ui.answer_message("Proceed anyway with resetting all default program settings?", "Yes",
                          contains=True)
        ui.answer_message("Reset all default program settings successfully!")
        poll(lambda: slider.queryValue().currentValue == radius, "the slider back at the default")
        poll(lambda: i32(read(settings), 12) == radius, "the default radius saved")
        session.screenshot(f"settings-{size}-reset.png")
        ui.press(ui.find("push button", "OK", window))
        assert terminate(launcher) == 0
        assert i32(read(settings), 12) == radius
    finally:
        session.close()
    print("settings window: ok")


if __name__ == "__main__":
    main(*sys.argv[1:])
