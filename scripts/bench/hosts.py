"""Where the programs run and how each starts and ends: a virtual X screen, a fresh wineserver
with the saver's settings, a headless sway; globulon.scr under Wine, the X11 program on the
root window, the Wayland program on sway's output, each with the pen fixed green."""
import os
import signal
import subprocess
import time

from wayland_session import Sway

GREEN = (0, 255, 0)
PEN = "0,255,0"


class Xvfb:
    """A virtual screen of the given size, the display of everything started meanwhile."""

    def __init__(self, width, height):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
             "-nolisten", "tcp"], pass_fds=[write_end], stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            os.environ["DISPLAY"] = ":" + pipe.readline().strip()

    def stop(self):
        self.process.terminate()
        self.process.wait()


def headless_sway(width, height, program):
    """A headless sway (pixman renderer, as an unprivileged id) with one output of that size, and
    a copy of the Wayland program to run in it."""
    return Sway([(0, 0, width, height)], program=program)


def wine(*args):
    subprocess.run(["wine", *args], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)


def prepare_wine(scr, pointer):
    """A fresh wineserver with its services started, the pen fixed green, the pointer at (x, y).
    Keys go to the window under the pointer: it rests there before the saver shows. Then the
    services settle."""
    subprocess.Popen(["wineserver", "-p"], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                     stderr=subprocess.DEVNULL)
    wine(scr, "/A")  # starts Wine's services, with their output elsewhere
    key = r"HKCU\Software\Globulon Screen Saver"
    wine("reg", "delete", key, "/f")
    for name, value in (("ColorRandom", "0"), ("ColorFixed", PEN)):
        wine("reg", "add", key + r"\Setting", "/v", name, "/t", "REG_SZ", "/d", value, "/f")
    subprocess.run(["xdotool", "mousemove", str(pointer[0]), str(pointer[1])])
    time.sleep(2)


def stop_wine():
    subprocess.run(["wineserver", "-k"], stderr=subprocess.DEVNULL)


def run_wine(scr):
    """(start, end) of globulon.scr /S: ended by a key, as a user ends it."""
    def start():
        return subprocess.Popen(["wine", scr, "/S"], stdin=subprocess.DEVNULL,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def end(process):
        subprocess.run(["xdotool", "key", "a"])

    return start, end


def run_native(program):
    """(start, end) of the X11 program on the root window of $DISPLAY: ended by SIGTERM, as the
    hosts end it."""
    def start():
        return subprocess.Popen([program, "-root", "-color", PEN], stdin=subprocess.DEVNULL,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def end(process):
        process.send_signal(signal.SIGTERM)

    return start, end


def run_wayland(sway):
    """(start, end) of the Wayland program on sway's output: ended by SIGTERM, as swayidle's
    resume line ends it."""
    def start():
        return sway.start("globulon-wayland", "-color", PEN)

    def end(process):
        process.send_signal(signal.SIGTERM)

    return start, end
