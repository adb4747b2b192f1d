"""The parts of scripts/benchmark.py, one job each: probes (what a process costs so far), hosts
(the displays, Wine and the compositor the programs run on, and how each program starts and
ends), measure (one run and what it gives), report (the tables of docs/benchmark.md).

The screen reader, the compositor sessions, the /proc readings and the waits are the tests' own,
shared from tests/support.
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tests", "support"))
