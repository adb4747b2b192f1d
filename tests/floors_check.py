#!/usr/bin/env python3
"""Keeps the tree's floors: each folder includes only folders below it, never one beside or above.

    app/, x11/  >  setup/  >  about/, scene/  >  host/  >  base/

x11/ is the Linux program beside the Windows one; it uses only the window-free parts below.

Tests in tests/<floor>/ keep the rules of their floor. Prints each include that breaks them and
exits 1; exits 0 when there is none.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
FLOORS = {"base": 0, "host": 1, "scene": 2, "about": 2, "setup": 3, "app": 4, "x11": 4}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^/"]+)/[^"]+"', re.MULTILINE)


def floor_of(path):
    parts = path.relative_to(ROOT).parts
    if parts[0] == "tests" and len(parts) > 2:
        parts = parts[1:]
    return parts[0] if parts[0] in FLOORS else None


def offences():
    for path in sorted(ROOT.glob("**/*")):
        if path.suffix not in (".cpp", ".h") or "build" in path.relative_to(ROOT).parts:
            continue
        floor = floor_of(path)
        if floor is None:
            continue
        for included in INCLUDE.findall(path.read_text(encoding="utf-8")):
            if included not in FLOORS or included == floor:
                continue
            if FLOORS[included] >= FLOORS[floor]:
                kind = "beside" if FLOORS[included] == FLOORS[floor] else "above"
                yield f"{path.relative_to(ROOT)}: includes {included}/, a floor {kind} {floor}/"


def main():
    found = list(offences())
    for line in found:
        print(line)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
