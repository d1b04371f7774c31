#!/usr/bin/python3
"""A desktop portal backend for the end-to-end tests on headless mutter.

It serves the RemoteDesktop and GlobalShortcuts backend interfaces to the
real xdg-desktop-portal frontend. The consent dialog is the only part left
out: Start is granted at once, or refused when PORTAL_TEST_REFUSE is set.
Keyboard events go on to mutter's own org.gnome.Mutter.RemoteDesktop
interface, as GNOME's backend sends them. Every call is written as a line to
the file named by PORTAL_TEST_LOG, so a test can count the questions asked.

The test drives it through org.corvinade.PortalTest on the same object:
Activate(id) emits the GlobalShortcuts Activated signal for the bound
session, CloseSessions() closes every RemoteDesktop session as a desktop
does when the user ends it, Click(x, y) clicks at a place on the screen with
mutter's virtual pointer.
"""
import os
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

BUS_NAME = "org.freedesktop.impl.portal.desktop.test"
PATH = "/org/freedesktop/portal/desktop"
REMOTE = "org.freedesktop.impl.portal.RemoteDesktop"
SHORTCUTS = "org.freedesktop.impl.portal.GlobalShortcuts"
SESSION = "org.freedesktop.impl.portal.Session"
CONTROL = "org.corvinade.PortalTest"
MUTTER = "org.gnome.Mutter.RemoteDesktop"
KEYBOARD = 1


def log(line):
    with open(os.environ["PORTAL_TEST_LOG"], "a", encoding="utf-8") as out:
        out.write(line + "\n")


class Session(dbus.service.Object):
    def __init__(self, backend, path, kind):
        super().__init__(backend.bus, path)
        self.backend = backend
        self.path = path
        self.kind = kind
        self.mutter = None  # mutter's session object, once started

    @dbus.service.method(SESSION, in_signature="", out_signature="")
    def Close(self):
        log("close " + self.kind)
        self.end()

    @dbus.service.signal(SESSION, signature="")
    def Closed(self):
        pass

    def end(self):
        if self.mutter is not None:
            try:
                self.mutter.Stop(dbus_interface=MUTTER + ".Session")
            except dbus.DBusException:
                pass
            self.mutter = None
        self.backend.sessions.pop(self.path, None)
        self.remove_from_connection()


class Base(dbus.service.Object):
    """What both interfaces share: the sessions and mutter's sessions."""

    def __init__(self, bus):
        super().__init__(bus, PATH)
        self.bus = bus
        self.sessions = {}
        self.shortcuts_session = None
        self.pointer = None  # a mutter session of our own for Click

    def mutter_session(self):
        desktop = self.bus.get_object(MUTTER, "/org/gnome/Mutter/RemoteDesktop")
        path = desktop.CreateSession(dbus_interface=MUTTER)
        session = self.bus.get_object(MUTTER, path)
        session.Start(dbus_interface=MUTTER + ".Session")
        return session


class RemoteDesktop(Base):
    @dbus.service.method(REMOTE, in_signature="oosa{sv}", out_signature="ua{sv}")
    def CreateSession(self, handle, session_handle, app_id, options):
        log("remote create")
        self.sessions[str(session_handle)] = Session(self, str(session_handle), "remote")
        return dbus.UInt32(0), {"session_id": str(session_handle)}

    @dbus.service.method(REMOTE, in_signature="oosa{sv}", out_signature="ua{sv}")
    def SelectDevices(self, handle, session_handle, app_id, options):
        log("remote select types=%d" % int(options.get("types", 0)))
        return dbus.UInt32(0), dbus.Dictionary({}, signature="sv")

    @dbus.service.method(REMOTE, in_signature="oossa{sv}", out_signature="ua{sv}")
    def Start(self, handle, session_handle, app_id, parent_window, options):
        if os.environ.get("PORTAL_TEST_REFUSE"):
            log("remote start refused")
            return dbus.UInt32(1), dbus.Dictionary({}, signature="sv")
        session = self.sessions.get(str(session_handle))
        if session is None:
            return dbus.UInt32(2), dbus.Dictionary({}, signature="sv")
        session.mutter = self.mutter_session()
        log("remote start granted")
        return dbus.UInt32(0), {"devices": dbus.UInt32(KEYBOARD)}

    @dbus.service.method(REMOTE, in_signature="oa{sv}iu", out_signature="")
    def NotifyKeyboardKeysym(self, session_handle, options, keysym, state):
        session = self.sessions.get(str(session_handle))
        log("keysym 0x%x %d" % (int(keysym) & 0xFFFFFFFF, int(state)))
        if session is not None and session.mutter is not None:
            session.mutter.NotifyKeyboardKeysym(dbus.UInt32(int(keysym) & 0xFFFFFFFF), bool(state),
                                                dbus_interface=MUTTER + ".Session")


class GlobalShortcuts(Base):
    @dbus.service.method(SHORTCUTS, in_signature="oosa{sv}", out_signature="ua{sv}")
    def CreateSession(self, handle, session_handle, app_id, options):
        log("shortcuts create")
        self.sessions[str(session_handle)] = Session(self, str(session_handle), "shortcuts")
        return dbus.UInt32(0), dbus.Dictionary({}, signature="sv")

    @dbus.service.method(SHORTCUTS, in_signature="ooa(sa{sv})sa{sv}", out_signature="ua{sv}")
    def BindShortcuts(self, handle, session_handle, shortcuts, parent_window, options):
        bound = []
        for shortcut_id, props in shortcuts:
            trigger = str(props.get("preferred_trigger", ""))
            log("bind %s trigger=%s" % (shortcut_id, trigger))
            bound.append(dbus.Struct((shortcut_id, {"description": props.get("description", ""),
                                                    "trigger_description": "Press " + trigger}),
                                     signature="sa{sv}"))
        self.shortcuts_session = str(session_handle)
        return dbus.UInt32(0), {"shortcuts": dbus.Array(bound, signature="(sa{sv})")}

    @dbus.service.method(SHORTCUTS, in_signature="oo", out_signature="ua{sv}")
    def ListShortcuts(self, handle, session_handle):
        return dbus.UInt32(0), {"shortcuts": dbus.Array([], signature="(sa{sv})")}

    @dbus.service.signal(SHORTCUTS, signature="osta{sv}")
    def Activated(self, session_handle, shortcut_id, timestamp, options):
        pass

    @dbus.service.signal(SHORTCUTS, signature="osta{sv}")
    def Deactivated(self, session_handle, shortcut_id, timestamp, options):
        pass


# Both interfaces name a method CreateSession: dbus-python finds each by the
# interface a call names, walking the classes in this order.
class Backend(RemoteDesktop, GlobalShortcuts):
    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        return self.GetAll(interface)[name]

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        if interface == REMOTE:
            return {"AvailableDeviceTypes": dbus.UInt32(KEYBOARD | 2), "version": dbus.UInt32(1)}
        if interface == SHORTCUTS:
            return {"version": dbus.UInt32(1)}
        return {}

    # ---- the test's controls
    @dbus.service.method(CONTROL, in_signature="s", out_signature="")
    def Activate(self, shortcut_id):
        if self.shortcuts_session is None:
            raise dbus.DBusException("no shortcuts are bound")
        stamp = dbus.UInt64(GLib.get_monotonic_time() // 1000)
        none = dbus.Dictionary({}, signature="sv")
        self.Activated(dbus.ObjectPath(self.shortcuts_session), shortcut_id, stamp, none)
        self.Deactivated(dbus.ObjectPath(self.shortcuts_session), shortcut_id, stamp, none)

    @dbus.service.method(CONTROL, in_signature="", out_signature="")
    def CloseSessions(self):
        for session in list(self.sessions.values()):
            if session.kind == "remote":
                session.Closed()
                session.end()

    @dbus.service.method(CONTROL, in_signature="dd", out_signature="")
    def Click(self, x, y):
        if self.pointer is None:
            self.pointer = self.mutter_session()
        iface = MUTTER + ".Session"
        # Relative motion only (absolute motion needs a screen cast stream):
        # far into the top left corner first, then to the place.
        self.pointer.NotifyPointerMotionRelative(dbus.Double(-10000), dbus.Double(-10000), dbus_interface=iface)
        self.pointer.NotifyPointerMotionRelative(dbus.Double(x), dbus.Double(y), dbus_interface=iface)

        # A hand's pace: the window sees the pointer arrive, then the press,
        # then the release.
        def button(pressed):
            self.pointer.NotifyPointerButton(dbus.Int32(0x110), pressed, dbus_interface=iface)
            return GLib.SOURCE_REMOVE

        GLib.timeout_add(50, button, True)
        GLib.timeout_add(100, button, False)


def main():
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    backend = Backend(bus)
    # Headless mutter has no keyboard of its own, and without one no window
    # is ever active: the test's pointer session brings one from the start.
    backend.pointer = backend.mutter_session()
    for state in (True, False):
        backend.pointer.NotifyKeyboardKeysym(dbus.UInt32(0xFFE1), state, dbus_interface=MUTTER + ".Session")
    name = dbus.service.BusName(BUS_NAME, bus, do_not_queue=True)  # noqa: F841
    log("ready")
    GLib.MainLoop().run()


if __name__ == "__main__":
    sys.exit(main())
