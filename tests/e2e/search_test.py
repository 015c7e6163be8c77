"""Type to search in the real dock, seen through AT-SPI: in keyboard mode a key that is no ring
letter opens the search line, a program found only by a keyword of its desktop entry starts with
Enter, a group member is found by its title and a recently used file by its name, Esc clears the
line and a second Esc leaves keyboard mode; `--search TEXT` opens it from outside. What the user
started is counted in the usage file. Runs on a private session bus with its own accessibility
bus."""

import os
import subprocess
import sys
import time

import menu_file
from accessibility_support import Ui
from e2e_support import Session, marker_script, poll, ran, terminate, xdo

WORK_SLOT = 10  # a group on the ring
KEYWORD = "zebracorn"


def prepare(session):
    tools = os.path.join(session.home, "tools")
    os.makedirs(tools)
    lantern = marker_script(tools, "lantern")
    applications = os.path.join(session.home, ".local/share/applications")
    os.makedirs(applications)
    with open(os.path.join(applications, "qav-e2e-lantern.desktop"), "w") as f:
        f.write("[Desktop Entry]\nType=Application\nName=Lantern Tool\n"
                f"Keywords=glow;{KEYWORD};\nExec={lantern} --from-search\n")
    groups, records = menu_file.default_table(session.sys_icons)
    records[WORK_SLOT] = menu_file.record(Kind=menu_file.KIND_GROUP, ImageRow=WORK_SLOT,
                                          Title="Work Group",
                                          IconFile=os.path.join(session.sys_icons, "Group.png"))
    planner = marker_script(tools, "planner")
    records[129] = menu_file.program(menu_file.KIND_MEMBER, 129, planner,
                                     Title="Quarterly Planner", Arguments="from-group")
    groups[WORK_SLOT].append(129)
    menu_file.write(session.data("QAVMenu.cfg"), groups, records)
    notes = os.path.join(session.home, "notes")
    os.makedirs(notes)
    recent = os.path.join(notes, "holiday plans.txt")
    with open(recent, "w") as f:
        f.write("sea\n")
    with open(os.path.join(session.home, ".local/share/recently-used.xbel"), "w") as f:
        f.write('<?xml version="1.0" encoding="UTF-8"?>\n<xbel version="1.0">\n'
                f'<bookmark href="file://{notes}/holiday%20plans.txt" '
                'added="2026-12-01T10:00:00Z" modified="2026-12-01T10:00:00Z"/>\n</xbel>\n')
    opener = marker_script(tools, "xdg-open")
    session.env.update(PATH=tools + os.pathsep + os.environ["PATH"])
    return lantern, planner, recent, opener


class Search(Ui):
    def line(self):
        return self.find("text", "Search")

    def result(self, title, origin):
        """The result row `title`, shown as coming from `origin`."""
        return poll(lambda: self.at.findDescendant(
            self.app(), lambda a: a is not None and a.getRoleName() == "list item" and
            a.name == title and a.description == origin), f"the result {title!r} ({origin})")

    def closed(self):
        poll(lambda: self.lookup("text", "Search") is None, "the search closed")


def keyboard_mode():
    xdo("key", "alt+space")
    time.sleep(0.4)


def type_text(text):
    xdo("type", "--delay", "40", text)


def main(binary, artifacts, bus_launcher):
    session = Session(binary, artifacts)
    try:
        session.private_bus(accessibility=True, bus_launcher=bus_launcher)
        lantern, planner, recent, opener = prepare(session)
        launcher = session.start()
        ui = Search()
        time.sleep(1.5)  # the applications index is read once the dock is up

        # A letter that labels no ring place (the ring has 24) opens the search with itself;
        # the program is found only through its entry's keyword.
        keyboard_mode()
        type_text(KEYWORD)
        ui.result("Lantern Tool", "Application")
        line = ui.line()
        assert "1 result" in line.description, line.description
        session.screenshot("search-keyword.png")
        xdo("key", "Return")
        assert ran(lantern, "the program found by its keyword") == ["--from-search"]
        ui.closed()
        usage = os.path.join(session.home, ".local/state/qav-launcher/usage")
        text = poll(lambda: os.path.exists(usage) and open(usage).read(), "the usage file")
        assert "\tapplication:qav-e2e-lantern.desktop\n" in text, text

        # "/" opens an empty line; a group member is found by its title and shows its group.
        keyboard_mode()
        xdo("key", "slash")
        ui.line()
        type_text("quarterly")
        ui.result("Quarterly Planner", "Work Group")
        session.screenshot("search-member.png")
        xdo("key", "Return")
        assert ran(planner, "the group member") == ["from-group"]

        # A recent file; Esc clears the line, a second Esc leaves the search and keyboard mode.
        keyboard_mode()
        xdo("key", "slash")
        type_text("holiday")
        ui.result("holiday plans.txt", "Recent file")
        xdo("key", "Escape")
        poll(lambda: ui.line().description == "Type to search", "the line cleared")
        xdo("key", "Escape")
        ui.closed()

        # From outside, as a desktop shortcut runs it: the recent file by Alt and its letter.
        subprocess.run([binary, "--search", "holiday"], env=session.env, check=True, timeout=30)
        ui.result("holiday plans.txt", "Recent file")
        session.screenshot("search-command-line.png")
        xdo("key", "alt+0")
        assert ran(opener, "the opener of the recent file") == [recent]
        ui.closed()
        terminate(launcher)
        assert launcher.returncode == 0, launcher.returncode
    finally:
        session.close()


if __name__ == "__main__":
    main(*sys.argv[1:4])
