"""What /proc tells of a process: its CPU time, its memory, and what it started. Shared by the
Python tests and scripts/benchmark.py.
"""
import os

CLOCK_TICKS = os.sysconf("SC_CLK_TCK")


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


def process_tree(root):
    """{pid: (name, parent)} of everything root started, directly or not (zombies left out)."""
    table = {}
    for entry in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{entry}/stat") as stat:
                fields = stat.read()
        except OSError:
            continue
        name = fields[fields.index("(") + 1:fields.rindex(")")]
        after = fields[fields.rindex(")") + 2:].split()
        if after[0] != "Z":
            table[int(entry)] = (name, int(after[1]))
    found, frontier = {}, [root]
    while frontier:
        pid = frontier.pop()
        for child, (name, parent) in table.items():
            if parent == pid:
                found[child] = (name, parent)
                frontier.append(child)
    return found
