"""The real launcher as a native Wayland client of sway (headless, pixman), checked from grim
screenshots, the compositor's window tree and its seat: the dock is an overlay of the output with
the desktop's colour around the ring, no title bar and no window of its own in the tree; hovering
magnifies; a click on a group opens its menu beside the icon; `--keyboard` shows keyboard mode and
a key letter runs its place; --minimize and --switch leave the minimized picture and nothing;
Esc puts the dock under a full-screen window; a file dragged from a Wayland window lands on a
blank place; the settings window opens and its diameter slider lays the ring out again; Monitor
Off asks nothing of the user; the dock is laid out again for a new output size and drawn at the
output's scale. (sway 1.7 can neither power down nor disable a headless output, so the monitor
going dark and an output going away are not seen here.) Without a shortcuts portal the user
is told once how to bind the keys in sway; with one (a portal of the test's own) its presses
summon the dock, and the tray icon registers with a StatusNotifierItem watcher.

    sway_test.py <qav-launcher> <artifacts> <virtual_pointer> <drag_source>"""

import math
import os
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.dirname(HERE))
import menu_file  # noqa: E402
from e2e_support import Shot, fill_groups, lines_of, marker_script, poll, ran, square  # noqa: E402
from sway_session import (DESKTOP, HEIGHT, WIDTH, Lines, SwaySession, matches,  # noqa: E402
                          run_as_user)

CENTRE = (WIDTH // 2, HEIGHT // 2)
RADIUS = HEIGHT // 2 - 80  # the default diameter on a screen less than 768 pixels high
SHORTCUT, GROUP, MONITOR_OFF, BLANK = 4, 5, 10, 13
SHORTCUT_KEY = "3"  # key letters: "0" for place 1
GROUP_MEMBERS = 3
COMMAND_MONITOR_OFF = 80
STARTED = "QAV Launcher Getting Started"
NOTICE = "QAV Launcher"
SETTINGS = "QAV Launcher - Settings"
# Where the pointer rests: the compositor draws it into the screenshots, here almost off the
# output and over no place.
AWAY = (WIDTH - 1, 250)
CORNERS = square(6, 6, 4) + square(WIDTH - 7, HEIGHT - 7, 4)


def slot(k, radius=RADIUS, centre=CENTRE):
    a = math.radians((k - 1) * 15)
    return round(centre[0] + radius * math.cos(a)), round(centre[1] + radius * math.sin(a))


def plate(k, **where):
    """The middle of place k's picture."""
    return square(*slot(k, **where), 12)


def edge_band(k):
    """Just outside place k's 48-pixel plate, inside its 64-pixel magnified one."""
    x, y = slot(k)
    return [(x + d, y + t) for d in range(26, 31) for t in range(-10, 11)] + \
           [(x - d - 1, y + t) for d in range(26, 31) for t in range(-10, 11)]


def prepare_home(session):
    groups, records = menu_file.default_table(session.sys_icons)
    tool = marker_script(session.home, "tool")
    records[SHORTCUT] = menu_file.program(menu_file.KIND_SHORTCUT, SHORTCUT, tool,
                                          Title="Marker Tool", Arguments='alpha "two words"')
    records[GROUP] = menu_file.record(Kind=menu_file.KIND_GROUP, ImageRow=GROUP,
                                      Title="Tools Group",
                                      IconFile=os.path.join(session.sys_icons, "Group.png"))
    members = fill_groups(os.path.join(session.home, "menu tools"), groups, records,
                          {GROUP: GROUP_MEMBERS})
    records[MONITOR_OFF] = menu_file.record(
        Kind=menu_file.KIND_SHORTCUT, IsBuiltIn=menu_file.TRUE, CommandId=COMMAND_MONITOR_OFF,
        ImageRow=MONITOR_OFF, Title="Monitor Off",
        IconFile=os.path.join(session.sys_icons, "MonitorOff.png"))
    menu_file.write(session.data("QAVMenu.cfg"), groups, records)
    dropped = os.path.join(session.home, "dropped notes.txt")
    with open(dropped, "w") as f:
        f.write("dropped on the dock\n")
    return tool, dropped, members


def wait_for_views(session, wanted, what):
    return poll(lambda: sorted(session.views()) == sorted(wanted), what)


def tinted(shot, rest):
    return sum(sum(shot.at(*p)) for p in CORNERS) < 0.3 * sum(sum(rest.at(*p)) for p in CORNERS)


def check_first_start(session):
    """The dock comes up as an overlay: the getting-started window and the notice about the keys
    are the only windows in the tree; once they are closed there is none."""
    launcher = session.start_launcher("first")
    wait_for_views(session, [STARTED, NOTICE], "the getting-started window and the keys notice")
    log = session.log("first")
    assert "bindsym Mod1+space exec" in log and "other programs" not in log, log
    session.shot("wayland-first-start.png")
    session.close_view(STARTED)
    session.close_view(NOTICE)
    wait_for_views(session, [], "no window left: the dock is none")
    session.point(*AWAY)
    rest = session.shot_when("wayland-rest.png",
                             lambda s: matches(s, plate(SHORTCUT), DESKTOP) < 0.2 and
                             matches(s, square(*CENTRE, 20), DESKTOP) < 0.2, "the ring drawn")
    # The desktop shows around the ring, and nothing sits over the output's top edge.
    assert matches(rest, CORNERS, DESKTOP) == 1, "the desktop colour around the ring"
    top = [(x, y) for x in range(0, WIDTH, 4) for y in range(0, 40)]
    assert matches(rest, top, DESKTOP) == 1, "a title bar or window over the top of the output"
    assert session.views() == [], session.views()
    return launcher, rest


def check_hover_and_menu(session, rest):
    session.point(slot(3)[0] - 3, slot(3)[1])
    session.point(*slot(3))
    hover = session.shot_when("wayland-hover.png",
                              lambda s: s.changed(rest, edge_band(3)) > 0.5, "place 3 magnified")
    assert hover.changed(rest, edge_band(2)) == 0 and hover.changed(rest, edge_band(4)) == 0
    # A click on the group opens its menu beside the icon, in no window of its own.
    session.click(*slot(GROUP))
    x, y = slot(GROUP)
    beside = [(x + dx, y + dy) for dx in range(70, 200, 3) for dy in range(-20, 20, 3)]
    menu = session.shot_when("wayland-menu.png", lambda s: s.changed(rest, beside) > 0.9 and
                             s.brightness(beside) > 180, "the group menu beside its icon")
    assert session.views() == [], session.views()
    assert matches(menu, CORNERS, DESKTOP) == 1
    session.keys("-k", "Escape")
    session.point(*AWAY)
    session.shot_when("wayland-menu-closed.png", lambda s: s.changed(rest, beside) == 0,
                      "the menu closed by Esc")


def check_keyboard_mode(session, rest, tool):
    session.request("--keyboard")
    session.shot_when("wayland-keyboard.png", lambda s: tinted(s, rest), "the keyboard-mode tint")
    session.keys(SHORTCUT_KEY)
    assert ran(tool, "the key letter ran the shortcut") == ["alpha", "two words"]
    session.shot_when("wayland-keyboard-ended.png", lambda s: matches(s, CORNERS, DESKTOP) == 1,
                      "keyboard mode over after the launch")


def check_search(session, rest, members):
    """--search with a text opens keyboard mode with the search line holding it; the keys reach
    the search on the desktop's layer, and Enter starts the group member it found."""
    first = min(members)
    session.request(f"--search=Member {GROUP}.")
    session.shot_when("wayland-search.png", lambda s: tinted(s, rest), "the search in keyboard mode")
    session.keys("1")  # typed into the line, not a ring letter
    session.keys("-k", "Return")
    assert ran(members[first], "the member the search found") == [""]
    session.shot_when("wayland-search-ended.png", lambda s: matches(s, CORNERS, DESKTOP) == 1,
                      "keyboard mode over after the start")


def check_minimize_and_switch(session):
    """--minimize leaves the minimized picture (in the middle, as the settings place it) and
    --switch hides the dock altogether; --switch again brings it back."""
    centre = square(*CENTRE, 30)
    session.request("--minimize")
    session.shot_when("wayland-minimized.png", lambda s: matches(s, plate(SHORTCUT), DESKTOP) == 1
                      and matches(s, centre, DESKTOP) < 0.5, "only the minimized picture")
    session.request("--switch")
    everywhere = [(x, y) for x in range(0, WIDTH - 40, 16) for y in range(0, HEIGHT, 16)]
    session.shot_when("wayland-switched.png", lambda s: matches(s, everywhere, DESKTOP) == 1,
                      "nothing of the dock left on the desktop")
    session.request("--switch")
    session.shot_when("wayland-switched-back.png",
                      lambda s: matches(s, plate(SHORTCUT), DESKTOP) < 0.2, "the ring back")


def check_esc_hides(session, rest, drag_source, dropped):
    """A full-screen window covers the dock at rest; keyboard mode brings it over the window and
    Esc sends it under again. Then the window, made small, drags a file onto a blank place."""
    log = os.path.join(session.home, "drag.log")
    source = session.own(subprocess.Popen([drag_source, "--log", log, dropped], env=session.env))
    wait_for_views(session, ["QAV drag source"], "the drag source's window")
    session.msg('[title="QAV drag source"] fullscreen enable')
    covered = session.shot_when("wayland-covered.png",
                                lambda s: matches(s, plate(SHORTCUT), (0, 0, 0)) == 1,
                                "the dock under the full-screen window")
    session.request("--keyboard")
    session.shot_when("wayland-over-window.png",
                      lambda s: s.changed(covered, plate(SHORTCUT)) > 0.8, "the dock over it")
    session.keys("-k", "Escape")
    session.shot_when("wayland-esc.png", lambda s: s.changed(covered, plate(SHORTCUT)) == 0,
                      "Esc put the dock under the window again")
    session.msg('[title="QAV drag source"] fullscreen disable')
    session.msg('[title="QAV drag source"] move position 20 20')
    time.sleep(0.5)
    session.drag((80, 80), slot(BLANK))
    poll(lambda: "action 1" in (lines_of(log) or []), "the dock accepted the drop")

    def dropped_here(groups, records):
        return records[BLANK]["Target"] == dropped

    poll(lambda: dropped_here(*menu_file.read(session.data("QAVMenu.cfg"))),
         "the dropped file saved in the blank place")
    source.terminate()
    source.wait()
    wait_for_views(session, [], "the drag source gone")


def check_settings(session, rest):
    from accessibility_support import Ui
    ui = Ui()
    session.request("--settings")
    wait_for_views(session, [SETTINGS], "the settings window, the only window")
    # Aside, so that the ring's left place shows beside it.
    session.msg(f'[title="^{SETTINGS}$"] floating enable, move position 700 40')
    window = poll(lambda: ui.window(SETTINGS), "the settings window on the accessibility bus")
    ui.press(ui.find("page tab", "  Appearance  ", window))
    slider = ui.find("slider", "Circle Diameter", window)
    value = slider.queryValue()
    assert value.currentValue == RADIUS, value.currentValue
    before = session.shot("wayland-settings.png")
    value.currentValue = 220
    left_old, left_new = slot(13), slot(13, radius=220)
    session.shot_when("wayland-settings-radius.png",
                      lambda s: s.changed(before, square(*left_old, 10)) > 0.5 and
                      matches(s, square(*left_new, 10), DESKTOP) < 0.5,
                      "the ring laid out at the new diameter")
    value.currentValue = RADIUS
    ui.press(ui.find("push button", "OK", window))
    wait_for_views(session, [], "the settings window closed")


def check_monitor_off(session):
    """The compositor is asked to switch the output off, and the dock asks nothing of the user.
    sway's headless outputs cannot be powered down ("Failed to commit output"), so whether the
    output goes dark and comes back is not seen here."""
    session.click(*slot(MONITOR_OFF))
    time.sleep(2)
    assert session.views() == [], f"a message instead of the monitor off: {session.views()}"
    session.point(*AWAY)
    assert session.dpms()


def fine_detail(shot, points):
    """How much the 2x2 device pixels under each logical point differ among themselves: none
    when the compositor enlarged a picture drawn at one device pixel a point."""
    total = 0
    for x, y in points:
        block = [shot.at(2 * x + dx, 2 * y + dy) for dx in (0, 1) for dy in (0, 1)]
        for channel in range(3):
            mean = sum(p[channel] for p in block) / 4
            total += sum(abs(p[channel] - mean) for p in block)
    return total / len(points)


def check_outputs(session, rest):
    """A new output size lays the ring out again around the new centre (at the diameter the
    settings keep); at twice the density the ring is drawn at twice the pixels, as sharp as at
    one."""
    session.output("mode 1024x768")
    centre = (512, 384)
    session.shot_when("wayland-1024x768.png", lambda s: matches(
        s, square(*slot(1, centre=centre), 10), DESKTOP) < 0.3 and
        matches(s, [(5, 5), (1018, 762)], DESKTOP) == 1, "the ring around the new centre",
        width=1024)
    session.output(f"mode {WIDTH * 2}x{HEIGHT * 2} scale 2")
    title_band = [(x, y) for x in range(560, 720) for y in range(455, 475)]
    session.shot_when("wayland-scale-2.png", lambda s: matches(
        s, [(2 * x, 2 * y) for x, y in plate(SHORTCUT)], DESKTOP) < 0.2 and
        fine_detail(s, title_band) > 20, "the ring drawn at twice the pixels", scale=2)
    session.output(f"mode {WIDTH}x{HEIGHT} scale 1")
    time.sleep(1)


def quit_and_wait(session, launcher, name):
    session.request("--quit")
    status = launcher.wait(timeout=30)
    assert status == 0, f"the {name} dock ended with {status}: {session.log(name)[-3000:]}"


def check_later_starts(session, launcher):
    """The keys notice is not given again; with a shortcuts portal the desktop's presses summon
    the dock."""
    quit_and_wait(session, launcher, "first")
    second = session.start_launcher("second")
    wait_for_views(session, [STARTED], "the getting-started window again")
    time.sleep(2.5)
    assert session.views() == [STARTED], f"the notice again: {session.views()}"
    assert "bindsym Mod1+space exec" in session.log("second"), "the notice in the log"
    session.close_view(STARTED)
    rest = session.shot_when("wayland-second-start.png",
                             lambda s: matches(s, plate(SHORTCUT), DESKTOP) < 0.2 and
                             matches(s, CORNERS, DESKTOP) == 1, "the dock of the second start")
    quit_and_wait(session, second, "second")
    desktop = session.own(subprocess.Popen(["/usr/bin/python3", os.path.join(HERE,
                                                                           "fake_desktop.py")],
                                          env=session.env, stdin=subprocess.PIPE,
                                          stdout=subprocess.PIPE, text=True))
    said = Lines(desktop.stdout)
    assert said.next("the desktop's services") == "ready"
    third = session.start_launcher("third")
    lines = [said.next("the shortcuts bound and the tray icon registered").split()
             for _ in range(2)]
    bound = next(line for line in lines if line[0] == "bound")
    assert bound == ["bound", "keyboard=ALT+space", "switch=SHIFT+Tab", "minimize=CTRL+Tab"], bound
    # The tray icon registered with the panel's watcher over D-Bus, as on X11.
    assert any(line[0] == "item" for line in lines), lines
    wait_for_views(session, [STARTED], "only the getting-started window: no notice")
    session.close_view(STARTED)
    session.shot_when("wayland-portal-start.png",
                      lambda s: matches(s, plate(SHORTCUT), DESKTOP) < 0.2, "the third dock")
    desktop.stdin.write("keyboard\n")
    desktop.stdin.flush()
    session.shot_when("wayland-portal-keyboard.png", lambda s: tinted(s, rest),
                      "keyboard mode from the portal's press")
    assert "took the hot keys" in session.log("third")
    session.keys("-k", "Escape")
    quit_and_wait(session, third, "third")


def main(binary, artifacts, virtual_pointer, drag_source):
    started = time.time()
    session = SwaySession(binary, artifacts, virtual_pointer)
    try:
        tool, dropped, members = prepare_home(session)
        session.private_bus()
        launcher, rest = check_first_start(session)
        check_hover_and_menu(session, rest)
        check_keyboard_mode(session, rest, tool)
        check_search(session, rest, members)
        check_minimize_and_switch(session)
        check_esc_hides(session, rest, drag_source, dropped)
        check_settings(session, rest)
        check_monitor_off(session)
        check_outputs(session, rest)
        check_later_starts(session, launcher)
    finally:
        session.close()
    print(f"sway suite passed in {time.time() - started:.0f} s")


if __name__ == "__main__":
    arguments = sys.argv[1:]
    if "--artifacts" in arguments:
        at = arguments.index("--artifacts")
        artifacts = arguments[at + 1]
        del arguments[at:at + 2]
    else:
        artifacts = arguments[1]
    if os.getuid() == 0:
        sys.exit(run_as_user(os.path.abspath(__file__), arguments[1], arguments))
    main(arguments[0], artifacts, *arguments[2:4])
