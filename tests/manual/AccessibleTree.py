#!/usr/bin/env python3
# AccessibleTree.py: what a screen reader sees of dpmrcps, through AT-SPI:
# the accessible tree of the main window, then of the channel dialog opened
# with its "Channel edit" button, one line a node (role, name, description),
# and the focusable nodes without a name. A manual check, not part of
# `make test`: it needs at-spi2-core, python3-pyatspi and a display. Run:
#   xvfb-run -a dbus-run-session -- sh tests/manual/AccessibleTree.sh build-check
import sys
import threading
import time

import pyatspi


def find_app(name, wait=20.0):
    end = time.time() + wait
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name:
                return app
        time.sleep(0.5)
    sys.exit(f"no accessible application named {name}")


unnamed = []


def dump(node, depth=0, out=sys.stdout):
    try:
        role = node.getRoleName()
        name = node.name or ""
        description = node.description or ""
        states = node.getState()
    except Exception as error:  # a node gone while we look
        print("  " * depth + f"(gone: {error})", file=out)
        return
    if not states.contains(pyatspi.STATE_SHOWING):
        return
    line = "  " * depth + f"[{role}] {name!r}"
    if description:
        short = description if len(description) <= 70 else description[:67] + "..."
        line += f"  -- {short}"
    print(line, file=out)
    if states.contains(pyatspi.STATE_FOCUSABLE) and not name.strip() and role not in (
            "table cell", "list item", "page tab", "menu item"):
        unnamed.append(f"{role} under {node.parent.name if node.parent else '?'}")
    if role == "table":  # the cells: the first row only, with their headers
        table = node.queryTable()
        for c in range(min(table.nColumns, 10)):
            cell = table.getAccessibleAt(0, c)
            header = table.getColumnHeader(c)
            print("  " * (depth + 1) + f"cell (1, {c + 1}) {cell.name!r}, column "
                  f"{header.name if header else None!r}, row "
                  f"{table.getRowHeader(0).name if table.getRowHeader(0) else None!r}", file=out)
        return
    for child in node:
        if child is not None:
            dump(child, depth + 1, out)


def find(node, role, name):
    for child in node:
        if child is None:
            continue
        if child.getRoleName() == role and child.name == name:
            return child
        found = find(child, role, name)
        if found is not None:
            return found
    return None


app = find_app("dpmrcps")
main = app[0]
print(f"== main window: {main.name!r}")
dump(main)
button = find(main, "push button", "Channel edit")
if button is None:
    sys.exit("no \"Channel edit\" button")
# The button runs the modal dialog before it answers: press it from a thread.
threading.Thread(target=lambda: button.queryAction().doAction(0), daemon=True).start()
time.sleep(3)
dialog = next((w for w in app if w is not None and w.name == "Channel edit"), None)
if dialog is None:
    sys.exit("the channel dialog did not open")
print(f"== dialog: {dialog.name!r}")
dump(dialog)
print("== focusable without a name:", ", ".join(unnamed) if unnamed else "none")
sys.exit(1 if unnamed else 0)
