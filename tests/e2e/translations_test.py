"""The real program in the user's language, seen on the accessibility bus: under LANG=de_DE.UTF-8
the getting-started window, the ring's items (titles the core gave in English), the settings
window with its pages, controls and the Keys page (a text of the core inside a text of the
window), and a message box with Qt's own standard buttons all speak German; with LC_ALL=C.UTF-8
over the same LANG (LC_ALL comes first) the same controls have their exact English names again.
Both runs share one home, so the second reads the files the first saved: the stored titles stay
English and each run shows them in its language."""

import subprocess
import sys

from accessibility_support import Ui
from e2e_support import Session, poll, terminate

GERMAN = {
    "started": "QAV Launcher – Erste Schritte",
    "dont_show": "Nicht mehr anzeigen",
    "cancel": "Abbrechen",
    "all_programs": "Alle Programme",
    "settings": "QAV Launcher - Einstellungen",
    "tabs": ("  Allgemein  ", "  Darstellung  ", "  Tasten  "),
    "autorun": "Beim Systemstart laden",
    "diameter": "Kreisdurchmesser",
    "change_keyboard": "Ändern: Den Launcher im Tastaturmodus zeigen",
    "reset": "Alle Programmeinstellungen zurücksetzen",
    "question": "Trotzdem alle Programmeinstellungen zurücksetzen?",
    "yes_no": ("Ja", "Nein"),
}
ENGLISH = {
    "started": "QAV Launcher Getting Started",
    "dont_show": "Don't show again",
    "cancel": "Cancel",
    "all_programs": "All Programs Group",
    "settings": "QAV Launcher - Settings",
    "tabs": ("  General  ", "  Appearance  ", "  Keys  "),
    "autorun": "Load at system startup",
    "diameter": "Circle Diameter",
    "change_keyboard": "Change: Show the launcher in keyboard mode",
    "reset": "Reset all default program settings",
    "question": "Proceed anyway with resetting all default program settings?",
    "yes_no": ("Yes", "No"),
}


def client(session, option):
    done = subprocess.run([session.binary, option], env=session.env, capture_output=True,
                          text=True, timeout=60)
    assert done.returncode == 0, (option, done.stderr)


def check_run(session, ui, words, name):
    launcher = session.start(dismiss_started=False)
    try:
        # The getting-started window, its box and its buttons.
        started = ui.find("dialog", words["started"])
        ui.find("check box", words["dont_show"], started)
        ui.press(ui.find("push button", words["cancel"], started))
        ui.gone("dialog", words["started"])

        # The default groups' titles, stored in English, named in the user's language.
        dock = ui.find("list", "QAV Launcher")
        ui.find("push button", lambda n: n.startswith(words["all_programs"]), dock)

        client(session, "--settings")
        window = poll(lambda: ui.window(words["settings"]), f"the window {words['settings']!r}")
        general, appearance, keys = (ui.find("page tab", tab, window) for tab in words["tabs"])
        ui.find("check box", words["autorun"], window)
        ui.press(appearance)
        ui.find("slider", words["diameter"], window)
        ui.find("label", lambda n: n.startswith(words["diameter"] + ":  "), window)
        ui.press(keys)
        ui.find("push button", words["change_keyboard"], window)
        session.screenshot(f"translations-settings-{name}.png")

        # The core's question in a box of Qt's, with Qt's buttons; No keeps the settings.
        ui.press(general)
        ui.press(ui.find("push button", words["reset"], window))
        yes, no = words["yes_no"]
        box = poll(lambda: next((w for w in ui.windows() if w.name == "QAV Launcher" and
                                 ui.lookup("push button", yes, w)), None), f"the box with {yes!r}")
        ui.find("label", lambda n: n.endswith(words["question"]), box)
        session.screenshot(f"translations-question-{name}.png")
        ui.press(ui.find("push button", no, box))
        ui.press(ui.find("push button", "OK", window))
        poll(lambda: ui.window(words["settings"]) is None, "the settings window closed")
    finally:
        assert terminate(launcher) == 0


def main(binary, artifacts, bus_launcher="/usr/libexec/at-spi-bus-launcher"):
    session = Session(binary, artifacts)
    session.private_bus(accessibility=True, bus_launcher=bus_launcher)
    try:
        for variable in ("LC_ALL", "LC_MESSAGES", "LANGUAGE"):
            session.env.pop(variable, None)
        session.env["LANG"] = "de_DE.UTF-8"
        ui = Ui()
        check_run(session, ui, GERMAN, "de")
        session.env["LC_ALL"] = "C.UTF-8"
        check_run(session, ui, ENGLISH, "en")
    finally:
        session.close()
    print("translations: ok")


if __name__ == "__main__":
    main(*sys.argv[1:4])
