"""globulon-wayland on weston, which has no layer shell: a fullscreen toplevel on its output,
above a normal window, drawing (read back with weston's screenshooter), ended by SIGTERM with
status 0. weston offers no virtual keyboard, so no key is typed here.

Environment: GLOBULON_WAYLAND (the program).
"""
import signal
import subprocess
import unittest

from wayland_session import GREEN, Weston, centre_box, finish, wait_until

SIZE = (1024, 768)


class WestonFallbackTest(unittest.TestCase):
    def setUp(self):
        self.weston = Weston(*SIZE)
        self.addCleanup(self.weston.close)

    def start(self, *args, **options):
        process = self.weston.start(*args, **options)
        self.addCleanup(lambda: (process.poll() is None and process.terminate(),
                                 finish(process, 5)))
        return process

    def test_fullscreen_above_a_window_draws_and_sigterm_ends_it(self):
        window = self.start("weston-simple-shm")
        whole = (0, 0, *SIZE)
        # Before the saver: the shell's background, panel and the window, hardly any black.
        self.assertTrue(wait_until(lambda: self.weston.screenshot().count((0, 0, 0), whole) <
                                   SIZE[0] * SIZE[1] // 2, 15), "the desktop does not show")
        saver = self.start("globulon-wayland", "-color", "#00ff00", stderr=subprocess.PIPE)
        box = centre_box(self.weston.output)
        self.assertTrue(wait_until(lambda: self.weston.screenshot().count(GREEN, box) > 100, 15),
                        "no sphere at the centre")
        picture = self.weston.screenshot()
        covered = picture.count((0, 0, 0), whole) + picture.count(GREEN, whole)
        self.assertEqual(covered, SIZE[0] * SIZE[1], "the window or the shell shows through")
        self.assertIsNone(window.poll())
        saver.send_signal(signal.SIGTERM)
        self.assertEqual(finish(saver, 5), 0, saver.stderr.read())
        saver.stderr.close()


if __name__ == "__main__":
    unittest.main()
