"""How the Python tests wait: for the condition they check, with a deadline, never for a moment.
The black-box and X11 tests take these through tests/blackbox/harness.py, the Wayland tests and
scripts/benchmark.py from here.
"""
import subprocess
import time

# How long a test waits for what it checks (a window, a sphere, a changed picture, an end) before
# it calls it missing: long enough for a loaded 2-core machine, where Wine takes seconds to start
# a program. A wait ends as soon as its condition holds, so a passing run never waits this long.
DEADLINE = 30
# A cycle of the sphere ends with a three-second rest in which nothing is drawn: a picture watched
# for change over this long changes at least once while the program draws.
CHANGE_WINDOW = 8


def wait_until(predicate, timeout, interval=0.1):
    """Polls predicate until it is true or timeout seconds passed; returns its last value."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value or time.monotonic() >= deadline:
            return value
        # Not a wait for the condition: the pause between two looks at it, so that polling
        # leaves the machine to the program under test; the deadline bounds the whole wait.
        time.sleep(interval)


def finish(process, timeout):
    """Waits for the process to end; returns its exit code, or None after killing it."""
    try:
        return process.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
        return None
