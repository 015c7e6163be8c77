"""Ends and starts that once went wrong, on the real program: a request to end while a message
box is open (run it on the sanitizer build: the dock window used to be destroyed under its own
click handler), and a FIFO where the menu file belongs (the start used to block for good)."""

import os
import sys

import menu_file
from e2e_support import Session, poll, slot_centre, terminate, window_ids, xdo

GONE_SLOT = 4


def terminate_under_message_box(binary, artifacts):
    session = Session(binary, artifacts)
    try:
        groups, records = menu_file.default_table(session.sys_icons)
        gone = os.path.join(session.home, "removed program")
        records[GONE_SLOT] = menu_file.program(menu_file.KIND_SHORTCUT, GONE_SLOT, gone,
                                               Title="Removed")
        menu_file.write(session.data("QAVMenu.cfg"), groups, records)
        launcher = session.start()
        xdo("mousemove", *slot_centre(GONE_SLOT), "click", 1)
        poll(lambda: window_ids("Problem with Shortcut"), "the message box about the target")
        session.screenshot("terminate-under-message-box.png")
        assert terminate(launcher, timeout=20) == 0, "the program ends cleanly"
        _, saved = menu_file.read(session.data("QAVMenu.cfg"))
        assert saved[GONE_SLOT]["Title"] == "Removed"
        assert os.path.getsize(session.data("QAVCfg.cfg")) == 564
        assert menu_file.read(session.data("QAVMenu.cfg.bak"))[1] == saved
    finally:
        session.close()


def fifo_as_menu_file(binary, artifacts):
    session = Session(binary, artifacts)
    try:
        groups, records = menu_file.default_table(session.sys_icons)
        records[9]["Title"] = "Kept in the twin"
        menu_file.write(session.data("QAVMenu.cfg.bak"), groups, records)
        os.mkfifo(session.data("QAVMenu.cfg"))
        launcher = session.start()
        session.screenshot("fifo-as-menu-file.png")
        assert terminate(launcher) == 0
        _, saved = menu_file.read(session.data("QAVMenu.cfg"))
        assert saved[9]["Title"] == "Kept in the twin", "the twin stood in for the FIFO"
    finally:
        session.close()


def main(binary, artifacts):
    terminate_under_message_box(binary, artifacts)
    fifo_as_menu_file(binary, artifacts)
    print("hardening: ok")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
