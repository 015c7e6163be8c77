"""The Windows build under Wine on a virtual display: the dock comes up with its pictures, a click
on a shortcut starts a Windows program with its arguments, and the menu and settings files it
saves on --quit equal, byte for byte, what the Linux build saves from the same menu file. The only
bytes allowed to differ are the picture paths that name the program's own folders (SysIcons beside
the executable, the data folder), which each system spells its own way; they are compared with
those folders replaced by a name.

Arguments: qav-launcher.exe, the screenshot folder, the marker program (.exe), the Linux
qav-launcher. WINEPREFIX, HOME, WINEPATH and QT_PLUGIN_PATH come from scripts/test-windows."""

import getpass
import os
import subprocess
import sys

import menu_file
from e2e_support import (CENTRE, Session, Shot, dismiss_getting_started, lines_of, poll, read,
                         slot_centre, square, wait_for_window, xdo)

MARKER_SLOT = 4
ARGUMENTS = 'alpha "two words"'
SETTINGS_SIZE = 564
USER_PICTURE = (28, 255)  # the settings file's copy of record 0's picture path
PICTURE_FIELDS = ("CustomIcon", "IconFile")


def windows_path(path):
    """A host path as Wine's drive Z: shows it."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def input_menu(sys_icons, sep, marker):
    """The same menu for both systems: a first start's table with the marker as a shortcut, the
    pictures named in the system's spelling. The marker's picture is a shipped one, since Linux
    finds no picture in a Windows program."""
    groups, records = menu_file.default_table(sys_icons)
    for r in records:
        if r["IconFile"]:
            r["IconFile"] = sys_icons + sep + os.path.basename(r["IconFile"])
    records[MARKER_SLOT] = menu_file.record(
        Kind=menu_file.KIND_SHORTCUT, IconSource=1, ImageRow=MARKER_SLOT, Title="Marker",
        Path=marker, Target=marker, Arguments=ARGUMENTS,
        IconFile=sys_icons + sep + "Application.png")
    return groups, records


class Saved:
    """The files one system saved, with the folders its picture paths may start with."""

    def __init__(self, data_folder, sys_icons, own_data, separator):
        self.menu = read(os.path.join(data_folder, "QAVMenu.cfg"))
        self.settings = read(os.path.join(data_folder, "QAVCfg.cfg"))
        for name in ("QAVMenu.cfg", "QAVCfg.cfg"):
            twin = read(os.path.join(data_folder, name + ".bak"))
            assert twin == read(os.path.join(data_folder, name)), f"{name}: the twin differs"
        self.sep = separator
        self.folders = {"<SysIcons>": sys_icons, "<data>": own_data}

    def normal(self, text):
        for name, folder in self.folders.items():
            if folder and text.startswith(folder):
                return name + "/" + text[len(folder):].replace(self.sep, "/")
        return text

    def fields(self):
        """(where, offset, size) of every picture path in both files."""
        spans = []
        for n in range(menu_file.RECORD_COUNT):
            for name, offset, size in menu_file.TEXTS:
                if name in PICTURE_FIELDS:
                    spans.append(("menu", f"record {n} {name}",
                                  menu_file.RECORDS_AT + n * menu_file.RECORD_SIZE + offset, size))
        spans.append(("settings", "user picture", *USER_PICTURE))
        return spans

    def compared(self):
        """Both files with the picture paths blanked, and those paths normalised."""
        files = {"menu": bytearray(self.menu), "settings": bytearray(self.settings)}
        paths = {}
        for which, what, at, size in self.fields():
            raw = bytes(files[which][at:at + size])
            paths[what] = self.normal(raw.split(b"\0", 1)[0].decode().strip(" "))
            files[which][at:at + size] = bytes(size)
        return files, paths


def compare(linux, wine):
    (linux_files, linux_paths), (wine_files, wine_paths) = linux.compared(), wine.compared()
    assert len(wine.settings) == SETTINGS_SIZE and len(wine.menu) == menu_file.FILE_SIZE
    for name in ("menu", "settings"):
        if linux_files[name] != wine_files[name]:
            at = [i for i, (a, b) in enumerate(zip(linux_files[name], wine_files[name])) if a != b]
            raise AssertionError(f"the {name} files differ at {len(at)} bytes from {at[:8]}")
    differing = {k: (linux_paths[k], wine_paths[k]) for k in linux_paths
                 if linux_paths[k] != wine_paths[k]}
    assert not differing, differing
    return sum(1 for v in wine_paths.values() if v)


def run_linux(linux_binary, artifacts, marker):
    session = Session(linux_binary, artifacts)
    try:
        sys_icons = os.path.join(os.path.dirname(linux_binary), "SysIcons")
        menu_file.write(session.data("QAVMenu.cfg"), *input_menu(sys_icons, "/", marker))
        launcher = session.start()
        subprocess.run([linux_binary, "--quit"], env=session.env, check=True, timeout=60)
        assert launcher.wait(timeout=30) == 0
        return Saved(session.data(""), sys_icons + "/", session.data(""), "/")
    finally:
        session.close()


def user():
    return os.environ.get("USER") or getpass.getuser()


def wine_data_folder():
    return os.path.join(os.environ["WINEPREFIX"], "drive_c/users", user(),
                        "AppData/Roaming/Brevona/QAV Launcher")


def run_wine(exe, artifacts, marker):
    env = dict(os.environ)
    subprocess.run(["wineboot", "--init"], env=env, check=True, stdin=subprocess.DEVNULL,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=300)
    compositor = subprocess.Popen(["xcompmgr"], stderr=subprocess.DEVNULL)
    launcher = None
    try:
        sys_icons = windows_path(os.path.join(os.path.dirname(exe), "SysIcons"))
        data = wine_data_folder()
        menu_file.write(os.path.join(data, "QAVMenu.cfg"),
                        *input_menu(sys_icons, "\\", windows_path(marker)))
        launcher = subprocess.Popen(["wine", exe], env=env)
        wait_for_window("QAV Launcher", launcher, timeout=90)
        dismiss_getting_started(timeout=20)

        def shot(name):
            path = os.path.join(artifacts, name)
            subprocess.run(["import", "-window", "root", path], check=True)
            return Shot(path)

        # The ring is drawn: the centre's picture and every slot's plate differ from the backdrop.
        def drawn():
            s = shot("wine-dock.png")
            return s.brightness(square(*CENTRE, 8)) > 150 and all(
                s.at(*slot_centre(k)) != (128, 128, 128) for k in range(1, 9))

        poll(drawn, "the dock's ring with its pictures", timeout=30)

        xdo("mousemove", *slot_centre(MARKER_SLOT), "click", 1)
        assert poll(lambda: lines_of(marker + ".out"), "the marker program ran",
                    timeout=30) == ["alpha", "two words"]
        shot("wine-launched.png")

        subprocess.run(["wine", exe, "--quit"], env=env, check=True, timeout=60)
        assert launcher.wait(timeout=60) == 0
        launcher = None
        own_data = "C:\\users\\" + user() + "\\AppData\\Roaming\\Brevona\\QAV Launcher\\"
        return Saved(data, sys_icons + "\\", own_data, "\\")
    finally:
        if launcher is not None:
            launcher.kill()
        compositor.terminate()


def main(exe, artifacts, marker, linux_binary):
    os.makedirs(artifacts, exist_ok=True)
    if os.path.exists(marker + ".out"):
        os.remove(marker + ".out")
    # Both systems store the marker under its Windows name; Linux keeps it as text.
    linux = run_linux(linux_binary, artifacts, windows_path(marker))
    wine = run_wine(exe, artifacts, marker)
    paths = compare(linux, wine)
    print(f"menu and settings files equal; {paths} picture paths equal after naming the folders")
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:5]))
