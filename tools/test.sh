#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless: widget tests on Qt's offscreen
# platform, tests of the real program on private Xvfb servers and Weston that they start
# themselves, then the Windows builds' tests under Wine (tools/windows.sh) and the browser build's
# in Chromium, Firefox and WebKitGTK (tools/web.sh). Then the Linux tests again on a build with
# AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer, in build-sanitize/; any report
# fails its test. Its last line names what this machine could not run, and why.
# Usage: bash tools/test.sh [--plain]      (--plain: without the sanitizer build)
plain=0
[[ ${1:-} == --plain ]] && plain=1
source "$(dirname "$0")/setup.sh" build run test package windows web
cmake --build build
ctest --test-dir build --output-on-failure
bash tools/windows.sh
bash tools/web.sh --test
if ((!plain)); then
    [[ -f build-sanitize/CMakeCache.txt ]] || cmake -S . -B build-sanitize -G Ninja -DTVORKA1_SANITIZE=ON
    cmake --build build-sanitize
    ctest --test-dir build-sanitize --output-on-failure
fi

skipped=()
[[ -z ${TVORKA1_NO_WINDOWS:-} ]] || skipped+=("the Windows programs and their tests ($TVORKA1_NO_WINDOWS)")
[[ -n ${TVORKA1_NO_WINDOWS:-} || -z ${TVORKA1_NO_WINE32:-} ]] ||
    skipped+=("the 32-bit Windows program's tests under Wine ($TVORKA1_NO_WINE32)")
[[ -z ${TVORKA1_NO_WEB:-} ]] || skipped+=("the browser build and its tests ($TVORKA1_NO_WEB)")
[[ -z ${TVORKA1_NO_FIREFOX:-} ]] || skipped+=("the browser tests in Firefox ($TVORKA1_NO_FIREFOX)")
[[ -z ${TVORKA1_NO_WEBKIT:-} ]] || skipped+=("the browser tests in WebKitGTK ($TVORKA1_NO_WEBKIT)")
((!plain)) || skipped+=("the sanitizer build (--plain)")
summary=nothing
((${#skipped[@]} == 0)) || summary=$(printf '%s; ' "${skipped[@]}")
echo "Every test that this machine can run passed. Skipped: ${summary%; }"
