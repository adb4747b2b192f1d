"""Checks the downloads scripts/release.sh wrote to dist/: the MSI packages as Wine's msiexec
installs, upgrades and removes them in a fresh prefix of their own, the zip and SHA256SUMS.

The prefix is build/release-prefix, made anew for each run so that nothing the project's test
prefix holds can hide a fault; its wineserver ends with the tests.
"""
import os
import shutil
import subprocess
import tempfile
import unittest
import zipfile

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
DIST = os.path.join(ROOT, "dist")
PREFIX = os.path.join(ROOT, "build", "release-prefix")
NAME = "Globulon Screen Saver"
PUBLISHER = "Globulon Project Team"
# A 32-bit package's entry may land in the 32-bit view of the registry: look in both.
UNINSTALL_KEYS = (r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall",
                  r"HKLM\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall")
# msiexec /qn and a /a run need no display, so none is passed on.
WINE_ENV = {key: value for key, value in os.environ.items() if key != "DISPLAY"}
WINE_ENV.update(WINEPREFIX=PREFIX, WINEARCH="win64", WINEDEBUG="-all",
                WINEDLLOVERRIDES="mscoree,mshtml=")


def project_version():
    """The version CMake configured the 64-bit build with (project() in CMakeLists.txt)."""
    with open(os.path.join(ROOT, "build", "win64", "CMakeCache.txt")) as cache:
        for line in cache:
            if line.startswith("CMAKE_PROJECT_VERSION:STATIC="):
                return line.strip().split("=", 1)[1]
    raise RuntimeError("the win64 build is not configured")


VERSION = project_version()
BUILT = {"x64": os.path.join(ROOT, "build", "win64", "globulon.scr"),
         "x86": os.path.join(ROOT, "build", "win32", "globulon.scr")}
INSTALLED = {"x64": os.path.join(PREFIX, "drive_c", "windows", "system32", "globulon.scr"),
             "x86": os.path.join(PREFIX, "drive_c", "windows", "syswow64", "globulon.scr")}


def download(suffix):
    return os.path.join(DIST, f"globulon-{VERSION}-{suffix}")


def next_version(version):
    major, minor, patch = version.split(".")
    return f"{major}.{minor}.{int(patch) + 1}"


def read_bytes(path):
    with open(path, "rb") as file:
        return file.read()


def windows_path(path):
    """The Windows name of a file here: Wine maps the Unix root to drive Z:."""
    return "Z:" + path.replace("/", "\\")


def wine(*args, output=False):
    """Runs a Windows program in the release prefix; returns the finished process."""
    return subprocess.run(["wine", *args], env=WINE_ENV, stdin=subprocess.DEVNULL,
                          stdout=subprocess.PIPE if output else subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL, text=True, timeout=120)


def msiexec(action, package):
    """msiexec /i or /x, silently; returns its exit code."""
    return wine("msiexec", action, package, "/qn").returncode


def registry_tree(key):
    """{subkey: {value name: data}} for every key below key (empty when key is missing)."""
    tree = {}
    values = None
    for line in wine("reg", "query", key, "/s", output=True).stdout.splitlines():
        line = line.rstrip("\r")
        if line.startswith("HKEY_"):
            values = tree.setdefault(line.rsplit("\\", 1)[1], {})
        elif values is not None and line.startswith("    "):
            parts = line.strip().split("    ", 2)
            values[parts[0]] = parts[2] if len(parts) == 3 else ""
    return tree


def entries():
    """The Add/Remove Programs entries of this program, by product code."""
    found = {}
    for key in UNINSTALL_KEYS:
        for code, values in registry_tree(key).items():
            if values.get("DisplayName") == NAME:
                found[code] = values
    return found


def make_package(directory, version):
    """Builds an x64 package of the 64-bit build with another version number into directory."""
    package = os.path.join(directory, f"globulon-{version}-x64.msi")
    subprocess.run([os.path.join(ROOT, "packaging", "make_msi.sh"), "x64", version,
                    BUILT["x64"], package], cwd=ROOT, check=True, stdout=subprocess.DEVNULL)
    return package


def setUpModule():
    shutil.rmtree(PREFIX, ignore_errors=True)
    os.makedirs(PREFIX)
    subprocess.run(["wineboot", "-i"], env=WINE_ENV, stdin=subprocess.DEVNULL,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
    subprocess.run(["wineserver", "-w"], env=WINE_ENV, check=True)
    global WINESERVER
    WINESERVER = subprocess.Popen(["wineserver", "-p"], env=WINE_ENV, stdin=subprocess.DEVNULL,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    # The first program starts Wine's services, which would hold a captured output open.
    wine("reg", "query", r"HKLM\Software")


def tearDownModule():
    subprocess.run(["wineserver", "-k"], env=WINE_ENV)
    WINESERVER.wait(timeout=30)


class X64Package(unittest.TestCase):
    def only_entry(self):
        found = entries()
        self.assertEqual(len(found), 1, found)
        return next(iter(found.items()))

    def test_install_reinstall_upgrade_and_remove(self):
        package = windows_path(download("x64.msi"))
        self.assertEqual(msiexec("/i", package), 0)
        self.assertEqual(read_bytes(INSTALLED["x64"]), read_bytes(BUILT["x64"]))
        code, values = self.only_entry()
        self.assertEqual((values.get("DisplayVersion"), values.get("Publisher")),
                         (VERSION, PUBLISHER))
        # /a answers a password request with a beep and ends.
        self.assertEqual(wine(r"C:\windows\system32\globulon.scr", "/a").returncode, 0)
        # The same package again, and a rebuild of the same version, keep one entry.
        self.assertEqual(msiexec("/i", package), 0)
        self.assertEqual(self.only_entry()[0], code)
        with tempfile.TemporaryDirectory() as directory:
            self.assertEqual(msiexec("/i", windows_path(make_package(directory, VERSION))), 0)
            self.only_entry()
            newer = next_version(VERSION)
            self.assertEqual(msiexec("/i", windows_path(make_package(directory, newer))), 0)
        self.assertEqual(self.only_entry()[1].get("DisplayVersion"), newer)
        self.assertNotEqual(msiexec("/i", package), 0)  # an older version is refused
        code = self.only_entry()[0]
        self.assertEqual(msiexec("/x", code), 0)
        self.assertFalse(os.path.exists(INSTALLED["x64"]))
        self.assertEqual(entries(), {})


class X86Package(unittest.TestCase):
    def test_puts_the_32_bit_build_into_syswow64_and_removes_it(self):
        package = windows_path(download("x86.msi"))
        self.assertEqual(msiexec("/i", package), 0)
        self.assertEqual(read_bytes(INSTALLED["x86"]), read_bytes(BUILT["x86"]))
        self.assertFalse(os.path.exists(INSTALLED["x64"]))
        self.assertEqual(msiexec("/x", package), 0)
        self.assertFalse(os.path.exists(INSTALLED["x86"]))
        self.assertEqual(entries(), {})


class Downloads(unittest.TestCase):
    def test_zip_and_checksums(self):
        with zipfile.ZipFile(download("windows.zip")) as archive:
            self.assertEqual(sorted(archive.namelist()),
                             ["LICENSE", "README.md", "x64/globulon.scr", "x86/globulon.scr"])
            for arch in ("x64", "x86"):
                self.assertEqual(archive.read(f"{arch}/globulon.scr"), read_bytes(BUILT[arch]))
        with open(os.path.join(DIST, "SHA256SUMS")) as sums:
            self.assertEqual(len(sums.readlines()), 4)  # the MSIs, the zip, the Debian package
        check = subprocess.run(["sha256sum", "--check", "--strict", "SHA256SUMS"], cwd=DIST,
                               capture_output=True, text=True)
        self.assertEqual(check.returncode, 0, check.stdout + check.stderr)
