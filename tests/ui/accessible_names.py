#!/usr/bin/python3
# Reads the running program's controls over AT-SPI, as a screen reader does,
# checks the names of its focusable controls, then types a search with xdotool
# and checks that the change of the status or of the list's count was sent;
# last, opens the language menu with Shift+F10 on a dictionary option, reads its
# entries, chooses Spanish and reads the tile row's buttons.
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


def every(node):
    yield node
    for child in node:
        if child is not None:
            yield from every(child)


def named(role_names, name):
    """The program's node of one of the roles with that name, waiting for it."""
    for _ in range(30):
        for node in every(application()):
            if node.name == name and node.getRoleName() in role_names:
                return node
        time.sleep(0.1)
    return None


def languages(faults):
    """The language menu as its entries take the focus (a popup menu is no
    child of the program's node, so a screen reader hears it only so), then,
    with Spanish chosen, the tile row's buttons by their names."""
    heard = []

    def listen(event):
        if event.detail1 and event.source.getRoleName() in ("menu item", "check menu item",
                                                           "radio menu item"):
            heard.append((event.source.parent.name, event.source.name))

    pyatspi.Registry.registerEventListener(listen, "object:state-changed:focused")

    def keys(*names):
        subprocess.run(["xdotool", "key", "--delay", "150", *names], check=False)

    def choose():
        time.sleep(0.5)
        keys("alt+r", "shift+F10")
        time.sleep(0.5)
        keys(*(["Down"] * 11))
        time.sleep(0.5)
        keys("Escape")
        time.sleep(0.3)
        keys("shift+F10")
        time.sleep(0.5)
        keys("Down", "Down", "Return")
        time.sleep(2)  # the small window's list loads on a thread
        GLib.idle_add(pyatspi.Registry.stop)

    threading.Thread(target=choose, daemon=True).start()
    pyatspi.Registry.start()
    menus = {menu for menu, _ in heard}
    entries = [entry for _, entry in heard]
    if menus != {"Languages and word lists"} or entries[:11] != [
            "English", "Espa\u00f1ol", "Fran\u00e7ais", "Deutsch", "Polski", "Catal\u00e0",
            "Nederlands", "Portugu\u00eas", "Portugu\u00eas do Brasil", "Italiano",
            "Open Word List\u2026"]:
        faults.append(f"the language menu was heard as {heard!r}")
    row = named(("filler", "panel"), "Tiles to type")
    buttons = [b.name for b in row] if row is not None else []
    if buttons != ["Tile CH", "Tile LL", "Tile \u00d1", "Tile RR"]:
        faults.append(f"the Spanish tile row reads {buttons!r}")


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
    languages(faults)
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
