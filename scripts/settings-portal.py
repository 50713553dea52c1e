#!/usr/bin/env python3
"""A desktop settings portal of our own for scripts/check-contrast.

Claims org.freedesktop.portal.Desktop on the session bus it runs on and
answers org.freedesktop.portal.Settings with the appearance given. With
--old it answers as older portals do: no ReadAll, and Read's value wrapped in
a second variant. Each line on standard input, "GROUP KEY VALUE", changes a
setting and sends SettingChanged, as a desktop does when the user flips it.

Usage: settings-portal.py [--old] GROUP KEY VALUE [GROUP KEY VALUE ...]
  VALUE is a number (sent as uint32) or true/false (sent as boolean).
"""
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

INTERFACE = "org.freedesktop.portal.Settings"


def typed(text):
    if text in ("true", "false"):
        return dbus.Boolean(text == "true")
    return dbus.UInt32(int(text))


class Settings(dbus.service.Object):
    def __init__(self, bus, settings, old):
        super().__init__(bus, "/org/freedesktop/portal/desktop")
        self.settings = settings
        self.old = old

    @dbus.service.method(INTERFACE, in_signature="as", out_signature="a{sa{sv}}")
    def ReadAll(self, groups):
        if self.old:
            raise dbus.exceptions.DBusException(
                "no ReadAll here", name="org.freedesktop.DBus.Error.UnknownMethod")
        return {group: dbus.Dictionary(values, signature="sv")
                for group, values in self.settings.items() if group in groups or not groups}

    @dbus.service.method(INTERFACE, in_signature="ss", out_signature="v")
    def Read(self, group, key):
        if key not in self.settings.get(group, {}):
            raise dbus.exceptions.DBusException(
                "no such setting", name="org.freedesktop.portal.Error.NotFound")
        value = self.settings[group][key]
        # variant_level 2: a variant holding a variant holding the value.
        return type(value)(value, variant_level=2) if self.old else value

    @dbus.service.signal(INTERFACE, signature="ssv")
    def SettingChanged(self, group, key, value):
        pass

    def change(self, line):
        group, key, text = line.split()
        self.settings.setdefault(group, {})[key] = typed(text)
        self.SettingChanged(group, key, typed(text))


def main():
    arguments = sys.argv[1:]
    old = arguments[:1] == ["--old"]
    arguments = arguments[1:] if old else arguments
    settings = {}
    for k in range(0, len(arguments), 3):
        settings.setdefault(arguments[k], {})[arguments[k + 1]] = typed(arguments[k + 2])
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    portal = Settings(bus, settings, old)
    name = dbus.service.BusName("org.freedesktop.portal.Desktop", bus)
    loop = GLib.MainLoop()

    def read_line(source, condition):
        line = sys.stdin.readline()
        if not line:
            return False  # no more changes; it serves until the bus goes

        if line.strip():
            portal.change(line)
        return True

    GLib.io_add_watch(sys.stdin, GLib.IO_IN | GLib.IO_HUP, read_line)
    print("ready", flush=True)
    loop.run()
    del name


if __name__ == "__main__":
    main()
