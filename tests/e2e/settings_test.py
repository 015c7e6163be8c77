"""The real settings window, opened from the user's centre group and driven through the
accessibility bus by role and name: a slider moves the ring on the screen at once, holding the
opacity slider tints the screen, the window comes to the front again when opened twice, all
shortcuts and icons are backed up and restored through the file dialogs, closing the window saves
the value in the settings file, and resetting the program settings brings the defaults back.

Run with the system python (python3-pyatspi); an optional third argument WIDTHxHEIGHT names the
virtual screen's size when it is not 1366x768."""

import math
import os
import re
import subprocess
import sys
import time

from dock_test import Shot as Screen, poll, square, top_to_bottom, xdo
from e2e_support import Session, i32, read, terminate

SETTINGS_TITLE = "QAV Launcher - Settings"
SETTINGS_KEY = "2"  # "Settings" is the third member of the user's group: key letter "2"


def start_accessibility_bus(env):
    """A private session bus with the accessibility bus on it, for the launcher and for us."""
    out = subprocess.run(["dbus-launch", "--sh-syntax"], env=env, check=True,
                         capture_output=True, text=True).stdout
    address = re.search(r"DBUS_SESSION_BUS_ADDRESS='([^']*)'", out).group(1)
    pid = int(re.search(r"DBUS_SESSION_BUS_PID=(\d+)", out).group(1))
    env.update(DBUS_SESSION_BUS_ADDRESS=address, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               QT_ACCESSIBILITY="1")
    os.environ.update(DBUS_SESSION_BUS_ADDRESS=address)
    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                           env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1)
    return pid, bus


def find(root, role, name):
    import pyatspi
    return pyatspi.findDescendant(
        root, lambda a: a is not None and a.getRoleName() == role and a.name == name)


def settings_window(pyatspi):
    for app in pyatspi.Registry.getDesktop(0):
        if app is None:
            continue
        for window in app:
            if window is not None and window.name == SETTINGS_TITLE:
                return window
    return None


def press(accessible):
    action = accessible.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("press", "click", "Press", "SetFocus"):
            action.doAction(i)
            return
    action.doAction(0)


def window_named(pyatspi, title):
    for app in pyatspi.Registry.getDesktop(0):
        for window in app or []:
            if window is not None and window.name == title:
                return window
    return None


def answer_file_dialog(pyatspi, title, path, button):
    dialog = poll(lambda: window_named(pyatspi, title), f"the dialog {title!r}")
    name = poll(lambda: pyatspi.findDescendant(
        dialog, lambda a: a is not None and a.getRoleName() == "text" and
        a.getState().contains(pyatspi.STATE_EDITABLE) and "name" in a.name.lower()),
        "the file name box")
    name.queryEditableText().setTextContents(path)
    press(find(dialog, "push button", button))


def answer_message(pyatspi, text, button="OK", contains=False):
    """Presses `button` on the message box that says `text` (or ends with it)."""
    def says(a):
        return a is not None and (a.name.endswith(text) if contains else a.name == text)

    def box():
        for app in pyatspi.Registry.getDesktop(0):
            for window in app or []:
                if window is not None and window.name == "QAV Launcher" and \
                        pyatspi.findDescendant(window, says):
                    return window
        return None
    press(find(poll(box, f"the message {text!r}"), "push button", button))


def main(binary, artifacts, size="1366x768"):
    width, height = map(int, size.split("x"))
    centre = (width // 2, height // 2)
    session = Session(binary, artifacts)
    dbus_pid, bus = start_accessibility_bus(session.env)
    import pyatspi
    launcher = None
    try:
        launcher = session.start()
        xdo("mousemove", 40, 40)
        radius = 300 if height >= 768 else height // 2 - 80
        # The dock at rest: two screenshots in a row alike once its pictures are in.
        shots = [Screen(session.screenshot(f"settings-{size}-dock.png"), width)]

        def settled():
            shots.append(Screen(session.screenshot(f"settings-{size}-dock.png"), width))
            return shots[-1].rgb == shots[-2].rgb and shots[-1]
        before = poll(settled, "the dock at rest")

        # 1. A right click on the centre opens the user's group; its "Settings" member opens
        # the window.
        xdo("mousemove", *centre)
        time.sleep(0.3)
        xdo("click", 3)
        time.sleep(1)
        session.screenshot(f"settings-{size}-group.png")
        xdo("key", SETTINGS_KEY)
        window = poll(lambda: settings_window(pyatspi), "the settings window on the bus", 20)
        time.sleep(0.5)
        session.screenshot(f"settings-{size}-general.png")

        # 2. On the Appearance page the diameter slider pulls the ring in at once.
        press(find(window, "page tab", "  Appearance  "))
        slider = poll(lambda: find(window, "slider", "Circle Diameter"), "the diameter slider")
        value = slider.queryValue()
        assert value.currentValue == radius, value.currentValue
        assert value.minimumValue == 200
        value.currentValue = 220
        label = poll(lambda: find(window, "label", "Circle Diameter:  440  Pixels"),
                     "the label following the slider")
        assert label is not None
        # The dialog sits over the middle of the screen; compare slot 1 away from it.
        # The slot left of the centre moves in from `radius` to 220 pixels, beside the window.
        old_left, new_left = (centre[0] - radius, centre[1]), (centre[0] - 220, centre[1])

        def moved():
            shot = Screen(session.screenshot(f"settings-{size}-appearance.png"), width)
            return shot.changed(before, square(*old_left, 10)) > 0.5 and \
                shot.changed(before, square(*new_left, 10)) > 0.5 and shot
        poll(moved, "the ring redrawn at the new diameter")

        # 2b. Holding the opacity slider tints the whole screen; letting go clears it.
        trans = find(window, "slider", "Opacity")
        x, y, w, h = trans.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        share = trans.queryValue().currentValue / 255
        handle = (round(x + 6 + (w - 12) * share), y + h // 2)
        corner = square(width - 40, height - 40, 10)
        plain = Screen(session.screenshot(f"settings-{size}-untinted.png"), width)
        xdo("mousemove", *handle)
        xdo("mousedown", 1)
        tinted = poll(lambda: (lambda s: s.changed(plain, corner) == 1 and s)(
            Screen(session.screenshot(f"settings-{size}-tinted.png"), width)),
            "the screen tinted while the slider is held")
        assert sum(tinted.at(width - 40, height - 40)) < sum(plain.at(width - 40, height - 40))
        xdo("mouseup", 1)
        poll(lambda: Screen(session.screenshot(f"settings-{size}-untinted.png"), width)
             .changed(plain, corner) == 0, "the tint gone once the slider is let go")

        # 3. Asked again, the one window comes back to the front.
        def settings_ids():
            return subprocess.run(["xdotool", "search", "--onlyvisible", "--name",
                                   f"^{SETTINGS_TITLE}$"], capture_output=True,
                                  text=True).stdout.split()
        ids = settings_ids()
        assert len(ids) == 1, ids
        xdo("windowmove", ids[0], 0, 0)
        time.sleep(0.5)
        xdo("mousemove", *centre)
        time.sleep(0.3)
        xdo("click", 3)
        time.sleep(1)
        xdo("key", SETTINGS_KEY)
        def on_top():
            ours = set(subprocess.run(["xdotool", "search", "--onlyvisible", "--pid",
                                       str(launcher.pid)], capture_output=True,
                                      text=True).stdout.split())
            order = [str(w) for w in top_to_bottom() if str(w) in ours]
            return order and order[0] == ids[0]
        poll(on_top, "the same settings window above the dock again")
        assert settings_ids() == ids
        session.screenshot(f"settings-{size}-again.png")

        # 4. All shortcuts and icons backed up to a file the save dialog is given, and restored.
        backup = os.path.join(session.home, "icons backup.bak")
        press(find(window, "page tab", "  General  "))
        press(find(window, "push button", "Backup All Shortcuts & Icons"))
        answer_file_dialog(pyatspi, "QAV Launcher - Backup Shortcuts & Icons", backup, "Save")
        answer_message(pyatspi, "Backup Shortcuts & Icons Successfully!")
        data = read(backup)
        assert data.endswith(b"/END\0"), data[-8:]
        press(find(window, "push button", "Restore All Shortcuts & Icons"))
        answer_file_dialog(pyatspi, "QAV Launcher - Restore Shortcuts & Icons", backup, "Open")
        answer_message(pyatspi, "Restore Shortcuts & Icons Successfully!")
        session.screenshot(f"settings-{size}-restored.png")

        # 4. "OK" closes it and the settings file holds the new radius.
        press(find(window, "push button", "OK"))
        settings = session.data("QAVCfg.cfg")
        poll(lambda: os.path.exists(settings) and i32(read(settings), 12) == 220,
             "the radius saved when the window closed")
        poll(lambda: settings_window(pyatspi) is None, "the window closed")
        session.screenshot(f"settings-{size}-closed.png")

        # 6. Opened afresh, it shows the saved radius; resetting the program settings brings the
        # default ring back and saves it.
        xdo("mousemove", *centre)
        time.sleep(0.3)
        xdo("click", 3)
        time.sleep(1)
        xdo("key", SETTINGS_KEY)
        window = poll(lambda: settings_window(pyatspi), "the settings window again", 20)
        press(find(window, "page tab", "  Appearance  "))
        slider = poll(lambda: find(window, "slider", "Circle Diameter"), "the diameter slider")
        assert slider.queryValue().currentValue == 220
        press(find(window, "page tab", "  General  "))
        press(find(window, "push button", "Reset all default program settings"))
        answer_message(pyatspi, "Proceed anyway with resetting all default program settings?",
                       "Yes", contains=True)
        answer_message(pyatspi, "Reset all default program settings successfully!")
        poll(lambda: slider.queryValue().currentValue == radius, "the slider back at the default")
        poll(lambda: i32(read(settings), 12) == radius, "the default radius saved")
        session.screenshot(f"settings-{size}-reset.png")
        press(find(window, "push button", "OK"))
        assert terminate(launcher) == 0
        launcher = None
        assert i32(read(settings), 12) == radius
    finally:
        if launcher is not None and launcher.poll() is None:
            launcher.kill()
        bus.terminate()
        os.kill(dbus_pid, 15)
        session.close()
    print("settings window: ok")


if __name__ == "__main__":
    main(*sys.argv[1:])
