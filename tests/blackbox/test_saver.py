"""The full-screen saver, started as the screen-saver host starts it, and driven like a user."""
import time
import unittest

import harness
from harness import (DEADLINE, GlobulonTestCase, count_color, finish, get_setting, screenshot,
                     set_setting, wait_for_color)

GREEN = (0, 255, 0)
MAGENTA = (255, 0, 255)
# From a key, a click or a close request to the end of the Wine process, on a loaded machine.
ENDS_WITHIN = 3.0
PATCH = (160, 120, 20, 20)  # the coloured window tools/color_window.exe shows below


class SaverTestCase(GlobulonTestCase):
    def start_saver(self, *extra):
        """Starts "/S" and waits for its full-screen window; returns (process, window)."""
        # The pointer rests over the centre before the window appears: keys go to the window
        # under it, and no move is made that the saver could count.
        harness.xdotool("mousemove", 500, 400)
        process = self.start("/s", *extra)
        window = harness.wait_until(harness.full_screen_window, timeout=DEADLINE)
        self.assertIsNotNone(window, "the saver window did not appear")
        # Its frame loop runs, and with it the input watch.
        self.assertTrue(harness.picture_changes(self.whole_screen()), "the saver does not draw")
        return process, window

    def assertEnds(self, process):
        """Ends with status 0 within ENDS_WITHIN seconds of the input just given."""
        began = time.monotonic()
        self.assertEqual(finish(process, timeout=ENDS_WITHIN + DEADLINE), 0)
        elapsed = time.monotonic() - began
        self.assertLess(elapsed, ENDS_WITHIN, f"ended {elapsed:.2f} s after the input")

    def assertStillDraws(self, process):
        """Two new frames after the input just given: the wait between them took that input,
        and a saver that input had ended would have drawn no second frame."""
        for frame in ("a frame", "a second frame"):
            self.assertTrue(harness.picture_changes(self.whole_screen()), f"{frame} is missing")
        self.assertIsNone(process.poll(), "the saver ended")

    def whole_screen(self):
        width, height = harness.screen_size()
        return (width, height, 0, 0)

    def show_patch(self):
        """A magenta window on the desktop, at PATCH, shown before the saver starts."""
        self.start_tool("tools/color_window.exe", "255", "0", "255", "20", "20", "160", "120")
        shown = wait_for_color(MAGENTA, PATCH, PATCH[0] * PATCH[1])
        self.assertIsNotNone(shown, "the coloured window did not show")

    def centre_crop(self, half=120):
        width, height = harness.screen_size()
        return (2 * half, 2 * half, width // 2 - half, height // 2 - half)


class Drawing(SaverTestCase):
    def test_fixed_colour_outline_at_the_centre_and_a_key_ends_it(self):
        set_setting("ColorRandom", "0")
        set_setting("ColorFixed", "0,255,0")
        process, _ = self.start_saver()
        self.assertIsNotNone(wait_for_color(GREEN, self.centre_crop(), 100), "no green sphere")
        self.assertEqual(get_setting("ActiveSetup"), "0")
        harness.xdotool("key", "a")
        self.assertEnds(process)

    def test_desktop_shows_behind_the_sphere_unless_black_screen(self):
        self.show_patch()
        for black, expected in (("False", PATCH[0] * PATCH[1]), ("True", 0)):
            set_setting("BlackScreen", black)
            process, _ = self.start_saver()
            self.assertEqual(count_color(screenshot(), MAGENTA, PATCH), expected, black)
            harness.xdotool("key", "Escape")
            self.assertEnds(process)

    def test_the_desktop_shows_from_the_first_frame_on(self):
        self.show_patch()
        set_setting("BlackScreen", "False")
        # A start that shows one black frame before the desktop copy is caught most times, not
        # always: three starts.
        for _ in range(3):
            watch = harness.PixelWatch(100, 80)
            process, _ = self.start_saver()
            seen = set(watch.stop())
            self.assertEqual(seen, {MAGENTA})
            harness.xdotool("key", "Escape")
            self.assertEnds(process)


class Input(SaverTestCase):
    def test_a_left_click_ends_it(self):
        process, _ = self.start_saver()
        harness.xdotool("click", "1")
        self.assertEnds(process)

    def test_mouse_sensitivity_counts_moves_beyond_two_pixels(self):
        set_setting("MouseMove", "1")
        process, _ = self.start_saver()
        # The reference is taken where the window appeared (500, 400) or at the first move;
        # either way this move stays within 2 pixels of it and the next one does not.
        harness.xdotool("mousemove", 502, 402)
        self.assertStillDraws(process)
        harness.xdotool("mousemove", 505, 400)
        self.assertEnds(process)

    def test_the_side_buttons_end_it(self):
        for button in (8, 9):  # back and forward
            process, _ = self.start_saver()
            harness.xdotool("click", button)
            self.assertEnds(process)

    def test_moves_never_end_it_without_mouse_sensitivity(self):
        set_setting("MouseMove", "0")
        process, _ = self.start_saver()
        for x in (560, 620, 100):
            harness.xdotool("mousemove", x, 300)
            self.assertStillDraws(process)
        harness.xdotool("key", "space")
        self.assertEnds(process)

    def test_a_plain_right_click_shows_the_about_box_over_the_running_saver(self):
        set_setting("MouseMove", "1")
        process, _ = self.start_saver()
        harness.xdotool("click", "3")
        texts = harness.wait_until(lambda: harness.window_texts("About"), timeout=DEADLINE)
        self.assertTrue(harness.VERSION, "GLOBULON_VERSION must name the built version")
        self.assertIn("Globulon Screen Saver  \u2013  version " + harness.VERSION, "\n".join(texts))
        # Moving inside the box does not end the saver; the box closes itself after 10 s.
        harness.xdotool("mousemove", 520, 420)
        closed = harness.wait_until(lambda: not harness.window_texts("About"),
                                    timeout=10 + DEADLINE)
        self.assertTrue(closed, "the About box did not close by itself")
        self.assertStillDraws(process)
        harness.xdotool("key", "space")
        self.assertEnds(process)


class CloseRequests(SaverTestCase):
    def test_end_task_ends_the_saver_and_the_next_one_runs(self):
        set_setting("ColorRandom", "0")
        set_setting("ColorFixed", "0,255,0")
        process, _ = self.start_saver()
        # taskkill without /f asks the program's windows to close, as "End task" does.
        harness.run_wine_tool("wine", "taskkill", "/im", "globulon.scr")
        self.assertEnds(process)
        # Nothing of the first copy is left to stop the next one.
        process, _ = self.start_saver()
        self.assertIsNotNone(wait_for_color(GREEN, self.centre_crop(), 100), "no green sphere")
        harness.xdotool("key", "a")
        self.assertEnds(process)


class AnotherProgram(SaverTestCase):
    def test_a_program_taking_the_foreground_ends_the_saver_and_gets_the_keys(self):
        process, _ = self.start_saver()
        taker = harness.ToolLines("foreground_taker.exe")
        self.addCleanup(taker.close)
        took = taker.wait_for(lambda line: line.startswith("foreground="), timeout=DEADLINE)
        self.assertEqual(took, "foreground=1", "the tool did not get the foreground")
        self.assertEnds(process)
        # Keys go to the window under the pointer here, as the display has no window manager.
        taker_window = harness.wait_until(lambda: harness.visible_windows("^Foreground taker$"),
                                          DEADLINE)
        self.assertTrue(taker_window, "the tool's window is not shown")
        x, y, width, height = harness.window_geometry(taker_window[0])
        harness.xdotool("mousemove", x + width // 2, y + height // 2)
        harness.xdotool("key", "a")
        self.assertEqual(taker.wait_for(lambda line: line.startswith("key"), timeout=DEADLINE),
                         "key 65")


class Instances(SaverTestCase):
    def test_a_second_saver_ends_at_once_unless_a_running_preview_is_recorded(self):
        host = harness.PreviewHost("child")
        self.addCleanup(host.close)
        first, _ = self.start_saver()
        # Left behind by a killed preview, beyond any handle, or nothing at all: no preview runs.
        for stale in ("0", "999999999999", "12345", "-1"):
            set_setting("ActiveSetup", stale)
            second = self.start("/s")
            self.assertEqual(finish(second, timeout=DEADLINE), 0, stale)
        # A preview window that exists (the stand-in dialog's): the saver goes ahead beside it,
        # with a full-screen window of its own.
        set_setting("ActiveSetup", str(host.preview))
        third = self.start("/s")
        self.assertTrue(harness.wait_until(lambda: len(self.full_screen_windows()) == 2,
                                           DEADLINE), "the second saver did not go ahead")
        self.assertIsNone(third.poll())
        self.assertEqual(get_setting("ActiveSetup"), str(host.preview))

    def full_screen_windows(self):
        size, root = harness.screen_size(), harness.root_window()
        return [w for w in harness.visible_windows("")
                if w != root and harness.window_geometry(w)[2:] == size]

    def test_a_preview_ends_at_once_while_another_copy_runs(self):
        self.start_saver()
        preview = self.start("/p", "590")
        self.assertEqual(finish(preview, timeout=DEADLINE), 0)


if __name__ == "__main__":
    unittest.main()
