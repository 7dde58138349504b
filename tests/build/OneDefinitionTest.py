#!/usr/bin/env python3
"""One definition per type: no two classes, structs, unions or enums of the
same qualified name in one program.

Two different `dpmr::ContactEntry` structs once lived in two headers, and
both were used in `std::vector<ContactEntry>` in the same programs: the
linker keeps one copy of the vector's code for both layouts, and at -O0 or
with link-time optimisation that corrupts the heap. The compiler cannot see
it, since each file is right on its own.

Every type defined at namespace scope (outside an anonymous namespace, whose
types belong to their file) in the programs' sources is collected with its
qualified name. Core, cli, gui and the test and fuzz support are in every
program that uses them, so a name defined in two of those files is a clash.
The core suites of one folder of tests/core make one program; a GUI suite, a
fuzz target or a benchmark is a program of its own. Those clash with the
shared files and with the other files of their program. Comments, strings and preprocessor lines are taken
out first; the sources are clang-formatted, so a definition is the type's
keyword, its name and, before the next `;`, its opening brace.
"""
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".")
FOLDERS = ("core", "cli", "gui", "tests", "fuzz", "bench")
TOKEN = re.compile(
    r"(?P<comment>//[^\n]*|/\*.*?\*/)"
    r"|(?P<string>R\"(?P<delim>[^(\s]*)\(.*?\)(?P=delim)\"|\"(?:\\.|[^\"\\\n])*\"|'(?:\\.|[^'\\\n])*')"
    r"|(?P<pre>^[ \t]*#[^\n]*(?:\\\n[^\n]*)*)",
    re.S | re.M)
HEAD = re.compile(
    r"\b(?:(?P<ns>namespace)(?:\s+(?P<nsname>[\w:]+))?\s*\{"
    r"|(?P<kind>class|struct|union|enum\s+class|enum\s+struct|enum)\s+(?:alignas\([^)]*\)\s+)?"
    r"(?P<name>[A-Za-z_]\w*)\s*(?:final\b\s*)?(?::[^;{()]*)?\{)")


def blank(match):
    """The match with every character but newlines made a space."""
    return re.sub(r"[^\n]", " ", match.group(0))


def definitions(path):
    """(qualified name, line) of each namespace-scope type defined in `path`."""
    text = TOKEN.sub(blank, path.read_text(encoding="utf-8"))
    found = []
    scopes = []  # one entry per open brace: a namespace name, "" (anonymous) or None
    pos = 0
    while True:
        brace = re.compile(r"[{}]").search(text, pos)
        if not brace:
            return found
        at_namespace_scope = all(s is not None for s in scopes)
        if brace.group(0) == "}":
            if scopes:
                scopes.pop()
            pos = brace.end()
            continue
        # What opens this brace: the text since the last ; { or }.
        start = max(text.rfind(c, 0, brace.start()) for c in ";{}") + 1
        head = HEAD.search(text, start, brace.end())
        if head and head.end() == brace.end() and head.group("ns"):
            name = head.group("nsname") or ""
            scopes.append(name)
        else:
            if head and head.end() == brace.end() and at_namespace_scope and "" not in scopes:
                qualified = "::".join([s for s in scopes] + [head.group("name")])
                found.append((qualified, text.count("\n", 0, head.start()) + 1))
            scopes.append(None)
        pos = brace.end()


def program(path):
    """The program a file belongs to alone (None for the shared files): its
    folder for a core suite, the file itself for a GUI suite, a fuzz target or
    a benchmark."""
    rel = path.relative_to(root).as_posix()
    if rel.startswith("tests/core/") and path.name.endswith("Test.cpp"):
        return path.parent.relative_to(root).as_posix()
    if (path.name.endswith("Test.cpp") or rel.startswith("bench/")
            or re.match(r"fuzz/Fuzz\w*\.cpp$", rel) is not None):
        return rel
    return None


places = {}
files = 0
for folder in FOLDERS:
    for path in sorted((root / folder).rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        files += 1
        for name, line in definitions(path):
            places.setdefault(name, []).append((path, line))

clashes = 0
for name, where in sorted(places.items()):
    shared = [w for w in where if program(w[0]) is None]
    programs = [program(w[0]) for w in where if program(w[0]) is not None]
    if len(shared) >= 2 or (shared and programs) or len(set(programs)) < len(programs):
        clashes += 1
        print(f"{name} is defined more than once in one program:")
        for path, line in where:
            print(f"  {path.relative_to(root)}:{line}")
print(f"{len(places)} types in {files} files: {clashes} defined twice in one program")
sys.exit(1 if clashes else 0)
