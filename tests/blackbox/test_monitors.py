"""The full-screen saver on two monitors: Xephyr with Xinerama, run inside the test display,
shows Wine two monitors (1024x768 primary, 800x600 to its right) when its X11 driver is told not
to use RandR. Wine keeps its monitor list per prefix and server, so the tests run in a copy of the
test prefix with a wineserver of its own."""
import os
import shutil
import subprocess
import time
import unittest

from harness import SCR, SETTINGS_KEY, TOOLS, count_color, finish, wait_until

GREEN = (0, 255, 0)
MAGENTA = (255, 0, 255)
PRIMARY = (0, 0, 1024, 768)
SECOND = (1024, 0, 800, 600)
PATCH = 160 * 120  # one coloured window on each monitor


def centre_crop(monitor, half=60):
    left, top, width, height = monitor
    return (2 * half, 2 * half, left + width // 2 - half, top + height // 2 - half)


class TwoMonitors(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        if not shutil.which("Xephyr"):
            raise unittest.SkipTest("Xephyr is not installed")
        number = 70
        while os.path.exists(f"/tmp/.X{number}-lock"):
            number += 1
        cls.display = f":{number}"
        cls.xephyr = subprocess.Popen(
            ["Xephyr", cls.display, "+xinerama", "-screen", "1024x768", "-screen", "800x600",
             "-nolisten", "tcp", "-noreset"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        ready = wait_until(lambda: subprocess.run(["xdpyinfo", "-display", cls.display],
                                                  capture_output=True).returncode == 0, 10)
        if not ready:
            cls.xephyr.kill()
            raise AssertionError("Xephyr did not start")
        prefix = os.environ["WINEPREFIX"]
        cls.prefix = prefix.rstrip("/") + "-monitors"
        shutil.rmtree(cls.prefix, ignore_errors=True)
        shutil.copytree(prefix, cls.prefix, symlinks=True)
        cls.env = dict(os.environ, WINEPREFIX=cls.prefix, DISPLAY=cls.display)
        cls.wine("reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "UseXRandR", "/t",
                 "REG_SZ", "/d", "N", "/f")
        subprocess.run(["wineserver", "-w"], env=cls.env)
        cls.server = subprocess.Popen(["wineserver", "-p"], env=cls.env,
                                      stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                      stderr=subprocess.DEVNULL)
        cls.wine(SCR, "/a")  # starts Wine's services with no pipes of ours

    @classmethod
    def tearDownClass(cls):
        subprocess.run(["wineserver", "-k"], env=cls.env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
        cls.xephyr.kill()
        cls.xephyr.wait()
        shutil.rmtree(cls.prefix, ignore_errors=True)

    @classmethod
    def wine(cls, *args):
        # No pipes: Wine's services, started by the first program, would keep them open.
        subprocess.run(["wine", *args], env=cls.env, stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def setUp(self):
        self.wine("reg", "delete", r"HKCU\Software\Globulon Screen Saver", "/f")
        for name, value in (("ColorRandom", "0"), ("ColorFixed", "0,255,0")):
            self.wine("reg", "add", SETTINGS_KEY, "/v", name, "/t", "REG_SZ", "/d", value, "/f")
        self.started = []
        # A recognisable patch of desktop on each monitor.
        for left in (20, 1100):
            self.started.append(self.popen(os.path.join(TOOLS, "tools", "color_window.exe"),
                                           "255", "0", "255", str(left), "20", "160", "120"))
        time.sleep(1.5)
        self.xdotool("mousemove", 500, 400)

    def tearDown(self):
        for process in self.started:
            if process.poll() is None:
                process.kill()
                process.wait()

    def popen(self, *args):
        return subprocess.Popen(["wine", *args], env=self.env, stdin=subprocess.DEVNULL,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def xdotool(self, *args):
        subprocess.run(["xdotool", *[str(a) for a in args]], env=self.env, capture_output=True,
                       timeout=5)

    def screenshot(self):
        path = os.path.join(self.prefix, "monitors.png")
        subprocess.run(f"xwd -root -silent | convert xwd:- {path}", shell=True, check=True,
                       env=self.env)
        return path

    def run_saver(self, black_screen):
        """Starts "/S", returns (process, screenshot after a few frames), then ends it by key."""
        self.wine("reg", "add", SETTINGS_KEY, "/v", "BlackScreen", "/t", "REG_SZ", "/d",
                  black_screen, "/f")
        saver = self.popen(SCR, "/s")
        self.started.append(saver)
        time.sleep(2.5)
        shot = self.screenshot()
        self.xdotool("key", "a")
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
        saver = self.popen(SCR, "/s")
        self.started.append(saver)
        time.sleep(2.0)
        self.xdotool("mousemove", 1400, 300)
        self.xdotool("click", 3)
        boxes = wait_until(lambda: self.visible("^About$"), timeout=5)
        self.assertTrue(boxes, "the About box did not open")
        geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", str(boxes[0])],
                                  env=self.env, capture_output=True, text=True).stdout
        values = dict(line.split("=", 1) for line in geometry.split() if "=" in line)
        centre_x = int(values["X"]) + int(values["WIDTH"]) // 2
        self.assertLess(abs(centre_x - (SECOND[0] + SECOND[2] // 2)), 20)
        self.xdotool("key", "Escape")  # closes the box
        self.assertTrue(wait_until(lambda: not self.visible("^About$"), timeout=5))
        self.xdotool("key", "a")
        self.assertEqual(finish(saver, timeout=6), 0)

    def visible(self, title):
        result = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title],
                                env=self.env, capture_output=True, text=True)
        return [int(w) for w in result.stdout.split()]


if __name__ == "__main__":
    unittest.main()
