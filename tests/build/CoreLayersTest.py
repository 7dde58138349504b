#!/usr/bin/env python3
"""Every core folder includes only folders below it.

The order is the line "Core folders, lowest first: ..." of docs/ARCHITECTURE.md,
so the document and the check cannot drift apart. A folder that is not in the
list, or an include of a folder listed above the includer, fails the test with
the file and line to fix.
"""
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".")
doc = (root / "docs" / "ARCHITECTURE.md").read_text(encoding="utf-8")
match = re.search(r"Core folders, lowest first: ([a-z, ]+)\.", doc)
if not match:
    sys.exit("docs/ARCHITECTURE.md: no line \"Core folders, lowest first: a, b, c.\"")
order = [name.strip() for name in match.group(1).split(",")]
rank = {name: k for k, name in enumerate(order)}

faults = []
core = root / "core"
folders = sorted(p.name for p in core.iterdir() if p.is_dir())
for folder in folders:
    if folder not in rank:
        faults.append(f"core/{folder}/ is not in the order of docs/ARCHITECTURE.md")
        continue
    for path in sorted((core / folder).rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            included = re.match(r'\s*#\s*include\s+"([a-z]+)/', line)
            if not included or included.group(1) == folder or included.group(1) not in folders:
                continue
            other = included.group(1)
            if other not in rank or rank[other] > rank[folder]:
                faults.append(f"{path.relative_to(root)}:{number}: {folder}/ includes {other}/, "
                              f"which is above it")

for fault in faults:
    print(fault)
print(f"{len(folders)} core folders checked against the order {', '.join(order)}: "
      f"{len(faults)} faults")
sys.exit(1 if faults else 0)
