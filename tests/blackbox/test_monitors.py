"""The full-screen saver on two monitors: Xephyr with Xinerama, run inside the test display,
shows Wine two monitors (1024x768 primary, 800x600 to its right) when its X11 driver is told not
to use RandR. Wine keeps its monitor list per prefix and server, so the tests run in a copy of the
test prefix with a wineserver of its own."""
import os
import shutil
import subprocess
import time
import unittest

from harness import (GlobulonTestCase, count_color, finish, screenshot, set_setting,
                     visible_windows, wait_until, window_geometry, xdotool)

GREEN = (0, 255, 0)
MAGENTA = (255, 0, 255)
PRIMARY = (0, 0, 1024, 768)
SECOND = (1024, 0, 800, 600)
PATCH = 160 * 120  # one coloured window on each monitor


def centre_crop(monitor, half=60):
    left, top, width, height = monitor
    return (2 * half, 2 * half, left + width // 2 - half, top + height // 2 - half)


def quiet(*command):
    # No pipes: Wine's services, started by the first program, would keep them open.
    subprocess.run(command, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)


class TwoMonitors(GlobulonTestCase):
    """Everything here, the harness's helpers included, runs on Xephyr and the prefix's copy:
    the class points DISPLAY and WINEPREFIX at them for its tests."""

    @classmethod
    def setUpClass(cls):
        if not shutil.which("Xephyr"):
            raise unittest.SkipTest("Xephyr is not installed")
        number = 70
        while os.path.exists(f"/tmp/.X{number}-lock"):
            number += 1
        display = f":{number}"
        cls.xephyr = subprocess.Popen(
            ["Xephyr", display, "+xinerama", "-screen", "1024x768", "-screen", "800x600",
             "-nolisten", "tcp", "-noreset"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        ready = wait_until(lambda: subprocess.run(["xdpyinfo", "-display", display],
                                                  capture_output=True).returncode == 0, 10)
        if not ready:
            cls.xephyr.kill()
            raise AssertionError("Xephyr did not start")
        cls.outer = {name: os.environ[name] for name in ("DISPLAY", "WINEPREFIX")}
        cls.prefix = cls.outer["WINEPREFIX"].rstrip("/") + "-monitors"
        shutil.rmtree(cls.prefix, ignore_errors=True)
        shutil.copytree(cls.outer["WINEPREFIX"], cls.prefix, symlinks=True)
        os.environ.update(DISPLAY=display, WINEPREFIX=cls.prefix)
        quiet("wine", "reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "UseXRandR", "/t",
              "REG_SZ", "/d", "N", "/f")
        subprocess.run(["wineserver", "-w"])
        cls.server = subprocess.Popen(["wineserver", "-p"], stdin=subprocess.DEVNULL,
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        quiet("wine", os.environ["GLOBULON_SCR"], "/a")  # starts Wine's services

    @classmethod
    def tearDownClass(cls):
        quiet("wineserver", "-k")
        cls.server.wait()
        cls.xephyr.kill()
        cls.xephyr.wait()
        os.environ.update(cls.outer)
        shutil.rmtree(cls.prefix, ignore_errors=True)

    def setUp(self):
        super().setUp()
        set_setting("ColorRandom", "0")
        set_setting("ColorFixed", "0,255,0")
        # A recognisable patch of desktop on each monitor.
        for left in (20, 1100):
            self.start_tool("tools/color_window.exe", "255", "0", "255", str(left), "20", "160",
                            "120")
        time.sleep(1.5)
        xdotool("mousemove", 500, 400)

    def run_saver(self, black_screen):
        """Starts "/S", returns a screenshot after a few frames, then ends it by key."""
        set_setting("BlackScreen", black_screen)
        saver = self.start("/s")
        time.sleep(2.5)
        shot = screenshot()
        xdotool("key", "a")
        began = time.monotonic()
        self.assertEqual(finish(saver, timeout=6), 0)
        self.assertLess(time.monotonic() - began, 1.0)
        return shot

    def test_both_monitors_covered_each_with_its_sphere_on_black_or_the_desktop(self):
        # Black covers the patches on both monitors; the desktop copy shows them on both.
        for black_screen, patches in (("True", 0), ("False", 2 * PATCH)):
            shot = self.run_saver(black_screen)
            for monitor in (PRIMARY, SECOND):
                self.assertGreater(count_color(shot, GREEN, centre_crop(monitor)), 100, monitor)
            self.assertEqual(count_color(shot, MAGENTA), patches, black_screen)

    def test_a_right_click_shows_the_about_box_on_the_monitor_under_the_pointer(self):
        saver = self.start("/s")
        time.sleep(2.0)
        xdotool("mousemove", 1400, 300)
        xdotool("click", 3)
        boxes = wait_until(lambda: visible_windows("^About$"), timeout=5)
        self.assertTrue(boxes, "the About box did not open")
        left, _, width, _ = window_geometry(boxes[0])
        self.assertLess(abs(left + width // 2 - (SECOND[0] + SECOND[2] // 2)), 20)
        xdotool("key", "Escape")  # closes the box
        self.assertTrue(wait_until(lambda: not visible_windows("^About$"), timeout=5))
        xdotool("key", "a")
        self.assertEqual(finish(saver, timeout=6), 0)


if __name__ == "__main__":
    unittest.main()
