#!/usr/bin/env bash
# Packs an already built tree into a Debian package and prints the package's path.
# Usage: make_deb.sh BUILD_DIR OUTPUT_DIR
set -euo pipefail
build=$(realpath "$1")
mkdir -p "$2"
out=$(realpath "$2")
rm -f "$out"/*.deb
# CPack stages an install of the tree with the package's prefix and runs dpkg-shlibdeps on it.
timeout 300 cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log" >&2; echo "make_deb.sh: cpack failed" >&2; exit 1; }
rm -rf "$out/_CPack_Packages"
debs=("$out"/*.deb)
[[ -f ${debs[0]} ]] || { echo "make_deb.sh: cpack made no package" >&2; exit 1; }
echo "${debs[0]}"
