"""What the processes of a run cost so far: CPU per group of processes, snapshots of it and the
share of one core between two snapshots; Wine's processes of this prefix."""
import os
import time

from processes import cpu_seconds


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


class Snapshot:
    """CPU seconds so far of each named group of processes ({name: [pid, ...]}), and the clock."""

    def __init__(self, groups):
        self.clock = time.monotonic()
        self.cpu = {name: sum(cpu_seconds(pid) for pid in pids) for name, pids in groups.items()}


def wine_snapshot(program, xserver):
    """The program (0 before it runs), the X server, the wineserver and the other Wine
    processes."""
    server, others = wine_processes()
    return Snapshot({"program": [program], "xserver": [xserver], "wineserver": server,
                     "helpers": [pid for pid in others if pid != program]})


def shares(before, after):
    """Percent of one core of each group, and their total, between two snapshots."""
    wall = after.clock - before.clock
    result = {key: 100 * (after.cpu[key] - before.cpu[key]) / wall for key in before.cpu}
    result["total"] = sum(result.values())
    result["wall"] = wall
    return result
