"""Two monitors: Xephyr with Xinerama, run inside the test display, shows Wine two monitors
(1024x768 primary, 800x600 to its right) when its X11 driver is told not to use RandR. Wine keeps
its monitor list per prefix and server, so the tests run in a copy of the test prefix with a
wineserver of its own. The full-screen saver covers both, each with its sphere; the About box and
the settings dialog open on the monitor the user is at."""
import os
import shutil
import subprocess
import time
import unittest

from harness import (DEADLINE, TITLE, GlobulonTestCase, PreviewHost, count_color, finish,
                     focused_control, screenshot, set_setting, visible_windows, wait_until,
                     window_geometry, xdotool)

GREEN = (0, 255, 0)
MAGENTA = (255, 0, 255)
PRIMARY = (0, 0, 1024, 768)
SECOND = (1024, 0, 800, 600)
PATCH = 160 * 120  # one coloured window on each monitor
# From the key to the end of the Wine process, on a loaded machine.
ENDS_WITHIN = 3.0


def centre_crop(monitor, half=60):
    left, top, width, height = monitor
    return (2 * half, 2 * half, left + width // 2 - half, top + height // 2 - half)


def window_names():
    """The titles of the shown windows, for a failure's message."""
    return [subprocess.run(["xdotool", "getwindowname", str(w)], capture_output=True,
                           text=True).stdout.strip() for w in visible_windows(".")]


def quiet(*command):
    # No pipes: Wine's services, started by the first program, would keep them open.
    subprocess.run(command, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)


class TwoMonitorDisplay:
    """Xephyr and the prefix's copy with its wineserver, for every test of this file: while it
    runs, DISPLAY and WINEPREFIX point at them, for the harness's helpers too."""

    def start(self):
        if not shutil.which("Xephyr"):
            raise unittest.SkipTest("Xephyr is not installed")
        number = 70
        while os.path.exists(f"/tmp/.X{number}-lock"):
            number += 1
        display = f":{number}"
        self.xephyr = subprocess.Popen(
            ["Xephyr", display, "+xinerama", "-screen", "1024x768", "-screen", "800x600",
             "-nolisten", "tcp", "-noreset"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        ready = wait_until(lambda: subprocess.run(["xdpyinfo", "-display", display],
                                                  capture_output=True).returncode == 0, DEADLINE)
        if not ready:
            self.xephyr.kill()
            raise AssertionError("Xephyr did not start")
        self.outer = {name: os.environ[name] for name in ("DISPLAY", "WINEPREFIX")}
        self.prefix = self.outer["WINEPREFIX"].rstrip("/") + "-monitors"
        shutil.rmtree(self.prefix, ignore_errors=True)
        shutil.copytree(self.outer["WINEPREFIX"], self.prefix, symlinks=True)
        os.environ.update(DISPLAY=display, WINEPREFIX=self.prefix)
        quiet("wine", "reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "UseXRandR", "/t",
              "REG_SZ", "/d", "N", "/f")
        subprocess.run(["wineserver", "-w"])
        # Returns once the server answers, so the next program uses this persistent one.
        quiet("wineserver", "-p")
        quiet("wine", os.environ["GLOBULON_SCR"], "/a")  # starts Wine's services

    def stop(self):
        quiet("wineserver", "-k")
        self.xephyr.kill()
        self.xephyr.wait()
        os.environ.update(self.outer)
        shutil.rmtree(self.prefix, ignore_errors=True)


MONITORS = TwoMonitorDisplay()
setUpModule = MONITORS.start
tearDownModule = MONITORS.stop


class TwoMonitors(GlobulonTestCase):
    def setUp(self):
        super().setUp()
        set_setting("ColorRandom", "0")
        set_setting("ColorFixed", "0,255,0")
        # A recognisable patch of desktop on each monitor.
        for left in (20, 1100):
            self.start_tool("tools/color_window.exe", "255", "0", "255", str(left), "20", "160",
                            "120")
        seen = []
        shown = wait_until(lambda: seen.append(count_color(screenshot(), MAGENTA)) or
                           seen[-1] == 2 * PATCH, DEADLINE)
        self.assertTrue(shown, f"the coloured windows did not show: {seen[-1]} of {2 * PATCH} "
                        f"pixels; shown: {window_names()}")
        xdotool("mousemove", 500, 400)

    def start_saver(self):
        """Starts "/S" and waits until a sphere shows on each monitor; returns the process and
        that screenshot."""
        saver = self.start("/s")
        spheres = []

        def both_spheres():
            shot = screenshot()
            if all(count_color(shot, GREEN, centre_crop(m)) > 100 for m in (PRIMARY, SECOND)):
                spheres.append(shot)
            return spheres

        self.assertTrue(wait_until(both_spheres, DEADLINE), "no sphere on a monitor")
        return saver, spheres[0]

    def assertEndsOnAKey(self, saver):
        xdotool("key", "a")
        began = time.monotonic()
        self.assertEqual(finish(saver, timeout=ENDS_WITHIN + DEADLINE), 0)
        self.assertLess(time.monotonic() - began, ENDS_WITHIN)

    def test_both_monitors_covered_each_with_its_sphere_on_black_or_the_desktop(self):
        # Black covers the patches on both monitors; the desktop copy shows them on both.
        for black_screen, patches in (("True", 0), ("False", 2 * PATCH)):
            set_setting("BlackScreen", black_screen)
            saver, shot = self.start_saver()
            self.assertEqual(count_color(shot, MAGENTA), patches, black_screen)
            self.assertEndsOnAKey(saver)

    def test_a_right_click_shows_the_about_box_on_the_monitor_under_the_pointer(self):
        saver, _ = self.start_saver()
        xdotool("mousemove", 1400, 300)
        xdotool("click", 3)
        boxes = wait_until(lambda: visible_windows("^About$"), timeout=DEADLINE)
        self.assertTrue(boxes, "the About box did not open")
        left, _, width, _ = window_geometry(boxes[0])
        self.assertLess(abs(left + width // 2 - (SECOND[0] + SECOND[2] // 2)), 20)
        xdotool("key", "Escape")  # closes the box
        self.assertTrue(wait_until(lambda: not visible_windows("^About$"), timeout=DEADLINE))
        self.assertEndsOnAKey(saver)


class DialogMonitor(GlobulonTestCase):
    """The settings dialog keeps its centring rule on the monitor of the window that asked for
    it (the display-settings dialog, here the stand-in), or of the pointer when none did."""

    def assertOpensCentredOn(self, monitor, *args):
        process = self.start(*args)
        windows = wait_until(lambda: visible_windows(f"^{TITLE}$"), timeout=DEADLINE)
        self.assertEqual(len(windows), 1, "the settings dialog did not open")
        # Laid out and placed: the dialog has put the focus on a control.
        self.assertTrue(wait_until(lambda: focused_control(TITLE), DEADLINE))
        left, top, width, height = window_geometry(windows[0])
        xdotool("windowfocus", "--sync", windows[0])
        xdotool("key", "Escape")
        self.assertEqual(finish(process, timeout=DEADLINE), 0)
        centre = (left + width // 2, top + height // 2)
        expected = (monitor[0] + monitor[2] // 2, monitor[1] + monitor[3] // 2)
        for axis in (0, 1):
            self.assertLessEqual(abs(centre[axis] - expected[axis]), 2, f"{args}: {centre}")

    def test_the_dialog_opens_on_the_monitor_of_the_window_that_asked_for_it(self):
        # The pointer on the other monitor each time.
        for at, pointer, monitor in (((1100, 50), (500, 400), SECOND),
                                     ((20, 20), (1400, 300), PRIMARY)):
            with self.subTest(at=at):
                xdotool("mousemove", *pointer)
                host = PreviewHost("child", "--at", *(str(v) for v in at))
                self.addCleanup(host.close)
                # The handle after "/c:" is one of the asking dialog's children (its page).
                self.assertOpensCentredOn(monitor, f"/c:{host.values['page']}")
                host.command("quit")
                self.assertEqual(finish(host.process, DEADLINE), 0, "the stand-in did not end")

    def test_without_a_window_that_asked_the_dialog_opens_on_the_pointers_monitor(self):
        for pointer, monitor in (((1400, 300), SECOND), ((500, 400), PRIMARY)):
            with self.subTest(pointer=pointer):
                xdotool("mousemove", *pointer)
                self.assertOpensCentredOn(monitor, "/c")


if __name__ == "__main__":
    unittest.main()
