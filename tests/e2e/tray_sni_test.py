"""The tray icon with a StatusNotifierItem host on a private session bus (Debian's
gtk-sni-tray-standalone, which also runs the watcher): the icon comes when the host starts after
the launcher, is registered once again after the host restarts, a left click on it brings the
dock up in keyboard mode, and a right click shows the tray menu from the bus and its "Exit" ends the program."""

import subprocess
import sys
import time

from e2e_support import Session, keyboard_tint, poll, square, stop
from tray_test import bright_pixels, tray_icons

BAR = (866, 0, 500, 32)  # the right end of the host's bar along the top


def start_host(env):
    """The host, up and still running a second after its registration: its own watcher exports
    its object only after taking the bus name, and the host now and then asks it in between, gets
    "UnknownObject" and quits (the bus shows it). Such a start is tried again; the launcher is not
    involved in it."""
    for _ in range(3):
        host = subprocess.Popen(["gtk-sni-tray-standalone", "--top", "--end", "--size", "32",
                                 "--watcher", "--color", "#dddddd"], env=env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        poll(lambda: host.poll() is not None or host_registered(env), "the host registered")
        time.sleep(1)
        if host.poll() is None:
            return host
    raise AssertionError("the tray host does not stay up")


def watcher_property(env, name):
    return subprocess.run(
        ["dbus-send", "--session", "--print-reply", "--dest=org.kde.StatusNotifierWatcher",
         "/StatusNotifierWatcher", "org.freedesktop.DBus.Properties.Get",
         "string:org.kde.StatusNotifierWatcher", f"string:{name}"],
        env=env, capture_output=True, text=True).stdout


def host_registered(env):
    return "boolean true" in watcher_property(env, "IsStatusNotifierHostRegistered")


def registered_items(env):
    out = watcher_property(env, "RegisteredStatusNotifierItems")
    return [line.split('"')[1] for line in out.splitlines() if line.strip().startswith("string")]


def main(binary, artifacts):
    session = Session(binary, artifacts)
    session.private_bus()
    shot_when = session.shot_when
    try:
        launcher = session.start()
        rest = session.shot("sni-rest.png")
        corner = square(20, 300, 6)

        host = session.own(start_host(session.env))
        shot_when("sni-late.png", lambda s: len(tray_icons(s, BAR)) == 1,
                  "the icon in a host started after the launcher")
        assert len(poll(lambda: registered_items(session.env), "the item registered")) == 1

        stop(host)
        host = session.own(start_host(session.env))
        shot_when("sni-restarted.png", lambda s: len(tray_icons(s, BAR)) == 1,
                  "the icon back after the host restarted")
        time.sleep(3)
        assert len(registered_items(session.env)) == 1, "registered once, not twice"
        icon = tray_icons(session.shot("sni-restarted-later.png"), BAR)
        assert len(icon) == 1, "one icon"

        subprocess.run(["xdotool", "mousemove", *map(str, icon[0]), "click", "1"], check=True)
        shot_when("sni-left-click.png", keyboard_tint(rest, corner),
                  "keyboard mode after a left click on the icon")
        subprocess.run(["xdotool", "key", "Escape"], check=True)  # the dock leaves keyboard mode
        shot_when("sni-rest-again.png", lambda s: s.changed(rest, corner) == 0, "the tint gone")

        # A right click shows the menu the host reads from the bus; "Exit" ends the program.
        x = icon[0][0]
        subprocess.run(["xdotool", "mousemove", *map(str, icon[0]), "mousedown", "3"], check=True)
        menu = shot_when("sni-menu.png", lambda s: bright_pixels(
            s, (x - 150, 40, x - 50, 200)) > 5000, "the tray menu")
        column = [min(menu.at(x - 100, y)) > 200 for y in range(BAR[3] + 1, 500)]
        bottom = BAR[3] + 1 + len(column) - column[::-1].index(True)
        subprocess.run(["xdotool", "mousemove", str(x - 100), str(bottom - 14), "mouseup", "3"],
                       check=True)
        assert launcher.wait(timeout=30) == 0, "the program ends cleanly"
    finally:
        session.close()


if __name__ == "__main__":
    main(*sys.argv[1:3])
