"""The command line against the real dock: a second plain start brings a minimized dock up, the
actions drive it as the hot keys do, a backup and restore of the shortcuts and icons with the
user's own pictures goes through the running dock byte for byte, and --quit ends the dock with
both files saved. Every request that opens a window is answered at once, and a caller that is
gone before the window closes (killed, or hanging up at once) leaves the dock unharmed. A folder
at the lock's name and a file at the socket's are moved aside: one dock runs and it listens. A
flood of silent connections beyond the dock's descriptor limit neither makes it spin nor costs
it its saves. A failure says why on a second line. The command users start loads no toolkit."""

import os
import resource
import signal
import socket
import subprocess
import sys
import time

import menu_file
from e2e_support import (CENTRE, Session, keyboard_tint, poll, read, slot_centre, square,
                         window_ids)

WINDOWS = {"about": "About QAV Launcher", "settings": "QAV Launcher - Settings"}

OWN_SLOTS = (4, 5)


class Backdrop:
    """The virtual screen with nothing on it."""

    def at(self, x, y):
        return (128, 128, 128)


def run(session, *options):
    done = subprocess.run([session.binary, *options], env=session.env, capture_output=True,
                          text=True, timeout=60)
    return done.returncode, done.stdout, done.stderr


def own_picture(path, colour):
    subprocess.run(["convert", "-size", "48x48", f"xc:{colour}", "-fill", "white", "-draw",
                    "circle 24,24 24,10", path], check=True)
    return path


def prepare_home(session):
    pictures = os.path.join(session.home, "my pictures")
    os.makedirs(pictures)
    groups, records = menu_file.default_table(session.sys_icons)
    own = {}
    for slot, colour in zip(OWN_SLOTS, ("#c02020", "#2040c0")):
        own[slot] = own_picture(os.path.join(pictures, f"own {slot}.png"), colour)
        records[slot] = menu_file.program(menu_file.KIND_SHORTCUT, slot, "/bin/true", IconSource=2,
                                          Title=f"Own {slot}", CustomIcon=own[slot])
    menu_file.write(session.data("QAVMenu.cfg"), groups, records)
    return {slot: read(path) for slot, path in own.items()}


def files_of(folder):
    """Every file under `folder` with its bytes and time of change."""
    found = {}
    for root, _, names in os.walk(folder):
        for name in names:
            path = os.path.join(root, name)
            if os.path.isfile(path):
                found[path] = (read(path), os.stat(path).st_mtime_ns)
    return found


def hang_up_at_once(session, line):
    """The exact request a caller sends, then gone before any answer."""
    peer = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    peer.connect(os.path.join(session.env["XDG_RUNTIME_DIR"], "qav-launcher.socket"))
    peer.sendall((line + "\n").encode())
    peer.close()


def close_window(title):
    """Closes the window the way its own Esc key does."""
    ids = poll(lambda: window_ids(title), f"the window {title!r}")
    subprocess.run(["xdotool", "windowfocus", "--sync", ids[0], "key", "Escape"],
                   capture_output=True)
    poll(lambda: not window_ids(title), f"the window {title!r} closed")


def callers_that_vanish(session, backup):
    """Each verb that opens a window, asked by a caller killed at once and by one that hangs up:
    the answer never waits for the window, and closing it afterwards hurts nothing."""
    for verb, title in WINDOWS.items():
        started = time.monotonic()
        code, _, err = run(session, f"--{verb}")
        assert code == 0 and time.monotonic() - started < 3, (verb, err)
        close_window(title)
        caller = subprocess.Popen([session.binary, f"--{verb}"], env=session.env)
        time.sleep(0.02)
        caller.send_signal(signal.SIGKILL)
        caller.wait()
        hang_up_at_once(session, f"QAV1 {verb}")
        # Both requests are read before this one's answer comes, and carried out right after.
        assert run(session, "--show")[0] == 0
        time.sleep(0.5)
        close_window(title)
        assert run(session, "--show")[0] == 0, f"the dock answers after {verb}"
    # A restore runs, and its answer goes nowhere. Meanwhile the dock turns other data operations
    # away as busy; then it takes them again.
    hang_up_at_once(session, f"QAV1 restore-icons {backup}")

    def backed_up():
        code, out, err = run(session, "--backup-icons", backup + ".again")
        assert code == 0 or "busy" in err, err
        return code == 0 and "Successfully" in out
    poll(backed_up, "a backup after the restore nobody waited for")


def planted_lock_and_socket(session):
    """A folder where the lock belongs and a file where the socket belongs, both the user's own:
    moved aside and kept, and the one dock that starts listens."""
    runtime = session.env["XDG_RUNTIME_DIR"]
    os.remove(os.path.join(runtime, "qav-launcher.lock"))  # the last dock's, a plain file
    os.makedirs(os.path.join(runtime, "qav-launcher.lock"))
    with open(os.path.join(runtime, "qav-launcher.socket"), "w") as planted:
        planted.write("the user's own")
    launcher = session.start()
    assert os.path.isdir(os.path.join(runtime, "qav-launcher.lock.aside-1"))
    assert read(os.path.join(runtime, "qav-launcher.socket.aside-1")) == b"the user's own"
    dock = os.path.join(os.path.dirname(session.binary), "qav-launcher-dock")
    second = subprocess.run([dock, "--show"], env=session.env, capture_output=True, timeout=30)
    assert second.returncode == 0, "a second dock program only asked the first one"
    assert launcher.poll() is None
    return launcher


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def idle_flood(session):
    """1,100 connections that say nothing, against a dock whose descriptor limit is lowered below
    that: the dock does not spin, answers a request meanwhile and saves both files at its end."""
    limit = 256
    process = session.own(subprocess.Popen(
        [session.binary], env=session.env,
        preexec_fn=lambda: resource.setrlimit(resource.RLIMIT_NOFILE, (limit, limit))))
    path = os.path.join(session.env["XDG_RUNTIME_DIR"], "qav-launcher.socket")
    poll(lambda: os.path.exists(path) and run(session, "--show")[0] == 0, "the dock answering")
    soft, hard = resource.getrlimit(resource.RLIMIT_NOFILE)
    resource.setrlimit(resource.RLIMIT_NOFILE, (min(hard, 4096), hard))
    silent = []
    try:
        for _ in range(1100):
            peer = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
            peer.setblocking(False)
            peer.connect_ex(path)
            silent.append(peer)
        time.sleep(1)
        before, started = cpu_seconds(process.pid), time.monotonic()
        time.sleep(2)
        busy = (cpu_seconds(process.pid) - before) / (time.monotonic() - started)
        assert busy < 0.5, f"the dock spins at {busy:.0%} of a core"
        began = time.monotonic()
        code, _, err = run(session, "--show")
        assert code == 0 and time.monotonic() - began < 5, err
        code, _, err = run(session, "--quit")
        assert code == 0, err
        assert process.wait(timeout=30) == 0
    finally:
        for peer in silent:
            peer.close()
        resource.setrlimit(resource.RLIMIT_NOFILE, (soft, hard))
    for name in ("QAVCfg.cfg", "QAVMenu.cfg"):
        assert read(session.data(name)) == read(session.data(name + ".bak")), name


def loads_no_toolkit(session):
    """The command users start maps no Qt library, also for --help."""
    for options in (["--help"], ["--show"]):
        traced = subprocess.run(["env", "LD_DEBUG=libs", session.binary, *options],
                                env=session.env, capture_output=True, text=True, timeout=30)
        assert "libQt6" not in traced.stderr, options


def no_display(session):
    """--help-all answers without a display or any file; the dock itself, without a display,
    ends with one line and status 1 instead of the toolkit's abort."""
    def saved():  # the runtime folder's lock is no saved file
        runtime = os.path.join(session.home, "run")
        return {k: v for k, v in files_of(session.home).items() if not k.startswith(runtime)}
    before = saved()
    code, out, _ = run(session, "--help-all")
    assert code == 0 and "--keyboard" in out and "-platform <name>" in out, out
    bare = {k: v for k, v in session.env.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    for display in (None, ":97"):  # no display named, and one nobody serves
        env = dict(bare, **({"DISPLAY": display} if display else {}))
        done = subprocess.run([session.binary], env=env, capture_output=True, text=True,
                              timeout=60)
        assert done.returncode == 1, (display, done.returncode, done.stderr)
        assert done.stderr.count("\n") == 1 and "no display" in done.stderr, done.stderr
    assert saved() == before, "nothing was written without a display"


def main(binary, artifacts):
    session = Session(binary, artifacts)
    shot, shot_when = session.shot, session.shot_when
    try:
        own = prepare_home(session)
        code, out, _ = run(session, "--help")
        assert code == 0 and "--keyboard" in out and "--restore-icons <file>" in out, out
        code, _, err = run(session, "--quit")
        assert code != 0 and err.count("\n") == 1 and "No QAV Launcher dock" in err, err
        no_display(session)

        launcher = session.start()
        corner = square(20, 300, 6)
        centre = square(*CENTRE, 10)
        # At rest the whole ring shows: the blank place of slot 14 is no longer the plain grey
        # of the virtual screen.
        rest = shot_when("cli-rest.png", lambda s: s.brightness(centre) > 150 and
                         s.changed(Backdrop(), square(*slot_centre(14), 10)) > 0.5,
                         "the dock at rest")

        assert run(session, "--minimize")[0] == 0
        minimized = shot_when("cli-minimized.png", lambda s: s.brightness(centre) > 150,
                              "the dock minimized by --minimize")
        # A second plain start brings the dock up, as Alt+Space does, and ends at once.
        before = files_of(session.home)
        assert run(session)[0] == 0
        shot_when("cli-second-start.png",
                  lambda s: s.changed(minimized, square(*slot_centre(5), 10)) > 0.5 and
                  keyboard_tint(rest, corner)(s),
                  "the minimized dock up in keyboard mode after a second start")
        assert files_of(session.home) == before, "the second start touched no file"

        # --keyboard again, while keyboard mode lasts, hides the dock; --switch brings it back.
        assert run(session, "--keyboard")[0] == 0
        shot_when("cli-keyboard-hidden.png", lambda s: s.changed(rest, corner) == 0 and
                  s.brightness(centre) < rest.brightness(centre) - 40, "the dock hidden")
        assert run(session, "--switch")[0] == 0
        ring = square(*slot_centre(5), 10) + square(*slot_centre(14), 10)
        shot_when("cli-switched.png", lambda s: s.changed(rest, ring) < 0.05,
                  "the dock back after --switch")
        assert run(session, "--keyboard")[0] == 0
        shot_when("cli-keyboard.png", keyboard_tint(rest, corner), "keyboard mode after --keyboard")

        # The shortcuts and icons through the running dock, own pictures included: backed up,
        # reset away and restored. The restore moves the pictures into the icon store, so the
        # records name them there; the pictures themselves come back byte for byte, and from then
        # on a backup of the restored menu is the same file, byte for byte.
        backups = [os.path.join(session.home, f"icons {n}.bak") for n in range(3)]
        code, out, _ = run(session, "--backup-icons", backups[0])
        assert code == 0 and out == "Backup Shortcuts & Icons Successfully!\n", out
        for slot, picture in own.items():
            assert picture in read(backups[0]), f"the own picture of slot {slot} is in the backup"
        code, out, _ = run(session, "--reset-shortcuts")
        assert code == 0 and "Reset all default shortcuts & icons successfully!" in out, out
        assert run(session, "--backup-icons", backups[1])[0] == 0
        assert not any(p in read(backups[1]) for p in own.values()), "the reset left a picture"
        os.remove(backups[1])
        code, out, _ = run(session, "--restore-icons", backups[0])
        assert code == 0 and "Restore Shortcuts & Icons Successfully!" in out, out
        assert run(session, "--backup-icons", backups[1])[0] == 0
        assert read(backups[1])[menu_file.FILE_SIZE:] == read(backups[0])[menu_file.FILE_SIZE:], \
            "the restored pictures back up byte for byte"
        assert run(session, "--restore-icons", backups[1])[0] == 0
        assert run(session, "--backup-icons", backups[2])[0] == 0
        assert read(backups[2]) == read(backups[1]), "a second round trip changes no byte"
        none = os.path.join(session.home, "none.bak")
        code, _, err = run(session, "--restore-config", none)
        assert code == 1 and err == ("qav-launcher: Restore Configuration failed!\n"
                                     f"qav-launcher: no such file: {none}\n"), err
        code, _, err = run(session, "--backup-icons", os.path.join(session.home, "gone", "x.bak"))
        assert code == 1 and err.endswith(" does not exist\n"), err
        callers_that_vanish(session, backups[0])
        loads_no_toolkit(session)

        assert run(session, "--quit")[0] == 0
        assert launcher.wait(timeout=30) == 0
        for name in ("QAVCfg.cfg", "QAVMenu.cfg"):
            assert read(session.data(name)) == read(session.data(name + ".bak")), name
        _, records = menu_file.read(session.data("QAVMenu.cfg"))
        for slot, picture in own.items():
            assert read(records[slot]["CustomIcon"].strip()) == picture, slot
        assert run(session, "--quit")[0] != 0, "no dock runs any more"

        # Without a dock the data operations work on the files; --settings starts a dock first.
        offline = os.path.join(session.home, "offline.bak")
        code, out, err = run(session, "--backup-icons", offline)
        assert code == 0 and out == "Backup Shortcuts & Icons Successfully!\n", (out, err)
        assert read(offline) == read(backups[2]), "the files hold what the dock saved"
        code, _, err = run(session, "--restore-icons", none)
        assert code == 1 and err == ("qav-launcher: Restore all shortcuts & icons failed!\n"
                                     f"qav-launcher: no such file: {none}\n"), err
        launcher = session.start(False, ["--settings"], "QAV Launcher - Settings")
        shot("cli-settings-started.png")
        assert run(session, "--quit")[0] == 0
        assert launcher.wait(timeout=30) == 0

        launcher = planted_lock_and_socket(session)
        assert run(session, "--quit")[0] == 0
        assert launcher.wait(timeout=30) == 0
        idle_flood(session)
    finally:
        session.close()


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
