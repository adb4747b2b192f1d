"""globulon-wayland in a headless sway with two outputs of different sizes, started as users start
it: by swayidle after an idle timeout. A sphere at each output's centre in the pen colour, above a
normal window, moving; a key ends it with status 0; a pointer's jitter does not, a real move
does; an output added while it runs gets a sphere.

Environment: GLOBULON_WAYLAND (the program), GLOBULON_POINTER_DEVICE (tests/wayland's pointer).
"""
import os
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "support"))
from waits import DEADLINE, finish, wait_until  # noqa: E402
from wayland_session import GREEN, Sway, centre_box, savers_under  # noqa: E402

OUTPUTS = [(0, 0, 1280, 720), (1280, 0, 1024, 768)]
ADDED = (2304, 0, 800, 600)
SIDE = 200
BLACK = (0, 0, 0)


class SwayIdleTest(unittest.TestCase):
    def setUp(self):
        self.sway = Sway(OUTPUTS, later=[ADDED])
        self.addCleanup(self.sway.close)
        self.status = os.path.join(self.sway.home, "status")

    def start(self, *args, **options):
        process = self.sway.start(*args, **options)
        self.addCleanup(lambda: (process.poll() is None and process.terminate(),
                                 finish(process, DEADLINE)))
        return process

    def plug_pointer(self):
        """A pointer device, so that the seat has a pointer and sway's cursor reaches clients."""
        device = self.start("pointer_device", stdin=subprocess.PIPE, stdout=subprocess.PIPE)
        self.addCleanup(device.stdout.close)
        self.addCleanup(device.stdin.close)
        self.assertEqual(device.stdout.readline().strip(), b"ready")

    def start_by_swayidle(self):
        """swayidle runs the saver after one idle second, as the README's line does after 300.
        Returns swayidle, the saver's process id and the first picture with both spheres."""
        line = f"globulon-wayland -color 0,255,0; echo $? > {self.status}"
        idle = self.start("swayidle", "-w", "timeout", "1", line)
        savers = wait_until(lambda: savers_under(idle.pid), DEADLINE)
        self.assertTrue(savers, "swayidle started no globulon-wayland")
        picture = self.sway.wait_for_picture(lambda shot: self.spheres(shot, OUTPUTS))
        self.assertTrue(picture, "no sphere on an output")
        return idle, savers[0], picture

    @staticmethod
    def spheres(picture, outputs):
        return all(picture.count(GREEN, centre_box(output, SIDE)) > 100 for output in outputs)

    def assertMoving(self, output):
        self.assertTrue(self.sway.picture_changes(centre_box(output, SIDE)), "the picture stands")

    def assertEndsWithZero(self, idle, saver, action):
        ended = wait_until(lambda: action() or saver not in savers_under(idle.pid), DEADLINE)
        self.assertTrue(ended, "the saver is left")
        self.assertTrue(wait_until(self.read_status, DEADLINE), "no status written")
        self.assertEqual(self.read_status(), "0")
        self.assertEqual(savers_under(idle.pid), [])

    def read_status(self):
        try:
            with open(self.status) as status:
                return status.read().strip()
        except FileNotFoundError:
            return ""

    def press_key(self):
        """A key, typed again until the saver ends (assertEndsWithZero's action)."""
        self.sway.press_key()
        return False

    def test_swayidle_starts_it_above_a_window_a_sphere_per_output_moving_and_a_key_ends_it(self):
        self.start("weston-simple-shm")
        corner = (0, 0, 300, 200)  # of the first output, where the tiled window lies
        self.assertTrue(self.sway.wait_for_picture(
            lambda shot: shot.count(BLACK, corner) < 300 * 200 // 2), "the window does not show")
        idle, saver, picture = self.start_by_swayidle()
        self.assertEqual(picture.count(BLACK, corner), 300 * 200, "the window shows through")
        for x, y, _, _ in OUTPUTS:
            # Pen pixels near the centre only: the sphere is centred on its own output.
            self.assertEqual(picture.count(GREEN, (x, y, x + 100, y + 100)), 0)
        self.assertMoving(OUTPUTS[1])
        self.assertEndsWithZero(idle, saver, self.press_key)

    def test_pointer_jitter_does_not_end_it_a_real_move_does(self):
        self.plug_pointer()
        self.sway.swaymsg("seat", "seat0", "cursor", "set", "600", "300")
        idle, saver, _ = self.start_by_swayidle()
        for dx, dy in ((1, 1), (1, 0), (-2, -1)):
            self.sway.swaymsg("seat", "seat0", "cursor", "move", str(dx), str(dy))
        # Events are handled before each frame: a picture that still changes saw the jitter.
        self.assertMoving(OUTPUTS[0])
        self.assertIn(saver, savers_under(idle.pid))
        self.sway.swaymsg("seat", "seat0", "cursor", "move", "40", "0")
        self.assertEndsWithZero(idle, saver, lambda: False)

    def test_an_output_added_while_it_runs_gets_a_sphere(self):
        idle, saver, _ = self.start_by_swayidle()
        self.sway.swaymsg("create_output")
        self.assertTrue(self.sway.wait_for_picture(
            lambda shot: self.spheres(shot, [*OUTPUTS, ADDED])), "no sphere on the new output")
        self.assertEndsWithZero(idle, saver, self.press_key)


if __name__ == "__main__":
    unittest.main()
