#!/usr/bin/env bash
# Measures what the running sphere costs a user, in two parts. "windows": globulon.scr under Wine
# and the native X11 program, CPU of the program, the X server and Wine over one whole cycle and
# each phase, per second and per frame; end request to exit; start to first frame; memory; each
# run on its own Xvfb of 1024x768 or 1920x1080; then the full-screen saver on two monitors
# (Xephyr) to docs/benchmark-monitors.md. "wayland": the Wayland program on a headless sway beside
# the X11 program on an Xvfb, both 1920x1080, started together, program and display server over
# one whole cycle. Prints the tables and writes the parts measured to docs/benchmark.md, the
# figures the README points to. Takes about 25 minutes for 3 runs of both parts (the wayland part
# about 2 minutes a run); not part of scripts/test.sh.
#   scripts/benchmark.sh [runs] [sizes] [parts]   (default 3, 1024x768,1920x1080, windows,wayland)
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$GLOBULON_ROOT"

runs=${1:-3}
sizes=${2:-1024x768,1920x1080}
parts=${3:-windows,wayland}
install_packages
log "building the X11 and Wayland programs without sanitizers"
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
if [[ ",$parts," == *,windows,* ]]; then
    log "building globulon.scr"
    cmake --preset win64 >/dev/null
    cmake --build --preset win64 --target globulon >/dev/null
    make_wine_prefix
    # Each run starts its own wineserver: none may be left from before.
    stop_wineserver
fi

log "measuring $parts: $runs runs"
python3 scripts/benchmark.py --scr build/win64/globulon.scr --x11 build/bench/x11/globulon \
    --wayland build/bench/wayland/globulon-wayland \
    --cycle-frames build/bench/tests/tools/cycle_frames --runs "$runs" --sizes "$sizes" \
    --parts "$parts" --output docs/benchmark.md

if [[ ",$parts," == *,windows,* ]]; then
    log "measuring: $runs runs on two monitors"
    python3 scripts/benchmark_monitors.py --scr build/win64/globulon.scr \
        --cycle-frames build/bench/tests/tools/cycle_frames --runs "$runs" \
        --output docs/benchmark-monitors.md
fi
