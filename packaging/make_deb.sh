#!/usr/bin/env bash
# Packs an already built tree into a Debian package and prints the package's path.
# Usage: make_deb.sh BUILD_DIR OUTPUT_DIR
set -euo pipefail
build=$(realpath "$1")
mkdir -p "$2"
out=$(realpath "$2")
rm -f "$out"/*.deb

# Qt loads the platform plugins for X11 and Wayland, Wayland's xdg-shell integration and a font at
# run time, which no library dependency names: the package names the packages that hold them on
# this release, as each release splits them its own way (Debian 12 keeps the X11 plugin in
# libqt6gui6, which the program links anyway; Debian testing's Qt 6.11 has the Wayland plugin in
# libqt6waylandclient6 and the shell integration apart from it). A file that no package holds here
# would be missing where the package is installed: that stops it.
loaded=()
for file in '*/qt6/plugins/platforms/libqxcb.so' '*/qt6/plugins/platforms/libqwayland*.so' \
    '*/qt6/plugins/wayland-shell-integration/libxdg-shell.so' '*/fonts/truetype/dejavu/DejaVuSans.ttf'; do
    owner=$(dpkg-query -S "$file" 2>/dev/null | sed -n '1s/[:,].*//p') || true
    [[ -n $owner ]] || {
        echo "make_deb.sh: no installed package holds $file, so the package cannot name it (tools/setup.sh run installs it)" >&2
        exit 1
    }
    [[ $owner =~ ^libqt6(core|gui|widgets)6 || " ${loaded[*]} " == *" $owner "* ]] || loaded+=("$owner")
done
depends=$(printf '%s, ' "${loaded[@]}")

# The times inside the package (ar, tar and gzip) are the source's.
SOURCE_DATE_EPOCH=$(bash "$(dirname "$0")/../tools/source_date.sh")
export SOURCE_DATE_EPOCH
# CPack stages an install of the tree with the package's prefix and runs dpkg-shlibdeps on it.
timeout 300 cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" \
    -D "CPACK_DEBIAN_PACKAGE_DEPENDS=${depends%, }" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log" >&2; echo "make_deb.sh: cpack failed" >&2; exit 1; }
rm -rf "$out/_CPack_Packages"
debs=("$out"/*.deb)
[[ -f ${debs[0]} ]] || { echo "make_deb.sh: cpack made no package" >&2; exit 1; }
echo "${debs[0]}"
