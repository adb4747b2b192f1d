"""The preview ("/P <hwnd>") inside a stand-in of the display-settings dialog (preview_host.exe):
it records its window under "ActiveSetup", draws in the pen colour, and ends soon after the
dialog selects another saver or drops the preview window."""
import os
import queue
import subprocess
import threading
import time
import unittest

from harness import (TOOLS, GlobulonTestCase, count_color, finish, get_setting, screenshot,
                     set_setting, wait_until)

GREEN = (0, 255, 0)
# The preview loop asks the dialog ten times a second; Wine needs a moment to end the process.
END_WITHIN = 1.5


class PreviewHost:
    """preview_host.exe in "child" or "popup" mode, driven through its standard input."""

    def __init__(self, mode):
        tool = os.path.join(TOOLS, "tools", "preview_host.exe")
        if not os.path.exists(tool):
            raise unittest.SkipTest(f"{tool} is not built")
        self.process = subprocess.Popen(["wine", tool, mode], stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                        text=True)
        self._lines = queue.Queue()
        self._reader = threading.Thread(target=self._read, daemon=True)
        self._reader.start()
        self.values = {}
        while True:
            line = self._next_line(timeout=30)
            if line is None:
                raise AssertionError("preview_host did not start")
            if line == "ready":
                break
            name, _, value = line.partition("=")
            self.values[name] = value

    def close(self):
        """Ends the dialog if it still runs and gives back its pipes."""
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait()
        self._reader.join(timeout=5)
        self.process.stdin.close()
        if not self._reader.is_alive():
            self.process.stdout.close()

    def _read(self):
        for line in self.process.stdout:
            self._lines.put(line.strip())
        self._lines.put(None)

    def _next_line(self, timeout):
        try:
            return self._lines.get(timeout=timeout)
        except queue.Empty:
            return None

    @property
    def preview(self):
        return int(self.values["preview"])

    @property
    def preview_crop(self):
        """(w, h, x, y) of the preview's client area on the screen, as count_color takes it."""
        x, y, w, h = (int(v) for v in self.values["preview_rect"].split(","))
        return (w, h, x, y)

    def command(self, text):
        """Sends one command and returns once the dialog has carried it out."""
        self.process.stdin.write(text + "\n")
        self.process.stdin.flush()
        self._expect("ok " + text)

    def _expect(self, wanted):
        while True:
            line = self._next_line(timeout=10)
            if line is None or line == wanted:
                break
        if line != wanted:
            raise AssertionError(f"preview_host did not answer {wanted!r}")


class PreviewTestCase(GlobulonTestCase):
    def start_host(self, mode):
        host = PreviewHost(mode)
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


if __name__ == "__main__":
    unittest.main()
