#!/usr/bin/env bash
# The layers' walls as the build proves them, in scratch copies of the tree: a header of window/,
# a layer of headers alone, that includes the circuit mode fails the window's own build; and a
# layer that reaches the whole tree through an include folder of its own fails the configure.
# Usage: tst_walls.sh SOURCE_DIR CMAKE
set -euo pipefail
source=$1 cmake=$2
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

copy() {
    bash "$source/tools/copy_tree.sh" "$source" "$scratch/$1"
    echo "$scratch/$1"
}

tree=$(copy header)
sed -i 's|^#include "runtime/core/controls.h"$|#include "mode/circuit_mode.h"\n&|' "$tree/window/form1.h"
grep -q '^#include "mode/circuit_mode.h"$' "$tree/window/form1.h" || fail "could not plant the include"
"$cmake" -S "$tree" -B "$tree/build" -G Ninja -DBUILD_TESTING=OFF >"$scratch/configure.log" 2>&1 ||
    fail "configure: $(tail -n 5 "$scratch/configure.log")"
if "$cmake" --build "$tree/build" --target tvorka1_window >"$scratch/build.log" 2>&1; then
    fail "window/form1.h includes the circuit mode, and the window's layer still builds"
fi
grep -q 'mode/circuit_mode.h: No such file' "$scratch/build.log" || fail "another failure: $(grep -m 3 error "$scratch/build.log")"
echo "PASS: a header of window/ that includes mode/ fails the window's own build"

tree=$(copy private)
echo 'target_include_directories(tvorka1_mode PRIVATE ${PROJECT_SOURCE_DIR})' >>"$tree/mode/CMakeLists.txt"
if "$cmake" -S "$tree" -B "$tree/build" -G Ninja -DBUILD_TESTING=OFF >"$scratch/configure.log" 2>&1; then
    fail "tvorka1_mode includes from the whole tree, and the configure goes on"
fi
grep -q 'tvorka1_mode includes from .*, past the layers' "$scratch/configure.log" ||
    fail "another failure: $(grep -m 3 -A 2 'CMake Error' "$scratch/configure.log")"
echo "PASS: a layer that includes from the whole tree fails the configure"
