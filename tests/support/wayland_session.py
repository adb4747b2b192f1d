"""Real Wayland compositors, headless, as an unprivileged id (sway refuses root): sway with
outputs of given sizes, or weston; their screenshots read as pictures, and the waits on them.
Shared by tests/wayland and scripts/benchmark.py.

Environment: GLOBULON_WAYLAND (the program a session copies, unless it is given another),
GLOBULON_POINTER_DEVICE (tests/wayland's pointer device, copied beside it when set).
"""
import os
import shutil
import signal
import subprocess
import tempfile

from processes import process_tree
from waits import CHANGE_WINDOW, DEADLINE, finish, wait_until

PROGRAM = os.environ.get("GLOBULON_WAYLAND", "")
POINTER_DEVICE = os.environ.get("GLOBULON_POINTER_DEVICE", "")
NOBODY = ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"]
GREEN = (0, 255, 0)


class Picture:
    """A screenshot in binary PPM (what grim writes with -t ppm)."""

    def __init__(self, data):
        magic, size, depth, self.pixels = data.split(b"\n", 3)
        assert magic == b"P6" and depth == b"255", magic
        self.width, self.height = map(int, size.split())

    def rgb(self, x, y):
        at = (y * self.width + x) * 3
        return tuple(self.pixels[at:at + 3])

    def row(self, y, left, right):
        return self.pixels[(y * self.width + left) * 3:(y * self.width + right) * 3]

    def count(self, rgb, box):
        """Pixels of colour rgb in box = (left, top, right, bottom)."""
        left, top, right, bottom = box
        wanted = bytes(rgb)
        found = 0
        for y in range(top, bottom):
            row = self.row(y, left, right)
            found += sum(1 for at in range(0, len(row), 3) if row[at:at + 3] == wanted)
        return found

    def differs(self, other, box):
        """Rows of box = (left, top, right, bottom) that differ from the other picture's."""
        left, top, right, bottom = box
        return sum(self.row(y, left, right) != other.row(y, left, right)
                   for y in range(top, bottom))

    def changed_box(self, other):
        """The smallest box (left, top, right, bottom) round every pixel that differs from the
        other picture of the same size; None when none does."""
        rows = [y for y in range(self.height) if self.row(y, 0, self.width) !=
                other.row(y, 0, self.width)]
        if not rows:
            return None
        left, right = self.width, 0
        for y in rows:
            mine, theirs = self.row(y, 0, self.width), other.row(y, 0, self.width)
            columns = [x for x in range(self.width) if mine[3 * x:3 * x + 3] !=
                       theirs[3 * x:3 * x + 3]]
            left, right = min(left, columns[0]), max(right, columns[-1] + 1)
        return (left, rows[0], right, rows[-1] + 1)


def centre_box(output, side=200):
    """A square of side pixels round the centre of output = (x, y, width, height)."""
    x, y, width, height = output
    return (x + (width - side) // 2, y + (height - side) // 2,
            x + (width + side) // 2, y + (height + side) // 2)


def savers_under(root):
    # The kernel keeps 15 characters of a process's name.
    return [pid for pid, (name, _) in process_tree(root).items() if name == "globulon-waylan"]


class Session:
    """A folder the unprivileged id owns: its HOME, its runtime folder, a copy of the program
    (PROGRAM unless another is given)."""

    def __init__(self, program=None):
        self.home = tempfile.mkdtemp(prefix="globulon-wayland-")
        os.chmod(self.home, 0o755)
        self.runtime = os.path.join(self.home, "runtime")
        os.mkdir(self.runtime, 0o700)
        os.mkdir(os.path.join(self.home, "bin"))
        # A copy, not a link: the unprivileged id need not reach the build tree.
        self.program = os.path.join(self.home, "bin", "globulon-wayland")
        shutil.copy(program or PROGRAM, self.program)
        if POINTER_DEVICE:
            shutil.copy(POINTER_DEVICE, os.path.join(self.home, "bin", "pointer_device"))
        for folder, _, files in os.walk(self.home):
            shutil.chown(folder, 65534, 65534)
            for name in files:
                shutil.chown(os.path.join(folder, name), 65534, 65534)
        self.compositor = None
        self.display = None
        self.extra = {}

    def env(self):
        return {"HOME": self.home, "XDG_RUNTIME_DIR": self.runtime,
                "PATH": f"{self.home}/bin:/usr/bin:/bin", "WAYLAND_DISPLAY": self.display,
                "ASAN_OPTIONS": os.environ.get("ASAN_OPTIONS", ""), **self.extra}

    def command(self, *args):
        return [*NOBODY, "env", "-i", *(f"{k}={v}" for k, v in self.env().items()), *args]

    def run(self, *args, timeout=DEADLINE):
        return subprocess.run(self.command(*args), capture_output=True, text=True, timeout=timeout)

    def start(self, *args, **options):
        options.setdefault("stdin", subprocess.DEVNULL)
        options.setdefault("stdout", subprocess.DEVNULL)
        options.setdefault("stderr", subprocess.DEVNULL)
        return subprocess.Popen(self.command(*args), start_new_session=True, **options)

    def wait_for_picture(self, predicate, timeout=DEADLINE):
        """Takes screenshots until predicate holds for one; returns it, or None when none did
        in time."""
        found = []

        def holds():
            picture = self.screenshot()
            if predicate(picture):
                found.append(picture)
            return found

        return found[0] if wait_until(holds, timeout, interval=0.2) else None

    def picture_changes(self, box, timeout=CHANGE_WINDOW):
        """True when the screen inside box = (left, top, right, bottom) changes within timeout
        seconds."""
        first = self.screenshot()
        return bool(self.wait_for_picture(lambda picture: picture.differs(first, box), timeout))

    def close(self):
        if self.compositor:
            if self.compositor.poll() is None:
                self.compositor.send_signal(signal.SIGTERM)
            finish(self.compositor, DEADLINE)
        shutil.rmtree(self.home, ignore_errors=True)


class Weston(Session):
    """weston's headless backend with one output; --debug offers its screenshooter."""

    def __init__(self, width, height, program=None):
        super().__init__(program)
        self.output = (0, 0, width, height)
        self.display = "wayland-w"
        self.log = open(os.path.join(self.home, "weston.log"), "w")
        self.compositor = self.start("weston", "--backend=headless-backend.so",
                                     f"--socket={self.display}", f"--width={width}",
                                     f"--height={height}", "--use-pixman", "--debug",
                                     "--idle-time=0", stdout=self.log, stderr=self.log)
        if not wait_until(lambda: os.path.exists(os.path.join(self.runtime, self.display)),
                          DEADLINE):
            raise AssertionError("weston did not start")
        self.shots = os.path.join(self.home, "shots")
        os.mkdir(self.shots)
        shutil.chown(self.shots, 65534, 65534)

    def screenshot(self):
        for name in os.listdir(self.shots):
            os.remove(os.path.join(self.shots, name))
        result = subprocess.run(self.command("sh", "-c", f"cd {self.shots} && "
                                             "weston-screenshooter"),
                                capture_output=True, text=True, timeout=DEADLINE)
        names = os.listdir(self.shots)
        if result.returncode != 0 or not names:
            raise AssertionError(f"weston-screenshooter: {result.stdout}{result.stderr}")
        # A clear pixel is black, not the white ImageMagick would flatten it to.
        converted = subprocess.run(["convert", os.path.join(self.shots, names[0]), "-alpha",
                                    "off", "ppm:-"], capture_output=True, check=True)
        return Picture(converted.stdout)

    def close(self):
        self.log.close()
        super().close()


class Sway(Session):
    def __init__(self, outputs, later=(), program=None):
        """outputs: (x, y, width, height) of HEADLESS-1, -2, ...; later: of the outputs that
        swaymsg create_output adds after them."""
        super().__init__(program)
        self.outputs = outputs
        config = os.path.join(self.home, "sway.conf")
        with open(config, "w") as lines:
            for index, (x, y, width, height) in enumerate([*outputs, *later]):
                lines.write(f"output HEADLESS-{index + 1} resolution {width}x{height} "
                            f"position {x} {y}\n")
            lines.write("default_border none\n")
        self.display = "wayland-1"
        self.extra = {"WLR_BACKENDS": "headless", "WLR_RENDERER": "pixman",
                      "WLR_LIBINPUT_NO_DEVICES": "1", "WLR_HEADLESS_OUTPUTS": str(len(outputs))}
        self.log = open(os.path.join(self.home, "sway.log"), "w")
        self.compositor = self.start("sway", "-c", config, stdout=self.log, stderr=self.log)
        sockets = wait_until(lambda: [name for name in os.listdir(self.runtime)
                                      if name.startswith("sway-ipc.")], DEADLINE)
        if not sockets:
            raise AssertionError("sway did not start")
        self.extra["SWAYSOCK"] = os.path.join(self.runtime, sockets[0])
        if not wait_until(lambda: self.run("swaymsg", "-t", "get_outputs").returncode == 0,
                          DEADLINE):
            raise AssertionError("sway does not answer")

    def swaymsg(self, *args):
        result = self.run("swaymsg", "--", *args)
        if result.returncode != 0:
            raise AssertionError(f"swaymsg {args}: {result.stdout}{result.stderr}")
        return result.stdout

    def press_key(self):
        """Types a space. wtype's keyboard exists only while it runs: it waits a moment before
        the key so that the focused client has the new keyboard when the key comes."""
        self.run("wtype", "-s", "300", "-k", "space")

    def screenshot(self):
        path = os.path.join(self.home, "shot.ppm")
        result = self.run("grim", "-t", "ppm", path)
        if result.returncode != 0:
            raise AssertionError(f"grim: {result.stderr}")
        with open(path, "rb") as data:
            return Picture(data.read())

    def close(self):
        self.log.close()
        super().close()
