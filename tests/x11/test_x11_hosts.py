"""The X11 globulon inside the hosts users run, on an Xvfb with two RandR monitors side by side:
Debian's XScreenSaver daemon (as an unprivileged id, which it needs to start hacks) and its
settings tool's preview, xsecurelock, and -root spanning both monitors.

Environment: GLOBULON_X11 (the program), GLOBULON_BUILD (its build tree, for the host's home).
"""
import os
import re
import shutil
import signal
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "blackbox"))
from harness import (DEADLINE, color_box, count_color, finish, picture_changes,  # noqa: E402
                     screenshot, wait_until)

PROGRAM = os.environ.get("GLOBULON_X11", "")
BUILD = os.environ.get("GLOBULON_BUILD", "")
MONITORS = [(0, 0, 1024, 768), (1024, 0, 1024, 768)]  # x, y, width, height
NOBODY = ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"]
GREEN = (0, 255, 0)
SIDE = 120  # early in the cycle the sphere lies well inside a square of this side

xvfb = None


def setUpModule():
    """An Xvfb that any id may reach (the daemon runs as nobody), split into two monitors."""
    global xvfb
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-ac", "-noreset", "-screen",
                             "0", "2048x768x24", "-nolisten", "tcp"], pass_fds=[write_end],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        os.environ["DISPLAY"] = ":" + pipe.readline().strip()
    for index, (x, y, width, height) in enumerate(MONITORS):
        subprocess.run(["xrandr", "--setmonitor", f"M{index}", f"{width}/270x{height}/200+{x}+{y}",
                        "screen" if index == 0 else "none"], check=True, capture_output=True)


def tearDownModule():
    xvfb.terminate()
    xvfb.wait()


def centre(monitor, side=SIDE):
    x, y, width, height = monitor
    return (side, side, x + (width - side) // 2, y + (height - side) // 2)


def main_color(png, crop):
    """The commonest colour other than black in crop = (w, h, x, y) of the picture, or None."""
    result = subprocess.run(["convert", f"{png}[{crop[0]}x{crop[1]}+{crop[2]}+{crop[3]}]",
                             "-format", "%c", "histogram:info:-"],
                            capture_output=True, text=True, check=True)
    counts = []
    for line in result.stdout.splitlines():
        match = re.match(r"\s*(\d+):\s*\(\s*(\d+),\s*(\d+),\s*(\d+)", line)
        if match and match.group(2, 3, 4) != ("0", "0", "0"):
            counts.append((int(match.group(1)), tuple(map(int, match.group(2, 3, 4)))))
    return max(counts)[1] if counts else None


def savers_under(host_pid):
    """Process ids of globulon processes started, directly or not, by host_pid."""
    parents, names = {}, {}
    for entry in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{entry}/stat") as stat:
                fields = stat.read()
        except (FileNotFoundError, ProcessLookupError):
            continue
        names[int(entry)] = fields[fields.index("(") + 1:fields.rindex(")")]
        parents[int(entry)] = int(fields[fields.rindex(")") + 2:].split()[1])
    found, children = [], [host_pid]
    while children:
        pid = children.pop()
        for child, parent in parents.items():
            if parent == pid:
                children.append(child)
                if names[child] == "globulon":
                    found.append(child)
    return found


def alive(pid):
    """Running (not ended, not a zombie)."""
    try:
        with open(f"/proc/{pid}/stat") as stat:
            return stat.read().rsplit(")", 1)[1].split()[0] != "Z"
    except FileNotFoundError:
        return False


class HostTestCase(unittest.TestCase):
    def setUp(self):
        self.assertTrue(PROGRAM and os.path.exists(PROGRAM), "GLOBULON_X11 must name the program")
        self.hosts = []

    def tearDown(self):
        for host in self.hosts:
            if host.poll() is None:
                host.terminate()
            finish(host, DEADLINE)

    def start_host(self, command, **options):
        host = subprocess.Popen(command, stdin=subprocess.DEVNULL, **options)
        self.hosts.append(host)
        return host

    def assertSpheresDiffer(self):
        """A sphere at the centre of each monitor, each in its own colours: both start red and
        take their own colours from the first change on."""
        colors = []

        def differ():
            png = screenshot()
            colors[:] = [main_color(png, centre(monitor)) for monitor in MONITORS]
            return None not in colors and colors[0] != colors[1]

        self.assertTrue(wait_until(differ, DEADLINE), f"the spheres' colours: {colors}")

    def assertMoves(self, crop):
        self.assertTrue(picture_changes(crop), f"the picture in {crop} stands")

    def wait_for_spheres(self, monitors):
        """Waits until each of the monitors shows a sphere at its centre; returns that
        screenshot."""
        shots = []

        def spheres():
            shots.append(screenshot())
            return all(main_color(shots[-1], centre(monitor)) for monitor in monitors)

        self.assertTrue(wait_until(spheres, DEADLINE), "a monitor without a sphere")
        return shots[-1]


class XScreenSaverTest(HostTestCase):
    """The daemon as a user runs it, with the README's programs line in ~/.xscreensaver."""

    def setUp(self):
        super().setUp()
        self.home = os.path.join(BUILD, "x11-hosts-home")
        shutil.rmtree(self.home, ignore_errors=True)
        os.makedirs(os.path.join(self.home, "bin"))
        # A copy, not a link: the daemon's id need not reach the rest of the build tree.
        shutil.copy(PROGRAM, os.path.join(self.home, "bin", "globulon"))
        with open(os.path.join(self.home, ".xscreensaver"), "w") as settings:
            settings.write("mode: one\nselected: 0\nprograms: globulon -root\n"
                           "fade: False\nunfade: False\nsplash: False\n")
        shutil.chown(self.home, 65534, 65534)
        shutil.chown(os.path.join(self.home, ".xscreensaver"), 65534, 65534)
        self.log_path = os.path.join(self.home, "xscreensaver.log")
        reachable = subprocess.run([*NOBODY, "test", "-x", f"{self.home}/bin/globulon"])
        self.assertEqual(reachable.returncode, 0, f"uid 65534 cannot reach {self.home}")

    def as_user(self, *command):
        return [*NOBODY, "env", "-i", f"HOME={self.home}",
                f"PATH={self.home}/bin:/usr/bin:/bin", f"DISPLAY={os.environ['DISPLAY']}",
                *command]

    def command(self, *args):
        return subprocess.run(self.as_user("xscreensaver-command", *args),
                              capture_output=True, timeout=10).returncode == 0

    def start_daemon(self):
        with open(self.log_path, "w") as log:
            daemon = self.start_host(self.as_user("xscreensaver", "-no-splash", "-verbose"),
                                     stdout=log, stderr=subprocess.STDOUT)
        self.assertTrue(wait_until(lambda: self.command("-time"), DEADLINE),
                        "the daemon never answered")
        return daemon

    def test_programs_line_starts_once_per_monitor_draws_moves_and_a_key_ends_it(self):
        daemon = self.start_daemon()
        self.assertTrue(self.command("-activate"))
        self.assertTrue(wait_until(lambda: len(savers_under(daemon.pid)) == 2, DEADLINE))
        self.assertSpheresDiffer()
        # Both draw on; a host restarting a failing hack would fork it again (the log below).
        for monitor in MONITORS:
            self.assertMoves(centre(monitor))
        savers = savers_under(daemon.pid)

        # The daemon disregards input for a moment after it blanks: a key then does nothing,
        # and a person presses another.
        def a_key_ends_them():
            subprocess.run(["xdotool", "key", "a"], check=True)
            return wait_until(lambda: not any(map(alive, savers)), 2)

        self.assertTrue(wait_until(a_key_ends_them, DEADLINE), "a saver is left")
        with open(self.log_path) as log:
            text = log.read()
        self.assertEqual(len(re.findall(r'forked "globulon', text)), 2, text)
        self.assertNotIn("globulon:", text)  # no error text from the program
        self.assertEqual(set(re.findall(r"exited abnormally with status (\d+)", text)) - {"0"},
                         set(), text)

    def test_settings_preview_draws_on_the_window_it_hands_over(self):
        self.start_daemon()
        tool = self.start_host(self.as_user("xscreensaver-settings"),
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.assertTrue(wait_until(lambda: savers_under(tool.pid), DEADLINE), "no preview started")
        preview = savers_under(tool.pid)[0]
        with open(f"/proc/{preview}/cmdline") as cmdline:
            args = cmdline.read().split("\0")
        self.assertIn("--window-id", args)
        window = args[args.index("--window-id") + 1]
        geometry = subprocess.run(["xwininfo", "-id", window], capture_output=True, text=True,
                                  check=True).stdout
        x, y, width, height = (int(re.search(rf"{name}:\s+(-?\d+)", geometry).group(1))
                               for name in ("Absolute upper-left X", "Absolute upper-left Y",
                                            "Width", "Height"))
        self.wait_for_spheres([(x, y, width, height)])
        self.assertMoves(centre((x, y, width, height)))
        tool.terminate()
        finish(tool, DEADLINE)
        self.assertTrue(wait_until(lambda: not alive(preview), DEADLINE), "the preview is left")


class XSecureLockTest(HostTestCase):
    def test_saver_draws_on_each_monitor_in_its_own_colours(self):
        locker = self.start_host(["xsecurelock"], env={**os.environ, "XSECURELOCK_SAVER": PROGRAM},
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.assertTrue(wait_until(lambda: len(savers_under(locker.pid)) == 2, DEADLINE))
        savers = savers_under(locker.pid)
        self.assertSpheresDiffer()
        locker.terminate()
        finish(locker, DEADLINE)
        self.assertTrue(wait_until(lambda: not any(map(alive, savers)), DEADLINE),
                        "a saver is left")


class RootTest(HostTestCase):
    def test_root_over_two_monitors_has_a_sphere_on_each(self):
        saver = self.start_host([PROGRAM, "-root", "-color", "green"], stderr=subprocess.PIPE)
        png = self.wait_for_spheres(MONITORS)
        # Each monitor's pen pixels lie around its own centre, whatever the spheres' size.
        for x, y, width, height in MONITORS:
            box = color_box(png, GREEN, (width, height, x, y))
            self.assertIsNotNone(box, "no pen pixels on a monitor")
            self.assertLess(max(abs((box[0] + box[2]) / 2 - (x + width / 2)),
                                abs((box[1] + box[3]) / 2 - (y + height / 2))), 2,
                            f"pen pixels in {box}, not around the centre of {x},{y}")
        saver.send_signal(signal.SIGTERM)
        self.assertEqual(finish(saver, DEADLINE), 0, saver.stderr.read())
        saver.stderr.close()


if __name__ == "__main__":
    unittest.main()
