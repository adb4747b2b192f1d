#!/usr/bin/env python3
"""Keeps the tree's layers: one window-free core under its front ends, floors inside the Windows one.

    win32/app  >  win32/setup  >  win32/about, win32/scene  >  win32/host     x11/     wayland/
                                      core/

core/ includes only core/ and the standard library: no Win32 header, no Xlib, no Wayland. Each
front end (win32/, x11/, wayland/) stands on core/ and its own folder alone, never on another
front end; only x11/ includes Xlib, only wayland/ Wayland's headers, only win32/ Win32 headers.
Inside win32/ each floor includes only the floors below it, never one beside or above.

Tests in tests/core/, tests/win32/<floor>/, tests/x11/ and tests/wayland/ keep the rules of the
code they test.
Prints each include that breaks them and exits 1; exits 0 when there is none.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
WIN32_FLOORS = {"host": 1, "scene": 2, "about": 2, "setup": 3, "app": 4}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)
WIN32_HEADER = re.compile(
    r"(?i)^(win[^/]*\.h|[^/]*api\.h|commctrl\.h|commdlg\.h|shellapi\.h|shlobj\.h|shlwapi\.h|"
    r"objbase\.h|ole2\.h|oleauto\.h|dwmapi\.h|uxtheme\.h|mmsystem\.h|versionhelpers\.h)$")
XLIB_HEADER = re.compile(r"^X11/")
WAYLAND_HEADER = re.compile(r"^(wayland-[^/]*\.h|[^/]*-client-protocol\.h)$")
# Front ends of a single folder; win32/ has floors instead.
FLAT_FRONT_ENDS = ("x11", "wayland")


def layer_of(relative):
    """core, x11, wayland or win32/<floor> for a path of the tree or of its tests; None for the
    rest."""
    parts = relative.split("/")
    if parts[0] == "tests":
        parts = parts[1:]
    if len(parts) > 1 and parts[0] in ("core",) + FLAT_FRONT_ENDS:
        return parts[0]
    if len(parts) > 2 and parts[0] == "win32" and parts[1] in WIN32_FLOORS:
        return f"win32/{parts[1]}"
    return None


def project_offence(layer, other):
    """Why `layer` may not include a file of `other`, or None when it may."""
    if other is None or other == layer or other == "core":
        return None
    if layer.startswith("win32/") and other.startswith("win32/"):
        mine, theirs = WIN32_FLOORS[layer[6:]], WIN32_FLOORS[other[6:]]
        if theirs < mine:
            return None
        return f"a floor {'beside' if theirs == mine else 'above'} {layer}/"
    return f"which {layer}/ may not use"


def system_offence(layer, header):
    if WIN32_HEADER.match(header) and not layer.startswith("win32/"):
        return f"a Win32 header in {layer}/"
    if XLIB_HEADER.match(header) and layer != "x11":
        return f"Xlib in {layer}/"
    if WAYLAND_HEADER.match(header) and layer != "wayland":
        return f"Wayland in {layer}/"
    return None


def offences():
    for path in sorted(ROOT.glob("**/*")):
        relative = path.relative_to(ROOT)
        if path.suffix not in (".cpp", ".h") or "build" in relative.parts:
            continue
        layer = layer_of(relative.as_posix())
        if layer is None:
            continue
        for kind, included in INCLUDE.findall(path.read_text(encoding="utf-8")):
            if kind == "<":
                why = system_offence(layer, included)
                shown = f"<{included}>"
            else:
                other = layer_of(included)
                why = project_offence(layer, other)
                shown = f"{other}/ ({included})"
            if why:
                yield f"{relative}: includes {shown}, {why}"


def main():
    found = list(offences())
    for line in found:
        print(line)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
