"""The tables of docs/benchmark.md, one part per comparison: globulon.scr under Wine beside the
X11 program, and the Wayland program beside the X11 program. A run rewrites the parts it
measured and keeps the others as they stand."""
import os
import platform
import re
import statistics
import subprocess

from .measure import IDLE_SECONDS, PHASES

PHASE_TITLES = ("growth, disc inside the corners", "disc covers the screen",
                "shrink, disc inside the corners", "rest (3 s)")
TITLE = ["<!-- Written by scripts/benchmark.sh; do not edit by hand. -->",
         "# What the running sphere costs", ""]


def machine():
    """The processor's name and the number of cores."""
    with open("/proc/cpuinfo") as info:
        name = info.read().split("model name")[1].split(":")[1].split("\n")[0]
    return f"{name.strip()}, {os.cpu_count()} cores"


def above_idle(result, phase):
    """Total % of one core in the phase, less what the servers took with no program running."""
    return result[phase]["total"] - result["idle"]["total"]


def spread(values, digits):
    """median (min-max) of the values."""
    low, middle, high = min(values), statistics.median(values), max(values)
    return f"{middle:.{digits}f} ({low:.{digits}f}–{high:.{digits}f})"


def windows_part(results, sizes, runs, started, minutes):
    """globulon.scr under Wine beside the X11 program: results holds the runs of each program at
    each size ({(kind, size): [measure.one_run, ...]})."""
    rows = [(kind, size) for kind in ("wine", "native") for size in sizes]
    names = {"wine": "globulon.scr /S (Wine)", "native": "X11 globulon -root"}
    wine_version = subprocess.run(["wine", "--version"], capture_output=True,
                                  text=True).stdout.strip()
    lines = [
        f"Measured {started:%Y-%m-%d %H:%M} UTC by `scripts/benchmark.sh` ({minutes:.0f} min) on"
        f" {machine()}, shared with other work; {platform.system()}"
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




def wayland_part(results, size, runs, started, minutes):
    """The Wayland program beside the X11 program: results holds one {"wayland": ...,
    "x11": ...} per run (measure.side_by_side)."""
    width, height = size
    names = {"wayland": "globulon-wayland (headless sway 1.7, pixman renderer)",
             "x11": "X11 globulon -root (Xvfb)"}
    lines = [
        f"## Wayland beside X11, {width}x{height}, one whole cycle", "",
        f"Measured {started:%Y-%m-%d %H:%M} UTC by `scripts/benchmark.sh` ({minutes:.0f} min) on"
        f" {machine()}, shared with other work. `globulon-wayland -color 0,255,0` on a headless"
        f" sway (one {width}x{height} output, as an unprivileged id) and the X11 program"
        f" `-root -color 0,255,0` on a {width}x{height} Xvfb, both optimised builds without"
        " sanitizers (`bench` preset), started together and measured side by side over the same"
        f" {results[0]['wayland']['wall']:.0f} s, one whole cycle with its rest at the nominal ten"
        f" frames a second, from the first frame of both. {runs} {'run' if runs == 1 else 'runs'};"
        " figures are median (min–max) of the runs. CPU as % of one core, user + system from `/proc/<pid>/stat`; the display"
        " server is sway or Xvfb, whose share with no program running was measured over"
        f" {IDLE_SECONDS['wayland']} s before the programs started.",
        "",
        "| program | screen | program % | display server % | total % | display server idle % |"
        " total above idle % | program VmRSS MiB |",
        "|---|---|---|---|---|---|---|---|",
    ]
    for kind in ("wayland", "x11"):
        rows = [result[kind] for result in results]
        lines.append(
            f"| {names[kind]} | {width}x{height} | {spread([r['program'] for r in rows], 2)} |"
            f" {spread([r['server'] for r in rows], 2)} |"
            f" {spread([r['program'] + r['server'] for r in rows], 2)} |"
            f" {spread([r['idle'] for r in rows], 2)} |"
            f" {spread([r['program'] + r['server'] - r['idle'] for r in rows], 2)} |"
            f" {spread([r['rss'] for r in rows], 1)} |")
    lines += ["", "The Wayland program draws every pixel itself (the X11 program leaves that to the"
              " X server) and copies into its other buffer what the last frame changed; sway"
              " composites the changed part of each frame."]
    return "\n".join(lines) + "\n"


def part_markers(name):
    return f"<!-- part: {name} -->", f"<!-- end of part: {name} -->"


def write_parts(path, parts):
    """Writes the document with the given parts ({name: text}) in place of their old text; parts
    not given stay as they are, new ones go at the end."""
    try:
        with open(path) as document:
            text = document.read()
    except FileNotFoundError:
        text = "\n".join(TITLE) + "\n"
    for name, body in parts.items():
        begin, end = part_markers(name)
        block = f"{begin}\n{body}{end}\n"
        pattern = re.compile(re.escape(begin) + ".*?" + re.escape(end) + "\n", re.DOTALL)
        if pattern.search(text):
            text = pattern.sub(lambda _: block, text)
        else:
            text = text.rstrip("\n") + "\n\n" + block
    with open(path, "w") as document:
        document.write(text)
