"""The preview ("/P <hwnd>") inside a stand-in of the display-settings dialog (preview_host.exe):
it records its window under "ActiveSetup", draws in the pen colour, and ends soon after the
dialog selects another saver or drops the preview window. In a dialog whose list it cannot read
(another language, another layout) it draws on until the dialog closes or ends."""
import os
import subprocess
import time
import unittest

from harness import (GlobulonTestCase, PreviewHost, count_color, finish, get_setting, screenshot,
                     set_setting, wait_until)

GREEN = (0, 255, 0)
# The preview loop asks the dialog ten times a second; Wine needs a moment to end the process.
END_WITHIN = 1.5


class PreviewTestCase(GlobulonTestCase):
    def start_host(self, mode, *options):
        host = PreviewHost(mode, *options)
        self.addCleanup(host.close)
        return host

    def start_preview(self, host):
        """Starts the preview and waits until it has recorded its window."""
        process = self.start("/p", str(host.preview))
        recorded = wait_until(lambda: get_setting("ActiveSetup") == str(host.preview), 15)
        self.assertTrue(recorded, f"ActiveSetup is {get_setting('ActiveSetup')!r}")
        self.assertIsNone(process.poll(), "the preview ended on its own")
        return process

    def assert_ends_soon(self, process, what):
        began = time.monotonic()
        self.assertEqual(finish(process, timeout=10), 0, what)
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
        shots = []

        def green_in_preview():
            shots.append(screenshot())
            return count_color(shots[-1], GREEN, crop)

        green = wait_until(lambda: green_in_preview() >= 30, 10, interval=0.5)
        self.assertTrue(green, "no sphere drawn in the pen colour")
        # Only the preview is drawn on.
        self.assertEqual(count_color(shots[-1], GREEN), count_color(shots[-1], GREEN, crop))
        self.assertIsNone(process.poll())
        for shot in shots:
            os.remove(shot)


class PreviewEnds(PreviewTestCase):
    def test_selecting_another_saver_ends_the_preview(self):
        for mode, entry in (("popup", "Other"), ("child", "Blank"), ("child", "none")):
            with self.subTest(mode=mode, entry=entry):
                host = self.start_host(mode)
                process = self.start_preview(host)
                time.sleep(0.5)
                host.command(f"select {entry}")
                self.assert_ends_soon(process, f"{mode}: select {entry}")
                host.command("quit")

    def test_destroying_the_preview_window_ends_the_preview(self):
        for mode in ("child", "popup"):
            with self.subTest(mode=mode):
                host = self.start_host(mode)
                process = self.start_preview(host)
                time.sleep(0.5)
                host.command("destroy preview")
                self.assert_ends_soon(process, f"{mode}: preview destroyed")
                host.command("quit")

    def test_switch_without_a_handle_ends_at_once(self):
        set_setting("ActiveSetup", "12345")  # left behind by an earlier preview
        began = time.monotonic()
        process = self.start("/P590")
        self.assertEqual(finish(process, timeout=10), 0)
        self.assertLess(time.monotonic() - began, 5)
        self.assertEqual(get_setting("ActiveSetup"), "0")


def picture_of(png, crop):
    """A digest of the pixels in crop = (w, h, x, y) of the picture."""
    source = f"{png}[{crop[0]}x{crop[1]}+{crop[2]}+{crop[3]}]"
    result = subprocess.run(["convert", source, "-format", "%#", "info:"], capture_output=True,
                            text=True, check=True)
    return result.stdout.strip()


class PreviewInAnyDialog(PreviewTestCase):
    def test_a_dialog_whose_list_cannot_be_read_keeps_the_preview_until_it_closes(self):
        for options, close in ((["--page-title", "Bildschirmschoner"], "close request"),
                               (["--other-tree"], "host ends")):
            with self.subTest(options=options):
                host = self.start_host("popup", *options)
                process = self.start_preview(host)
                time.sleep(1.5)  # a preview that gave up would be gone after one frame
                # Random colours change with every frame of the preview.
                pictures = {picture_of(screenshot(), host.preview_crop) for _ in range(4)}
                self.assertIsNone(process.poll(), f"{options}: the preview ended")
                self.assertGreater(len(pictures), 1, f"{options}: the preview stopped drawing")
                if close == "close request":
                    subprocess.run(["wine", "taskkill", "/im", "preview_host.exe"],
                                   capture_output=True)
                else:
                    host.process.kill()
                self.assert_ends_soon(process, f"{options}: {close}")


if __name__ == "__main__":
    unittest.main()
