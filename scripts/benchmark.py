"""Measures what the running sphere costs a user, for scripts/benchmark.sh: the CPU time of the
program, the X server and the Wine processes over one whole cycle and its phases, the time from
the end request to the process's end, the time from the start to the first frame, and memory;
for globulon.scr under Wine and for the native X11 program, each on its own Xvfb of each size.
Prints the tables and writes them to the given Markdown file.

Environment: WINEPREFIX and the other Wine settings of scripts/common.sh.
"""
import argparse
import datetime
import os
import platform
import signal
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "blackbox"))
from harness import ScreenReader  # noqa: E402

GREEN = (0, 255, 0)
CLOCK_TICKS = os.sysconf("SC_CLK_TCK")
# The phases of a cycle, in order: columns of the phase table.
PHASES = ("growth", "cover", "shrink", "rest")
PHASE_TITLES = ("growth, disc inside the corners", "disc covers the screen",
                "shrink, disc inside the corners", "rest (3 s)")
REST_SECONDS = 3.0
# Seconds the servers are watched with no program running, before each run: Wine's wineserver
# and services cost something even then, the X server next to nothing.
IDLE_SECONDS = {"wine": 20, "native": 5}
NOMINAL_PERIOD = 0.1  # ten frames a second


# --- processes ---------------------------------------------------------------------------------

def cpu_seconds(pid):
    """User + system CPU seconds of the process so far (0 once it is gone)."""
    try:
        with open(f"/proc/{pid}/stat") as stat:
            fields = stat.read().rsplit(")", 1)[1].split()
    except OSError:
        return 0.0
    return (int(fields[11]) + int(fields[12])) / CLOCK_TICKS


def memory_mib(pid):
    """(VmRSS, VmHWM) of the process in MiB."""
    values = {}
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            key, _, rest = line.partition(":")
            if key in ("VmRSS", "VmHWM"):
                values[key] = int(rest.split()[0]) / 1024
    return values["VmRSS"], values["VmHWM"]


def wine_processes():
    """Process ids of this prefix's wineserver and of its other Wine processes (services,
    desktop), found by the WINEPREFIX in their environment."""
    wanted = ("WINEPREFIX=" + os.environ["WINEPREFIX"]).encode()
    server, others = [], []
    for name in os.listdir("/proc"):
        if not name.isdigit():
            continue
        try:
            with open(f"/proc/{name}/environ", "rb") as environ:
                if wanted not in environ.read().split(b"\0"):
                    continue
            program = os.path.basename(os.readlink(f"/proc/{name}/exe"))
        except OSError:
            continue
        # The X server and this script share the environment; Wine's own programs are wine64
        # (or wine) and wineserver64 (or wineserver).
        if program.startswith("wineserver"):
            server.append(int(name))
        elif program.startswith("wine"):
            others.append(int(name))
    return server, others


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


# --- one run -----------------------------------------------------------------------------------

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


class Snapshot:
    """CPU seconds so far of the program, the X server, the wineserver and the other Wine
    processes, and the clock."""

    def __init__(self, program, xserver):
        server, others = wine_processes()
        others = [pid for pid in others if pid != program]
        self.clock = time.monotonic()
        self.cpu = {"program": cpu_seconds(program), "xserver": cpu_seconds(xserver),
                    "wineserver": sum(cpu_seconds(pid) for pid in server),
                    "helpers": sum(cpu_seconds(pid) for pid in others)}


def shares(before, after):
    """Percent of one core of each process group, and their total, between two snapshots."""
    wall = after.clock - before.clock
    result = {key: 100 * (after.cpu[key] - before.cpu[key]) / wall for key in before.cpu}
    result["total"] = sum(result.values())
    result["wall"] = wall
    return result


def measure_run(start, end, xserver, frames, size, idle_seconds):
    """Watches the idle servers for idle_seconds, then starts the program (start() returns its
    process) on a screen of size, follows one cycle and ends it with end(process). frames: the
    cycle's frame counts from cycle_frames."""
    width, height = size
    before = Snapshot(0, xserver)
    time.sleep(idle_seconds)
    idle = shares(before, Snapshot(0, xserver))
    reader = ScreenReader()
    began = time.monotonic()
    process = start()
    first = wait_for_green(reader, width // 2 - 4, height // 2 - 4, 9, 60, 0.001)
    if first is None:
        raise RuntimeError("no first frame")
    marks = [Snapshot(process.pid, xserver)]
    # The disc reaches the corner on frame cover_first; the frame pace is taken from it. The
    # screen is read only around then, so that reading it costs the X server next to nothing.
    sleep_until(first + frames["cover_first"] * NOMINAL_PERIOD - 0.5)
    corner = wait_for_green(reader, 0, 0, 12, 30, 0.01)
    if corner is None:
        raise RuntimeError("the disc never reached the corner")
    marks.append(Snapshot(process.pid, xserver))
    period = (corner - first) / frames["cover_first"]
    for moment in (corner + (frames["cover_last"] + 1 - frames["cover_first"]) * period,
                   first + frames["frames_to_rest"] * period,
                   first + frames["frames_to_rest"] * period + REST_SECONDS):
        sleep_until(moment)
        marks.append(Snapshot(process.pid, xserver))
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


# --- the two programs ----------------------------------------------------------------------------

def run_wine(scr):
    def start():
        return subprocess.Popen(["wine", scr, "/S"], stdin=subprocess.DEVNULL,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def end(process):
        subprocess.run(["xdotool", "key", "a"])

    return start, end


def run_native(program):
    def start():
        return subprocess.Popen([program, "-root", "-color", "0,255,0"],
                                stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)

    def end(process):
        process.send_signal(signal.SIGTERM)

    return start, end


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
    for name, value in (("ColorRandom", "0"), ("ColorFixed", "0,255,0")):
        wine("reg", "add", key + r"\Setting", "/v", name, "/t", "REG_SZ", "/d", value, "/f")
    subprocess.run(["xdotool", "mousemove", str(pointer[0]), str(pointer[1])])
    time.sleep(2)


def one_run(kind, args, size, frames):
    """One run on a fresh Xvfb (and, for Wine, a fresh wineserver with its services started)."""
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
            subprocess.run(["wineserver", "-k"], stderr=subprocess.DEVNULL)
        screen.stop()


def cycle_frames(tool, size):
    output = subprocess.run([tool, str(size[0]), str(size[1])], capture_output=True, text=True,
                            check=True).stdout
    return {key: int(value) for key, value in (item.split("=") for item in output.split())}


# --- the tables ----------------------------------------------------------------------------------

def above_idle(result, phase):
    """Total % of one core in the phase, less what the servers took with no program running."""
    return result[phase]["total"] - result["idle"]["total"]


def spread(values, digits):
    """median (min-max) of the values."""
    low, middle, high = min(values), statistics.median(values), max(values)
    return f"{middle:.{digits}f} ({low:.{digits}f}–{high:.{digits}f})"


def tables(results, sizes, runs, started, minutes):
    rows = [(kind, size) for kind in ("wine", "native") for size in sizes]
    names = {"wine": "globulon.scr /S (Wine)", "native": "X11 globulon -root"}
    cpu = open("/proc/cpuinfo").read().split("model name")[1].split(":")[1].split("\n")[0]
    wine_version = subprocess.run(["wine", "--version"], capture_output=True,
                                  text=True).stdout.strip()
    lines = [
        "<!-- Written by scripts/benchmark.sh; do not edit by hand. -->",
        "# What the running sphere costs",
        "",
        f"Measured {started:%Y-%m-%d %H:%M} UTC by `scripts/benchmark.sh` ({minutes:.0f} min) on"
        f" {cpu.strip()}, {os.cpu_count()} cores, shared with other work; {platform.system()}"
        f" {platform.release()}, {wine_version}, Xvfb. {runs} runs of each program at each size,"
        " each run on a fresh Xvfb of that size (and a fresh wineserver); figures are median"
        " (min–max) of the runs.",
        "",
        "CPU is user + system time from `/proc/<pid>/stat` (10 ms ticks), as % of one core over"
        " the wall time: the program's own process, the Xvfb server, the wineserver, and Wine's"
        " other processes of the prefix (services, desktop). One whole cycle runs from the first"
        " frame through growth, turn and shrink to the end of the 3-s rest; its phases are told by"
        " the model's frame counts (`cycle_frames`), the frame pace being measured from the first"
        " frame to the frame on which the disc reaches the screen's corner. Pen fixed green"
        " (`ColorRandom`=0, `ColorFixed`=0,255,0), black background. The X11 program is an"
        " optimised build without sanitizers (`bench` preset), drawing on the root window with"
        " `-color 0,255,0`.",
        "",
        "## Whole cycle, % of one core",
        "",
        "| program | screen | cycle s | frame ms | program | X server | wineserver |"
        " Wine helpers | total | idle servers, no program | total above idle |"
        " total CPU per frame, ms |",
        "|---|---|---|---|---|---|---|---|---|---|---|---|",
    ]
    for kind, size in rows:
        runs_ = results[(kind, size)]
        cycle = [r["cycle"] for r in runs_]
        lines.append(
            f"| {names[kind]} | {size[0]}x{size[1]} | {spread([c['wall'] for c in cycle], 1)} |"
            f" {spread([r['period_ms'] for r in runs_], 1)} |"
            + "".join(f" {spread([c[key] for c in cycle], 2)} |"
                      for key in ("program", "xserver", "wineserver", "helpers", "total"))
            + f" {spread([r['idle']['total'] for r in runs_], 2)} |"
            f" {spread([above_idle(r, 'cycle') for r in runs_], 2)} |"
            f" {spread([c['frame_ms'] for c in cycle], 3)} |")
    lines += ["", "## Each phase, total % of one core (all processes)", "",
              "| program | screen | " + " | ".join(PHASE_TITLES) + " |",
              "|---|---|" + "---|" * len(PHASES)]
    for kind, size in rows:
        runs_ = results[(kind, size)]
        lines.append(f"| {names[kind]} | {size[0]}x{size[1]} |" + "".join(
            f" {spread([r[phase]['total'] for r in runs_], 2)} |" for phase in PHASES))
    lines += ["", "## Each phase by process, % of one core (medians)", "",
              "| program | screen | phase | program | X server | wineserver | Wine helpers |"
              " CPU per frame, ms (all) |", "|---|---|---|---|---|---|---|---|"]
    for kind, size in rows:
        runs_ = results[(kind, size)]
        for phase, title in zip(PHASES, PHASE_TITLES):
            lines.append(f"| {names[kind]} | {size[0]}x{size[1]} | {title} |" + "".join(
                f" {statistics.median(r[phase][key] for r in runs_):.2f} |"
                for key in ("program", "xserver", "wineserver", "helpers"))
                + f" {statistics.median(r[phase]['frame_ms'] for r in runs_):.3f} |")
    lines += ["", "## Ending, starting, memory", "",
              "| program | screen | end request to exit, ms | start to first frame, ms |"
              " VmRSS MiB | VmHWM MiB |", "|---|---|---|---|---|---|"]
    for kind, size in rows:
        runs_ = results[(kind, size)]
        lines.append(
            f"| {names[kind]} | {size[0]}x{size[1]} | {spread([r['exit_ms'] for r in runs_], 0)}"
            f" | {spread([r['first_frame_ms'] for r in runs_], 0)} |"
            f" {spread([r['rss'] for r in runs_], 1)} | {spread([r['hwm'] for r in runs_], 1)} |")
    lines += ["", "The end request is `xdotool key a` for the Wine program (the time includes"
              " starting xdotool) and SIGTERM for the X11 program; it ends when the process has"
              " ended. The first frame is the first pen-coloured pixel near the screen's centre,"
              " timed from starting `wine globulon.scr /S` (or the X11 program) with a running"
              " wineserver. Memory is the program's own process at the end of the cycle. \"Idle servers\""
              " is the X server, wineserver and Wine helpers over"
              f" {IDLE_SECONDS['wine']} s (Wine) or {IDLE_SECONDS['native']} s (X11) just before"
              " the program starts; \"above idle\" subtracts it. The rest lasts 3 s, so one 10-ms tick"
              " there is 0.33%.", "",
              "## Goals", ""]
    for size in sizes:
        for label, figure in (("all", lambda r: r["cycle"]["total"]),
                              ("above idle", lambda r: above_idle(r, "cycle"))):
            ours = statistics.median(figure(r) for r in results[("wine", size)])
            native = statistics.median(figure(r) for r in results[("native", size)])
            lines.append(f"- {size[0]}x{size[1]}, whole cycle, {label}: {ours:.2f}% against"
                         f" {native:.2f}% natively: {ours / native:.2f}x the native picture"
                         f" (goal: under 1.5x: {'met' if ours / native < 1.5 else 'not met'}).")
    big = sizes[-1]
    for label, figure in (("all", lambda r, phase: r[phase]["total"]),
                          ("above idle", above_idle)):
        worst = max(figure(r, phase) for r in results[("wine", big)] for phase in PHASES)
        lines.append(f"- {big[0]}x{big[1]}, costliest phase of any run, {label}: {worst:.2f}% of"
                     f" one core (goal: never over 1%: {'met' if worst <= 1.0 else 'not met'}).")
    return "\n".join(lines) + "\n"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--scr", required=True)
    parser.add_argument("--x11", required=True)
    parser.add_argument("--cycle-frames", required=True)
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--sizes", default="1024x768,1920x1080")
    parser.add_argument("--output", required=True)
    args = parser.parse_args()
    sizes = [tuple(int(n) for n in size.split("x")) for size in args.sizes.split(",")]
    started = datetime.datetime.now(datetime.timezone.utc)
    began = time.monotonic()
    results = {}
    for size in sizes:
        frames = cycle_frames(args.cycle_frames, size)
        for kind in ("wine", "native"):
            results[(kind, size)] = []
            for run in range(args.runs):
                result = one_run(kind, args, size, frames)
                results[(kind, size)].append(result)
                print(f"{kind} {size[0]}x{size[1]} run {run + 1}: cycle"
                      f" {result['cycle']['total']:.2f}% ({result['cycle']['wall']:.1f} s),"
                      f" cover {result['cover']['total']:.2f}%, exit"
                      f" {result['exit_ms']:.0f} ms, first frame"
                      f" {result['first_frame_ms']:.0f} ms", flush=True)
    text = tables(results, sizes, args.runs, started, (time.monotonic() - began) / 60)
    with open(args.output, "w") as output:
        output.write(text)
    print()
    print(text)


if __name__ == "__main__":
    main()
