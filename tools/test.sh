#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless: widget tests on Qt's offscreen
# platform, tests of the real program on private Xvfb servers and Weston that they start
# themselves, then the Windows build's tests under Wine (tools/windows.sh). Then the Linux tests
# again on a build with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer, in
# build-sanitize/; any report fails its test.
# Usage: bash tools/test.sh [--plain]      (--plain: without the sanitizer build)
plain=0
[[ ${1:-} == --plain ]] && plain=1
source "$(dirname "$0")/setup.sh" build run test package windows
cmake --build build
ctest --test-dir build --output-on-failure
bash tools/windows.sh
((plain)) && exit 0

[[ -f build-sanitize/CMakeCache.txt ]] || cmake -S . -B build-sanitize -G Ninja -DTVORKA1_SANITIZE=ON
cmake --build build-sanitize
ctest --test-dir build-sanitize --output-on-failure
