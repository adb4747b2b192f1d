"""The globulon-wayland the Debian package ships (scripts/release.sh writes it to dist/), in a
headless sway with two outputs, started by swayidle: what it costs over one whole cycle of the
larger output's sphere, measured in the packaged build rather than the tests' sanitized one,
and a key ends it.

Environment: GLOBULON_CYCLE_FRAMES (tests/tools/cycle_frames of a build; by default the native
build's).
"""
import os
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
sys.path.insert(0, os.path.join(ROOT, "tests", "support"))
from processes import cpu_seconds  # noqa: E402
from waits import DEADLINE, finish, wait_until  # noqa: E402
from wayland_session import GREEN, Sway, centre_box, savers_under  # noqa: E402

CYCLE_FRAMES = os.environ.get("GLOBULON_CYCLE_FRAMES",
                              os.path.join(ROOT, "build", "native", "tests", "tools",
                                           "cycle_frames"))
# The first output is the larger: its sphere's cycle is the longer, and is measured whole.
OUTPUTS = [(0, 0, 800, 600), (800, 0, 640, 480)]
LIMIT = 0.02  # of one core


def package_path():
    with open(os.path.join(ROOT, "build", "deb", "CMakeCache.txt")) as cache:
        for line in cache:
            if line.startswith("CMAKE_PROJECT_VERSION:STATIC="):
                version = line.split("=", 1)[1].strip()
                return os.path.join(ROOT, "dist", f"globulon_{version}_amd64.deb")
    raise AssertionError("no version in the package's build tree")


def read_text(path):
    """The file's text, or "" while there is no file."""
    try:
        with open(path) as text:
            return text.read()
    except FileNotFoundError:
        return ""


def cycle_seconds(width, height):
    """One whole cycle of a sphere on a screen of that size: its frames at ten a second, then
    the rest of three seconds."""
    output = subprocess.run([CYCLE_FRAMES, str(width), str(height)], capture_output=True,
                            text=True, check=True).stdout
    frames = dict(item.split("=") for item in output.split())
    return int(frames["frames_to_rest"]) / 10 + 3


class PackagedProgramTest(unittest.TestCase):
    def setUp(self):
        unpacked = tempfile.TemporaryDirectory()
        self.addCleanup(unpacked.cleanup)
        subprocess.run(["dpkg-deb", "-x", package_path(), unpacked.name], check=True)
        program = os.path.join(unpacked.name, "usr", "bin", "globulon-wayland")
        self.sway = Sway(OUTPUTS, program=program)
        self.addCleanup(self.sway.close)

    def test_costs_under_two_percent_of_a_core_over_a_whole_cycle_and_a_key_ends_it(self):
        seconds = cycle_seconds(*OUTPUTS[0][2:])
        status = os.path.join(self.sway.home, "status")
        idle = self.sway.start("swayidle", "-w", "timeout", "1",
                               f"globulon-wayland -color 0,255,0; echo $? > {status}")
        self.addCleanup(lambda: (idle.poll() is None and idle.terminate(),
                                 finish(idle, DEADLINE)))
        savers = wait_until(lambda: savers_under(idle.pid), DEADLINE)
        self.assertTrue(savers, "swayidle started no globulon-wayland")
        self.assertTrue(self.sway.wait_for_picture(lambda shot: all(
            shot.count(GREEN, centre_box(output)) > 100 for output in OUTPUTS)),
            "no sphere on an output")

        # The cost is watched over the cycle's length; the watch ends early if the saver does.
        watched = (savers[0], self.sway.compositor.pid)
        before, start = [cpu_seconds(pid) for pid in watched], os.times().elapsed
        wait_until(lambda: os.times().elapsed - start >= seconds or
                   savers[0] not in savers_under(idle.pid), seconds + DEADLINE, interval=1)
        wall = os.times().elapsed - start
        share, compositor = [(cpu_seconds(pid) - spent) / wall
                             for pid, spent in zip(watched, before)]
        print(f"packaged globulon-wayland: {share:.2%} of a core over {wall:.1f} s "
              f"(sway: {compositor:.2%})")
        self.assertIn(savers[0], savers_under(idle.pid), "the saver ended by itself")
        self.assertLess(share, LIMIT)

        self.assertTrue(wait_until(lambda: self.sway.press_key() or
                                   not savers_under(idle.pid), DEADLINE), "the saver is left")
        self.assertTrue(wait_until(lambda: read_text(status), DEADLINE), "no status written")
        self.assertEqual(read_text(status).strip(), "0")


if __name__ == "__main__":
    unittest.main()
