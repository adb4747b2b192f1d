#!/usr/bin/env bash
# Builds the libFuzzer targets (preset fuzz) and runs each for a bounded time, starting from the
# seeds in tests/fuzz/corpus/<target>/, which stay as they are: new inputs go to a temporary
# directory, crash inputs to build/fuzz/crashes/. Exits non-zero when a target finds a crash.
# Usage: scripts/fuzz.sh [seconds-per-target]   (default 60)
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$GLOBULON_ROOT"
seconds=${1:-60}

install_packages
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
crashes=build/fuzz/crashes
mkdir -p "$crashes"
export UBSAN_OPTIONS=print_stacktrace=1

failed=()
for fuzzer in build/fuzz/tests/fuzz/*_fuzz; do
    name=$(basename "$fuzzer" _fuzz)
    mkdir -p "$work/$name"
    seeds=()
    [ -d "tests/fuzz/corpus/$name" ] && seeds=("tests/fuzz/corpus/$name")
    log "fuzzing $name for ${seconds} s"
    if "$fuzzer" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$crashes/$name-" "$work/$name" "${seeds[@]}" >"$work/$name.log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$name.log")
        echo "$name: ${runs:-?} runs, no crash"
    else
        tail -n 40 "$work/$name.log"
        echo "$name: CRASH (input saved under $crashes/)"
        failed+=("$name")
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzzing found crashes in: ${failed[*]}" >&2
    exit 1
fi
log "every fuzz target ran ${seconds} s without a crash"
