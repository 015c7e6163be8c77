"""The launcher's windows and controls as a screen reader sees them on the accessibility bus,
found by role and name. Create a `Ui` only after `Session.private_bus(accessibility=True)`:
pyatspi connects to the bus on import. Runs with the system python (python3-pyatspi)."""

from e2e_support import poll


class Ui:
    def __init__(self):
        import pyatspi
        self.at = pyatspi

    def windows(self):
        for app in self.at.Registry.getDesktop(0):
            for window in app or []:
                if window is not None:
                    yield window

    def app(self):
        for app in self.at.Registry.getDesktop(0):
            if app is not None and app.name == "QAV Launcher":
                return app
        return None

    def window(self, title):
        return next((w for w in self.windows() if w.name == title), None)

    def lookup(self, role, name=None, within=None):
        """The first control of `role` named `name` (any name with None, or a name the
        callable `name` accepts) in `within` or the launcher, or None; does not wait."""
        root = within or self.app()
        if root is None:
            return None
        return self.at.findDescendant(
            root, lambda a: a is not None and a.getRoleName() == role and
            (name is None or (name(a.name) if callable(name) else a.name == name)))

    def find(self, role, name=None, within=None, timeout=15):
        return poll(lambda: self.lookup(role, name, within), f"{role} {name!r}", timeout)

    def gone(self, role, name):
        poll(lambda: self.lookup(role, name) is None, f"{role} {name!r} closed")

    def press(self, control, action=None):
        """Does the control's first action, or the one named `action`."""
        actions = control.queryAction()
        if action is None:
            actions.doAction(0)
            return
        names = [actions.getName(i) for i in range(actions.nActions)]
        assert action in names, names
        actions.doAction(names.index(action))

    def type_into(self, control, text):
        control.queryEditableText().setTextContents(text)

    def has_state(self, control, state):
        return control.getState().contains(state)

    def enabled(self, control):
        return self.has_state(control, self.at.STATE_ENABLED)

    def showing(self, control):
        return self.has_state(control, self.at.STATE_SHOWING)

    def answer_message(self, text, button="OK", contains=False):
        """Presses `button` on the message box that says `text` (or ends with it)."""
        def says(a):
            return a is not None and (a.name.endswith(text) if contains else a.name == text)

        box = poll(lambda: next((w for w in self.windows() if w.name == "QAV Launcher" and
                                 self.at.findDescendant(w, says)), None), f"the message {text!r}")
        self.press(self.find("push button", button, box))
