#!/usr/bin/env bash
# Measures what the running saver costs: the CPU time of the program's own process per second of
# wall time, for "/S" full screen at 1920x1080 and for "/P" in the stand-in host dialog, plus the
# time of one frame (run_benchmark). Run after scripts/test.sh or scripts/run.sh has built.
#   scripts/benchmark.sh [seconds]      (default 20 per measurement)
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$GLOBULON_ROOT"

seconds=${1:-20}
install_packages
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target globulon preview_host run_benchmark >/dev/null
make_wine_prefix
start_display 1920x1080x24
start_wineserver
trap 'stop_wineserver; stop_display' EXIT
scr=build/win64/globulon.scr
warm_up_wine "$scr" /A
clock_ticks=$(getconf CLK_TCK)

# CPU seconds (user + system) of a process so far, from /proc.
cpu_seconds() {
    awk -v hz="$clock_ticks" '{ printf "%.3f", ($14 + $15) / hz }' "/proc/$1/stat"
}

# Percentage of one core that process $1 uses over $seconds of wall time.
measure() {
    local pid=$1 label=$2
    sleep 3  # start-up is not part of the running cost
    local before after
    before=$(cpu_seconds "$pid")
    sleep "$seconds"
    after=$(cpu_seconds "$pid")
    awk -v a="$before" -v b="$after" -v s="$seconds" -v l="$label" \
        'BEGIN { printf "%-40s %.2f%% of one core (%.2f CPU s in %d s)\n", l, 100 * (b - a) / s, b - a, s }'
}

log "full screen /S at 1920x1080, random colours"
wine reg delete 'HKCU\Software\Globulon Screen Saver' /f >/dev/null 2>&1 || true
wine "$scr" /S &
saver=$!
measure "$saver" "/S globulon.scr process"
xdotool mousemove 300 300 click 1  # ends the saver as a user would
wait "$saver" 2>/dev/null || true

log "preview /P in the stand-in host dialog"
start_preview_host
wine "$scr" /P "$PREVIEW_HWND" &
saver=$!
measure "$saver" "/P globulon.scr process"
kill "$saver" "$PREVIEW_HOST_PID" 2>/dev/null || true

log "one frame"
wine build/win64/tests/app/run_benchmark.exe
