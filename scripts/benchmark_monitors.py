"""Measures what the full-screen saver costs on two monitors, for scripts/benchmark.sh: Xephyr
with Xinerama (1024x768 primary, 800x600 to its right) inside an Xvfb, and a copy of the Wine
prefix whose X11 driver reads the two monitors from Xinerama. CPU of the program, Xephyr and Wine
over one whole cycle of the primary monitor's sphere (the smaller monitor's sphere runs cycles of
its own meanwhile), min/median/max of the runs. Prints the table and writes it to the given
Markdown file.

Environment: WINEPREFIX and the other Wine settings of scripts/common.sh.
"""
import argparse
import datetime
import os
import shutil
import subprocess
import time

from bench.hosts import Xvfb, prepare_wine, stop_wine, wine
from bench.measure import cycle_frames
from bench.probes import shares, wine_snapshot
from bench.report import spread

MONITORS = ("1024x768", "800x600")
PROCESSES = ("program", "xserver", "wineserver", "helpers", "total")


def one_run(scr, seconds):
    outer = Xvfb(1920, 1080)
    display = ":69"
    xephyr = subprocess.Popen(["Xephyr", display, "+xinerama", "-screen", MONITORS[0], "-screen",
                               MONITORS[1], "-nolisten", "tcp", "-noreset"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.environ["DISPLAY"] = display
    try:
        for _ in range(100):
            if subprocess.run(["xdpyinfo"], capture_output=True).returncode == 0:
                break
            time.sleep(0.1)
        prepare_wine(scr, (512, 384))
        saver = subprocess.Popen(["wine", scr, "/S"], stdin=subprocess.DEVNULL,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(1)  # start-up is measured by the single-monitor benchmark
        before = wine_snapshot(saver.pid, xephyr.pid)
        time.sleep(seconds)
        after = wine_snapshot(saver.pid, xephyr.pid)
        subprocess.run(["xdotool", "key", "a"])
        saver.wait(timeout=10)
        return shares(before, after)
    finally:
        stop_wine()
        xephyr.terminate()
        xephyr.wait()
        outer.stop()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--scr", required=True)
    parser.add_argument("--cycle-frames", required=True)
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--output", required=True)
    args = parser.parse_args()
    # Every Wine process of a prefix shares one monitor list: the runs get a prefix of their own.
    prefix = os.environ["WINEPREFIX"].rstrip("/") + "-monitors"
    shutil.rmtree(prefix, ignore_errors=True)
    shutil.copytree(os.environ["WINEPREFIX"], prefix, symlinks=True)
    os.environ["WINEPREFIX"] = prefix
    wine("reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "UseXRandR", "/t", "REG_SZ",
         "/d", "N", "/f")
    subprocess.run(["wineserver", "-w"])
    started = datetime.datetime.now(datetime.timezone.utc)
    frames = cycle_frames(args.cycle_frames, (1024, 768))
    seconds = frames["frames_to_rest"] * 0.1 + 3.0
    results = []
    try:
        for run in range(args.runs):
            results.append(one_run(args.scr, seconds))
            print(f"two monitors run {run + 1}: {results[-1]['total']:.2f}%", flush=True)
    finally:
        shutil.rmtree(prefix, ignore_errors=True)
    worst_program = max(r["program"] for r in results)
    text = "\n".join([
        "<!-- Written by scripts/benchmark.sh; do not edit by hand. -->",
        "# What the sphere costs on two monitors", "",
        f"Measured {started:%Y-%m-%d %H:%M} UTC by `scripts/benchmark.sh`: `globulon.scr /S`"
        f" under Wine on two monitors ({MONITORS[0]} primary, {MONITORS[1]} to its right; Xephyr"
        f" with Xinerama inside an Xvfb), one sphere on each. {args.runs} runs of {seconds:.0f} s"
        " (one whole cycle of the primary monitor's sphere) from a second after the start; pen"
        " fixed green, black background. % of one core, median (min–max); the X server is"
        " Xephyr, which costs more than a plain Xvfb.", "",
        "| program | X server | wineserver | Wine helpers | total |",
        "|---|---|---|---|---|",
        "| " + " | ".join(spread([r[key] for r in results], 2) for key in PROCESSES) + " |", "",
        f"- The program's own process, costliest run: {worst_program:.2f}% of one core (goal:"
        f" under 1%: {'met' if worst_program < 1.0 else 'not met'}).", ""])
    with open(args.output, "w") as output:
        output.write(text)
    print(text)


if __name__ == "__main__":
    main()
