#!/usr/bin/env bash
# Installs what is missing, cross-builds Tvorka1 for 64-bit Windows with mingw-w64 into
# build-windows/ (the portable build-windows/tvorka1.exe and its installer in
# build-windows/package/), and runs its tests under Wine.
# Usage: bash tools/windows.sh [--no-tests]
source "$(dirname "$0")/setup.sh" windows
[[ -f build-windows/CMakeCache.txt ]] ||
    cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
        -DCMAKE_BUILD_TYPE=Release
cmake --build build-windows
echo "Program: build-windows/tvorka1.exe"
for msi in build-windows/package/*.msi; do [[ -f $msi ]] && echo "Installer: $msi"; done
[[ ${1:-} == --no-tests ]] && exit 0
ctest --test-dir build-windows --output-on-failure
