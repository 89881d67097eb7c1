#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads the running flexedit through AT-SPI, as a screen reader does: waits for the program on
# the accessibility bus, shows the raw previews and opens the label dialog through the
# check boxes' own actions, then lists every window's tree. Fails when a control or an object
# showing data has no name, when two objects of one role in one window share a name, or when
# a preview's text cannot be read.
import re
import sys
import time

import pyatspi

CONTAINERS = {"filler", "menu bar", "scroll bar", "separator"}


def find_app(name, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    sys.exit(f"{name} did not show on the accessibility bus")


def walk(node, depth=0):
    yield node, depth
    for i in range(node.childCount):
        child = node[i]
        if child is not None:
            yield from walk(child, depth + 1)


def named(app, role, name):
    for node, _ in walk(app):
        if node.getRoleName() == role and node.name == name:
            return node
    sys.exit(f"no {role} named {name!r}")


def press(node):  # as a screen reader's "Toggle" does
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(names.index("Toggle") if "Toggle" in names else 0)
    time.sleep(0.5)


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def main():
    app = find_app(sys.argv[1] if len(sys.argv) > 1 else "flexedit")
    press(named(app, "check box", "Formattazione Testo"))  # the raw previews
    press(named(app, "check box", "Formattazione Testo"))
    press(named(app, "check box", "GPRS Personale"))  # the label dialog
    problems, count = [], 0
    for window in [app[i] for i in range(app.childCount)]:
        seen = set()
        print(f"== {window.getRoleName()} {window.name!r}")
        for node, depth in walk(window):
            count += 1
            role, name = node.getRoleName(), node.name
            print(f"{'  ' * depth}{role}: {name!r}")
            if not name and role not in CONTAINERS:
                problems.append(f"nameless {role} in {window.name!r}")
            if name and (role, name) in seen:
                problems.append(f"two objects of role {role!r} named {name!r} in {window.name!r}")
            seen.add((role, name))
    hex_pairs = re.compile(r"^[0-9A-F]{2}( [0-9A-F]{2})*(\n[0-9A-F]{2}( [0-9A-F]{2})*)*$")
    for name in ["Record Base", "Record Call", "Etichetta GPRS"]:
        shown = text_of(named(app, "text", name))
        raw = text_of(named(app, "text", name + (" non formattata" if "GPRS" in name else
                                                 " non formattato")))
        print(f"{name}: {shown[:23]!r}... raw {raw[:16]!r}...")
        if not hex_pairs.match(shown) or not re.fullmatch("[0-9A-F]+", raw):
            problems.append(f"the text of {name!r} cannot be read")
    print(f"{count} objects, {len(problems)} problems")
    for problem in problems:
        print("  " + problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
