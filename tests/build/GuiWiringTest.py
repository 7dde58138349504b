#!/usr/bin/env python3
"""The desktop program wires its commands by declaration, never by a name.

Signals and slots are connected by member pointers (no SIGNAL()/SLOT()
strings, no connection by name), and no command of the window is looked up
by a name at run time: the menus, the toolbar and the shortcuts come from the
action table, where a typo does not compile. A line that breaks the rule
fails the test with its file and line.
"""
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".")
rules = [
    (re.compile(r"\b(SIGNAL|SLOT)\s*\("), "a connection by the name of a signal or slot"),
    (re.compile(r"QMetaObject::connectSlotsByName"), "slots connected by their names"),
    (re.compile(r"findChildren?\s*<\s*QAction\s*\*\s*>"), "an action looked up by its name"),
    (re.compile(r"QAction[^;]*->setObjectName|\baction\s*\(\s*\""), "an action known by a name"),
]
faults = []
for path in sorted((root / "gui").rglob("*")):
    if path.suffix not in (".h", ".cpp"):
        continue
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        code = line.split("//", 1)[0]
        for pattern, what in rules:
            if pattern.search(code):
                faults.append(f"{path.relative_to(root)}:{number}: {what}: {line.strip()}")
for fault in faults:
    print(fault)
sys.exit(1 if faults else 0)
