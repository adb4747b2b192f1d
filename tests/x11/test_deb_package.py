"""The Debian package scripts/release.sh wrote to dist/: dpkg installs it into a scratch root,
its files are where the hosts look, the installed program runs, dpkg removes every file again,
lintian finds no error, and packing it again gives the same bytes.
"""
import glob
import os
import subprocess
import tempfile
import unittest

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
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


if __name__ == "__main__":
    unittest.main()
