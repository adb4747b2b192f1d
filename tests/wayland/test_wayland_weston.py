"""globulon-wayland on weston, which has no layer shell: a fullscreen toplevel on its output,
above a normal window and weston's panel, a moving sphere at its centre read back with weston's
screenshooter, ended by SIGTERM with status 0. weston offers no virtual keyboard, so no key is
typed here.

Environment: GLOBULON_WAYLAND (the program).
"""
import os
import signal
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "support"))
from waits import DEADLINE, finish  # noqa: E402
from wayland_session import GREEN, Weston, centre_box  # noqa: E402

SIZE = (1024, 768)
WHOLE = (0, 0, *SIZE)
PANEL = (0, 0, SIZE[0], 32)  # weston's desktop panel along the top
BLACK = (0, 0, 0)


def area(box):
    return (box[2] - box[0]) * (box[3] - box[1])


class WestonFallbackTest(unittest.TestCase):
    def setUp(self):
        self.weston = Weston(*SIZE)
        self.addCleanup(self.weston.close)
        desktop = self.weston.wait_for_picture(
            lambda shot: shot.count(BLACK, PANEL) < area(PANEL) // 2)
        self.assertTrue(desktop, "weston shows no desktop")
        self.window = self.start("weston-simple-shm")
        shown = self.weston.wait_for_picture(
            lambda shot: area(shot.changed_box(desktop) or (0, 0, 0, 0)) > 100 * 100)
        self.assertTrue(shown, "the window does not show")
        self.window_box = shown.changed_box(desktop)

    def start(self, *args, **options):
        process = self.weston.start(*args, **options)
        self.addCleanup(lambda: (process.poll() is None and process.terminate(),
                                 finish(process, DEADLINE)))
        return process

    def test_fullscreen_above_a_window_a_moving_sphere_and_sigterm_ends_it(self):
        saver = self.start("globulon-wayland", "-color", "#00ff00", stderr=subprocess.PIPE)
        self.addCleanup(saver.stderr.close)
        centre = centre_box(WHOLE)
        picture = self.weston.wait_for_picture(
            lambda shot: shot.count(GREEN, centre) > 100 and
            shot.count(BLACK, PANEL) == area(PANEL))
        self.assertTrue(picture, "no sphere above the panel")
        covered = picture.count(BLACK, self.window_box) + picture.count(GREEN, self.window_box)
        self.assertEqual(covered, area(self.window_box), "the window shows through")
        self.assertTrue(self.weston.picture_changes(centre), "the picture stands")

        saver.send_signal(signal.SIGTERM)
        self.assertEqual(finish(saver, DEADLINE), 0, saver.stderr.read())
        self.assertTrue(self.weston.wait_for_picture(
            lambda shot: shot.count(BLACK, self.window_box) < area(self.window_box) // 2),
            "the window does not come back")
        self.assertIsNone(self.window.poll())


if __name__ == "__main__":
    unittest.main()
