#!/bin/bash
# Installs the build into a scratch prefix and runs the desktop's own
# validators over what a packager would ship.
# Usage: install_test.sh <cmake> <build dir>
set -euo pipefail
cmake=$1 build=$2

for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "missing $tool (desktop-file-utils / appstream)"; exit 1; }
done

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*"; exit 1; }
entries=("$prefix"/share/applications/*.desktop)
[[ ${#entries[@]} -eq 1 && -f ${entries[0]} ]] || fail "expected one desktop entry"
entry=${entries[0]}
id=$(basename "$entry" .desktop)
key() { sed -n "s/^$1=//p" "$entry"; }

out=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $out"
grep -Ei 'error|warning' <<<"$out" && fail "desktop-file-validate complains"
[[ $(key Name) == Tvorka1 ]] || fail "Name is '$(key Name)'"
[[ -x $prefix/bin/$(key Exec) ]] || fail "Exec '$(key Exec)' is not installed in bin"

for size in 16 22 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$(key Icon).png
    [[ -f $png ]] || fail "no icon $png"
    # PNG width and height are the big-endian words at bytes 16 and 20.
    read -r w h < <(od -An -tu4 --endian=big -j16 -N8 "$png")
    [[ $w == "$size" && $h == "$size" ]] || fail "$png is ${w}x${h}"
done

svg=$prefix/share/icons/hicolor/scalable/apps/$(key Icon).svg
grep -q '<svg ' "$svg" 2>/dev/null || fail "no scalable icon $svg"
extra=$(find "$prefix/share/icons" -type f ! -name "$(key Icon).png" ! -name "$(key Icon).svg")
[[ -z "$extra" ]] || fail "icons under another name: $extra"

metainfo=$prefix/share/metainfo/$id.metainfo.xml
[[ -f $metainfo ]] || fail "no $metainfo"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli validate-tree"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "launchable"
grep -q '<release version="1.0.0.0"' "$metainfo" || fail "release 1.0.0.0"
# What software centres on Debian 13 ask for; AppStream 0.16 (Debian 12) only notes the unknown tag.
grep -q '<url type="homepage">https://' "$metainfo" || fail "no homepage"
grep -q '<developer id="[a-z0-9.]*">' "$metainfo" || fail "no developer"
echo "installed files validate"
