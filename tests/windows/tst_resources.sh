#!/usr/bin/env bash
# windres writes no dependency file, so the build itself must know that the program's compiled
# resources hang on the manifest, the icon and the version record: after a change of any of them,
# the next build compiles the resources again, and no test judges a stale executable. Each file is
# touched in turn and the resources built, then the file gets its time back. Nothing else is
# built: the executable is linked again at the next build.
# Usage: tst_resources.sh BUILD_DIR FILE...
set -euo pipefail
build=$1
shift
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
saved=$(mktemp)
file=
restore() {
    [[ -z $file ]] || touch -r "$saved" "$file"
    rm -f "$saved"
}
trap restore EXIT
resources() { cmake --build "$build" --target tvorka1_resources; }
resources >/dev/null
for file in "$@"; do
    [[ -f $file ]] || fail "no file $file"
    touch -r "$file" "$saved"
    touch "$file"
    out=$(resources)
    touch -r "$saved" "$file"
    grep -q 'tvorka1\.rc\.res' <<<"$out" || fail "touching $(basename "$file") does not rebuild the resources: $out"
    echo "ok   touching $(basename "$file") rebuilds the resources"
done
file=
echo "PASS: the resources follow the manifest, the icon and the version record"
