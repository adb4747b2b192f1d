#!/usr/bin/env bash
# Builds everything and runs every test: formatting, native unit tests (with sanitizers), a few
# seconds of each fuzz target, then the Windows build's tests under Wine on a virtual display, then
# the 32-bit build, then the release packages (tests/release/, in a Wine prefix of their own, and
# the Debian package in a scratch root).
# Exits non-zero on any failure.
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$GLOBULON_ROOT"

install_packages

log "checking the formatting"
mapfile -t sources < <(git ls-files -co --exclude-standard -- '*.cpp' '*.h')
clang-format --dry-run --Werror "${sources[@]}"

log "native build and unit tests"
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native --output-on-failure -j2

log "fuzz targets, 5 seconds each"
scripts/fuzz.sh 5

log "Windows 64-bit build and tests under Wine"
cmake --preset win64 >/dev/null
cmake --build --preset win64
make_wine_prefix
start_display 1024x768x24
start_wineserver
trap 'stop_wineserver; stop_display' EXIT
warm_up_wine build/win64/globulon.scr /A
ctest --preset win64 --output-on-failure
stop_wineserver
stop_display
trap - EXIT

log "Windows 32-bit build"
cmake --preset win32 >/dev/null
cmake --build --preset win32

log "release: dist/ written, then installed, upgraded and removed in a fresh Wine prefix"
scripts/release.sh
python3 -m unittest discover -v -s tests/release
python3 -m unittest -v tests/x11/test_deb_package.py

log "all builds and tests passed"
