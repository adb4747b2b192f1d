"""The settings dialog of the real program ("/c"): what it shows at first, what OK, Cancel and
closing store, and a second "/c" bringing the open dialog back."""
import subprocess
import time
import unittest

from harness import (TITLE, GlobulonTestCase, count_color, finish, get_setting, screenshot,
                     set_setting, settings_exist, visible_windows, wait_until, xdotool)

DIALOG = f"^{TITLE}$"
KEYS = ("ColorFixed", "ColorRandom", "BlackScreen", "MouseMove")
USED_KEYS = ("alt+o", "alt+d", "alt+m", "Return", "Escape", "alt+F4")


def setUpModule():
    # The first Wine program of a fresh wineserver starts Wine's services, which keep the
    # standard handles they were given: start them here with none, so that no later pipe of a
    # test is held open by them.
    subprocess.run(["wine", "reg", "query", r"HKCU\Software"], stdin=subprocess.DEVNULL,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    # On a fresh display the first keys xdotool sends reach a running Wine program as other
    # keys (Alt arrived as an "m"). Sent once before any Wine window exists, they go nowhere.
    if not visible_windows("."):
        for key in USED_KEYS:
            xdotool("key", key)


class SetupDialogCase(GlobulonTestCase):
    def open_dialog(self, *args):
        """Starts the program with "/c" and returns (process, X window) once the dialog shows."""
        process = self.start(*(args or ("/c",)))
        windows = wait_until(lambda: visible_windows(DIALOG), timeout=20)
        self.assertEqual(len(windows), 1, "the settings dialog did not open")
        # Wine lays the controls out right after mapping; let it settle before keys arrive.
        time.sleep(0.5)
        xdotool("windowfocus", "--sync", windows[0])
        return process, windows[0]

    def press(self, *keys):
        """Keys for the dialog, which has the keyboard since open_dialog."""
        for key in keys:
            self.assertIn(key, USED_KEYS)
            xdotool("key", key)
            time.sleep(0.2)

    def stored(self):
        return {key: get_setting(key) for key in KEYS}


class FirstRun(SetupDialogCase):
    def test_ok_stores_random_colours_black_screen_and_no_mouse(self):
        process, _ = self.open_dialog()
        self.press("Return")
        self.assertEqual(finish(process, timeout=10), 0)
        self.assertEqual(self.stored(), {"ColorFixed": "", "ColorRandom": "1",
                                         "BlackScreen": "True", "MouseMove": "False"})

    def test_access_keys_change_what_ok_stores(self):
        process, _ = self.open_dialog()
        # "&Only one color" starts from black; "&Delete Screen" cleared; "&Mouse sensitivity" set.
        self.press("alt+o", "alt+d", "alt+m", "Return")
        self.assertEqual(finish(process, timeout=10), 0)
        self.assertEqual(self.stored(), {"ColorFixed": "0,0,0", "ColorRandom": "0",
                                         "BlackScreen": "False", "MouseMove": "True"})


class StoredFixedColour(SetupDialogCase):
    def test_dialog_shows_the_colour_and_ok_stores_it_back(self):
        set_setting("ColorRandom", "0")
        set_setting("ColorFixed", "10,20,30")
        set_setting("BlackScreen", "0")
        process, _ = self.open_dialog()
        shot = screenshot()
        # The swatch is about 65 x 41 pixels in the stored colour.
        self.assertGreater(count_color(shot, (10, 20, 30)), 1500)
        self.press("Return")
        self.assertEqual(finish(process, timeout=10), 0)
        self.assertEqual(self.stored(), {"ColorFixed": "10,20,30", "ColorRandom": "0",
                                         "BlackScreen": "False", "MouseMove": "False"})


class LeavingWithoutOk(SetupDialogCase):
    def test_escape_stores_nothing(self):
        process, _ = self.open_dialog()
        self.press("alt+o", "alt+d", "Escape")
        self.assertEqual(finish(process, timeout=10), 0)
        self.assertFalse(settings_exist())

    def test_closing_the_window_stores_nothing(self):
        set_setting("ColorRandom", "1")
        process, _ = self.open_dialog()
        self.press("alt+m", "alt+F4")
        self.assertEqual(finish(process, timeout=10), 0)
        self.assertEqual(self.stored(), {"ColorFixed": None, "ColorRandom": "1",
                                         "BlackScreen": None, "MouseMove": None})


class SecondCopy(SetupDialogCase):
    def test_second_configure_hands_over_to_the_open_dialog(self):
        first, window = self.open_dialog()
        began = time.monotonic()
        second = self.start("/c")
        self.assertEqual(finish(second, timeout=15), 0)
        self.assertLess(time.monotonic() - began, 10)
        self.assertIsNone(first.poll(), "the open dialog must stay")
        self.assertEqual(visible_windows(DIALOG), [window])
        self.press("Escape")
        self.assertEqual(finish(first, timeout=10), 0)


if __name__ == "__main__":
    unittest.main()
