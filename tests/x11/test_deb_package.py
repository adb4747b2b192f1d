"""The Debian package scripts/release.sh wrote to dist/: dpkg installs it into a scratch root,
its files are where the hosts look, the installed program runs, dpkg removes every file again,
lintian finds no error, and packing it again gives the same bytes. Installed on the machine, the
MATE screen saver finds it as a theme and runs it.
"""
import glob
import os
import shutil
import sys
import subprocess
import tempfile
import unittest

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
sys.path.insert(0, os.path.join(ROOT, "tests", "blackbox"))
from harness import DEADLINE, finish, screenshot, wait_until  # noqa: E402
sys.path.insert(0, os.path.dirname(__file__))
from test_x11_hosts import alive, main_color  # noqa: E402
PACKAGE_FILES = ["usr/libexec/xscreensaver/globulon",
                 "usr/share/xscreensaver/config/globulon.xml",
                 "usr/share/applications/screensavers/globulon.desktop",
                 "usr/share/man/man6/globulon.6x.gz",
                 "usr/share/doc/globulon/copyright",
                 "usr/share/doc/globulon/changelog.gz"]


def project_version():
    with open(os.path.join(ROOT, "build", "deb", "CMakeCache.txt")) as cache:
        for line in cache:
            if line.startswith("CMAKE_PROJECT_VERSION:STATIC="):
                return line.split("=", 1)[1].strip()
    raise AssertionError("no version in the package's build tree")


class DebianPackageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.package = os.path.join(ROOT, "dist", f"globulon_{project_version()}_amd64.deb")

    def dpkg(self, root, *args):
        # The scratch root's database knows none of the system's libraries: only the
        # dependencies are forced, the package's own files are not.
        return subprocess.run(["dpkg", f"--root={root}", "--log=/dev/null", "--force-depends",
                               "--force-script-chrootless", *args],
                              capture_output=True, text=True, check=True)

    def test_installs_where_the_hosts_look_runs_and_is_removed(self):
        with tempfile.TemporaryDirectory() as root:
            for folder in ("var/lib/dpkg/info", "var/lib/dpkg/updates"):
                os.makedirs(os.path.join(root, folder))
            open(os.path.join(root, "var/lib/dpkg/status"), "w").close()
            self.dpkg(root, "--install", self.package)
            for path in PACKAGE_FILES:
                self.assertTrue(os.path.isfile(os.path.join(root, path)), path)
            program = os.path.join(root, PACKAGE_FILES[0])
            self.assertEqual(subprocess.run([program, "--help"], capture_output=True).returncode,
                             0)
            with open(os.path.join(root, PACKAGE_FILES[2])) as entry:
                self.assertIn("Exec=/usr/libexec/xscreensaver/globulon -root\n", entry.read())
            self.dpkg(root, "--remove", "globulon")
            left = [path for path in glob.glob(os.path.join(root, "usr", "**"), recursive=True)
                    if os.path.isfile(path)]
            self.assertEqual(left, [])

    def test_lintian_finds_no_error(self):
        result = subprocess.run(["lintian", "--fail-on", "error", self.package],
                                capture_output=True, text=True)
        self.assertEqual(result.returncode, 0, result.stdout)

    def test_packing_again_gives_the_same_bytes(self):
        with tempfile.TemporaryDirectory() as folder:
            again = os.path.join(folder, "again.deb")
            subprocess.run([os.path.join(ROOT, "packaging", "make_deb.sh"), again],
                           capture_output=True, check=True)
            with open(self.package, "rb") as first, open(again, "rb") as second:
                self.assertTrue(first.read() == second.read(), "the package differs")


class MateScreenSaverTest(unittest.TestCase):
    """mate-screensaver takes its themes from the desktop entries in
    /usr/share/applications/screensavers and runs only programs in the hack folders it knows,
    so the package is installed on the machine for this test and removed after it."""

    @classmethod
    def setUpClass(cls):
        if subprocess.run(["dpkg", "-s", "globulon"], capture_output=True).returncode == 0:
            raise unittest.SkipTest("a globulon package is installed already; left as it is")
        package = os.path.join(ROOT, "dist", f"globulon_{project_version()}_amd64.deb")
        subprocess.run(["dpkg", "-i", package], capture_output=True, check=True)
        read_end, write_end = os.pipe()
        cls.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-noreset", "-screen",
                                     "0", "1024x768x24", "-nolisten", "tcp"], pass_fds=[write_end],
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            cls.display = ":" + pipe.readline().strip()

    @classmethod
    def tearDownClass(cls):
        cls.xvfb.terminate()
        cls.xvfb.wait()
        subprocess.run(["dpkg", "-r", "globulon"], capture_output=True, check=True)

    def test_theme_is_found_draws_and_a_key_ends_it(self):
        config = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, config)
        env = {**os.environ, "DISPLAY": self.display, "XDG_CONFIG_HOME": config,
               "XDG_CURRENT_DESKTOP": "MATE", "GSETTINGS_BACKEND": "keyfile"}
        for key, value in (("mode", "single"), ("themes", "['screensavers-globulon']"),
                           ("lock-enabled", "false")):
            subprocess.run(["gsettings", "set", "org.mate.screensaver", key, value], env=env,
                           check=True)
        # The saver and its command share one session bus.
        session = subprocess.Popen(
            ["dbus-run-session", "--", "sh", "-c",
             "mate-screensaver --no-daemon & "
             # Activates once the saver answers on the bus (each try gives up after 10 s).
             "for try in $(seq 300); do mate-screensaver-command --query >/dev/null 2>&1 && break;"
             " sleep 0.1; done; mate-screensaver-command --activate; wait"],
            env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL, start_new_session=True)
        self.addCleanup(lambda: (os.killpg(session.pid, 15), finish(session, 5)))
        saver = wait_until(lambda: subprocess.run(
            ["pgrep", "-s", str(session.pid), "-f", "^/usr/libexec/xscreensaver/globulon -root"],
            capture_output=True, text=True).stdout.split(), DEADLINE)
        self.assertTrue(saver, "mate-screensaver started no globulon")
        os.environ["DISPLAY"] = self.display
        self.assertTrue(wait_until(lambda: main_color(screenshot(), (120, 120, 452, 324)),
                                   DEADLINE))
        subprocess.run(["xdotool", "key", "a"], env=env, check=True)
        self.assertTrue(wait_until(lambda: not alive(int(saver[0])), DEADLINE),
                        "the saver is left")


if __name__ == "__main__":
    unittest.main()
