"""The settings dialog and the About box moved to a monitor of 150%. Wine has one DPI for all
monitors, so tools/dpi_changed.exe plays Windows' part as Windows does for a per-monitor aware
window: it asks the window its size at the new DPI (WM_GETDPISCALEDSIZE) and suggests that size
in WM_DPICHANGED. Each window answers; controls, fonts and every margin between the controls and
the client area's edges grow by half, no more (the caption, which Wine does not scale, takes none
of the client area's room); and no text is cut."""
import os
import subprocess
import unittest

from harness import (DEADLINE, TITLE, TOOLS, GlobulonTestCase, ScreenReader, control_rects, finish,
                     focused_control, menu_open, visible_windows, wait_until, window_geometry,
                     window_texts, xdotool)

# Dialog controls with text: check boxes and options (their text begins right of a box the
# system draws in a size of its own), labels (as wide as their text at least), buttons (the text
# inside their edges). The lists' height is their font's.
GLYPHS, LABELS, BUTTONS, LISTS = (100, 101, 102, 103), (104, 106, 108), (1, 2), (105, 107, 109)
# The About box: OK, the text, the mail and web links.
ABOUT = (1, 101, 103, 104)


def send_dpi_changed(title, dpi):
    """Runs the tool; returns its output as a dict of name to value."""
    result = subprocess.run(["wine", os.path.join(TOOLS, "tools", "dpi_changed.exe"), title,
                             str(dpi)], capture_output=True, text=True, timeout=30)
    assert result.returncode == 0, f"dpi_changed.exe ended with {result.returncode}"
    return dict(line.strip().split("=", 1) for line in result.stdout.splitlines() if "=" in line)


def size(box):
    return box[2] - box[0], box[3] - box[1]


def client_rect(text):
    """(left, top, right, bottom) on the screen of the tool's "X,Y,W,H"."""
    x, y, w, h = (int(v) for v in text.split(","))
    return x, y, x + w, y + h


def margins(client, controls):
    """Room from the client area's edges to the nearest control: left, top, right, bottom."""
    return (min(c[0] for c in controls.values()) - client[0],
            min(c[1] for c in controls.values()) - client[1],
            client[2] - max(c[2] for c in controls.values()),
            client[3] - max(c[3] for c in controls.values()))


def ink(rect, control=None):
    """Size of the text's pixels (black or link blue on white) inside a control, or None."""
    left, top, right, bottom = rect
    if control in GLYPHS:
        left += 16
    if control in BUTTONS:
        left, top, right, bottom = left + 4, top + 4, right - 4, bottom - 4
    reader = ScreenReader()
    pixels = reader.pixels(left, top, right - left, bottom - top)
    reader.close()
    found = [(i % (right - left), i // (right - left)) for i, p in enumerate(pixels)
             if min(p) < 160]
    if not found:
        return None
    xs, ys = [x for x, _ in found], [y for _, y in found]
    return max(xs) - min(xs) + 1, max(ys) - min(ys) + 1


class MonitorDpi(GlobulonTestCase):
    def move_to_150_percent(self, title, before):
        """Moves the window, checks its answer and its margins; returns its controls' places."""
        answer = send_dpi_changed(title, 144)
        # Only a per-monitor aware window hears of such a move.
        self.assertEqual(answer.get("awareness"), "2", f"{title}: not per-monitor aware")
        self.assertTrue(answer.get("answered", "0").startswith("1"),
                        f"{title}: no answer to WM_GETDPISCALEDSIZE")
        after, _ = control_rects(title)
        self.assertEqual(set(after), set(before))
        was = margins(client_rect(answer["before"]), before)
        now = margins(client_rect(answer["after"]), after)
        for name, a, b in zip(("left", "top", "right", "bottom"), was, now):
            self.assertAlmostEqual(b, a * 1.5, delta=1.5, msg=f"{title}: {name} margin {a} -> {b}")
        return after

    def assertGrewByHalf(self, before, after, what):
        for was, now in zip(before, after):
            self.assertAlmostEqual(now, was * 1.5, delta=max(2, was * 0.06),
                                   msg=f"{what}: {before} -> {after}")

    def assertTextGrew(self, before, rect, what, factor, control=None):
        """Small print is hinted anew at each size ("OK" in 11 pixels is 11 wide, in 16 pixels
        22); a text that did not grow, or was cut at the control's edge, is much smaller. The
        window repaints after the change: its text is read until it has grown."""
        def grown():
            after = ink(rect, control)
            return after and all(now >= was * factor * 0.9 - 1 for was, now in zip(before, after))

        self.assertTrue(before, what)
        self.assertTrue(wait_until(grown, DEADLINE), f"{what}: {before} -> {ink(rect, control)}")

    def test_settings_dialog_and_about_box_grow_by_half_on_a_150_percent_monitor(self):
        process = self.start("/c")
        windows = wait_until(lambda: visible_windows(f"^{TITLE}$"), timeout=DEADLINE)
        self.assertEqual(len(windows), 1, "the settings dialog did not open")
        # Shown and painted: the dialog has put the focus on a control.
        self.assertTrue(wait_until(lambda: focused_control(TITLE), DEADLINE))
        before, _ = control_rects(TITLE)
        texts = GLYPHS + LABELS + BUTTONS
        self.assertTrue(wait_until(lambda: all(ink(before[c], c) for c in texts), DEADLINE),
                        "the dialog's texts were not painted")
        text_before = {c: ink(before[c], c) for c in texts}
        frame_before = window_geometry(windows[0])

        after = self.move_to_150_percent(TITLE, before)
        for control, rect in before.items():
            was, now = size(rect), size(after[control])
            if control in LISTS:
                was, now = was[:1], now[:1]
            elif control in LABELS:
                was, now = was[1:], now[1:]
            self.assertGrewByHalf(was, now, control)
        # Places grow too: OK's distance from the frame's corner.
        self.assertGrewByHalf((before[1][0] - before[110][0], before[1][1] - before[110][1]),
                              (after[1][0] - after[110][0], after[1][1] - after[110][1]), "OK")
        # The window grows around a client area half as big again; its caption is the system's.
        frame_after = window_geometry(windows[0])
        self.assertGreater(frame_after[2], frame_before[2] * 1.4)
        self.assertGreater(frame_after[3], frame_before[3] * 1.4)
        # 8.25 points: 11 pixels at 96 DPI, 16 at 144.
        for control in texts:
            self.assertTextGrew(text_before[control], after[control], control, 16 / 11, control)

        # "About..." from the system menu (its last entry).
        xdotool("windowfocus", "--sync", windows[0])
        xdotool("key", "alt+space")
        self.assertTrue(wait_until(lambda: menu_open(TITLE), DEADLINE), "no system menu")
        xdotool("key", "Up", "Return")
        self.assertTrue(wait_until(lambda: window_texts("About"), timeout=DEADLINE))
        self.assertTrue(wait_until(lambda: focused_control("About"), DEADLINE))
        before, _ = control_rects("About")
        self.assertTrue(wait_until(lambda: all(ink(before[c]) for c in ABOUT), DEADLINE),
                        "the About box's texts were not painted")
        text_before = {c: ink(before[c]) for c in ABOUT}
        after = self.move_to_150_percent("About", before)
        for control in ABOUT:
            self.assertGrewByHalf(size(before[control]), size(after[control]), control)
            self.assertTextGrew(text_before[control], after[control], control, 1.5)

        xdotool("key", "Return")  # closes the About box
        self.assertTrue(wait_until(lambda: not window_texts("About"), timeout=DEADLINE))
        xdotool("key", "Escape")
        self.assertEqual(finish(process, timeout=DEADLINE), 0)


if __name__ == "__main__":
    unittest.main()
