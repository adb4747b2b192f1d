"""One measured run: the programs' costs over one whole cycle and its phases, from start to first
frame, from the end request to the end, and memory. globulon.scr and the X11 program each on a
fresh Xvfb; the Wayland and X11 programs side by side, started together."""
import subprocess
import time

from processes import memory_mib
from waits import DEADLINE
from wayland_session import centre_box
from x_screen import ScreenReader

from .hosts import (GREEN, Xvfb, headless_sway, prepare_wine, run_native, run_wayland, run_wine,
                    stop_wine)
from .probes import Snapshot, shares, wine_snapshot

# The phases of a cycle, in order.
PHASES = ("growth", "cover", "shrink", "rest")
REST_SECONDS = 3.0
# Seconds the servers are watched with no program running, before each run: Wine's wineserver
# and services cost something even then, the X server and sway next to nothing.
IDLE_SECONDS = {"wine": 20, "native": 5, "wayland": 5}
NOMINAL_PERIOD = 0.1  # ten frames a second


def cycle_frames(tool, size):
    """The model's frame counts of one cycle on a screen of size (tests/tools/cycle_frames)."""
    output = subprocess.run([tool, str(size[0]), str(size[1])], capture_output=True, text=True,
                            check=True).stdout
    return {key: int(value) for key, value in (item.split("=") for item in output.split())}


def cycle_seconds(frames):
    """One whole cycle at the nominal pace: its frames, then the rest."""
    return frames["frames_to_rest"] * NOMINAL_PERIOD + REST_SECONDS


def wait_for_green(reader, x, y, size, timeout, interval):
    """Polls the size x size square at (x, y) until a pixel shows the pen; its time, or None."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if GREEN in reader.pixels(x, y, size, size):
            return time.monotonic()
        time.sleep(interval)
    return None


def sleep_until(moment):
    time.sleep(max(0.0, moment - time.monotonic()))


def idle_servers(groups, seconds):
    """The share of one core the servers take over seconds with no program running."""
    before = Snapshot(groups)
    time.sleep(seconds)
    return shares(before, Snapshot(groups))


def measure_run(start, end, xserver, frames, size, idle_seconds):
    """Watches the idle servers for idle_seconds, then starts the program (start() returns its
    process) on a screen of size, follows one cycle and ends it with end(process). frames: the
    cycle's frame counts from cycle_frames."""
    width, height = size
    before = wine_snapshot(0, xserver)
    time.sleep(idle_seconds)
    idle = shares(before, wine_snapshot(0, xserver))
    reader = ScreenReader()
    began = time.monotonic()
    process = start()
    first = wait_for_green(reader, width // 2 - 4, height // 2 - 4, 9, 60, 0.001)
    if first is None:
        raise RuntimeError("no first frame")
    marks = [wine_snapshot(process.pid, xserver)]
    # The disc reaches the corner on frame cover_first; the frame pace is taken from it. The
    # screen is read only around then, so that reading it costs the X server next to nothing.
    sleep_until(first + frames["cover_first"] * NOMINAL_PERIOD - 0.5)
    corner = wait_for_green(reader, 0, 0, 12, 30, 0.01)
    if corner is None:
        raise RuntimeError("the disc never reached the corner")
    marks.append(wine_snapshot(process.pid, xserver))
    period = (corner - first) / frames["cover_first"]
    for moment in (corner + (frames["cover_last"] + 1 - frames["cover_first"]) * period,
                   first + frames["frames_to_rest"] * period,
                   first + frames["frames_to_rest"] * period + REST_SECONDS):
        sleep_until(moment)
        marks.append(wine_snapshot(process.pid, xserver))
    rss, hwm = memory_mib(process.pid)
    asked = time.monotonic()
    end(process)
    process.wait()
    ended = time.monotonic()
    reader.close()
    phase_frames = (frames["cover_first"], frames["cover_last"] + 1 - frames["cover_first"],
                    frames["frames_to_rest"] - frames["cover_last"] - 1,
                    REST_SECONDS / period)
    result = {"first_frame_ms": 1000 * (first - began), "exit_ms": 1000 * (ended - asked),
              "rss": rss, "hwm": hwm, "period_ms": 1000 * period, "idle": idle}
    cycle = shares(marks[0], marks[-1])
    cycle["frame_ms"] = 1000 * cycle["total"] / 100 * period
    result["cycle"] = cycle
    for index, phase in enumerate(PHASES):
        share = shares(marks[index], marks[index + 1])
        share["frame_ms"] = 1000 * share["total"] / 100 * share["wall"] / phase_frames[index]
        result[phase] = share
    return result


def one_run(kind, args, size, frames):
    """One run of globulon.scr ("wine") or the X11 program ("native") on a fresh Xvfb (and, for
    Wine, a fresh wineserver with its services started)."""
    screen = Xvfb(*size)
    try:
        if kind == "wine":
            prepare_wine(args.scr, (size[0] // 2, size[1] // 2))
            start, end = run_wine(args.scr)
        else:
            start, end = run_native(args.x11)
        return measure_run(start, end, screen.process.pid, frames, size, IDLE_SECONDS[kind])
    finally:
        if kind == "wine":
            stop_wine()
        screen.stop()


def side_by_side(args, size, frames):
    """The Wayland program on a headless sway and the X11 program on an Xvfb, both of size,
    started together and measured over the same whole cycle: {"wayland": ..., "x11": ...}, each
    with the program's and its display server's share of one core, the server's share before
    the programs ran, and the program's memory at the end."""
    width, height = size
    sway = headless_sway(width, height, args.wayland)
    screen = Xvfb(width, height)
    servers = {"wayland": sway.compositor.pid, "x11": screen.process.pid}
    programs = {"wayland": run_wayland(sway), "x11": run_native(args.x11)}
    processes = {}
    try:
        idle = idle_servers({kind: [pid] for kind, pid in servers.items()},
                            IDLE_SECONDS["wayland"])
        for kind, (start, _) in programs.items():
            processes[kind] = start()
        reader = ScreenReader()
        x11_first = wait_for_green(reader, width // 2 - 4, height // 2 - 4, 9, DEADLINE, 0.01)
        reader.close()
        # Sway's screen is read with screenshots, which cost sway: only until the first frame.
        wayland_first = sway.wait_for_picture(
            lambda shot: shot.count(GREEN, centre_box((0, 0, width, height), 20)) > 0)
        if x11_first is None or wayland_first is None:
            raise RuntimeError("a program drew no first frame")
        groups = {}
        for kind in programs:
            groups[f"{kind} program"] = [processes[kind].pid]
            groups[f"{kind} server"] = [servers[kind]]
        before = Snapshot(groups)
        time.sleep(cycle_seconds(frames))
        cycle = shares(before, Snapshot(groups))
        return {kind: {"program": cycle[f"{kind} program"], "server": cycle[f"{kind} server"],
                       "idle": idle[kind], "rss": memory_mib(processes[kind].pid)[0],
                       "wall": cycle["wall"]} for kind in programs}
    finally:
        for kind, process in processes.items():
            programs[kind][1](process)
            process.wait()
        screen.stop()
        sway.close()
