"""Drives the real globulon.scr under Wine on the test display (see scripts/test.sh).

Environment: GLOBULON_SCR (the program), GLOBULON_TOOLS (the build's tests folder),
GLOBULON_VERSION (the version the build gave the program), DISPLAY, WINEPREFIX. Everything here
talks to Wine and X from outside, as a user or the system would.
"""
import os
import queue
import re
import subprocess
import sys
import threading
import tempfile
import time
import unittest

# The screen reader and the waits are shared with the other Python tests and the benchmark.
sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "support"))
from waits import CHANGE_WINDOW, DEADLINE, finish, wait_until  # noqa: E402,F401
from x_screen import PixelWatch, ScreenReader  # noqa: E402,F401

SCR = os.environ.get("GLOBULON_SCR", "")
TOOLS = os.environ.get("GLOBULON_TOOLS", "")
VERSION = os.environ.get("GLOBULON_VERSION", "")
SETTINGS_KEY = r"HKCU\Software\Globulon Screen Saver\Setting"
TITLE = "Globulon Screen Saver"


def start(*args):
    """Starts globulon.scr with the given arguments; returns the process."""
    return subprocess.Popen(["wine", SCR, *args], stdin=subprocess.DEVNULL,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def start_tool(name, *args):
    """Starts one of the test programs built beside the tests (e.g. tools/color_window.exe) with
    its output thrown away (ToolLines reads a tool's output)."""
    return subprocess.Popen(["wine", os.path.join(TOOLS, name), *args],
                            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)


# --- settings ------------------------------------------------------------------------------

def run_wine_tool(*command, timeout=None):
    """Runs a Wine tool or test tool to its end (command: "wine", program, arguments; or
    "winepath", ...); returns the finished process with its output as text. A tool that ends
    with an error and says nothing at all never started under Wine (each prints what it did):
    that is said, and it is started once more. The program under test is never started so."""
    for attempt in (1, 2):
        result = subprocess.run(list(command), capture_output=True, text=True,
                                encoding="utf-8", errors="replace", stdin=subprocess.DEVNULL,
                                timeout=timeout)
        if result.returncode == 0 or result.stdout or result.stderr:
            return result
        name = os.path.basename(command[1] if command[0] == "wine" else command[0])
        print(f"{name} did not start under Wine (exit status {result.returncode}, no output; "
              f"attempt {attempt} of 2)", file=sys.stderr)
    return result


def reg(*args):
    """Runs Wine's reg.exe with the arguments; returns the finished process."""
    return run_wine_tool("wine", "reg", *args)


def clear_settings():
    reg("delete", r"HKCU\Software\Globulon Screen Saver", "/f")


def set_setting(name, value):
    result = reg("add", SETTINGS_KEY, "/v", name, "/t", "REG_SZ", "/d", value, "/f")
    if result.returncode != 0:
        raise AssertionError(f"could not store {name} = {value!r}: {result.stdout}{result.stderr}")


def get_setting(name):
    """The stored text, or None when the value (or the key) is missing."""
    result = reg("query", SETTINGS_KEY, "/v", name)
    for line in result.stdout.splitlines():
        parts = line.strip().split(None, 2)
        if len(parts) >= 2 and parts[0] == name and parts[1] == "REG_SZ":
            return parts[2].strip() if len(parts) == 3 else ""
    return None


def settings_exist():
    return reg("query", r"HKCU\Software\Globulon Screen Saver").returncode == 0


# --- windows and input ---------------------------------------------------------------------

def visible_windows(title_regex):
    result = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title_regex],
                            capture_output=True, text=True)
    return [int(w) for w in result.stdout.split()]


def xdotool(*args, timeout=5):
    """xdotool with a time limit: a --sync wait must not hang the test run."""
    try:
        subprocess.run(["xdotool", *[str(a) for a in args]], capture_output=True, timeout=timeout)
    except subprocess.TimeoutExpired:
        pass


# --- the screen ----------------------------------------------------------------------------

# The screenshots of one test run, removed with their folder when the run ends.
_SHOTS = tempfile.TemporaryDirectory(prefix="globulon-shots-")


def screenshot():
    """Saves the whole X screen as a PNG in the run's folder of shots; returns its path."""
    handle, path = tempfile.mkstemp(suffix=".png", dir=_SHOTS.name)
    os.close(handle)
    subprocess.run(f"xwd -root -silent | convert xwd:- {path}", shell=True, check=True)
    return path


def wait_for_color(rgb, crop, at_least, timeout=DEADLINE):
    """Takes screenshots until crop = (w, h, x, y) holds at least that many pixels of the colour;
    returns that screenshot, or None when none did in time."""
    found = []

    def enough():
        shot = screenshot()
        if count_color(shot, rgb, crop) >= at_least:
            found.append(shot)
            return True
        os.remove(shot)
        return False

    return found[0] if wait_until(enough, timeout, interval=0.2) else None


def color_box(png, rgb, crop):
    """The smallest box (left, top, right, bottom), in screen coordinates, around the pixels of
    the colour inside crop = (w, h, x, y) of the picture; None when there are none."""
    color = f"rgb({rgb[0]},{rgb[1]},{rgb[2]})"
    result = subprocess.run(["convert", f"{png}[{crop[0]}x{crop[1]}+{crop[2]}+{crop[3]}]",
                             "+repage", "-fill", "black", "+opaque", color, "-bordercolor",
                             "black", "-border", "1", "-format", "%@", "info:"],
                            capture_output=True, text=True, check=True)
    match = re.fullmatch(r"(\d+)x(\d+)\+(\d+)\+(\d+)", result.stdout.strip())
    if not match or count_color(png, rgb, crop) == 0:
        return None
    width, height, left, top = (int(v) for v in match.groups())
    left, top = left - 1, top - 1  # the border that gives the trim its black edge
    return (crop[2] + left, crop[3] + top, crop[2] + left + width, crop[3] + top + height)


def picture_changes(crop, timeout=CHANGE_WINDOW):
    """True when the screen inside crop = (w, h, x, y) changes within timeout seconds (read
    straight through Xlib, so that no frame is missed for a slow screenshot)."""
    reader = ScreenReader()
    try:
        first = reader.digest(*crop[2:], *crop[:2])
        return bool(wait_until(lambda: reader.digest(*crop[2:], *crop[:2]) != first, timeout,
                               interval=0.05))
    finally:
        reader.close()


def count_color(png, rgb, crop=None):
    """Pixels of exactly the colour (r, g, b) in the picture, or in crop = (w, h, x, y) of it."""
    source = png if crop is None else f"{png}[{crop[0]}x{crop[1]}+{crop[2]}+{crop[3]}]"
    color = f"rgb({rgb[0]},{rgb[1]},{rgb[2]})"
    result = subprocess.run(["convert", source, "-fill", "black", "+opaque", color, "-fill",
                             "white", "-opaque", color, "-format", "%[fx:round(mean*w*h)]",
                             "info:"], capture_output=True, text=True, check=True)
    return int(result.stdout.strip())


class ToolLines:
    """One of the test programs (tools/<name>.exe) with its standard input open and its output
    read line by line in a thread, so that a test can wait for a line with a time limit."""

    def __init__(self, name, *args):
        tool = os.path.join(TOOLS, "tools", name)
        if not os.path.exists(tool):
            raise unittest.SkipTest(f"{tool} is not built")
        self.process = subprocess.Popen(["wine", tool, *args], stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                        text=True)
        self._lines = queue.Queue()
        self._reader = threading.Thread(target=self._read, daemon=True)
        self._reader.start()

    def _read(self):
        for line in self.process.stdout:
            self._lines.put(line.strip())
        self._lines.put(None)

    def next_line(self, timeout):
        """The next line, or None when none came in time or the output ended."""
        try:
            return self._lines.get(timeout=timeout)
        except queue.Empty:
            return None

    def wait_for(self, predicate, timeout):
        """Reads lines until one satisfies predicate; returns it, or None."""
        deadline = time.monotonic() + timeout
        while True:
            line = self.next_line(max(0.0, deadline - time.monotonic()))
            if line is None or predicate(line):
                return line

    def send(self, text):
        self.process.stdin.write(text + "\n")
        self.process.stdin.flush()

    def close(self):
        """Ends the tool if it still runs and gives back its pipes."""
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait()
        self._reader.join(timeout=5)
        self.process.stdin.close()
        if not self._reader.is_alive():
            self.process.stdout.close()


class LinkRecorder:
    """tools/link_recorder.exe as the program for one kind of link ("mailto", "https") while a
    test runs: it notes each start, with the desktop it was started on, in a file of the test's.
    The handler the prefix had comes back when the test ends."""

    def __init__(self, test, scheme):
        # Wine reads link handlers from the machine's classes only (not the user's).
        self._key = rf"HKLM\Software\Classes\{scheme}\shell\open\command"
        folder = tempfile.TemporaryDirectory(prefix="globulon-links-")
        test.addCleanup(folder.cleanup)
        self._record = os.path.join(folder.name, "started.txt")
        query = reg("query", self._key, "/ve")
        was = [line.split("REG_SZ", 1)[1].strip() for line in query.stdout.splitlines()
               if "REG_SZ" in line]
        test.addCleanup(self._set_handler, was[0] if was else None)
        recorder = windows_path(os.path.join(TOOLS, "tools", "link_recorder.exe"))
        self._set_handler(f'"{recorder}" "{windows_path(self._record)}" "%1"')

    def _set_handler(self, command):
        if command is None:
            reg("delete", self._key, "/ve", "/f")
            return
        result = reg("add", self._key, "/ve", "/t", "REG_SZ", "/d", command, "/f")
        if result.returncode != 0:
            raise AssertionError(f"could not set the link handler: {result.stdout}{result.stderr}")

    def starts(self):
        """The recorded starts, one (desktop, link) each."""
        if not os.path.exists(self._record):
            return []
        with open(self._record, encoding="utf-8", errors="replace") as file:
            return [tuple(line.split(" ", 1)) for line in file.read().splitlines() if line]


def windows_path(path):
    result = run_wine_tool("winepath", "-w", path)
    if result.returncode != 0:
        raise AssertionError(f"winepath cannot name {path}: {result.stderr}")
    return result.stdout.strip()


class PreviewHost(ToolLines):
    """preview_host.exe, the stand-in display-settings dialog, driven through its standard input.
    mode is "child" or "popup"; options as the tool takes them (--page-title, --other-tree)."""

    def __init__(self, mode, *options):
        super().__init__("preview_host.exe", mode, *options)
        self.values = {}
        while True:
            line = self.next_line(timeout=30)
            if line is None:
                raise AssertionError("preview_host did not start")
            if line == "ready":
                break
            name, _, value = line.partition("=")
            self.values[name] = value

    @property
    def preview(self):
        return int(self.values["preview"])

    @property
    def preview_crop(self):
        """(w, h, x, y) of the preview's client area on the screen, as count_color takes it."""
        x, y, w, h = (int(v) for v in self.values["preview_rect"].split(","))
        return (w, h, x, y)

    def command(self, text):
        """Sends one command and returns once the dialog has carried it out."""
        self.send(text)
        if self.wait_for(lambda line: line == "ok " + text, timeout=10) is None:
            raise AssertionError(f"preview_host did not answer {text!r}")


class GlobulonTestCase(unittest.TestCase):
    """Starts each test from no stored settings and ends any copy of the program it left."""

    def setUp(self):
        self.assertTrue(SCR and os.path.exists(SCR), "GLOBULON_SCR must name the built program")
        clear_settings()
        self.processes = []

    def tearDown(self):
        for process in self.processes:
            if process.poll() is None:
                process.kill()
                process.wait()

    def start(self, *args):
        process = start(*args)
        self.processes.append(process)
        return process

    def start_tool(self, name, *args):
        process = start_tool(name, *args)
        self.processes.append(process)
        return process


def window_geometry(window):
    """(x, y, width, height) of an X window."""
    result = subprocess.run(["xdotool", "getwindowgeometry", "--shell", str(window)],
                            capture_output=True, text=True)
    values = dict(line.split("=", 1) for line in result.stdout.split() if "=" in line)
    return tuple(int(values.get(k, 0)) for k in ("X", "Y", "WIDTH", "HEIGHT"))


def screen_size():
    result = subprocess.run(["xdotool", "getdisplaygeometry"], capture_output=True, text=True)
    width, height = result.stdout.split()
    return int(width), int(height)


def root_window():
    result = subprocess.run(["xdotool", "search", "--maxdepth", "0", "--name", ""],
                            capture_output=True, text=True)
    return int(result.stdout.split()[0]) if result.stdout.split() else None


def full_screen_window():
    """The visible window, other than the root, that covers the whole screen (the running
    saver), or None."""
    size = screen_size()
    root = root_window()
    for window in visible_windows(""):
        if window != root and window_geometry(window)[2:] == size:
            return window
    return None


def window_texts(title):
    """Texts of the Windows window with that title and of its controls ([] when none)."""
    result = subprocess.run(["wine", os.path.join(TOOLS, "tools", "window_texts.exe"), title],
                            capture_output=True, text=True, encoding="utf-8", errors="replace")
    if result.returncode != 0:
        return []
    return [line.rstrip("\r") for line in result.stdout.splitlines()]


def control_report(title):
    """What tools/control_rects.exe tells of the Windows window with that title: where its
    controls sit on the screen (a dict from control id to (left, top, right, bottom)), the open
    drop-down list's (left, top, right, bottom, item height, top index) or None, the id of the
    control with the keyboard focus or None, and whether a menu is open."""
    result = subprocess.run(["wine", os.path.join(TOOLS, "tools", "control_rects.exe"), title],
                            capture_output=True, text=True)
    controls, open_list, focus, menu = {}, None, None, False
    for line in result.stdout.splitlines():
        fields = line.split()
        if fields and fields[0] == "list":
            open_list = tuple(int(f) for f in fields[1:])
        elif len(fields) == 2 and fields[0] == "focus":
            focus = int(fields[1])
        elif fields == ["menu"]:
            menu = True
        elif len(fields) == 5:
            controls[int(fields[0])] = tuple(int(f) for f in fields[1:])
    return controls, open_list, focus, menu


def control_rects(title):
    """The controls' places and the open list's, as control_report gives them."""
    return control_report(title)[:2]


def focused_control(title):
    return control_report(title)[2]


def menu_open(title):
    return control_report(title)[3]


def pointer_hot_spot():
    """The hot spot (x, y) inside the picture of the pointer the X server shows now (read through
    XFixes): a program's own pointer tells itself from the arrow by it."""
    import ctypes

    class CursorImage(ctypes.Structure):
        _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short), ("width", ctypes.c_ushort),
                    ("height", ctypes.c_ushort), ("xhot", ctypes.c_ushort),
                    ("yhot", ctypes.c_ushort), ("cursor_serial", ctypes.c_ulong),
                    ("pixels", ctypes.c_void_p), ("atom", ctypes.c_ulong),
                    ("name", ctypes.c_char_p)]

    xlib, xfixes = ctypes.CDLL("libX11.so.6"), ctypes.CDLL("libXfixes.so.3")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    xlib.XFree.argtypes = [ctypes.c_void_p]
    xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(CursorImage)
    xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
    display = xlib.XOpenDisplay(None)
    image = xfixes.XFixesGetCursorImage(display)
    spot = (image.contents.xhot, image.contents.yhot) if image else None
    if image:
        xlib.XFree(image)
    xlib.XCloseDisplay(display)
    return spot
