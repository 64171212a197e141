#!/usr/bin/python3
"""Prints the controls of a window as the accessibility bus shows them to a
screen reader: one line a control, "role: name", indented by depth.

    accessible_tree.py TITLE

Reads the session bus from DBUS_SESSION_BUS_ADDRESS; the programs must run
with their accessibility bridge on. Exits 1 when no window of that title is
found."""
import sys

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

ACCESSIBLE = "org.a11y.atspi.Accessible"


def connect():
    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    address = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                                None, GLib.VariantType("(s)"), 0, 5000, None).unpack()[0]
    flags = (Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
             | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
    return Gio.DBusConnection.new_for_address_sync(address, flags, None, None)


def main(title):
    bus = connect()

    def call(node, method, signature):
        return bus.call_sync(node[0], node[1], ACCESSIBLE, method, None,
                             GLib.VariantType(signature), 0, 5000, None).unpack()[0]

    def name(node):
        return bus.call_sync(node[0], node[1], "org.freedesktop.DBus.Properties", "Get",
                             GLib.Variant("(ss)", (ACCESSIBLE, "Name")), GLib.VariantType("(v)"),
                             0, 5000, None).unpack()[0]

    def lines(node, depth):
        yield "  " * depth + call(node, "GetRoleName", "(s)") + ": " + name(node)
        for child in call(node, "GetChildren", "(a(so))"):
            yield from lines(child, depth + 1)

    root = ("org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root")
    for application in call(root, "GetChildren", "(a(so))"):
        for window in call(application, "GetChildren", "(a(so))"):
            if name(window) == title:
                print("\n".join(lines(window, 0)))
                return 0
    return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
