#!/usr/bin/env bash
# Pictures of Tvorka1 for Windows under Wine, the whole window in both modes at 96 and 120 dpi, as
# PNG files in OUT_DIR, for looking at what the tests check.
# Usage: bash tests/windows/screenshots.sh [OUT_DIR]    (after bash tools/windows.sh; default
#        build-windows-x64/screenshots; TVORKA1_WINDOWS_BUILD=build-windows-x86 for the 32-bit program)
set -euo pipefail
tree=$(cd "$(dirname "$0")/../.." && pwd)
build=${TVORKA1_WINDOWS_BUILD:-$tree/build-windows-x64}
out=$(realpath -m "${1:-$build/screenshots}")
mkdir -p "$out"
for dpi in 96 120; do
    (
        source "$tree/tests/windows/lib.sh"
        start_wine "$dpi"
        mkdir "$scratch/shots"
        wine_run 120 "$build/tests/windows/tvorka1_wintest.exe" shots \
            "$(winepath_of "$build/tvorka1.exe")" "$(winepath_of "$scratch/shots")"
        for bmp in "$scratch"/shots/*.bmp; do convert "$bmp" "$out/$(basename "$bmp" .bmp).png"; done
    )
done
ls "$out"
