"""Checks the downloads scripts/release.sh wrote to dist/: the MSI packages as Wine's msiexec
installs, upgrades, refuses and removes them in a fresh prefix of their own, the zip and
SHA256SUMS; and a second release of the same tree built elsewhere, unsigned and then signed.

The prefix is build/release-prefix, made anew for each run so that nothing the project's test
prefix holds can hide a fault; it runs on an Xvfb display of its own, and its wineserver and
display end with the tests.
"""
import os
import shutil
import struct
import subprocess
import tempfile
import time
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
WINE_ENV = dict(os.environ, WINEPREFIX=PREFIX, WINEARCH="win64", WINEDEBUG="-all",
                WINEDLLOVERRIDES="mscoree,mshtml=")
# Prints the texts of a window and its controls (a test tool of the 64-bit build).
WINDOW_TEXTS = os.path.join(ROOT, "build", "win64", "tests", "tools", "window_texts.exe")
# msiexec's exit code for a refused installation (ERROR_INSTALL_FAILURE, 1603), as the low byte
# a Unix exit status keeps.
INSTALL_FAILURE = 1603 % 256


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


def release_time():
    """The SOURCE_DATE_EPOCH scripts/release.sh dated dist/ with: the one given, or the last
    commit's time."""
    return os.environ.get("SOURCE_DATE_EPOCH") or subprocess.run(
        ["git", "log", "-1", "--format=%ct"], cwd=ROOT, capture_output=True, text=True,
        check=True).stdout.strip()


def download(suffix, dist=DIST):
    return os.path.join(dist, f"globulon-{VERSION}-{suffix}")


def next_version(version):
    major, minor, patch = version.split(".")
    return f"{major}.{minor}.{int(patch) + 1}"


def read_bytes(path):
    with open(path, "rb") as file:
        return file.read()


def file_version(program):
    """The file version in a Windows program's version record (VS_FIXEDFILEINFO)."""
    data = read_bytes(program)
    record = data.find("VS_VERSION_INFO".encode("utf-16-le"))
    at = data.find(struct.pack("<I", 0xFEEF04BD), record)
    if record < 0 or at < 0:
        return None
    high, low = struct.unpack_from("<II", data, at + 8)
    return f"{high >> 16}.{high & 0xFFFF}.{low >> 16}.{low & 0xFFFF}"


def msi_table(package, table):
    """The rows of one table of an MSI package, each a dict from column name to value."""
    lines = subprocess.run(["msiinfo", "export", package, table], capture_output=True,
                           text=True, check=True).stdout.splitlines()
    columns = lines[0].split("\t")
    return [dict(zip(columns, line.split("\t"))) for line in lines[3:]]


def windows_path(path):
    """The Windows name of a file here: Wine maps the Unix root to drive Z:."""
    return "Z:" + path.replace("/", "\\")


def wine(*args, output=False):
    """Runs a Windows program in the release prefix; returns the finished process."""
    return subprocess.run(["wine", *args], env=WINE_ENV, stdin=subprocess.DEVNULL,
                          stdout=subprocess.PIPE if output else subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL, text=True, encoding="utf-8",
                          errors="replace", timeout=120)


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


def make_package(directory, version, arch="x64", program=None):
    """Builds a package of a program (the built one by default) with the given version number
    into directory, dated as dist/ is."""
    package = os.path.join(directory, f"globulon-{version}-{arch}.msi")
    subprocess.run([os.path.join(ROOT, "packaging", "make_msi.sh"), arch, version,
                    program or BUILT[arch], package], cwd=ROOT, check=True,
                   stdout=subprocess.DEVNULL,
                   env=dict(os.environ, SOURCE_DATE_EPOCH=release_time()))
    return package


def signed_content(path):
    """What an Authenticode signature of the file covers: its digest, as osslsigncode takes it."""
    with tempfile.TemporaryDirectory() as directory:
        data = os.path.join(directory, "data")
        subprocess.run(["osslsigncode", "extract-data", "-h", "sha256", "-in", path, "-out", data],
                       check=True, stdout=subprocess.DEVNULL)
        return read_bytes(data)


def copy_tree(source, target):
    """Copies the files of the working tree git knows of (committed or not, ignored ones not)."""
    listing = subprocess.run(["git", "ls-files", "-z", "-co", "--exclude-standard"], cwd=source,
                             capture_output=True, check=True).stdout.decode()
    for name in filter(None, listing.split("\0")):
        if os.path.lexists(os.path.join(source, name)):  # not a tracked file deleted since
            os.makedirs(os.path.dirname(os.path.join(target, name)), exist_ok=True)
            shutil.copy2(os.path.join(source, name), os.path.join(target, name),
                         follow_symlinks=False)


def window_texts(title):
    """Texts of the Windows window with that title and of its controls ([] when none)."""
    result = wine(WINDOW_TEXTS, title, output=True)
    if result.returncode != 0:
        return []
    return [line.rstrip("\r") for line in result.stdout.splitlines()]


def wait_until(condition, timeout):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        result = condition()
        if result:
            return result
        time.sleep(0.5)
    return condition()


def start_display():
    """Starts Xvfb on a free display number for the prefix's windows."""
    number = 90
    while os.path.exists(f"/tmp/.X{number}-lock"):
        number += 1
    global XVFB
    XVFB = subprocess.Popen(["Xvfb", f":{number}", "-screen", "0", "1024x768x24", "-nolisten",
                             "tcp"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    WINE_ENV["DISPLAY"] = f":{number}"
    ready = wait_until(lambda: subprocess.run(["xdpyinfo"], env=WINE_ENV,
                                              capture_output=True).returncode == 0, timeout=10)
    if not ready:
        raise RuntimeError("Xvfb did not start")


def setUpModule():
    if not os.path.exists(WINDOW_TEXTS):
        subprocess.run(["cmake", "--build", os.path.join(ROOT, "build", "win64"), "--target",
                        "window_texts"], check=True, stdout=subprocess.DEVNULL)
    start_display()
    shutil.rmtree(PREFIX, ignore_errors=True)
    os.makedirs(PREFIX)
    subprocess.run(["wineboot", "-i"], env=WINE_ENV, stdin=subprocess.DEVNULL,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
    subprocess.run(["wineserver", "-w"], env=WINE_ENV, check=True)
    # Returns once the server answers (it goes on in the background), so the first program
    # below connects to this persistent one rather than starting a short-lived one of its own.
    subprocess.run(["wineserver", "-p"], env=WINE_ENV, stdin=subprocess.DEVNULL,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
    # The first program starts Wine's services, which would hold a captured output open.
    wine("reg", "query", r"HKLM\Software")


def tearDownModule():
    subprocess.run(["wineserver", "-k"], env=WINE_ENV)
    XVFB.terminate()
    XVFB.wait(timeout=30)


class Downloads(unittest.TestCase):
    def test_zip_and_checksums(self):
        with zipfile.ZipFile(download("windows.zip")) as archive:
            self.assertEqual(archive.namelist(),
                             ["LICENSE", "README.md", "x64/globulon.scr", "x86/globulon.scr"])
            for arch in ("x64", "x86"):
                self.assertEqual(archive.read(f"{arch}/globulon.scr"), read_bytes(BUILT[arch]))
        with open(os.path.join(DIST, "SHA256SUMS")) as sums:
            listed = sorted(line.split("  ", 1)[1].rstrip("\n") for line in sums)
        self.assertEqual(listed, sorted(set(os.listdir(DIST)) - {"SHA256SUMS"}))
        check = subprocess.run(["sha256sum", "--check", "--strict", "SHA256SUMS"], cwd=DIST,
                               capture_output=True, text=True)
        self.assertEqual(check.returncode, 0, check.stdout + check.stderr)

    def test_each_package_holds_its_program_and_its_version_in_the_file_table(self):
        for arch in ("x64", "x86"):
            package = download(f"{arch}.msi")
            with tempfile.TemporaryDirectory() as directory:
                subprocess.run(["msiextract", "-C", directory, package], check=True,
                               stdout=subprocess.DEVNULL)
                self.assertEqual(read_bytes(os.path.join(directory, "globulon.scr")),
                                 read_bytes(BUILT[arch]))
            version = file_version(BUILT[arch])
            self.assertTrue(version.startswith(VERSION + "."), version)
            language = {row["Property"]: row["Value"]
                        for row in msi_table(package, "Property")}["ProductLanguage"]
            self.assertEqual([(row["FileName"], row["Version"], row["Language"])
                              for row in msi_table(package, "File")],
                             [("globulon.scr", version, language)])
            # Windows Installer takes file hashes for unversioned files only.
            self.assertEqual(msi_table(package, "MsiFileHash"), [])


    def test_x64_package_is_for_64_bit_windows_only(self):
        # No 32-bit Windows here to refuse it: its launch condition is read instead.
        conditions = {row["Condition"]: row["Description"]
                      for row in msi_table(download("x64.msi"), "LaunchCondition")}
        self.assertIn(f"globulon-{VERSION}-x86.msi", conditions.get("Installed OR VersionNT64", ""))


class Rebuild(unittest.TestCase):
    """The tree copied to another folder and released again there, a day later by the clock:
    first unsigned, then signed with a throwaway certificate."""

    @classmethod
    def setUpClass(cls):
        cls.scratch = tempfile.mkdtemp(prefix="globulon-rebuild-")
        tree = os.path.join(cls.scratch, "tree")
        copy_tree(ROOT, tree)
        cls.dist = os.path.join(tree, "dist")
        cls.cert = os.path.join(cls.scratch, "cert.pem")
        cls.key = os.path.join(cls.scratch, "key.pem")
        subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout",
                        cls.key, "-out", cls.cert, "-days", "2", "-subj", "/CN=Globulon test"],
                       check=True, capture_output=True)
        env = {key: value for key, value in os.environ.items()
               if not key.startswith("GLOBULON_SIGN_")}
        env["SOURCE_DATE_EPOCH"] = release_time()

        def release(**signing):
            return subprocess.run(["faketime", "-f", "+1d", os.path.join(tree, "scripts",
                                                                         "release.sh")],
                                  env=dict(env, **signing), stdin=subprocess.DEVNULL,
                                  capture_output=True, text=True, timeout=3600)

        cls.half_signing = release(GLOBULON_SIGN_CERT=cls.cert)
        cls.unsigned = release()
        cls.unsigned_sums = read_bytes(os.path.join(cls.dist, "SHA256SUMS"))
        signing = dict(GLOBULON_SIGN_CERT=cls.cert, GLOBULON_SIGN_KEY=cls.key)
        # Nothing listens on the discard port here: the time-stamp server cannot be reached.
        cls.stamp_unreachable = release(**signing,
                                        GLOBULON_SIGN_TIMESTAMP_URL="http://127.0.0.1:9/")
        cls.signed = release(**signing)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.scratch)

    def assert_verifies(self, path):
        result = subprocess.run(["osslsigncode", "verify", "-CAfile", self.cert, "-in", path],
                                capture_output=True, text=True)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        # What the signature holds ("Current ...") against what the file gives now.
        lines = result.stdout.splitlines()
        found = {}
        for line in lines:
            for side in ("Current", "Calculated"):
                if line.startswith(side + " ") and ":" in line:
                    name, value = line[len(side):].split(":", 1)
                    found.setdefault(name.strip(), {})[side] = value.strip()
        pairs = [sides for sides in found.values() if len(sides) == 2]
        self.assertTrue(pairs, result.stdout)
        for sides in pairs:
            self.assertEqual(sides["Current"], sides["Calculated"], result.stdout)
        self.assertIn("Signature verification: ok", lines, result.stdout)

    def test_the_same_tree_gives_the_same_downloads_and_says_it_is_unsigned(self):
        self.assertEqual(self.unsigned.returncode, 0, self.unsigned.stdout + self.unsigned.stderr)
        self.assertEqual(self.unsigned_sums.decode(),
                         read_bytes(os.path.join(DIST, "SHA256SUMS")).decode())
        said = [line for line in self.unsigned.stdout.splitlines() if "unsigned" in line]
        self.assertEqual(len(said), 1, self.unsigned.stdout)

    def test_a_certificate_without_its_key_stops_the_release(self):
        self.assertNotEqual(self.half_signing.returncode, 0)
        self.assertIn("GLOBULON_SIGN_KEY", self.half_signing.stderr)

    def test_a_time_stamp_server_is_asked_and_its_failure_stops_the_release(self):
        self.assertNotEqual(self.stamp_unreachable.returncode, 0)
        self.assertIn("http://127.0.0.1:9/", self.stamp_unreachable.stderr)

    def test_signed_files_verify_and_are_the_unsigned_ones_apart_from_their_signatures(self):
        self.assertEqual(self.signed.returncode, 0, self.signed.stdout + self.signed.stderr)
        self.assertNotIn("unsigned", self.signed.stdout)
        with tempfile.TemporaryDirectory() as directory:
            with zipfile.ZipFile(download("windows.zip", self.dist)) as archive:
                archive.extractall(directory)
            for arch in ("x64", "x86"):
                program = os.path.join(directory, arch, "globulon.scr")
                self.assert_verifies(program)
                plain = os.path.join(directory, arch, "plain.scr")
                subprocess.run(["osslsigncode", "remove-signature", "-in", program, "-out", plain],
                               check=True, stdout=subprocess.DEVNULL)
                self.assertEqual(read_bytes(plain), read_bytes(BUILT[arch]))
                # The package holds the signed program: packaged again around it, it has the
                # same content, which is what the package's signature covers.
                package = download(f"{arch}.msi", self.dist)
                self.assert_verifies(package)
                again = make_package(os.path.join(directory, arch), VERSION, arch, program)
                self.assertEqual(signed_content(package), signed_content(again))

    def test_signed_x64_package_installs_and_is_removed(self):
        package = download("x64.msi", self.dist)
        self.assertEqual(msiexec("/i", windows_path(package)), 0)
        with zipfile.ZipFile(download("windows.zip", self.dist)) as archive:
            self.assertEqual(read_bytes(INSTALLED["x64"]), archive.read("x64/globulon.scr"))
        self.assertEqual(msiexec("/x", windows_path(package)), 0)
        self.assertFalse(os.path.exists(INSTALLED["x64"]))
        self.assertEqual(entries(), {})


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
        # The same package again keeps one entry; a rebuild of it is the same package.
        self.assertEqual(msiexec("/i", package), 0)
        self.assertEqual(self.only_entry()[0], code)
        with tempfile.TemporaryDirectory() as directory:
            self.assertEqual(read_bytes(make_package(directory, VERSION)),
                             read_bytes(download("x64.msi")))
            newer = next_version(VERSION)
            self.assertEqual(msiexec("/i", windows_path(make_package(directory, newer))), 0)
        self.assertEqual(self.only_entry()[1].get("DisplayVersion"), newer)
        self.assertNotEqual(msiexec("/i", package), 0)  # an older version is refused
        code = self.only_entry()[0]
        self.assertEqual(msiexec("/x", code), 0)
        self.assertFalse(os.path.exists(INSTALLED["x64"]))
        self.assertEqual(entries(), {})


class X86Package(unittest.TestCase):
    def test_refused_on_64_bit_windows_with_a_message_naming_the_x64_package(self):
        installer = subprocess.Popen(["wine", "msiexec", "/i", windows_path(download("x86.msi")),
                                      "/qb"], env=WINE_ENV, stdin=subprocess.DEVNULL,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            # Wine's installer shows a failed launch condition in a message box of this title.
            texts = wait_until(lambda: window_texts("Install Failed"), timeout=60)
        finally:
            wine("taskkill", "/im", "msiexec.exe")  # closes the box as its button would
            code = installer.wait(timeout=120)
        self.assertTrue(any(f"On 64-bit Windows install globulon-{VERSION}-x64.msi" in text
                            for text in texts), texts)
        self.assertEqual(code, INSTALL_FAILURE)
        self.assertFalse(os.path.exists(INSTALLED["x86"]))
        self.assertEqual(entries(), {})
