#!/usr/bin/env bash
# Builds everything and runs every test: formatting, native unit tests (with sanitizers) and the
# X11 program in its hosts, a few seconds of each fuzz target, the Windows build's tests under
# Wine on a virtual display, the 32-bit build, then the release packages (tests/release/, in a
# Wine prefix of their own, and the Debian package in a scratch root; its Wayland program's cost
# over a whole cycle in headless sway).
# Every suite runs to its end, whatever an earlier one did; a summary closes the run, naming each
# suite and the tests that failed in it. Exits non-zero on any failure.
set -uo pipefail
source "$(dirname "$0")/common.sh"
cd "$GLOBULON_ROOT"

install_packages || { echo "could not install the packages the build needs" >&2; exit 1; }

logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
summary=()
failures=0

# suite NAME COMMAND...: runs the command with its output shown and kept, and notes the result
# and the names of the tests that failed (CTest's list, unittest's FAIL/ERROR lines).
suite() {
    local name=$1
    shift
    log "$name"
    local output="$logs/${#summary[@]}.log"
    if "$@" 2>&1 | tee "$output"; then
        summary+=("passed  $name")
        return 0
    fi
    failures=$((failures + 1))
    summary+=("FAILED  $name")
    local failed
    failed=$(sed -n -e 's/^[[:space:]]*[0-9][0-9]* - \(.*\) (.*)$/\1/p' \
        -e 's/^\(FAIL\|ERROR\): \(.*\)$/\2/p' "$output" | sort -u)
    while IFS= read -r test; do
        [ -n "$test" ] && summary+=("          $test")
    done <<<"$failed"
    return 1
}

formatting() {
    local sources
    mapfile -t sources < <(git ls-files -co --exclude-standard -- '*.cpp' '*.h')
    clang-format --dry-run --Werror "${sources[@]}"
}

native() {
    cmake --preset native >/dev/null && cmake --build --preset native &&
        ctest --preset native --output-on-failure -j2
}

win64_build() { cmake --preset win64 >/dev/null && cmake --build --preset win64; }

# The Windows-side tests need a display, the prefix and a persistent wineserver.
win64_tests() {
    make_wine_prefix || return 1
    start_display 1024x768x24 || return 1
    start_wineserver
    warm_up_wine build/win64/globulon.scr /A
    ctest --preset win64 --output-on-failure
    local status=$?
    stop_wineserver
    stop_display
    return $status
}

win32_build() { cmake --preset win32 >/dev/null && cmake --build --preset win32; }

release() { scripts/release.sh && python3 -m unittest discover -v -s tests/release; }

suite "formatting" formatting
suite "native build, unit tests, the X11 program in its hosts, the Wayland one in sway and weston" \
    native
suite "fuzz targets, 5 seconds each" scripts/fuzz.sh 5
if suite "Windows 64-bit build" win64_build; then
    suite "Windows tests under Wine" win64_tests
else
    summary+=("skipped Windows tests under Wine (no 64-bit build)")
fi
suite "Windows 32-bit build" win32_build
suite "release: dist/ written, installed, upgraded and removed in a fresh Wine prefix" release
suite "Debian package" python3 -m unittest -v tests/x11/test_deb_package.py \
    tests/wayland/test_wayland_package.py

log "summary"
printf '%s\n' "${summary[@]}"
if [ "$failures" -gt 0 ]; then
    echo "$failures of the suites failed"
    exit 1
fi
echo "all builds and tests passed"
