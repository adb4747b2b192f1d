"""The Wayland program beside the X11 program, side by side in one run at 1920x1080: the CPU of
each program and of its display server (headless sway with the pixman renderer; Xvfb) over one
whole cycle, both started together. Uses the release builds of scripts/release.sh's package
tree (build/deb). Prints a Markdown table.

Usage: python3 scripts/benchmark_wayland.py [seconds]   (default 105: a cycle at 1920x1080 with
its rest, as docs/benchmark.md measures it)
"""
import os
import subprocess
import sys
import time

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), ".."))
os.environ.setdefault("GLOBULON_WAYLAND", os.path.join(ROOT, "build", "deb", "wayland",
                                                       "globulon-wayland"))
X11_PROGRAM = os.path.join(ROOT, "build", "deb", "x11", "globulon")
sys.path.insert(0, os.path.join(ROOT, "tests", "support"))
from processes import cpu_seconds  # noqa: E402
from waits import wait_until  # noqa: E402
from wayland_session import GREEN, Sway, centre_box  # noqa: E402

WIDTH, HEIGHT = 1920, 1080


def start_xvfb():
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-noreset", "-screen", "0",
                             f"{WIDTH}x{HEIGHT}x24", "-nolisten", "tcp"], pass_fds=[write_end],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        return xvfb, ":" + pipe.readline().strip()


def main():
    seconds = float(sys.argv[1]) if len(sys.argv) > 1 else 105.0
    sway = Sway([(0, 0, WIDTH, HEIGHT)])
    xvfb, display = start_xvfb()
    processes = []
    try:
        wayland = sway.start("globulon-wayland", "-color", "0,255,0")
        x11 = subprocess.Popen([X11_PROGRAM, "-root", "-color", "0,255,0"],
                               env={**os.environ, "DISPLAY": display})
        processes = [wayland, x11]
        watched = {"globulon-wayland": wayland.pid, "sway": sway.compositor.pid,
                   "globulon (X11)": x11.pid, "Xvfb": xvfb.pid}
        if not wait_until(lambda: sway.screenshot().count(GREEN, centre_box(
                (0, 0, WIDTH, HEIGHT), 100)) > 0, 20):
            raise SystemExit("the Wayland program draws nothing")
        before = {name: cpu_seconds(pid) for name, pid in watched.items()}
        started = time.monotonic()
        wait_until(lambda: time.monotonic() - started >= seconds, seconds + 5, interval=1)
        elapsed = time.monotonic() - started
        share = {name: 100 * (cpu_seconds(pid) - before[name]) / elapsed
                 for name, pid in watched.items()}
    finally:
        for process in processes:
            process.terminate()
            process.wait()
        xvfb.terminate()
        xvfb.wait()
        sway.close()
    print(f"| program | screen | seconds | program % | display server % | total % |")
    print("|---|---|---|---|---|---|")
    print(f"| globulon-wayland (headless sway, pixman) | {WIDTH}x{HEIGHT} | {elapsed:.1f} | "
          f"{share['globulon-wayland']:.2f} | {share['sway']:.2f} | "
          f"{share['globulon-wayland'] + share['sway']:.2f} |")
    print(f"| X11 globulon -root (Xvfb) | {WIDTH}x{HEIGHT} | {elapsed:.1f} | "
          f"{share['globulon (X11)']:.2f} | {share['Xvfb']:.2f} | "
          f"{share['globulon (X11)'] + share['Xvfb']:.2f} |")


if __name__ == "__main__":
    main()
