"""The full-screen saver on a desktop of its own, as Windows runs a saver that asks for the
password on resume (on its "Screen-saver" desktop): Wine's `explorer /desktop=...` gives the saver
such a desktop, a window of its own. Drawing over the desktop shows nothing of another desktop
there: the saver draws on black."""
import os
import subprocess
import unittest

import harness
from harness import (DEADLINE, SCR, TOOLS, GlobulonTestCase, count_color, screenshot, set_setting,
                     wait_for_color)

DESKTOP = "GlobulonSaver"
MAGENTA = (255, 0, 255)


def on_own_desktop(*command):
    """Starts a Windows program on the desktop DESKTOP, made when it is missing. It has the test
    screen's size: one of another size leaves the cursor limited to it for the later programs of
    the same Wine server."""
    return subprocess.Popen(["wine", "explorer", f"/desktop={DESKTOP},1024x768", *command],
                            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)


def desktop_window():
    windows = harness.visible_windows(f"^{DESKTOP} - ")
    return windows[0] if windows else None


class OwnDesktop(GlobulonTestCase):
    def tearDown(self):
        for program in ("globulon.scr", "color_window.exe"):
            subprocess.run(["wine", "taskkill", "/f", "/im", program], capture_output=True)
        super().tearDown()

    def test_drawing_over_the_desktop_gives_black_on_a_desktop_of_its_own(self):
        # Something to see on that desktop: a magenta window at 20, 20.
        self.processes.append(on_own_desktop(os.path.join(TOOLS, "tools", "color_window.exe"),
                                             "255", "0", "255", "20", "20", "160", "120"))
        window = harness.wait_until(desktop_window, timeout=DEADLINE)
        self.assertIsNotNone(window, "Wine's desktop window did not open")
        left, top, _, _ = harness.window_geometry(window)
        patch = (160, 120, left + 20, top + 20)
        self.assertIsNotNone(wait_for_color(MAGENTA, patch, 160 * 120),
                             "the coloured window did not show on that desktop")

        set_setting("BlackScreen", "False")
        set_setting("ColorRandom", "0")
        set_setting("ColorFixed", "0,255,0")
        self.processes.append(on_own_desktop(SCR, "/S"))
        # The saver covers the desktop window and draws its green sphere in the middle.
        shown = harness.wait_until(
            lambda: count_color(screenshot(), (0, 255, 0), (1024, 768, left, top)) > 100,
            timeout=DEADLINE)
        self.assertTrue(shown, "the saver did not start on its desktop")
        self.assertEqual(count_color(screenshot(), MAGENTA, patch), 0)


if __name__ == "__main__":
    unittest.main()
