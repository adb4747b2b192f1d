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
from harness import count_color, finish, screenshot, wait_until  # noqa: E402

PROGRAM = os.environ.get("GLOBULON_X11", "")
BUILD = os.environ.get("GLOBULON_BUILD", "")
SOURCE = os.path.join(os.path.dirname(__file__), "..", "..")
SCREEN = (1024, 768)
GREEN = (0, 255, 0)
WHITE = (255, 255, 255)
# Early in the cycle the sphere grows by 20 twips (4/3 pixel) a frame: after two seconds it
# lies well inside a square of this side around the centre.
CENTRE_SIDE = 120

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
    resized or asked to close."""

    class ClientMessage(ctypes.Structure):
        _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                    ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                    ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                    ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]

    def __init__(self):
        self.lib = ctypes.CDLL("libX11.so.6")
        self.lib.XOpenDisplay.restype = ctypes.c_void_p
        self.lib.XDefaultRootWindow.restype = ctypes.c_ulong
        self.lib.XCreateSimpleWindow.restype = ctypes.c_ulong
        self.lib.XInternAtom.restype = ctypes.c_ulong
        ulong, uint, void_p = ctypes.c_ulong, ctypes.c_uint, ctypes.c_void_p
        self.lib.XDefaultRootWindow.argtypes = [void_p]
        self.lib.XCreateSimpleWindow.argtypes = [void_p, ulong, ctypes.c_int, ctypes.c_int,
                                                 uint, uint, uint, ulong, ulong]
        self.lib.XMapWindow.argtypes = [void_p, ulong]
        self.lib.XResizeWindow.argtypes = [void_p, ulong, uint, uint]
        self.lib.XDestroyWindow.argtypes = [void_p, ulong]
        self.lib.XSync.argtypes = [void_p, ctypes.c_int]
        self.lib.XInternAtom.argtypes = [void_p, ctypes.c_char_p, ctypes.c_int]
        self.lib.XSendEvent.argtypes = [void_p, ulong, ctypes.c_int, ctypes.c_long, void_p]
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

    def ask_to_close(self, window):
        """WM_DELETE_WINDOW, as a window manager sends it when the user closes a window."""
        message = Xlib.ClientMessage()
        message.type = 33  # ClientMessage
        message.window = window
        message.message_type = self.lib.XInternAtom(self.display, b"WM_PROTOCOLS", 0)
        message.format = 32
        message.data[0] = self.lib.XInternAtom(self.display, b"WM_DELETE_WINDOW", 0)
        event = (ctypes.c_long * 24)()  # XEvent is a union of 24 longs
        ctypes.memmove(event, ctypes.byref(message), ctypes.sizeof(message))
        self.lib.XSendEvent(self.display, window, 0, 0, event)
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

    def assertSphereAt(self, png, x, y):
        """Pen pixels around (x, y) and none of them anywhere else."""
        near = count_color(png, GREEN, centre_crop(x, y))
        self.assertGreater(near, 200, f"no sphere at {x},{y}")
        self.assertEqual(count_color(png, GREEN), near, "pen pixels away from the centre")

    def assertEndsCleanly(self, process, timeout=1.0):
        """Ends with status 0 (also: the sanitizers found no leak) within timeout seconds."""
        started = time.monotonic()
        status = finish(process, timeout)
        self.assertEqual(status, 0, process.stderr.read())
        self.assertLess(time.monotonic() - started, timeout)

    # --- where it draws ------------------------------------------------------------------

    def test_root_gets_the_sphere_at_the_centre_on_black(self):
        saver = self.start("-root", "-color", "0,255,0")
        time.sleep(2)
        png = screenshot()
        self.assertSphereAt(png, SCREEN[0] // 2, SCREEN[1] // 2)
        # Xvfb's root starts as a grey weave: everything else is now black.
        crop = centre_crop(SCREEN[0] // 2, SCREEN[1] // 2)
        others = SCREEN[0] * SCREEN[1] - count_color(png, GREEN)
        self.assertEqual(count_black(png), others)
        self.assertGreater(count_black(png, crop), 0)  # the disc itself is black inside
        saver.send_signal(signal.SIGTERM)
        self.assertEndsCleanly(saver)

    def test_host_window_from_the_environment_wins_over_root(self):
        window = self.xlib.make_window(100, 80, 400, 300)
        saver = self.start("-root", "-color", "0,255,0",
                           env={"XSCREENSAVER_WINDOW": str(window)})
        time.sleep(2)
        png = screenshot()
        self.assertSphereAt(png, 300, 230)
        # The window was white: the saver cleared it black.
        self.assertEqual(count_color(png, WHITE, (400, 300, 100, 80)), 0)
        saver.send_signal(signal.SIGINT)
        self.assertEndsCleanly(saver)
        self.xlib.destroy(window)

    def test_resizing_the_window_moves_the_centre(self):
        window = self.xlib.make_window(100, 80, 400, 300)
        saver = self.start("-window-id", hex(window), "-color", "0,255,0")
        time.sleep(1.5)
        self.assertSphereAt(screenshot(), 300, 230)
        self.xlib.resize(window, 600, 500)
        time.sleep(0.5)
        png = screenshot()
        self.assertSphereAt(png, 400, 330)
        self.assertEqual(count_color(png, GREEN, centre_crop(300, 230, 60)), 0)
        # The server fills the resized window white; the saver starts it afresh on black.
        self.assertEqual(count_color(png, WHITE, (600, 500, 100, 80)), 0)
        saver.send_signal(signal.SIGTERM)
        self.assertEndsCleanly(saver)
        self.xlib.destroy(window)

    def test_own_window_closes_on_request(self):
        saver = self.start("-color", "0,255,0")
        found = wait_until(lambda: subprocess.run(
            ["xdotool", "search", "--name", "^Globulon$"], capture_output=True,
            text=True).stdout.split(), 5)
        self.assertEqual(len(found), 1, "no window titled Globulon")
        time.sleep(1.5)
        self.assertSphereAt(screenshot(), 400, 300)  # 800 x 600 at the top left
        self.xlib.ask_to_close(int(found[0]))
        self.assertEndsCleanly(saver)

    def test_ends_when_the_host_window_goes(self):
        window = self.xlib.make_window(0, 0, 200, 200)
        saver = self.start("-window-id", str(window))
        time.sleep(0.5)
        self.xlib.destroy(window)
        self.assertEndsCleanly(saver)

    # --- cost ----------------------------------------------------------------------------

    def test_costs_under_one_percent_of_a_core(self):
        """CPU time of the process over GLOBULON_CPU_SECONDS (default 10) on the whole root."""
        seconds = float(os.environ.get("GLOBULON_CPU_SECONDS", "10"))
        saver = self.start("-root")
        time.sleep(1)  # start-up is not part of the running cost

        def cpu_seconds():
            with open(f"/proc/{saver.pid}/stat") as stat:
                fields = stat.read().rsplit(")", 1)[1].split()
            return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")

        before = cpu_seconds()
        time.sleep(seconds)
        share = (cpu_seconds() - before) / seconds
        print(f"\nglobulon -root at {SCREEN[0]}x{SCREEN[1]}: {100 * share:.2f}% of one core "
              f"over {seconds:g} s", file=sys.stderr)
        self.assertLess(share, 0.01)
        saver.send_signal(signal.SIGTERM)
        self.assertEndsCleanly(saver)


class CommandLineTest(unittest.TestCase):
    def run_program(self, *args):
        return subprocess.run([PROGRAM, *args], capture_output=True, text=True, timeout=10)

    def test_mistakes_get_one_line_and_status_2(self):
        for args in (["-bogus"], ["-color", "256,0,0"], ["-color", "1,2"], ["-window-id", "x"],
                     ["-window-id"]):
            result = self.run_program(*args)
            self.assertEqual(result.returncode, 2, args)
            self.assertEqual(len(result.stderr.splitlines()), 1, result.stderr)
            self.assertTrue(result.stderr.startswith("globulon: "), result.stderr)

    def test_a_window_that_is_not_there_is_refused(self):
        result = self.run_program("-window-id", "0x7ffffff")
        self.assertEqual(result.returncode, 1)
        self.assertIn("no window", result.stderr)

    def test_help(self):
        result = self.run_program("--help")
        self.assertEqual(result.returncode, 0)
        self.assertIn("-color R,G,B", result.stdout)


class IntegrationFilesTest(unittest.TestCase):
    XML = os.path.join(SOURCE, "x11", "globulon.xml")

    def test_xscreensaver_file_is_valid_and_its_options_are_accepted(self):
        subprocess.run(["xmllint", "--noout", self.XML], check=True)
        root = ElementTree.parse(self.XML).getroot()
        self.assertEqual(root.get("name"), "globulon")
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
                lines = dict(line.strip().split("=", 1) for line in entry if "=" in line)
            self.assertEqual(lines["Type"], "Application")
            self.assertEqual(lines["Categories"], "Screensaver;")
            self.assertTrue(lines["Exec"].endswith("/libexec/xscreensaver/globulon -root"))


if __name__ == "__main__":
    unittest.main()
