#!/usr/bin/env bash
# Measures what the running sphere costs a user, for globulon.scr under Wine and for the native
# X11 program: CPU of the program, the X server and Wine over one whole cycle and each phase, per
# second and per frame; end request to exit; start to first frame; memory. Each run has its own
# Xvfb of 1024x768 or 1920x1080. Prints the tables and writes them to docs/benchmark.md, the
# figures the README points to, then the full-screen saver on two monitors (Xephyr) to
# docs/benchmark-monitors.md. Takes about 25 minutes for 3 runs; not part of scripts/test.sh.
#   scripts/benchmark.sh [runs] [sizes]      (default 3 and 1024x768,1920x1080)
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$GLOBULON_ROOT"

runs=${1:-3}
sizes=${2:-1024x768,1920x1080}
install_packages
log "building globulon.scr, and the X11 program without sanitizers"
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target globulon >/dev/null
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
make_wine_prefix
# Each run starts its own wineserver: none may be left from before.
stop_wineserver

log "measuring: $runs runs of each program at each of $sizes"
python3 scripts/benchmark.py --scr build/win64/globulon.scr --x11 build/bench/x11/globulon \
    --cycle-frames build/bench/tests/tools/cycle_frames --runs "$runs" --sizes "$sizes" \
    --output docs/benchmark.md

log "measuring: $runs runs on two monitors"
python3 scripts/benchmark_monitors.py --scr build/win64/globulon.scr \
    --cycle-frames build/bench/tests/tools/cycle_frames --runs "$runs" \
    --output docs/benchmark-monitors.md
