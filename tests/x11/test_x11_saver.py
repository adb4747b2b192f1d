"""The X11 globulon on its own Xvfb display: where it draws, in which colour, how it follows a
resize and how it ends; its command-line mistakes, its XScreenSaver file and its installation.

Environment: GLOBULON_X11 (the program), GLOBULON_BUILD (its build tree, for cmake --install).
"""
import ctypes
import os
import signal
import subprocess
import sys
import tempfile
import time
import unittest
import xml.etree.ElementTree as ElementTree

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "blackbox"))
from harness import (DEADLINE, color_box, count_color, finish, picture_changes,  # noqa: E402
                     screenshot, wait_for_color, wait_until)

PROGRAM = os.environ.get("GLOBULON_X11", "")
BUILD = os.environ.get("GLOBULON_BUILD", "")
SOURCE = os.path.join(os.path.dirname(__file__), "..", "..")
SCREEN = (1024, 768)
GREEN = (0, 255, 0)
WHITE = (255, 255, 255)
# A square around the centre where a sphere just started shows its pen.
CENTRE_SIDE = 120
# From a signal or a closed window to the end of the process (a sanitizer build, which checks
# for leaks on its way out), on a loaded machine.
ENDS_WITHIN = 3.0

xvfb = None


def setUpModule():
    """Starts Xvfb on a display number it picks itself and makes it the tests' display. The
    server must not reset when its last client goes between two tests: a test connecting during
    the reset would find no display."""
    global xvfb
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                             f"{SCREEN[0]}x{SCREEN[1]}x24", "-nolisten", "tcp", "-noreset"],
                            pass_fds=[write_end], stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        os.environ["DISPLAY"] = ":" + pipe.readline().strip()


def tearDownModule():
    xvfb.terminate()
    xvfb.wait()


class Xlib:
    """The few Xlib calls the tests make as a host would: a window of their own to hand over,
    resized or destroyed."""

    def __init__(self):
        self.lib = ctypes.CDLL("libX11.so.6")
        self.lib.XOpenDisplay.restype = ctypes.c_void_p
        self.lib.XDefaultRootWindow.restype = ctypes.c_ulong
        self.lib.XCreateSimpleWindow.restype = ctypes.c_ulong
        ulong, uint, void_p = ctypes.c_ulong, ctypes.c_uint, ctypes.c_void_p
        self.lib.XDefaultRootWindow.argtypes = [void_p]
        self.lib.XCreateSimpleWindow.argtypes = [void_p, ulong, ctypes.c_int, ctypes.c_int,
                                                 uint, uint, uint, ulong, ulong]
        self.lib.XMapWindow.argtypes = [void_p, ulong]
        self.lib.XResizeWindow.argtypes = [void_p, ulong, uint, uint]
        self.lib.XDestroyWindow.argtypes = [void_p, ulong]
        self.lib.XSync.argtypes = [void_p, ctypes.c_int]
        self.lib.XCloseDisplay.argtypes = [void_p]
        self.display = self.lib.XOpenDisplay(None)
        assert self.display, "cannot open the test display"

    def close(self):
        self.lib.XCloseDisplay(self.display)

    def make_window(self, x, y, width, height):
        """A mapped white window, as a host's blank window might be before the saver clears it."""
        window = self.lib.XCreateSimpleWindow(self.display,
                                              self.lib.XDefaultRootWindow(self.display),
                                              x, y, width, height, 0, 0, 0xFFFFFF)
        self.lib.XMapWindow(self.display, window)
        self.lib.XSync(self.display, 0)
        return window

    def resize(self, window, width, height):
        self.lib.XResizeWindow(self.display, window, width, height)
        self.lib.XSync(self.display, 0)

    def destroy(self, window):
        self.lib.XDestroyWindow(self.display, window)
        self.lib.XSync(self.display, 0)


def centre_crop(x, y, side=CENTRE_SIDE):
    return (side, side, x - side // 2, y - side // 2)


def count_black(png, crop=None):
    """Pixels of pure black in the picture or in crop = (w, h, x, y) of it (count_color cannot
    count black: it paints the other pixels black)."""
    source = png if crop is None else f"{png}[{crop[0]}x{crop[1]}+{crop[2]}+{crop[3]}]"
    result = subprocess.run(["convert", source, "-fill", "white", "+opaque", "rgb(0,0,0)",
                             "-format", "%[fx:round((1-mean)*w*h)]", "info:"],
                            capture_output=True, text=True, check=True)
    return int(result.stdout.strip())


def bytes_written(pid):
    """What the process has written so far, its X connection included."""
    with open(f"/proc/{pid}/io") as io:
        return int(next(line for line in io if line.startswith("wchar:")).split()[1])


class X11SaverTest(unittest.TestCase):
    def setUp(self):
        self.assertTrue(PROGRAM and os.path.exists(PROGRAM), "GLOBULON_X11 must name the program")
        self.xlib = Xlib()
        self.processes = []

    def tearDown(self):
        for process in self.processes:
            finish(process, 0)  # kills what is still running
            process.stderr.close()
        self.xlib.close()

    def start(self, *args, env=None):
        process = subprocess.Popen([PROGRAM, *args], env={**os.environ, **(env or {})},
                                   stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.PIPE, text=True)
        self.processes.append(process)
        return process

    def sphere_at(self, x, y):
        """Waits for the sphere around (x, y); returns the screenshot that shows it."""
        png = wait_for_color(GREEN, centre_crop(x, y), 200)
        self.assertIsNotNone(png, f"no sphere at {x},{y}")
        return png

    def assertCentredOn(self, png, x, y):
        """The pen's pixels, all of them, lie around (x, y): whatever the sphere's size, the
        box around them has that centre."""
        box = color_box(png, GREEN, (SCREEN[0], SCREEN[1], 0, 0))
        self.assertIsNotNone(box, "no pen pixels")
        centre = ((box[0] + box[2]) / 2, (box[1] + box[3]) / 2)
        self.assertLess(max(abs(centre[0] - x), abs(centre[1] - y)), 2,
                        f"pen pixels in {box}, not around {x},{y}")

    def assertEndsCleanly(self, process):
        """Ends with status 0 (also: the sanitizers found no leak) within ENDS_WITHIN seconds."""
        started = time.monotonic()
        status = finish(process, ENDS_WITHIN + DEADLINE)
        self.assertEqual(status, 0, process.stderr.read())
        self.assertLess(time.monotonic() - started, ENDS_WITHIN)

    def start_drawing_on_root(self, *args):
        """Starts it on the root and waits until it has cleared the grey weave Xvfb starts with
        (or drawn on the black an earlier test left)."""
        saver = self.start("-root", *args)
        self.assertTrue(picture_changes((SCREEN[0], SCREEN[1], 0, 0), DEADLINE), "nothing drawn")
        return saver

    # --- where it draws ------------------------------------------------------------------

    def test_root_gets_the_sphere_at_the_centre_on_black(self):
        # With the framework's standard options and the form XScreenSaver rewrites -root into.
        saver = self.start("-fps", "-delay", "20000", "-color", "green", "--root")
        png = self.sphere_at(SCREEN[0] // 2, SCREEN[1] // 2)
        self.assertCentredOn(png, SCREEN[0] // 2, SCREEN[1] // 2)
        # Xvfb's root starts as a grey weave: everything else is now black.
        crop = centre_crop(SCREEN[0] // 2, SCREEN[1] // 2)
        others = SCREEN[0] * SCREEN[1] - count_color(png, GREEN)
        self.assertEqual(count_black(png), others)
        self.assertGreater(count_black(png, crop), 0)  # the disc itself is black inside
        saver.send_signal(signal.SIGTERM)
        self.assertEndsCleanly(saver)

    def test_host_window_from_the_environment_is_cleared_followed_and_its_end_ends_it(self):
        window = self.xlib.make_window(100, 80, 400, 300)
        # The variable wins over -root, as XScreenSaver and xsecurelock hand it.
        saver = self.start("-root", "--color=rgb:00/ff/00",
                           env={"XSCREENSAVER_WINDOW": hex(window)})
        png = self.sphere_at(300, 230)
        self.assertCentredOn(png, 300, 230)
        self.assertEqual(count_color(png, WHITE, (400, 300, 100, 80)), 0)  # was white
        self.xlib.resize(window, 600, 500)
        # The server fills the resized window white; the saver starts it afresh on black, with
        # its sphere in the new centre and nothing left around the old one.
        shots = []

        def recentred():
            shots.append(screenshot())
            box = color_box(shots[-1], GREEN, (600, 500, 100, 80))
            return box and (box[0] + box[2]) // 2 in (399, 400) and \
                (box[1] + box[3]) // 2 in (329, 330)

        wait_until(recentred, DEADLINE)
        self.assertCentredOn(shots[-1], 400, 330)
        self.assertEqual(count_color(shots[-1], WHITE, (600, 500, 100, 80)), 0)
        self.xlib.destroy(window)
        self.assertEndsCleanly(saver)

    def test_sigint_ends_it_at_once(self):
        saver = self.start_drawing_on_root()
        saver.send_signal(signal.SIGINT)
        self.assertEndsCleanly(saver)

    def test_sigterm_ends_it_within_a_second_while_the_server_does_not_answer(self):
        saver = self.start_drawing_on_root()
        xvfb.send_signal(signal.SIGSTOP)
        try:
            # It has written to the server since the server stopped answering.
            written = bytes_written(saver.pid)
            self.assertTrue(wait_until(lambda: bytes_written(saver.pid) > written, DEADLINE),
                            "the program wrote nothing to the stopped server")
            saver.send_signal(signal.SIGTERM)
            started = time.monotonic()
            status = finish(saver, ENDS_WITHIN + DEADLINE)
            self.assertLess(time.monotonic() - started, ENDS_WITHIN)
            self.assertEqual(status, 0)
        finally:
            xvfb.send_signal(signal.SIGCONT)


class CommandLineTest(unittest.TestCase):
    def run_program(self, *args):
        return subprocess.run([PROGRAM, *args], capture_output=True, text=True, timeout=10)

    def test_mistakes_get_one_line_and_status_2(self):
        for args in (["-bogus"], ["-color", "256,0,0"], ["-color", "1,2"], ["-window-id", "x"],
                     ["-window-id"], ["-color", "no-such-colour"]):
            result = subprocess.run([PROGRAM, *args], capture_output=True, text=True, timeout=10)
            self.assertEqual(result.returncode, 2, args)
            self.assertEqual(len(result.stderr.splitlines()), 1, result.stderr)


class IntegrationFilesTest(unittest.TestCase):
    XML = os.path.join(SOURCE, "x11", "globulon.xml")

    def test_xscreensaver_file_is_valid_and_its_options_are_accepted(self):
        subprocess.run(["xmllint", "--noout", self.XML], check=True)
        root = ElementTree.parse(self.XML).getroot()
        option_sets = [option.get("arg-set") for option in root.iter("option")
                       if option.get("arg-set")]
        self.assertGreater(len(option_sets), 0)
        for arguments in option_sets:
            # --help is answered only once everything before it was read without a mistake.
            result = subprocess.run([PROGRAM, *arguments.split(), "--help"],
                                    capture_output=True, text=True, timeout=10)
            self.assertEqual(result.returncode, 0, arguments)

    def test_install_puts_each_file_where_its_host_looks(self):
        with tempfile.TemporaryDirectory() as prefix:
            subprocess.run(["cmake", "--install", BUILD, "--prefix", prefix],
                           check=True, capture_output=True)
            program = os.path.join(prefix, "libexec", "xscreensaver", "globulon")
            self.assertTrue(os.access(program, os.X_OK))
            self.assertTrue(os.path.exists(
                os.path.join(prefix, "share", "xscreensaver", "config", "globulon.xml")))
            desktop = os.path.join(prefix, "share", "applications", "screensavers",
                                   "globulon.desktop")
            with open(desktop) as entry:
                self.assertRegex(entry.read(), r"Exec=\S*/libexec/xscreensaver/globulon -root\n")


if __name__ == "__main__":
    unittest.main()
