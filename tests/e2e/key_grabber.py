"""Another program that holds a key combination: grabs <modifier>+<key> on the root window and
notes every press it receives in a log file. With --check it only says whether the grab can be
taken (exit 0) or another client holds it (exit 3).

Usage: key_grabber.py control|shift|alt[+...] <keysym> <log> [--check]"""

import sys

from Xlib import X, XK, display, error

MODIFIERS = {"control": X.ControlMask, "shift": X.ShiftMask, "alt": X.Mod1Mask}


def main(modifier, keysym, log, *options):
    d = display.Display()
    root = d.screen().root
    code = d.keysym_to_keycode(XK.string_to_keysym(keysym))
    mask = 0
    for name in modifier.split("+"):
        mask |= MODIFIERS[name]
    refused = error.CatchError(error.BadAccess)
    root.grab_key(code, mask, False, X.GrabModeAsync, X.GrabModeAsync,
                  onerror=refused)
    d.sync()
    taken = not refused.get_error()
    with open(log, "a") as f:
        f.write("grabbed\n" if taken else "refused\n")
    if "--check" in options or not taken:
        return 0 if taken else 3
    while True:
        event = d.next_event()
        if event.type == X.KeyPress:
            with open(log, "a") as f:
                f.write("press\n")


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
