"""The launcher at home on a Linux desktop, under Openbox with its own key bindings and through the
accessibility bus, from a fresh account:

- Openbox keeps Alt+Space: the notice names the ways out (tray icon, "--keyboard", Keys page);
- "System Folders & Drives Group" holds Home and the user's folders that exist by their own
  names, the file system and the volumes, and no Windows titles or device nodes;
- "All Programs Group" reads every XDG applications folder, one entry per desktop-file id with
  the user's copy winning, plus the desktop, as one list by title (case and accents aside);
- in the settings window Shift+Tab moves the focus back and Ctrl+Tab turns the page, and the
  dock is left alone; a screen reader's Toggle of "Load at system startup" writes the entry;
- moving "Normal Icon Size" and pressing OK leave the dock drawn exactly as at rest;
- the Keys page gives a combination up (another program can take it) and records a new one,
  which then works from other programs;
- with Auto-Hide on, "Settings" from the centre's menu keeps the dock shown while it is open."""

import os
import subprocess
import sys
import time

from accessibility_support import Ui
from e2e_support import AWAY, CENTRE, Session, context_key, poll, read, slot_centre, terminate, xdo
from window_manager_test import start_window_manager

HERE = os.path.dirname(os.path.abspath(__file__))
SETTINGS_TITLE = "QAV Launcher - Settings"
SETTINGS_KEY = "2"  # "Settings": the third member of the user's centre group
AUTO_HIDE_AT = 559  # the settings record's AutoHide byte
RING = [slot_centre(k) for k in range(1, 25)]


def desktop_entry(path, name, extra=""):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w") as f:
        f.write(f"[Desktop Entry]\nType=Application\nName={name}\nExec=/bin/true\n{extra}")


def prepare_home(session):
    """Applications in the user's folder and in two system folders named by XDG_DATA_DIRS, two
    on the desktop, and some of the user's folders."""
    home = session.home
    user = os.path.join(home, ".local/share/applications")
    first, second = (os.path.join(home, name, "applications") for name in ("sys1", "sys2"))
    desktop_entry(os.path.join(user, "apple.desktop"), "Apple Notes")
    desktop_entry(os.path.join(user, "gone.desktop"), "Gone", "Hidden=true\n")
    desktop_entry(os.path.join(first, "apple.desktop"), "Apple (system)")
    desktop_entry(os.path.join(first, "gone.desktop"), "Gone (system)")
    desktop_entry(os.path.join(first, "zulu.desktop"), "Zulu Editor")
    desktop_entry(os.path.join(first, "quiet.desktop"), "Quiet", "NoDisplay=true\n")
    desktop_entry(os.path.join(first, "kde-only.desktop"), "KDE Only", "OnlyShowIn=KDE;\n")
    desktop_entry(os.path.join(second, "zulu.desktop"), "Zulu (older copy)")
    desktop_entry(os.path.join(second, "kde/mango.desktop"), "Mango Player")
    desktop_entry(os.path.join(home, "Desktop/eclair.desktop"), "Éclair")
    desktop_entry(os.path.join(home, "Desktop/banana.desktop"), "banana")
    for folder in ("Documents", "Downloads", "Music"):
        os.makedirs(os.path.join(home, folder))
    session.env["XDG_DATA_DIRS"] = os.path.join(home, "sys1") + ":" + os.path.join(home, "sys2")
    session.env.pop("XDG_CURRENT_DESKTOP", None)


def grab_is_free(session, modifier, keysym):
    """Whether another program could take `modifier`+`keysym` now."""
    log = os.path.join(session.home, "grab-check.log")
    return subprocess.run([sys.executable, os.path.join(HERE, "key_grabber.py"), modifier, keysym,
                           log, "--check"], env=session.env).returncode == 0


def alike(shot, rest, points):
    return shot.changed(rest, points) == 0


def outside(box, points, margin=20):
    x, y, w, h = box
    return [(px, py) for px, py in points
            if not (x - margin <= px <= x + w + margin and y - margin <= py <= y + h + margin)]


def squares(points, half=6):
    return [(x + dx, y + dy) for x, y in points for dx in range(-half, half, 3)
            for dy in range(-half, half, 3)]


def check_notice(ui, session):
    """2. Openbox binds Alt+Space: the notice (a message, there being no tray) names the ways
    out."""
    def notice():
        for window in ui.windows():
            label = ui.at.findDescendant(window, lambda a: a is not None and
                                         "could not take the hot key Alt+Space" in (a.name or ""))
            if label is not None:
                return window, label.name
        return None
    window, text = poll(notice, "the held-key notice", 20)
    session.screenshot("desktop-held-notice.png")
    for way in ("window manager", "tray icon", '"qav-launcher --keyboard"', "Keys page"):
        assert way in text, (way, text)
    ui.press(ui.find("push button", "OK", window))


def menu_rows(ui, ring, title):
    """The names of a group's rows, its menu opened through the bus; the menu closes again."""
    ui.press(next(b for b in ring if b.name == title), "ShowMenu")
    menu = ui.find("popup menu", title)
    rows = poll(lambda: menu.childCount > 0 and [r.name for r in menu], f"{title}'s rows")
    return menu, rows


def check_groups(ui, session):
    """3., 4. and 5. What the default groups hold on this Linux account."""
    ring = list(ui.find("list", "QAV Launcher"))
    menu, places = menu_rows(ui, ring, "System Folders & Drives Group")
    session.screenshot("desktop-system-folders.png")
    assert places[:6] == ["Home", "Desktop", "Documents", "Downloads", "Music", "File System"], \
        places
    for name in places:
        assert not name.startswith("/dev/") and "Directory" not in name and \
            not name.startswith(("Local Disk", "RAM Disk")), places
    xdo("key", "Escape")
    poll(lambda: menu.childCount == 0, "the menu closed")
    time.sleep(0.5)
    menu, programs = menu_rows(ui, ring, "All Programs Group")
    session.screenshot("desktop-all-programs.png")
    assert programs == ["Apple Notes", "banana", "Éclair", "Mango Player", "Zulu Editor"], programs
    xdo("key", "Escape")
    poll(lambda: menu.childCount == 0, "the menu closed")


def open_settings(session, ui):
    subprocess.run([session.binary, "--settings"], env=session.env, check=True,
                   stdout=subprocess.DEVNULL)
    return ui.find("dialog", SETTINGS_TITLE, timeout=20)


def check_dialog_keys(ui, session, window, rest):
    """1. Inside the settings window Shift+Tab and Ctrl+Tab keep their meaning; the dock stays.
    7. A screen reader's Toggle of "Load at system startup" writes the auto-start entry."""
    start = ui.find("check box", "Load at system startup", window)
    hide = ui.find("check box", "Auto-Hide QAV Launcher", window)
    entry = os.path.join(session.home, ".config/autostart/com.brevona.qavlauncher.desktop")
    # A first start has the box checked (and writes the entry at the next start): a Toggle,
    # which clicks nothing, turns it off, and a second one on, writing the entry at once.
    assert ui.has_state(start, ui.at.STATE_CHECKED)
    ui.press(start)
    poll(lambda: not ui.has_state(start, ui.at.STATE_CHECKED), "the box unchecked")
    assert not os.path.exists(entry)
    ui.press(start)
    poll(lambda: os.path.exists(entry), "the auto-start entry written by the Toggle")
    assert ui.has_state(start, ui.at.STATE_CHECKED)
    assert session.binary in open(entry).read()
    hide.queryComponent().grabFocus()
    poll(lambda: ui.has_state(hide, ui.at.STATE_FOCUSED), "the Auto-Hide box focused")
    xdo("key", "shift+Tab")
    poll(lambda: ui.has_state(start, ui.at.STATE_FOCUSED), "Shift+Tab moved the focus back")
    xdo("key", "ctrl+Tab")
    slider = ui.find("slider", "Normal Icon Size", window)
    poll(lambda: ui.showing(slider), "Ctrl+Tab turned to the next page")
    shot = session.shot("desktop-dialog-keys.png")
    assert alike(shot, rest, squares(outside(extents(window), RING))), \
        "the dock changed under the settings window"


def extents(accessible):
    return accessible.queryComponent().getExtents(0)


def check_size_change(ui, session, window):
    """6. After "Normal Icon Size" moves (and back), and after OK, the dock is drawn whole."""
    xdo("mousemove", *AWAY)
    time.sleep(0.5)
    rest = session.shot("desktop-size-rest.png")
    slider = ui.find("slider", "Normal Icon Size", window)
    points = squares(outside(extents(window), RING), 14)
    slider.queryValue().currentValue = 40
    ui.find("label", "Normal Icon Size:  40  Pixels", window)
    session.shot_when("desktop-size-40.png", lambda s: not alike(s, rest, points),
                      "the ring drawn at the smaller size")
    slider.queryValue().currentValue = 48
    session.shot_when("desktop-size-48.png", lambda s: alike(s, rest, points),
                      "the ring drawn whole, tiles and all, at the size it had")


def check_keys_page(ui, session, window):
    """1. The Keys page gives Shift+Tab up and gives the minimize action Ctrl+Alt+M."""
    ui.press(ui.find("page tab", "  Keys  ", window))
    poll(lambda: ui.showing(ui.find("push button", "Restore Default Keys", window)),
         "the Keys page shown")
    conf = os.path.join(session.home, ".config/qav-launcher/hot-keys.conf")
    ui.press(ui.find("push button", "No hot key: Switch between the launcher and the desktop",
                     window))
    poll(lambda: os.path.exists(conf) and "switch = none" in open(conf).read(),
         "the choice kept in the hot-key file")
    ui.press(ui.find("push button", "Change: Minimize the launcher to its corner picture",
                     window))
    time.sleep(0.5)
    xdo("key", "ctrl+alt+m")
    poll(lambda: "minimize = Ctrl+Alt+M" in open(conf).read(), "the new combination recorded")
    time.sleep(0.5)
    session.screenshot("desktop-keys-page.png")
    ui.press(ui.find("push button", "OK", window))
    ui.gone("dialog", SETTINGS_TITLE)
    # Away from the dialog, where the hot keys are held again: Shift+Tab and Ctrl+Tab are free
    # for every program, Ctrl+Alt+M is the launcher's.
    poll(lambda: not grab_is_free(session, "control+alt", "m"), "Ctrl+Alt+M taken")
    assert grab_is_free(session, "shift", "Tab"), "Shift+Tab given back"
    assert grab_is_free(session, "control", "Tab"), "Ctrl+Tab given back"


def main(binary, artifacts, bus_launcher="/usr/libexec/at-spi-bus-launcher"):
    session = Session(binary, artifacts)
    session.private_bus(accessibility=True, bus_launcher=bus_launcher)
    try:
        # Openbox finds its themes through the system's XDG_DATA_DIRS, which the launcher's
        # environment replaces.
        start_window_manager(session, minimal=False)
        poll(lambda: not grab_is_free(session, "alt", "space"), "Openbox holding Alt+Space")
        prepare_home(session)
        launcher = session.start(dismiss_started=False)
        ui = Ui()
        started = ui.find("dialog", "QAV Launcher Getting Started")
        check_notice(ui, session)
        # 1. The getting-started page of the keys says where to change them.
        for _ in range(3):
            ui.press(ui.find("push button", "Next", started))
        keys_page = poll(lambda: ui.at.findDescendant(started, lambda a: a is not None and (
            a.name or "").startswith("Page 4 of 6")), "the page of the keys")
        assert "Keys page of the settings" in keys_page.name, keys_page.name
        session.screenshot("desktop-started-keys.png")
        ui.press(ui.find("push button", "Cancel", started))
        ui.gone("dialog", "QAV Launcher Getting Started")
        check_groups(ui, session)

        xdo("mousemove", *AWAY)
        time.sleep(1)
        dock_rest = session.shot("desktop-dock-rest.png")
        # 1. The defaults hold until the user changes them.
        assert not grab_is_free(session, "shift", "Tab") and \
            not grab_is_free(session, "control", "Tab"), "the default hot keys taken"
        window = open_settings(session, ui)
        check_dialog_keys(ui, session, window, dock_rest)
        check_size_change(ui, session, window)
        ui.press(ui.find("push button", "OK", window))
        ui.gone("dialog", SETTINGS_TITLE)
        session.shot_when("desktop-after-ok.png", lambda s: alike(s, dock_rest, squares(
            RING + [CENTRE, (CENTRE[0] - 80, CENTRE[1]), (CENTRE[0], CENTRE[1] - 80)], 14)),
            "the dock with its tiles, centre picture and border after OK")

        window = open_settings(session, ui)
        check_keys_page(ui, session, window)
        xdo("key", "ctrl+alt+m")  # from no window of ours
        points = squares(RING)
        session.shot_when("desktop-minimized.png", lambda s: s.changed(dock_rest, points) > 0.5,
                          "Ctrl+Alt+M minimized the dock")
        subprocess.run([binary, "--show"], env=session.env, check=True, stdout=subprocess.DEVNULL)
        session.shot_when("desktop-shown.png", lambda s: alike(s, dock_rest, points),
                          "the dock back")

        # 12. With Auto-Hide on, "Settings" from the centre's menu leaves the dock shown for as
        # long as the window is open, past the seven idle seconds after which it hides.
        window = open_settings(session, ui)
        ui.press(ui.find("check box", "Auto-Hide QAV Launcher", window))
        ui.press(ui.find("push button", "OK", window))
        ui.gone("dialog", SETTINGS_TITLE)
        poll(lambda: read(session.data("QAVCfg.cfg"))[AUTO_HIDE_AT] == 1, "Auto-Hide saved")
        # With the window gone no window of the program is active, and an auto-hiding dock
        # may hide for that: it is brought up again first.
        time.sleep(0.5)
        subprocess.run([binary, "--show"], env=session.env, check=True, stdout=subprocess.DEVNULL)
        session.shot_when("desktop-auto-hide-rest.png", lambda s: alike(s, dock_rest, points),
                          "the dock up")
        context_key(CENTRE, SETTINGS_KEY)
        window = ui.find("dialog", SETTINGS_TITLE, timeout=20)
        xdo("mousemove", *AWAY)
        time.sleep(9)
        shot = session.shot("desktop-auto-hide-settings.png")
        assert alike(shot, dock_rest, squares(outside(extents(window), RING))), \
            "the dock hid while the settings window was open"
        ui.press(ui.find("push button", "OK", window))
        ui.gone("dialog", SETTINGS_TITLE)
        session.shot_when("desktop-auto-hidden.png",
                          lambda s: s.changed(dock_rest, points) > 0.5,
                          "the dock hides once the window is closed", timeout=20)
        assert terminate(launcher) == 0
    finally:
        session.close()
    print("linux desktop: ok")


if __name__ == "__main__":
    main(*sys.argv[1:4])
