"""What the AT-SPI checks share: finding the program on the bus, pressing
keys as a user would and letting the answers arrive."""
import sys
import time

import pyatspi
from gi.repository import GLib


def fail(message):
    sys.exit("error: " + message)


def pump(seconds):
    """Lets the events that have arrived reach their listeners."""
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def find_program(name):
    for _ in range(200):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        time.sleep(0.1)
    fail("the program never appeared on the AT-SPI bus")


def key(keysym):
    pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
