"""The settings dialog and the About box of the real program moved to a monitor of 150%: Wine has
one DPI for all monitors, so tools/dpi_changed.exe plays Windows' part and sends the running
window the WM_DPICHANGED of such a move. Controls, fonts and the window grow by half, and no
text is cut off."""
import os
import subprocess
import time
import unittest

from harness import (TITLE, TOOLS, GlobulonTestCase, ScreenReader, control_rects, finish,
                     visible_windows, wait_until, window_geometry, window_texts, xdotool)

DIALOG = f"^{TITLE}$"
# Controls that show text, by id: the dialog's check boxes, options, labels and buttons; the
# About box's OK button.
DIALOG_TEXTS = (100, 101, 102, 103, 104, 106, 108, 1, 2)
LABELS, LISTS = (104, 106, 108), (105, 107, 109)
# Check boxes and options: their text begins right of the box or circle, which the system draws
# in a size of its own (Wine in one size at every DPI).
GLYPHS, GLYPH_ROOM = (100, 101, 102, 103), 16
# The dialog's font of 8.25 points: 11 pixels high at 96 DPI, 16 at 144.
DIALOG_FONT_GROWTH = 16 / 11


BUTTONS, BUTTON_EDGE = (1, 2), 4


def text_ink(control, rect):
    """Where a dialog control's text is, without the box or circle and a button's edges."""
    left, top, right, bottom = rect
    if control in GLYPHS:
        left += GLYPH_ROOM
    if control in BUTTONS:
        left, top, right, bottom = (left + BUTTON_EDGE, top + BUTTON_EDGE, right - BUTTON_EDGE,
                                    bottom - BUTTON_EDGE)
    return ink_box((left, top, right, bottom))
ABOUT_OK = 1
ABOUT_TEXT, ABOUT_MAIL, ABOUT_WEB = 101, 103, 104


def send_dpi_changed(title, dpi):
    """Sends the window the move to a monitor of that DPI; returns the tool's lines."""
    result = subprocess.run(["wine", os.path.join(TOOLS, "tools", "dpi_changed.exe"), title,
                             str(dpi)], capture_output=True, text=True, timeout=30)
    assert result.returncode == 0, f"dpi_changed.exe ended with {result.returncode}"
    time.sleep(1.0)  # the window repaints
    return [line.rstrip("\r") for line in result.stdout.splitlines()]


def size(rect):
    return rect[2] - rect[0], rect[3] - rect[1]


def ink_box(rect):
    """The box (left, top, right, bottom) on the screen of the pixels of text inside rect, black
    or link blue on the light background, or None when there are none."""
    left, top, right, bottom = rect
    reader = ScreenReader()
    pixels = reader.pixels(left, top, right - left, bottom - top)
    reader.close()
    width = right - left
    dark = [(i % width, i // width) for i, p in enumerate(pixels) if min(p) < 160]
    if not dark:
        return None
    xs, ys = [x for x, _ in dark], [y for _, y in dark]
    return left + min(xs), top + min(ys), left + max(xs) + 1, top + max(ys) + 1


class MonitorDpiCase(GlobulonTestCase):
    def assertGrewByHalf(self, before, after, what, factor=1.5):
        for was, now in zip(before, after):
            # Whole pixels and the fonts' hinting: a few per cent either way.
            self.assertAlmostEqual(now, was * factor, delta=max(2, was * 0.06),
                                   msg=f"{what}: {before} -> {after}")

    def assertInkGrew(self, before, after, what, factor):
        """The text (with the focus frame around it) grew at least as its font: it was not cut
        at the control's edge."""
        self.assertIsNotNone(before, f"{what} showed no text")
        self.assertIsNotNone(after, f"{what} shows no text")
        # Small print is hinted differently at each size (the "OK" of 11 pixels is 11 wide, that
        # of 16 pixels 22); a text that did not grow, or was cut, is much smaller.
        for was, now in zip(size(before), size(after)):
            self.assertGreaterEqual(now, was * factor * 0.9 - 1, f"text of {what}")

    def test_settings_dialog_and_about_box_grow_by_half_on_a_150_percent_monitor(self):
        process = self.start("/c")
        windows = wait_until(lambda: visible_windows(DIALOG), timeout=20)
        self.assertEqual(len(windows), 1, "the settings dialog did not open")
        time.sleep(0.5)
        before, _ = control_rects(TITLE)
        ink_before = {control: text_ink(control, before[control]) for control in DIALOG_TEXTS}
        frame_before = window_geometry(windows[0])

        lines = send_dpi_changed(TITLE, 144)
        # Only a per-monitor aware window hears of such a move (Wine knows no version 2).
        self.assertIn("awareness=2", lines)
        after, _ = control_rects(TITLE)
        self.assertEqual(set(after), set(before))
        for control, rect in before.items():
            if control in LISTS:
                # A list's height is its selection field's, which its font decides: its width.
                self.assertGrewByHalf(size(rect)[:1], size(after[control])[:1], control)
            elif control in LABELS:
                # A label is as wide as its text at least: its height.
                self.assertGrewByHalf(size(rect)[1:], size(after[control])[1:], control)
            else:
                self.assertGrewByHalf(size(rect), size(after[control]), control)
        # The places inside the window grow with it: OK's distance from the frame's corner.
        self.assertGrewByHalf((before[1][0] - before[110][0], before[1][1] - before[110][1]),
                              (after[1][0] - after[110][0], after[1][1] - after[110][1]), "OK")
        frame_after = window_geometry(windows[0])
        self.assertGreaterEqual(frame_after[2], frame_before[2] * 1.5 - 2)
        self.assertGreaterEqual(frame_after[3], frame_before[3] * 1.5 - 2)
        # The fonts grew, and no text was cut.
        for control in DIALOG_TEXTS:
            self.assertInkGrew(ink_before[control], text_ink(control, after[control]), control,
                               DIALOG_FONT_GROWTH)

        # "About..." from the system menu (its last entry) opens the box on the same monitor.
        xdotool("windowfocus", "--sync", windows[0])
        xdotool("key", "alt+space")
        time.sleep(0.5)
        xdotool("key", "Up")
        xdotool("key", "Return")
        self.assertTrue(wait_until(lambda: window_texts("About"), timeout=5))
        time.sleep(0.5)
        about = (ABOUT_OK, ABOUT_TEXT, ABOUT_MAIL, ABOUT_WEB)
        box_before, _ = control_rects("About")
        box_ink_before = {control: ink_box(box_before[control]) for control in about}
        send_dpi_changed("About", 144)
        box_after, _ = control_rects("About")
        for control in about:
            self.assertGrewByHalf(size(box_before[control]), size(box_after[control]), control)
            self.assertInkGrew(box_ink_before[control], ink_box(box_after[control]),
                               f"About {control}", 1.5)

        xdotool("key", "Return")  # closes the About box
        self.assertTrue(wait_until(lambda: not window_texts("About"), timeout=5))
        xdotool("key", "Escape")
        self.assertEqual(finish(process, timeout=10), 0)


if __name__ == "__main__":
    unittest.main()
