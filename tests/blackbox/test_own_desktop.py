"""The full-screen saver on a desktop of its own, as Windows runs a saver that asks for the
password on resume (on its "Screen-saver" desktop): Wine's `explorer /desktop=...` gives the saver
such a desktop, a window of its own. Drawing over the desktop shows nothing of another desktop
there: the saver draws on black. The About box's links open nothing there (the program they
start would run where the user never sees it); on the user's desktop they do."""
import os
import subprocess
import unittest

import harness
from harness import (DEADLINE, SCR, TOOLS, GlobulonTestCase, count_color, finish, screenshot,
                     set_setting, wait_for_color, wait_until, xdotool)

DESKTOP = "GlobulonSaver"
MAGENTA = (255, 0, 255)
GREEN = (0, 255, 0)
MAIL_LINK = 103  # the About box's mail address


def on_own_desktop(*command):
    """Starts a Windows program on the desktop DESKTOP, made when it is missing. It has the test
    screen's size: one of another size leaves the cursor limited to it for the later programs of
    the same Wine server."""
    return subprocess.Popen(own_desktop_command(*command), stdin=subprocess.DEVNULL,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def own_desktop_command(*command):
    return ["wine", "explorer", f"/desktop={DESKTOP},1024x768", *command]


def desktop_window():
    windows = harness.visible_windows(f"^{DESKTOP} - ")
    return windows[0] if windows else None


def link_rect(own_desktop):
    """Where the About box's mail link sits on its desktop, or None while there is no box. A
    program finds only the windows of its own desktop: for the saver's, the tool runs there."""
    command = [os.path.join(TOOLS, "tools", "control_rects.exe"), "About"]
    command = own_desktop_command(*command) if own_desktop else ["wine", *command]
    result = subprocess.run(command, stdin=subprocess.DEVNULL, capture_output=True, text=True)
    for line in result.stdout.splitlines():
        fields = line.split()
        if len(fields) == 5 and fields[0] == str(MAIL_LINK):
            return tuple(int(f) for f in fields[1:])
    return None


def running(program):
    """True while a Windows program of this test's Wine prefix runs (its file name, lower
    case): Wine runs each as a Linux process whose command line is the Windows one."""
    prefix = ("WINEPREFIX=" + os.environ["WINEPREFIX"]).encode()
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/cmdline", "rb") as file:
                if program.encode() not in file.read().lower():
                    continue
            with open(f"/proc/{pid}/environ", "rb") as file:
                if prefix in file.read().split(b"\0"):
                    return True
        except OSError:
            continue  # ended meanwhile, or not ours to read
    return False


class OwnDesktop(GlobulonTestCase):
    def tearDown(self):
        for program in ("globulon.scr", "color_window.exe"):
            harness.run_wine_tool("wine", "taskkill", "/f", "/im", program)
        super().tearDown()

    def test_drawing_over_the_desktop_gives_black_on_a_desktop_of_its_own(self):
        # Something to see on that desktop: a magenta window at 20, 20.
        self.processes.append(on_own_desktop(os.path.join(TOOLS, "tools", "color_window.exe"),
                                             "255", "0", "255", "20", "20", "160", "120"))
        window = harness.wait_until(desktop_window, timeout=DEADLINE)
        self.assertIsNotNone(window, "Wine's desktop window did not open")
        left, top, _, _ = harness.window_geometry(window)
        patch = (160, 120, left + 20, top + 20)
        self.assertIsNotNone(wait_for_color(MAGENTA, patch, 160 * 120),
                             "the coloured window did not show on that desktop")

        set_setting("BlackScreen", "False")
        set_setting("ColorRandom", "0")
        set_setting("ColorFixed", "0,255,0")
        self.processes.append(on_own_desktop(SCR, "/S"))
        # The saver covers the desktop window and draws its green sphere in the middle.
        shown = harness.wait_until(
            lambda: count_color(screenshot(), (0, 255, 0), (1024, 768, left, top)) > 100,
            timeout=DEADLINE)
        self.assertTrue(shown, "the saver did not start on its desktop")
        self.assertEqual(count_color(screenshot(), MAGENTA, patch), 0)


class LinksOnOwnDesktop(GlobulonTestCase):
    """tools/link_recorder.exe is the program for "mailto:" links while these tests run."""

    def setUp(self):
        super().setUp()
        set_setting("ColorRandom", "0")
        set_setting("ColorFixed", "0,255,0")
        set_setting("MouseMove", "0")  # the pointer goes to the link without ending the saver
        self.mail = harness.LinkRecorder(self, "mailto")

    def tearDown(self):
        for program in ("globulon.scr", "link_recorder.exe"):
            harness.run_wine_tool("wine", "taskkill", "/f", "/im", program)
        super().tearDown()

    def click_mail_link(self, origin, own_desktop, button):
        """Opens the About box with a right click on the running saver and clicks its mail
        link with the mouse button, as a person does; origin is the corner of the saver's
        desktop on the screen."""
        left, top = origin
        shown = wait_until(lambda: count_color(screenshot(), GREEN, (1024, 768, left, top)) > 100,
                           DEADLINE)
        self.assertTrue(shown, "the saver did not start")
        xdotool("mousemove", left + 100, top + 100)
        xdotool("click", 3)
        link = wait_until(lambda: link_rect(own_desktop), DEADLINE)
        self.assertIsNotNone(link, "no About box")
        xdotool("mousemove", left + (link[0] + link[2]) // 2, top + (link[1] + link[3]) // 2)
        xdotool("click", button)

    def test_the_mail_link_starts_the_mail_program_on_the_users_desktop(self):
        saver = self.start("/s")
        self.click_mail_link((0, 0), own_desktop=False, button=1)
        self.assertTrue(wait_until(self.mail.starts, DEADLINE), "the mail program did not start")
        (desktop, link), = self.mail.starts()
        self.assertEqual(desktop, "Default")
        self.assertTrue(link.startswith("mailto:"), link)
        # Whether or not a link opens, the box closes and the saver ends.
        self.assertEqual(finish(saver, timeout=DEADLINE), 0)

    def test_no_link_opens_on_a_desktop_of_its_own(self):
        self.processes.append(on_own_desktop(SCR, "/S"))
        window = wait_until(desktop_window, timeout=DEADLINE)
        self.assertIsNotNone(window, "Wine's desktop window did not open")
        # Any button opens a link: here the middle one, which ends the saver all the same.
        self.click_mail_link(harness.window_geometry(window)[:2], own_desktop=True, button=2)
        # The saver hands a link over before it ends, so by then a mail program it started has
        # started; once neither runs any more, it would have said so.
        ended = wait_until(lambda: not running("globulon.scr") and
                           not running("link_recorder.exe"), DEADLINE)
        self.assertTrue(ended, "the saver did not end on a click on the link")
        self.assertEqual(self.mail.starts(), [])


if __name__ == "__main__":
    unittest.main()
