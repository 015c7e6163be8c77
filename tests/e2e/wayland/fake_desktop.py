"""The desktop's services of the test's own on the session bus: a global-shortcuts portal that
answers as KDE Plasma's or GNOME's does (a session, the shortcuts bound as asked, and a press of
one whenever a line with its id arrives on standard input), and a StatusNotifierItem watcher
with a host, as a panel's tray has. Writes "bound <id>=<trigger> ..." on standard output once the
program has bound its shortcuts, and "item <service>" when a tray icon registers. Runs with the
system python (python3-dbus, python3-gi)."""

import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

PATH = "/org/freedesktop/portal/desktop"
SHORTCUTS = "org.freedesktop.portal.GlobalShortcuts"


def sender_part(sender):
    return sender[1:].replace(".", "_")


class Request(dbus.service.Object):
    @dbus.service.signal("org.freedesktop.portal.Request", signature="ua{sv}")
    def Response(self, response, results):
        pass


class Portal(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, PATH)
        self.bus = bus
        self.session = None
        self.requests = []

    def answer(self, sender, options, results):
        path = f"{PATH}/request/{sender_part(sender)}/{options['handle_token']}"
        request = Request(self.bus, path)
        self.requests.append(request)
        # After the reply that names the request, as the real portal answers.
        GLib.idle_add(lambda: request.Response(dbus.UInt32(0), results) and False)
        return dbus.ObjectPath(path)

    @dbus.service.method("org.freedesktop.DBus.Properties", in_signature="ss",
                         out_signature="v")
    def Get(self, interface, name):
        return dbus.UInt32(1)

    @dbus.service.method(SHORTCUTS, in_signature="a{sv}", out_signature="o",
                         sender_keyword="sender")
    def CreateSession(self, options, sender):
        self.session = f"{PATH}/session/{sender_part(sender)}/{options['session_handle_token']}"
        return self.answer(sender, options, {"session_handle": self.session})

    @dbus.service.method(SHORTCUTS, in_signature="oa(sa{sv})sa{sv}", out_signature="o",
                         sender_keyword="sender")
    def BindShortcuts(self, session, shortcuts, parent, options, sender):
        bound = " ".join(f"{i}={p.get('preferred_trigger', '')}" for i, p in shortcuts)
        print(f"bound {bound}", flush=True)
        return self.answer(sender, options, {"shortcuts": shortcuts})

    @dbus.service.signal(SHORTCUTS, signature="osta{sv}")
    def Activated(self, session, shortcut, timestamp, options):
        pass


WATCHER = "org.kde.StatusNotifierWatcher"
# Qt reads the watcher's properties through its introspection, which dbus-python does not
# write for properties.
WATCHER_XML = f"""<node><interface name="{WATCHER}">
<method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
<method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
<signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
<property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
<property name="ProtocolVersion" type="i" access="read"/>
<property name="RegisteredStatusNotifierItems" type="as" access="read"/>
</interface><interface name="org.freedesktop.DBus.Properties">
<method name="Get"><arg type="s" direction="in"/><arg type="s" direction="in"/>
<arg type="v" direction="out"/></method>
<method name="GetAll"><arg type="s" direction="in"/><arg type="a{{sv}}" direction="out"/></method>
</interface></node>"""


class Watcher(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, "/StatusNotifierWatcher")
        self.items = []

    @dbus.service.method(WATCHER, in_signature="s", sender_keyword="sender")
    def RegisterStatusNotifierItem(self, service, sender):
        self.items.append(service if service.startswith(":") or "." in service else sender)
        print(f"item {service}", flush=True)
        self.StatusNotifierItemRegistered(service)

    @dbus.service.method(WATCHER, in_signature="s")
    def RegisterStatusNotifierHost(self, service):
        pass

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemRegistered(self, service):
        pass

    @dbus.service.method("org.freedesktop.DBus.Introspectable", out_signature="s")
    def Introspect(self):
        return WATCHER_XML

    @dbus.service.method("org.freedesktop.DBus.Properties", in_signature="ss",
                         out_signature="v")
    def Get(self, interface, name):
        return self.GetAll(interface)[name]

    @dbus.service.method("org.freedesktop.DBus.Properties", in_signature="s",
                         out_signature="a{sv}")
    def GetAll(self, interface):
        return {"IsStatusNotifierHostRegistered": True, "ProtocolVersion": dbus.Int32(0),
                "RegisteredStatusNotifierItems": dbus.Array(self.items, signature="s")}


def main():
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    portal = Portal(bus)
    name = dbus.service.BusName("org.freedesktop.portal.Desktop", bus)
    watcher = Watcher(bus)
    watcher_name = dbus.service.BusName(WATCHER, bus)

    def on_line(source, condition):
        line = sys.stdin.readline()
        if not line:
            loop.quit()
            return False
        if portal.session:
            portal.Activated(dbus.ObjectPath(portal.session), line.strip(), dbus.UInt64(1), {})
        return True

    loop = GLib.MainLoop()
    GLib.io_add_watch(sys.stdin, GLib.IO_IN | GLib.IO_HUP, on_line)
    print("ready", flush=True)
    loop.run()
    del name, watcher_name


if __name__ == "__main__":
    main()
