#!/usr/bin/env bash
# Builds globulon.scr and runs it under Wine with the given switch (default /S).
#   scripts/run.sh            full-screen saver
#   scripts/run.sh /C         settings dialog
#   scripts/run.sh /P         live preview in a stand-in for the display-settings dialog
# With a display it runs there. Without one it runs on its own virtual display for a few seconds
# (GLOBULON_SECONDS, default 12) and records what the screen shows to build/globulon-run.gif
# plus a last frame build/globulon-run.png.
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$GLOBULON_ROOT"

install_packages
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target globulon preview_host
make_wine_prefix
scr="$GLOBULON_ROOT/build/win64/globulon.scr"
switch=("$@")
[ ${#switch[@]} -eq 0 ] && switch=(/S)

headless=1
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then headless=0; fi
if [ "$headless" = 1 ]; then start_display 1024x768x24; fi
start_wineserver
trap 'stop_wineserver; stop_display' EXIT
warm_up_wine "$scr" /A

# "/P" alone: start a stand-in host dialog and preview into its window.
if [[ "${switch[0]^^}" == /P && ${#switch[@]} -eq 1 ]]; then
    start_preview_host
    switch=(/P "$PREVIEW_HWND")
fi

log "running globulon.scr ${switch[*]}"
if [ "$headless" = 0 ]; then
    wine "$scr" "${switch[@]}"
    exit 0
fi

frames=$(mktemp -d)
wine "$scr" "${switch[@]}" &
saver=$!
seconds=${GLOBULON_SECONDS:-12}
for i in $(seq -w 1 $((seconds * 5))); do
    sleep 0.2
    xwd -root -silent | convert xwd:- -resize 50% "$frames/frame$i.png"
done
cp "$(ls "$frames"/frame*.png | tail -n 1)" build/globulon-run.png
convert -delay 20 -loop 0 "$frames"/frame*.png -layers Optimize build/globulon-run.gif
rm -rf "$frames"
xdotool key space >/dev/null 2>&1 || true
sleep 1
kill "$saver" 2>/dev/null || true
log "recorded ${seconds} s of the screen to $GLOBULON_ROOT/build/globulon-run.gif" \
    "(last frame: build/globulon-run.png)"
