#!/usr/bin/env python3
"""Syntax check of a udev rules file, for systems whose udevadm has no
`verify` (before systemd 253): every rule is a comma-separated list of
KEY op "value" pairs with a known key, an operator that key takes, a quoted
value, GOTO labels that exist, and USB IDs of four hexadecimal digits.
Prints each fault as FILE:LINE: reason and exits 1 when there is one."""

import re
import sys

MATCH_KEYS = {"ACTION", "DEVPATH", "KERNEL", "KERNELS", "NAME", "SYMLINK", "SUBSYSTEM",
              "SUBSYSTEMS", "DRIVER", "DRIVERS", "TAG", "TAGS", "TEST", "PROGRAM", "RESULT",
              "ATTR", "ATTRS", "ENV", "CONST", "SYSCTL"}
ASSIGN_KEYS = {"NAME", "SYMLINK", "OWNER", "GROUP", "MODE", "SECLABEL", "ATTR", "SYSCTL", "ENV",
               "TAG", "RUN", "LABEL", "GOTO", "IMPORT", "OPTIONS"}
MATCH_OPS = {"==", "!="}
ASSIGN_OPS = {"=", "+=", "-=", ":="}
PAIR = re.compile(r'\s*([A-Z_]+)(\{([^}]*)\})?\s*(==|!=|\+=|-=|:=|=)\s*"((?:[^"\\]|\\.)*)"\s*(,|$)')


def check(path):
    faults = []
    labels, gotos = set(), []
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    for number, line in enumerate(lines, 1):
        text = line.strip()
        if not text or text.startswith("#"):
            continue
        if line.endswith("\\"):
            faults.append((number, "continued lines are not used here"))
            continue
        pos = 0
        while pos < len(line):
            m = PAIR.match(line, pos)
            if not m:
                faults.append((number, "cannot read a KEY op \"value\" pair at column %d" % (pos + 1)))
                break
            key, attr, op, value = m.group(1), m.group(3), m.group(4), m.group(5)
            if op in MATCH_OPS and key not in MATCH_KEYS:
                faults.append((number, "%s cannot be matched" % key))
            if op in ASSIGN_OPS and key not in ASSIGN_KEYS:
                faults.append((number, "%s cannot be assigned" % key))
            if key in {"ATTR", "ATTRS", "ENV"} and not attr:
                faults.append((number, "%s needs a {name}" % key))
            if key == "ATTRS" and attr in {"idVendor", "idProduct"} and \
                    not re.fullmatch(r"[0-9a-f]{4}", value):
                faults.append((number, "%s must be four lower-case hex digits" % attr))
            if key == "MODE" and not re.fullmatch(r"0?[0-7]{3,4}", value):
                faults.append((number, "MODE must be octal"))
            if key == "LABEL":
                labels.add(value)
            if key == "GOTO":
                gotos.append((number, value))
            pos = m.end()
    for number, label in gotos:
        if label not in labels:
            faults.append((number, "GOTO to the missing LABEL %s" % label))
    for number, reason in faults:
        print("%s:%d: %s" % (path, number, reason))
    return not faults


if __name__ == "__main__":
    ok = all([check(p) for p in sys.argv[1:]])
    sys.exit(0 if ok and len(sys.argv) > 1 else 1)
