"""The preview ("/P <hwnd>") inside a stand-in of the display-settings dialog (preview_host.exe):
it records its window under "ActiveSetup", draws in the pen colour, and ends soon after the
dialog selects another saver or drops the preview window. In a dialog whose list it cannot read
(another language, another layout) it draws on until the dialog closes or ends."""
import time
import unittest

from harness import (DEADLINE, GlobulonTestCase, PreviewHost, count_color, finish, get_setting,
                     picture_changes, run_wine_tool, set_setting, wait_for_color, wait_until)

GREEN = (0, 255, 0)
# The preview loop asks the dialog ten times a second; Wine needs a moment to end the process,
# more on a loaded machine.
END_WITHIN = 3.0


class PreviewTestCase(GlobulonTestCase):
    def start_host(self, mode, *options):
        host = PreviewHost(mode, *options)
        self.addCleanup(host.close)
        return host

    def start_preview(self, host):
        """Starts the preview and waits until it has recorded its window."""
        process = self.start("/p", str(host.preview))
        recorded = wait_until(lambda: get_setting("ActiveSetup") == str(host.preview), DEADLINE)
        self.assertTrue(recorded, f"ActiveSetup is {get_setting('ActiveSetup')!r}")
        self.assertIsNone(process.poll(), "the preview ended on its own")
        return process

    def assert_ends_soon(self, process, what):
        began = time.monotonic()
        self.assertEqual(finish(process, timeout=DEADLINE), 0, what)
        elapsed = time.monotonic() - began
        self.assertLess(elapsed, END_WITHIN, f"{what}: ended after {elapsed:.2f} s")
        self.assertEqual(get_setting("ActiveSetup"), "0", what)


class PreviewRunning(PreviewTestCase):
    def test_preview_draws_in_the_pen_colour_inside_its_window(self):
        set_setting("ColorRandom", "0")
        set_setting("ColorFixed", "0,255,0")
        set_setting("BlackScreen", "1")
        host = self.start_host("popup")
        process = self.start_preview(host)
        crop = host.preview_crop
        shot = wait_for_color(GREEN, crop, 30)
        self.assertIsNotNone(shot, "no sphere drawn in the pen colour")
        # Only the preview is drawn on.
        self.assertEqual(count_color(shot, GREEN), count_color(shot, GREEN, crop))
        self.assertIsNone(process.poll())


class PreviewEnds(PreviewTestCase):
    def test_selecting_another_saver_ends_the_preview(self):
        for mode, entry in (("popup", "Other"), ("child", "Blank"), ("child", "none")):
            with self.subTest(mode=mode, entry=entry):
                host = self.start_host(mode)
                process = self.start_preview(host)
                host.command(f"select {entry}")
                self.assert_ends_soon(process, f"{mode}: select {entry}")
                host.command("quit")

    def test_destroying_the_preview_window_ends_the_preview(self):
        for mode in ("child", "popup"):
            with self.subTest(mode=mode):
                host = self.start_host(mode)
                process = self.start_preview(host)
                host.command("destroy preview")
                self.assert_ends_soon(process, f"{mode}: preview destroyed")
                host.command("quit")

    def test_switch_without_a_handle_ends_at_once(self):
        set_setting("ActiveSetup", "12345")  # left behind by an earlier preview
        began = time.monotonic()
        process = self.start("/P590")
        self.assertEqual(finish(process, timeout=DEADLINE), 0)
        self.assertLess(time.monotonic() - began, DEADLINE)
        self.assertEqual(get_setting("ActiveSetup"), "0")


class PreviewInAnyDialog(PreviewTestCase):
    """Random colours change with every frame of the preview: its picture changes while it
    draws, apart from the rest between two cycles."""

    def assert_draws_on(self, host, process, what):
        for frame in ("a new frame", "a second new frame"):
            self.assertTrue(picture_changes(host.preview_crop), f"{what}: {frame} is missing")
        self.assertIsNone(process.poll(), f"{what}: the preview ended")

    def test_a_translated_page_title_keeps_the_preview_until_a_close_request(self):
        host = self.start_host("popup", "--page-title", "Bildschirmschoner")
        process = self.start_preview(host)
        self.assert_draws_on(host, process, "translated title")
        run_wine_tool("wine", "taskkill", "/im", "preview_host.exe")
        self.assert_ends_soon(process, "translated title: close request")

    def test_another_layout_keeps_the_preview_until_the_host_ends(self):
        host = self.start_host("popup", "--other-tree")
        process = self.start_preview(host)
        self.assert_draws_on(host, process, "other layout")
        host.process.kill()
        self.assert_ends_soon(process, "other layout: host ends")


if __name__ == "__main__":
    unittest.main()
