"""The tray icon and the three global hot keys on a real X server with a real XEmbed tray
(trayer): the icon comes when the tray starts after the launcher and comes back once when the
tray restarts; Alt+Space, Shift+Tab and Ctrl+Tab reach the dock while another program has the
keyboard; the tray menu's "Exit" ends the program with both files saved. A combination another
program holds leaves the other two working and is reported once."""

import os
import subprocess
import sys
import time

from e2e_support import (CENTRE, Session, dismiss_getting_started, keyboard_tint, poll,
                         slot_centre, square, stop, terminate, top_to_bottom, wait_for_window,
                         window_id)

HERE = os.path.dirname(os.path.abspath(__file__))
TRAY = (1166, 0, 200, 32)  # x, y, width, height of the tray panel
SYSTEM_PYTHON = "/usr/bin/python3"  # where python3-xlib is installed


def start_tray(env):
    tray = subprocess.Popen(
        ["trayer", "--edge", "top", "--align", "right", "--widthtype", "pixel", "--width",
         str(TRAY[2]), "--heighttype", "pixel", "--height", str(TRAY[3]), "--transparent",
         "false"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(0.5)
    return tray


def tray_icons(shot, panel=TRAY):
    """Where the separate pictures of a tray panel are (runs of columns unlike its background)."""
    x0, y0, width, height = panel
    background = shot.at(x0 + 2, y0 + height // 2)

    def differs(p):
        return sum(abs(a - b) for a, b in zip(p, background)) > 60

    columns = [any(differs(shot.at(x, y)) for y in range(y0 + 2, y0 + height - 2))
               for x in range(x0, x0 + width)]
    runs, inside = [], False
    for i, filled in enumerate(columns):
        if filled and not inside:
            runs.append([i, i])
        if filled:
            runs[-1][1] = i
        inside = filled
    return [(x0 + (a + b) // 2, y0 + height // 2) for a, b in runs if b - a >= 6]


def bright_pixels(shot, box):
    x0, y0, x1, y1 = box
    return sum(min(shot.at(x, y)) > 230 for x in range(x0, x1) for y in range(y0, y1))


def icons_when(session, name, count, what):
    return session.shot_when(name, lambda s: len(tray_icons(s)) == count, what)


def other_program(env):
    """A plain window of another program, given the keyboard."""
    window = subprocess.Popen(["xmessage", "-geometry", "+40+600", "another program"], env=env)
    poll(lambda: subprocess.run(["xdotool", "search", "--name", "^xmessage$"],
                                capture_output=True).returncode == 0, "the other program's window")
    focus_other()
    return window


def focus_other():
    other = window_id("xmessage")
    subprocess.run(["xdotool", "windowfocus", "--sync", str(other)], check=True)
    return other


def key(combination, from_other=True):
    if from_other:
        focus_other()
    subprocess.run(["xdotool", "key", combination], check=True)


def check_icon_and_hot_keys(session):
    launcher = session.start()
    tray = other = None
    try:
        rest = session.shot("tray-rest.png")
        assert not tray_icons(rest), "nothing in the tray area before the tray runs"

        # The tray starts after the launcher (autostart racing the panel): the icon comes.
        tray = start_tray(session.env)
        icons_when(session, "tray-late.png", 1, "the icon in a tray started after the launcher")

        # The tray restarts: exactly one icon again, and it stays one.
        stop(tray)
        tray = start_tray(session.env)
        icons_when(session, "tray-restarted.png", 1, "the icon back after the tray restarted")
        time.sleep(2)
        assert len(tray_icons(session.shot("tray-restarted-later.png"))) == 1, "one icon, no copy"

        # Ctrl+Tab from another program minimizes the dock under its window (Alt+Space and
        # Shift+Tab are driven below, with Ctrl+Tab held by another program).
        other = other_program(session.env)
        key("ctrl+Tab")
        session.shot_when("hotkey-minimized.png",
                          lambda s: s.changed(rest, square(*slot_centre(5), 10)) > 0.5 and
                          s.brightness(square(*CENTRE, 10)) > 150, "the dock minimized")
        order = top_to_bottom()
        assert order.index(window_id("QAV Launcher")) > order.index(window_id("xmessage")), \
            "the minimized dock is below the other program"

        # A right click on the icon shows the tray menu; its "Exit" ends the program, saved.
        icon = tray_icons(session.shot("tray-before-menu.png"))[0]
        before = time.time()
        time.sleep(1.1)  # file times have one-second steps on some file systems
        subprocess.run(["xdotool", "mousemove", *map(str, icon), "click", "3"], check=True)
        session.shot_when("tray-menu.png", lambda s: bright_pixels(
            s, (icon[0] - 150, 36, icon[0] + 20, 200)) > 2000, "the tray menu")
        subprocess.run(["xdotool", "key", "e"], check=True)
        assert launcher.wait(timeout=30) == 0, "the program ends cleanly"
        for name in ("QAVCfg.cfg", "QAVMenu.cfg"):
            assert os.path.getmtime(session.data(name)) >= int(before), f"{name} saved at exit"
    finally:
        stop(launcher, other, tray)


def check_held_combination(session):
    grab_log = os.path.join(session.home, "grabber.log")
    grabber = subprocess.Popen([SYSTEM_PYTHON, os.path.join(HERE, "key_grabber.py"), "control",
                                "Tab", grab_log], env=session.env)
    poll(lambda: os.path.exists(grab_log) and "grabbed" in open(grab_log).read(),
         "the other program holds Ctrl+Tab")
    tray = start_tray(session.env)
    errors = os.path.join(session.home, "launcher.err")
    with open(errors, "w") as err:
        launcher = subprocess.Popen([session.binary], env=session.env, stderr=err)
    other = None
    try:
        wait_for_window("QAV Launcher", launcher)
        rest = icons_when(session, "held-rest.png", 1, "the icon")
        poll(lambda: "Ctrl+Tab" in open(errors).read(), "the refused combination in the log")
        # The log line comes just before the balloon is asked for; it maps a moment later.
        session.shot_when("held-notice.png", lambda s: sum(
            s.changed(rest, [(x, y)]) for x in range(900, 1366, 4)
            for y in range(0, 200, 4)) > 100, "a notice near the tray")
        dismiss_getting_started()  # it would cover the centre the checks look at
        other = other_program(session.env)
        rest = session.shot("held-dock.png")
        corner, centre = square(20, 300, 6), square(*CENTRE, 10)
        key("Num_Lock")  # the combinations work whatever lock is on
        key("Caps_Lock")
        # Alt+Space from another program: keyboard mode (tint and key letters) ...
        key("alt+space")
        label = slot_centre(1)
        tinted = session.shot_when("held-keyboard-mode.png", keyboard_tint(rest, corner),
                                   "Alt+Space still works")
        assert bright_pixels(tinted, (label[0] + 30, label[1] - 20, label[0] + 70,
                                      label[1] + 20)) > 10, "the key letter of slot 1 is shown"
        # ... and again, while keyboard mode lasts: the dock hides; Shift+Tab brings it back.
        key("alt+space", from_other=False)
        session.shot_when("held-hidden.png", lambda s: s.changed(rest, corner) == 0 and
                          s.brightness(centre) < rest.brightness(centre) - 40, "the dock hidden")
        key("shift+Tab")
        session.shot_when("held-switched.png", lambda s: s.changed(
            rest, square(*slot_centre(5), 10) + centre) < 0.05, "Shift+Tab still works")
        key("Num_Lock")
        key("Caps_Lock")
        key("ctrl+Tab")
        poll(lambda: "press" in open(grab_log).read(), "Ctrl+Tab reaches the program holding it")
        assert open(errors).read().count("Ctrl+Tab") == 1, "told once"
        assert terminate(launcher) == 0
        # Everything the launcher took is free again.
        check_log = os.path.join(session.home, "check.log")
        for modifier, keysym in (("alt", "space"), ("shift", "Tab")):
            subprocess.run([SYSTEM_PYTHON, os.path.join(HERE, "key_grabber.py"), modifier, keysym,
                            check_log, "--check"], env=session.env, check=True)
    finally:
        stop(launcher, other, tray, grabber)


def main(binary, artifacts):
    session = Session(binary, artifacts)
    try:
        check_icon_and_hot_keys(session)
        check_held_combination(session)
    finally:
        session.close()


if __name__ == "__main__":
    main(*sys.argv[1:3])
