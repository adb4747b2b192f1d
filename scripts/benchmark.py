"""Measures what the running sphere costs a user, for scripts/benchmark.sh, in two parts:
"windows", globulon.scr under Wine beside the native X11 program, each on its own Xvfb of each
size (the CPU time of the program, the X server and the Wine processes over one whole cycle and
its phases, start to first frame, end request to exit, memory); and "wayland", the Wayland
program on a headless sway beside the X11 program on an Xvfb, at 1920x1080, started together and
measured side by side over one whole cycle (program and display server). Prints the tables and
writes the parts it measured into the given Markdown file, keeping the others.
The jobs live in scripts/bench/: probes, hosts, measure, report.

Environment: WINEPREFIX and the other Wine settings of scripts/common.sh (the windows part).
"""
import argparse
import datetime
import time

from bench import measure, report

PARTS = ("windows", "wayland")
WAYLAND_SIZE = (1920, 1080)


def windows(args, sizes):
    results = {}
    for size in sizes:
        frames = measure.cycle_frames(args.cycle_frames, size)
        for kind in ("wine", "native"):
            results[(kind, size)] = []
            for run in range(args.runs):
                result = measure.one_run(kind, args, size, frames)
                results[(kind, size)].append(result)
                print(f"{kind} {size[0]}x{size[1]} run {run + 1}: cycle"
                      f" {result['cycle']['total']:.2f}% ({result['cycle']['wall']:.1f} s),"
                      f" cover {result['cover']['total']:.2f}%, exit"
                      f" {result['exit_ms']:.0f} ms, first frame"
                      f" {result['first_frame_ms']:.0f} ms", flush=True)
    return results


def wayland(args):
    frames = measure.cycle_frames(args.cycle_frames, WAYLAND_SIZE)
    results = []
    for run in range(args.runs):
        result = measure.side_by_side(args, WAYLAND_SIZE, frames)
        results.append(result)
        print(f"wayland beside x11 run {run + 1}: " + ", ".join(
            f"{kind} program {result[kind]['program']:.2f}% server {result[kind]['server']:.2f}%"
            for kind in ("wayland", "x11")) + f" ({result['x11']['wall']:.1f} s)", flush=True)
    return results


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--scr", help="globulon.scr (the windows part)")
    parser.add_argument("--x11", required=True)
    parser.add_argument("--wayland", help="globulon-wayland (the wayland part)")
    parser.add_argument("--cycle-frames", required=True)
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--sizes", default="1024x768,1920x1080",
                        help="screen sizes of the windows part")
    parser.add_argument("--parts", default=",".join(PARTS))
    parser.add_argument("--output", required=True)
    args = parser.parse_args()
    parts = args.parts.split(",")
    if not set(parts) <= set(PARTS):
        parser.error(f"--parts takes {', '.join(PARTS)}")
    for part, program in (("windows", args.scr), ("wayland", args.wayland)):
        if part in parts and not program:
            parser.error(f"the {part} part needs its program (--scr or --wayland)")
    sizes = [tuple(int(n) for n in size.split("x")) for size in args.sizes.split(",")]

    texts = {}
    if "windows" in parts:
        started, began = datetime.datetime.now(datetime.timezone.utc), time.monotonic()
        results = windows(args, sizes)
        texts["windows"] = report.windows_part(results, sizes, args.runs, started,
                                               (time.monotonic() - began) / 60)
    if "wayland" in parts:
        started, began = datetime.datetime.now(datetime.timezone.utc), time.monotonic()
        results = wayland(args)
        texts["wayland"] = report.wayland_part(results, WAYLAND_SIZE, args.runs, started,
                                               (time.monotonic() - began) / 60)
    report.write_parts(args.output, texts)
    for text in texts.values():
        print()
        print(text)


if __name__ == "__main__":
    main()
