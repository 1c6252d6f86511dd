#!/usr/bin/env bash
# The tests of the real program on a busy machine: every test labelled x11, wayland or windows runs
# RUNS times in a row (default 20) while another job keeps every core busy, and must pass each
# time. Sets up and builds as the test command does, the Windows builds where this machine has
# them. Prints each test's count of passed runs, and ends with 1 if any run failed.
# Usage: bash tools/loaded.sh [RUNS] [LABEL_REGEX] [NAME_REGEX]   (e.g. 20 'x11|wayland', or
#        20 windows 'tst_win32_(96|120)$')
runs=${1:-20} labels=${2:-x11|wayland|windows} names=${3:-.}
[[ $runs =~ ^[1-9][0-9]*$ ]] || { echo "usage: bash tools/loaded.sh [RUNS] [LABEL_REGEX] [NAME_REGEX]" >&2; exit 2; }
source "$(dirname "$0")/setup.sh" build run test package windows
cmake --build build
trees=(build)
if [[ -z ${TVORKA1_NO_WINDOWS:-} && $labels == *windows* ]]; then
    bash tools/windows.sh --no-tests >/dev/null
    trees+=(build-windows-x64)
    [[ -n ${TVORKA1_NO_WINE32:-} ]] || trees+=(build-windows-x86)
fi

# The other job: a busy loop on each core, ended with this script.
load=()
for _ in $(seq "$(nproc)"); do
    (while :; do :; done) &
    load+=($!)
done
trap 'kill "${load[@]}" 2>/dev/null' EXIT

failed=0
for tree in "${trees[@]}"; do
    while read -r test; do
        passed=0 result=
        for _ in $(seq "$runs"); do
            if ctest --test-dir "$tree" -R "^$test\$" --output-on-failure >"$tree/loaded-$test.log" 2>&1 &&
                ! grep -q 'Skipped\|Not Run' "$tree/loaded-$test.log"; then
                passed=$((passed + 1))
            else
                grep -q 'Skipped' "$tree/loaded-$test.log" && { result="skipped, with the reason in $tree/loaded-$test.log"; break; }
                failed=1
                echo "FAILED under load, run $((passed + 1)) of $test in $tree:"
                grep -E 'FAIL' "$tree/loaded-$test.log" | head -n 5
                break
            fi
        done
        result=${result:-"$passed of $runs runs passed"}
        echo "$tree $test: $result, loaded ($(cut -d' ' -f1-3 /proc/loadavg))"
    done < <(ctest --test-dir "$tree" -N -L "$labels" -R "$names" | sed -n 's/^ *Test *#[0-9]*: //p')
done
exit "$failed"
