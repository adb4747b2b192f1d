"""The settings dialog and the About box moved to a monitor of 150%, with tools/dpi_changed.exe
playing Windows' part as Windows does for a per-monitor aware window: it asks the window its size
at the new DPI (WM_GETDPISCALEDSIZE) and suggests that size in WM_DPICHANGED. Each window answers,
and every margin between its controls and its client area's edges grows by half, no more: the
caption, which Wine does not scale, takes none of the client area's room."""
import os
import subprocess
import unittest

from harness import (DEADLINE, TITLE, TOOLS, GlobulonTestCase, control_rects, finish,
                     focused_control, menu_open, visible_windows, wait_until, window_texts,
                     xdotool)


def dpi_changed(title, dpi):
    """Runs the tool; returns its output as a dict of name to value."""
    result = subprocess.run(["wine", os.path.join(TOOLS, "tools", "dpi_changed.exe"), title,
                             str(dpi)], capture_output=True, text=True, timeout=30)
    assert result.returncode == 0, f"dpi_changed.exe ended with {result.returncode}"
    return dict(line.strip().split("=", 1) for line in result.stdout.splitlines() if "=" in line)


def rect(text):
    """(left, top, right, bottom) on the screen of the tool's "X,Y,W,H"."""
    x, y, w, h = (int(v) for v in text.split(","))
    return x, y, x + w, y + h


def margins(client, controls):
    """Room from the client area's edges to the nearest control: left, top, right, bottom."""
    left = min(c[0] for c in controls.values()) - client[0]
    top = min(c[1] for c in controls.values()) - client[1]
    right = client[2] - max(c[2] for c in controls.values())
    bottom = client[3] - max(c[3] for c in controls.values())
    return left, top, right, bottom


def stable_rects(title):
    """The controls' places once two readings agree (the window has laid itself out)."""
    last = {}

    def settled():
        nonlocal last
        now, _ = control_rects(title)
        same = bool(now) and now == last
        last = now
        return same

    settled_in_time = wait_until(settled, timeout=DEADLINE, interval=0.3)
    assert settled_in_time, f"{title}: its controls kept moving"
    return last


class DpiScaledSize(GlobulonTestCase):
    def assertMarginsScaled(self, what, before, after):
        for name, was, now in zip(("left", "top", "right", "bottom"), before, after):
            self.assertLessEqual(now, was * 1.5 + 1.5, f"{what}: {name} margin {was} -> {now}")
            self.assertGreaterEqual(now, was * 1.5 - 1.5, f"{what}: {name} margin {was} -> {now}")

    def move_to_150_percent(self, title):
        before = stable_rects(title)
        answer = dpi_changed(title, 144)
        self.assertTrue(answer.get("answered", "0").startswith("1"),
                        f"{title}: no answer to WM_GETDPISCALEDSIZE")
        after = stable_rects(title)
        self.assertEqual(set(before), set(after))
        self.assertMarginsScaled(title, margins(rect(answer["before"]), before),
                                 margins(rect(answer["after"]), after))

    def test_the_forms_answer_their_size_and_keep_their_margins_at_150_percent(self):
        process = self.start("/c")
        windows = wait_until(lambda: visible_windows(f"^{TITLE}$"), timeout=DEADLINE)
        self.assertEqual(len(windows), 1, "the settings dialog did not open")
        # Shown and laid out: the dialog has put the focus on a control.
        self.assertTrue(wait_until(lambda: focused_control(TITLE), DEADLINE))
        self.move_to_150_percent(TITLE)

        # "About..." from the system menu (its last entry).
        xdotool("windowfocus", "--sync", windows[0])
        xdotool("key", "alt+space")
        self.assertTrue(wait_until(lambda: menu_open(TITLE), DEADLINE), "no system menu")
        xdotool("key", "Up", "Return")
        self.assertTrue(wait_until(lambda: window_texts("About"), timeout=DEADLINE))
        self.assertTrue(wait_until(lambda: focused_control("About"), DEADLINE))
        self.move_to_150_percent("About")

        xdotool("key", "Return")  # closes the About box
        self.assertTrue(wait_until(lambda: not window_texts("About"), timeout=DEADLINE))
        xdotool("key", "Escape")
        self.assertEqual(finish(process, timeout=DEADLINE), 0)


if __name__ == "__main__":
    unittest.main()
