#!/usr/bin/python3
# Reads the running program's controls over AT-SPI, as a screen reader does,
# checks the names of its focusable controls, then types a search with xdotool
# and checks that the change of the status or of the list's count was sent.
# Exit status 0 when all is as expected; each difference is printed.
import subprocess
import sys
import threading
import time

import pyatspi
from gi.repository import GLib

EXPECTED = {
    "Letters": "text",
    "Minimum letters:": "text",
    "Maximum letters:": "text",
    "About the word lists": "push button",
    "About letter points": "push button",
    "Words found": "list",
}


def announced(heard):
    """Whether the status bar's new text and the list's new count were sent."""
    return (any(h.startswith("status bar accessible-name:") and "words found out of" in h
                for h in heard) and
            any(h.startswith("list accessible-description:") and "words found, Alt+W" in h
                for h in heard))


def application():
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == "anagrove":
                return app
        time.sleep(0.1)
    sys.exit("the program is not on the accessibility bus")


def focusable(node):
    found = []
    if node.getState().contains(pyatspi.STATE_FOCUSABLE):
        found.append(node)
    for child in node:
        if child is not None:
            found.extend(focusable(child))
    return found


def main():
    faults = []
    main_window = next(w for w in application() if w.name == "Anagrove")
    controls = focusable(main_window)
    names = [c.name for c in controls]
    for control in controls:
        if not control.name:
            faults.append(f"a {control.getRoleName()} has no name")
        elif names.count(control.name) > 1:
            faults.append(f"two controls are named {control.name!r}")
    by_name = {c.name: c.getRoleName() for c in controls}
    for name, role in EXPECTED.items():
        if by_name.get(name) != role:
            faults.append(f"no {role} named {name!r} (found {by_name.get(name)!r})")

    heard = []

    def listen(event):
        source = event.source
        if source.getRoleName() in ("status bar", "list"):
            heard.append(f"{source.getRoleName()} {event.type.split(':')[-1]}: "
                         f"{source.name} / {source.description}")

    pyatspi.Registry.registerEventListener(listen, "object:property-change")

    def search():
        time.sleep(0.5)
        subprocess.run(["xdotool", "key", "--delay", "60", "alt+l", "g", "a", "r",
                        "d", "e", "n", "shift+8", "Return"], check=False)
        for _ in range(50):
            if announced(heard):
                break
            time.sleep(0.1)
        GLib.idle_add(pyatspi.Registry.stop)

    threading.Thread(target=search, daemon=True).start()
    pyatspi.Registry.start()
    if not announced(heard):
        faults.append("the search was not announced; heard: " + "; ".join(heard))
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
