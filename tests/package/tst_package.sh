#!/usr/bin/env bash
# The Debian package of a built tree: its control fields, its files, what it installs (unpacked
# into a scratch root, so the machine is left as it is), the desktop's validators over that, the
# installed program, and lintian.
# Usage: tst_package.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
build=$1 source=$2 version=$3
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
for tool in dpkg-deb dpkg-shlibdeps file lintian desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || fail "missing $tool (tools/setup.sh test package)"
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

deb=$(bash "$source/packaging/make_deb.sh" "$build" "$work/out")
arch=$(dpkg --print-architecture)
[[ $(basename "$deb") == "tvorka1_${version}_$arch.deb" ]] || fail "package file is $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == tvorka1 ]] || fail "Package: $(field Package)"
[[ $(field Version) == "$version" ]] || fail "Version: $(field Version), not $version"
[[ $(field Architecture) == "$arch" ]] || fail "Architecture: $(field Architecture)"
[[ $(field Maintainer) =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer: $(field Maintainer)"
[[ -n $(field Section) && -n $(field Description) ]] || fail "no Section or Description"
# Found in the binary by dpkg-shlibdeps. Debian 13 renamed Qt's core library for 64-bit time:
# libqt6core6t64. What Qt loads at run time is proven where it counts, by tests/package/tst_apt.sh:
# the package installed alone in a fresh root opens its window on X11 and Wayland.
depends=$(field Depends | tr -d ' ' | tr ',' '\n' | sed 's/(.*//')
for dep in libc6 'libstdc\+\+6' 'libqt6core6(t64)?' libqt6gui6 libqt6widgets6; do
    grep -qxE "$dep" <<<"$depends" || fail "Depends lacks $dep: $(field Depends)"
done
echo "control: tvorka1 $version $arch, Depends: $(field Depends)"

# Exactly these files, owned by root, nothing of the tests or tools.
id=org.tvorka1.Tvorka1
expected=(usr/bin/tvorka1 "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml"
    usr/share/doc/tvorka1/copyright usr/share/doc/tvorka1/changelog.gz usr/share/man/man1/tvorka1.1.gz
    "usr/share/icons/hicolor/scalable/apps/$id.svg")
sizes=(16 22 24 32 48 64 128 256)
for size in "${sizes[@]}"; do expected+=("usr/share/icons/hicolor/${size}x$size/apps/$id.png"); done
listing=$(dpkg-deb -c "$deb")
files=$(awk '$1 !~ /^d/ {sub(/^\.\//, "", $6); print $6}' <<<"$listing" | sort)
[[ $files == "$(printf '%s\n' "${expected[@]}" | sort)" ]] ||
    fail "files differ from the expected: $(diff <(printf '%s\n' "${expected[@]}" | sort) - <<<"$files" || true)"
owners=$(awk '{print $2}' <<<"$listing" | sort -u)
[[ $owners == root/root ]] || fail "owners: $owners"
awk '$6 == "./usr/bin/tvorka1" {exit $1 != "-rwxr-xr-x"}' <<<"$listing" || fail "usr/bin/tvorka1 is not 0755"
echo "contents: ${#expected[@]} files, owned by root"

root=$work/root
dpkg-deb -x "$deb" "$root"
program=$root/usr/bin/tvorka1
readelf -d "$program" | grep -E '\((RPATH|RUNPATH)\)' && fail "the installed program has a library search path"
file "$program" | grep -q ', stripped' || fail "the installed program is not stripped: $(file "$program")"
ldd "$program" | grep 'not found' && fail "the installed program misses libraries"
# Nothing but the system's libraries, so it starts as it is: it is still running after a second.
status=0
mkdir -m 700 "$work/runtime"
XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=offscreen timeout 1 "$program" || status=$?
((status == 124)) || fail "the installed program ended with status $status"

entry=$root/usr/share/applications/$id.desktop
out=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $out"
[[ -z $out ]] || fail "desktop-file-validate says: $out"
grep -qx 'Exec=tvorka1' "$entry" && grep -qx "Icon=$id" "$entry" || fail "Exec or Icon of $entry"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/$id.metainfo.xml" >"$work/as" 2>&1 ||
    fail "appstreamcli validate: $(cat "$work/as")"
appstreamcli validate-tree --no-net "$root" >"$work/as" 2>&1 || fail "appstreamcli validate-tree: $(cat "$work/as")"
for size in "${sizes[@]}"; do
    read -r w h < <(od -An -tu4 --endian=big -j16 -N8 "$root/usr/share/icons/hicolor/${size}x$size/apps/$id.png")
    [[ "$w x $h" == "$size x $size" ]] || fail "the $size px icon is $w x $h"
done
# The copyright file carries the licence of the source, word for word.
copyright=$root/usr/share/doc/tvorka1/copyright
body=$(sed -n '/^License: Expat$/,$ {/^ /p}' "$copyright" | sed 's/^ //; s/^\.$//')
[[ $body == "$(sed -n '/^Permission/,$p' "$source/LICENSE")" ]] || fail "the copyright file's licence differs from LICENSE"
grep -q "^Copyright: $(sed -n 's/^Copyright (c) //p' "$source/LICENSE")$" "$copyright" || fail "copyright holder differs"
zcat "$root/usr/share/doc/tvorka1/changelog.gz" | head -n 1 | grep -q "^tvorka1 ($version) " || fail "changelog version"
echo "installed tree: program without search path, starts; desktop entry, AppStream, icons and copyright check"

# No error and no warning; information tags are shown only.
status=0
timeout 240 lintian --info --display-info "$deb" >"$work/lintian" 2>&1 || status=$?
# 1 is lintian's answer to errors, shown below; anything else means it did not run.
((status <= 1)) || fail "lintian ended with status $status: $(tail -n 3 "$work/lintian")"
grep -v 'root privileges' "$work/lintian" | grep -E '^[IEW]: ' || true
grep -E '^[EW]: ' "$work/lintian" && fail "lintian reports errors or warnings"
echo "PASS: the package holds what it should and lintian reports no error or warning"
