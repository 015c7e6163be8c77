#!/usr/bin/env python3
"""The package on a bare Debian 12: a minimal system (debootstrap's minbase) gets the package with
`apt-get install ./qav-launcher_*.deb` and nothing else, so every program and library it needs
must come from its dependencies. Its dock then opens a web address and a folder, as a user's
click does, through the desktop's opener; recording programs stand in for the browser and the
file manager the desktop would choose.

    bare_system_test.py DEB ROOT ARTIFACTS    (as root, on an X display; ROOT is made or reused)
"""

import os
import shutil
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "e2e"))
import menu_file  # noqa: E402
from e2e_support import (dismiss_getting_started, poll, slot_centre, terminate,  # noqa: E402
                         wait_for_window, xdo)

SUITE = "bookworm"
WEB_PLACE, FOLDER_PLACE = 10, 11
WEB_ADDRESS = "https://www.example.org/qav-launcher"
HOME = "/root"
FOLDER = HOME + "/Projects"
RECORDER = """#!/bin/sh
# Stands in for the program the desktop would open this with; says what it was given.
echo "$0 $*" >> /tmp/opened
"""
HANDLERS = {"browser": ("x-scheme-handler/http", "x-scheme-handler/https"),
            "files": ("inode/directory",)}


def mirror():
    """The archive the machine itself installs from."""
    for folder, names in (("/etc/apt/sources.list.d", None), ("/etc/apt", ["sources.list"])):
        for name in names or sorted(os.listdir(folder)):
            path = os.path.join(folder, name)
            if not os.path.isfile(path):
                continue
            for line in open(path, encoding="utf-8"):
                words = line.split()
                if words[:1] == ["URIs:"] or words[:1] == ["deb"]:
                    address = words[1] if words[0] == "URIs:" else words[-3]
                    if "debian.org/debian" in address and "security" not in address:
                        return address
    return "http://deb.debian.org/debian"


def run(*command, **options):
    return subprocess.run(command, check=True, **options)


def mounted_below(root):
    prefix = os.path.realpath(root) + "/"
    with open("/proc/mounts", encoding="utf-8") as mounts:
        return [line.split()[1] for line in mounts if line.split()[1].startswith(prefix)]


def remove(root):
    """Removes a bare system, never while anything of the machine is mounted inside it."""
    left = mounted_below(root)
    assert not left, f"still mounted inside {root}: {left}"
    shutil.rmtree(root, ignore_errors=True)


def make_bare_system(root):
    """A fresh minbase system; the pristine one beside ROOT is made once and copied for each run."""
    pristine = root + ".pristine"
    if not os.path.exists(os.path.join(pristine, ".complete")):
        shutil.rmtree(pristine, ignore_errors=True)
        started = time.time()
        run("debootstrap", "--variant=minbase", SUITE, pristine, mirror(),
            stdout=subprocess.DEVNULL)
        open(os.path.join(pristine, ".complete"), "w").close()
        print(f"bare system: made in {time.time() - started:.0f} s")
    remove(root)
    run("cp", "-a", pristine, root)
    os.remove(os.path.join(root, ".complete"))


class Mounts:
    """What a program inside the system needs of the machine: devices, processes, the X socket."""

    def __init__(self, root):
        self.points = []
        for source in ("/dev", "/proc", "/sys", "/tmp/.X11-unix"):
            target = root + source
            os.makedirs(target, exist_ok=True)
            run("mount", "--bind", source, target)
            self.points.append(target)
        shutil.copy("/etc/resolv.conf", root + "/etc/resolv.conf")

    def close(self):
        for target in reversed(self.points):
            if subprocess.run(["umount", target]).returncode != 0:
                subprocess.run(["umount", "--lazy", target])


def inside(root, *command, env=None, **options):
    base = {"PATH": "/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin",
            "DEBIAN_FRONTEND": "noninteractive", "LANG": "C.UTF-8"}
    base.update(env or {})
    return ["chroot", root, "env", "-i", *(f"{k}={v}" for k, v in base.items()), *command]


def install(root, deb):
    shutil.copy(deb, root + "/tmp/")
    started = time.time()
    run(*inside(root, "apt-get", "update", "-qq"), stdout=subprocess.DEVNULL)
    run(*inside(root, "apt-get", "install", "-y", "-qq", "--no-install-recommends",
                "/tmp/" + os.path.basename(deb)), stdout=subprocess.DEVNULL)
    print(f"bare system: package and dependencies installed in {time.time() - started:.0f} s")


def write(root, path, text, mode=0o644):
    path = root + path
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)
    os.chmod(path, mode)


def prepare_home(root):
    """The recording programs as the desktop's choice for web addresses and folders, and a menu
    with a web address and a folder on the ring."""
    mime_lines = []
    for name, types in HANDLERS.items():
        write(root, f"/usr/local/bin/record-{name}", RECORDER, 0o755)
        write(root, f"{HOME}/.local/share/applications/record-{name}.desktop",
              f"[Desktop Entry]\nType=Application\nName=Record {name}\n"
              f"Exec=/usr/local/bin/record-{name} %u\nMimeType={';'.join(types)};\n")
        mime_lines += [f"{t}=record-{name}.desktop" for t in types]
    write(root, f"{HOME}/.config/mimeapps.list", "[Default Applications]\n" + "\n".join(mime_lines) + "\n")
    os.makedirs(root + FOLDER, exist_ok=True)
    groups, records = menu_file.default_table("/usr/share/qav-launcher/SysIcons")
    records[WEB_PLACE] = menu_file.record(Kind=menu_file.KIND_SHORTCUT, IconSource=2,
                                          ImageRow=WEB_PLACE, Title="Example", Path=WEB_ADDRESS,
                                          Target=WEB_ADDRESS)
    records[FOLDER_PLACE] = menu_file.record(Kind=menu_file.KIND_SHORTCUT, IconSource=2,
                                             ImageRow=FOLDER_PLACE, Title="Projects",
                                             Path=FOLDER, Target=FOLDER)
    menu_file.write(root + HOME + "/.local/share/Brevona/QAV Launcher/QAVMenu.cfg", groups, records)
    os.makedirs(root + "/tmp/run", mode=0o700, exist_ok=True)


def opened(root):
    try:
        return open(root + "/tmp/opened", encoding="utf-8").read().splitlines()
    except FileNotFoundError:
        return []


def open_both(root, artifacts):
    env = {"HOME": HOME, "DISPLAY": os.environ["DISPLAY"], "XDG_RUNTIME_DIR": "/tmp/run"}
    if os.environ.get("XAUTHORITY"):  # the display's key, where the program inside can read it
        shutil.copy(os.environ["XAUTHORITY"], root + "/tmp/xauthority")
        env["XAUTHORITY"] = "/tmp/xauthority"
    launcher = subprocess.Popen(inside(root, "/usr/bin/qav-launcher", env=env))
    try:
        wait_for_window("QAV Launcher", launcher)
        dismiss_getting_started()  # a first start shows it over the ring
        time.sleep(1)
        run("import", "-window", "root", os.path.join(artifacts, "bare-system.png"))
        for place, expected in ((WEB_PLACE, f"/usr/local/bin/record-browser {WEB_ADDRESS}"),
                                (FOLDER_PLACE, f"/usr/local/bin/record-files {FOLDER}")):
            xdo("mousemove", *slot_centre(place))
            time.sleep(0.5)
            xdo("click", 1)
            poll(lambda: expected in opened(root), f"a click on place {place} opens {expected!r}")
        assert terminate(launcher) == 0
    finally:
        if launcher.poll() is None:
            launcher.kill()


def main(deb, root, artifacts):
    os.makedirs(artifacts, exist_ok=True)
    make_bare_system(root)
    mounts = Mounts(root)
    try:
        install(root, deb)
        prepare_home(root)
        open_both(root, artifacts)
    finally:
        mounts.close()
    remove(root)
    print("bare system: ok (installed from the archive alone, opened a web address and a folder)")


if __name__ == "__main__":
    main(*sys.argv[1:4])
