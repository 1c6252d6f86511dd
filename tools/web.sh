#!/usr/bin/env bash
# Installs what is missing, builds Tvorka1 for the browser with emscripten into build-web/, and
# serves the page on 127.0.0.1 with Python's static server; opens nothing.
# Usage: bash tools/web.sh [PORT]       serves build-web/site/ (8000 unless given)
#        bash tools/web.sh --test       runs the browser tests in Chromium, Firefox and WebKitGTK instead
#        bash tools/web.sh --no-serve   builds only
# build-web/site/ is what `cmake --install build-web --prefix build-web/site` copies: the page,
# its style sheet, tvorka1.js, tvorka1.wasm and the icons, for any static web server, and
# tvorka1.html, the page in one file to hand out (also build-web/tvorka1.html).
source "$(dirname "$0")/setup.sh" web
if [[ -n ${TVORKA1_NO_WEB:-} ]]; then
    if [[ ${1:-} == --test ]]; then
        echo "Skipped: the browser build and its tests ($TVORKA1_NO_WEB)"
        exit 0
    fi
    echo "tools/web.sh: $TVORKA1_NO_WEB" >&2
    exit 1
fi
# Debian's emscripten runs its tools with the system's Node.js and finds their modules here; a
# Node.js from elsewhere does not look there by itself.
export NODE_PATH=/usr/share/nodejs
[[ -f build-web/CMakeCache.txt ]] || emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build-web

case ${1:-} in
--test)
    # The tests' driver, at the versions the lock file names, installed again when it changes.
    if ! cmp -s tests/web/package-lock.json build-web/npm/package-lock.json; then
        rm -rf build-web/npm
        mkdir -p build-web/npm
        cp tests/web/package.json tests/web/package-lock.json build-web/npm/
        (cd build-web/npm && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error)
    fi
    ctest --test-dir build-web --output-on-failure
    ;;
--no-serve) ;;
*)
    port=${1:-8000}
    rm -rf build-web/site
    cmake --install build-web --prefix build-web/site >/dev/null
    echo "Tvorka1 is at http://127.0.0.1:$port/ (Ctrl+C ends the server)"
    exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build-web/site
    ;;
esac
