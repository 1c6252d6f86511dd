#!/usr/bin/env bash
# Installs what is missing, cross-builds Tvorka1 for Windows with mingw-w64, 32-bit into
# build-windows-x86/ and 64-bit into build-windows-x64/ (each with its portable tvorka1.exe and its
# installer in package/), and runs the tests of both under Wine. The 32-bit tests run where Wine
# runs 32-bit programs (wine32:i386, see tools/setup.sh); elsewhere only those that need no Wine.
# Usage: bash tools/windows.sh [--no-tests]
source "$(dirname "$0")/setup.sh" windows
if [[ -n ${TVORKA1_NO_WINDOWS:-} ]]; then
    echo "Skipped: the Windows programs and their tests ($TVORKA1_NO_WINDOWS)"
    exit 0
fi
for target in x86:i686 x64:x86_64; do
    build=build-windows-${target%%:*}
    [[ -f $build/CMakeCache.txt ]] ||
        cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-w64-${target#*:}.cmake" \
            -DCMAKE_BUILD_TYPE=Release
    cmake --build "$build"
done
for build in build-windows-x86 build-windows-x64; do
    echo "Program: $build/tvorka1.exe"
    for msi in "$build"/package/*.msi; do [[ -f $msi ]] && echo "Installer: $msi"; done
done
[[ ${1:-} == --no-tests ]] && exit 0
ctest --test-dir build-windows-x64 --output-on-failure
if [[ -z ${TVORKA1_NO_WINE32:-} ]]; then
    ctest --test-dir build-windows-x86 --output-on-failure
else
    ctest --test-dir build-windows-x86 --output-on-failure -LE windows
    echo "Skipped: the 32-bit program's tests under Wine ($TVORKA1_NO_WINE32)"
fi
