"""The real program on an empty home: it starts, refuses a second copy, and ends on SIGTERM with
both configuration files and their twins saved in their exact layouts."""

import os
import sys

from e2e_support import Session, i16, i32, read, terminate

SETTINGS_SIZE = 564
GROUP3_SIZE = 2 + 4 + 4 + 1025 * 4 + 4
GROUP_SIZE = 2 + 4 + 4 + 37 * 4 + 4
RECORDS_AT = GROUP3_SIZE + 33 * GROUP_SIZE
RECORD_SIZE = 1297
MENU_SIZE = RECORDS_AT + 1025 * RECORD_SIZE


def check_settings(data):
    assert len(data) == SETTINGS_SIZE, len(data)
    # 1366x768 at 96 dpi: 15 twips a pixel, ring radius 300, 24 icons (index 4).
    assert [i32(data, o) for o in (0, 4, 8, 12, 16)] == [48, 128, 64, 300, 4]
    assert data[20:24] == bytes([0, 0, 0, 192])
    assert i16(data, 26) == -1, "auto-run is on by default"
    assert data[28:283] == b" " * 255, "no user picture yet"
    assert i32(data, 542) == (1366 * 15 - 6240) // 2
    assert i32(data, 546) == 768 * 15 - 1035
    assert i32(data, 550) == 0


def check_menu(data):
    assert len(data) == MENU_SIZE == 1338885, len(data)
    assert i16(data, 0) == 1 and i32(data, 2) == 1025 and i32(data, 6) == 0
    assert i32(data, 10) == 3, "element 0 of group 3 is its own record"
    for g in range(4, 37):
        at = GROUP3_SIZE + (g - 4) * GROUP_SIZE
        assert (i16(data, at), i32(data, at + 2), i32(data, at + 6)) == (1, 37, 0), g
        assert i32(data, at + 10) == g, g
    for r in range(1, 1025):
        # Each record's picture row is its own, or the fallback row of a record without a picture.
        # The recycle bin shows the row of its current face, template 37 (empty) or 38 (full).
        expected = (37, 38) if r == 2 else (r, 39, 40, 41)
        assert i32(data, RECORDS_AT + r * RECORD_SIZE + 13) in expected, r


def check_reloaded_menu(before, after):
    """A second start keeps the groups and every record's texts; free dock places come back as
    blank ones (kind 2)."""
    check_menu(after)
    assert after[:RECORDS_AT] == before[:RECORDS_AT]
    for r in range(1025):
        at = RECORDS_AT + r * RECORD_SIZE
        for offset, size in ((17, 255), (272, 128), (910, 255), (1165, 128)):
            assert after[at + offset:at + offset + size] == before[at + offset:at + offset + size]
        if r <= 36 and i32(before, at) == 0:
            assert i32(after, at) == 2, r


def main(binary, artifacts):
    session = Session(binary, artifacts)
    try:
        # The first start shows the getting-started window over the dock; left open, since
        # closing it stores its page.
        launcher = session.start(dismiss_started=False)
        session.screenshot("startup.png")

        assert session.run_once() == 0, "a second copy hands over to the dock and ends"
        assert not os.path.exists(session.data("QAVCfg.cfg")), "nothing saved before the exit"

        assert terminate(launcher) == 0
        settings = read(session.data("QAVCfg.cfg"))
        menu = read(session.data("QAVMenu.cfg"))
        assert read(session.data("QAVCfg.cfg.bak")) == settings
        assert read(session.data("QAVMenu.cfg.bak")) == menu
        check_settings(settings)
        check_menu(menu)
        assert not os.path.exists(session.config("autostart/qav-launcher.desktop")), \
            "the first start registers nothing"

        # The saved settings ask for auto-start: the second start registers this program.
        launcher = session.start()
        entry = open(session.config("autostart/qav-launcher.desktop")).read()
        assert f"Exec={binary}\n" in entry, entry
        registry = open(session.config("Brevona/QAV Launcher/registry.reg")).read()
        assert f'"APP_PATH"="{binary}"' in registry, registry
        assert terminate(launcher) == 0
        check_reloaded_menu(menu, read(session.data("QAVMenu.cfg")))
    finally:
        session.close()
    print("startup and shutdown: ok")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
