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
PRODUCTS_KEY = r"HKLM\Software\Classes\Installer\Products"
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


def product_icon():
    """The icon file Add/Remove Programs shows beside the installed product."""
    for values in registry_tree(PRODUCTS_KEY).values():
        if values.get("ProductName") == NAME:
            return values.get("ProductIcon")
    return None


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


class InstalledPackage(unittest.TestCase):
    """Each test starts from the released x64 package installed, and ends with nothing left."""

    def setUp(self):
        self.package = windows_path(download("x64.msi"))
        self.assertEqual(msiexec("/i", self.package), 0)

    def tearDown(self):
        for code in entries():
            msiexec("/x", code)
        self.assertEqual(entries(), {})

    def only_entry(self):
        found = entries()
        self.assertEqual(len(found), 1, found)
        return next(iter(found.items()))

    def test_puts_the_64_bit_build_into_system32(self):
        self.assertEqual(read_bytes(INSTALLED["x64"]), read_bytes(BUILT["x64"]))

    def test_lists_name_version_publisher_and_icon_in_add_remove_programs(self):
        _, values = self.only_entry()
        self.assertEqual(values.get("DisplayVersion"), VERSION)
        self.assertEqual(values.get("Publisher"), PUBLISHER)
        icon = product_icon()
        self.assertTrue(icon and icon.lower().startswith("c:\\"), icon)
        icon_file = os.path.join(PREFIX, "drive_c", *icon[3:].split("\\"))
        self.assertEqual(read_bytes(icon_file),
                         read_bytes(os.path.join(ROOT, "resources", "globulon.ico")))

    def test_installed_program_runs(self):
        # /a answers a password request with a beep and ends.
        self.assertEqual(wine(r"C:\windows\system32\globulon.scr", "/a").returncode, 0)

    def test_installing_the_same_package_again_keeps_one_entry(self):
        code, _ = self.only_entry()
        self.assertEqual(msiexec("/i", self.package), 0)
        self.assertEqual(self.only_entry()[0], code)

    def test_a_rebuilt_package_of_the_same_version_replaces_the_installed_one(self):
        old_code, _ = self.only_entry()
        with tempfile.TemporaryDirectory() as directory:
            self.assertEqual(msiexec("/i", windows_path(make_package(directory, VERSION))), 0)
        new_code, values = self.only_entry()
        self.assertNotEqual(new_code, old_code)
        self.assertEqual(values.get("DisplayVersion"), VERSION)

    def test_a_newer_version_replaces_the_older_and_an_older_one_is_refused(self):
        newer = next_version(VERSION)
        with tempfile.TemporaryDirectory() as directory:
            self.assertEqual(msiexec("/i", windows_path(make_package(directory, newer))), 0)
        self.assertEqual(self.only_entry()[1].get("DisplayVersion"), newer)
        self.assertTrue(os.path.exists(INSTALLED["x64"]))
        self.assertNotEqual(msiexec("/i", self.package), 0)
        self.assertEqual(self.only_entry()[1].get("DisplayVersion"), newer)

    def test_uninstalling_leaves_nothing_behind(self):
        self.assertEqual(msiexec("/x", self.package), 0)
        self.assertFalse(os.path.exists(INSTALLED["x64"]))
        self.assertEqual(entries(), {})
        self.assertIsNone(product_icon())


class X86Package(unittest.TestCase):
    def test_puts_the_32_bit_build_into_syswow64_and_removes_it(self):
        package = windows_path(download("x86.msi"))
        self.assertEqual(msiexec("/i", package), 0)
        self.assertEqual(read_bytes(INSTALLED["x86"]), read_bytes(BUILT["x86"]))
        self.assertFalse(os.path.exists(INSTALLED["x64"]))
        self.assertEqual(len(entries()), 1)
        self.assertEqual(msiexec("/x", package), 0)
        self.assertFalse(os.path.exists(INSTALLED["x86"]))
        self.assertEqual(entries(), {})


class Downloads(unittest.TestCase):
    def test_zip_holds_both_programs_the_readme_and_the_licence(self):
        with zipfile.ZipFile(download("windows.zip")) as archive:
            self.assertEqual(sorted(archive.namelist()),
                             ["LICENSE", "README.md", "x64/globulon.scr", "x86/globulon.scr"])
            for arch in ("x64", "x86"):
                self.assertEqual(archive.read(f"{arch}/globulon.scr"), read_bytes(BUILT[arch]))
            self.assertIn(b"MIT License", archive.read("LICENSE"))

    def test_checksums_cover_every_download_and_match(self):
        with open(os.path.join(DIST, "SHA256SUMS")) as sums:
            listed = sorted(line.split()[1].lstrip("*") for line in sums)
        self.assertEqual(listed, sorted(os.path.basename(download(suffix))
                                        for suffix in ("x64.msi", "x86.msi", "windows.zip")))
        check = subprocess.run(["sha256sum", "--check", "--strict", "SHA256SUMS"], cwd=DIST,
                               capture_output=True, text=True)
        self.assertEqual(check.returncode, 0, check.stdout + check.stderr)

