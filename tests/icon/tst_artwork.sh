#!/bin/bash
# The committed icon files are exactly what the generator draws today.
# Usage: artwork_test.sh <tvorka1_icongen> <app/icon dir>
set -euo pipefail
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$1" "$out"
for f in tvorka1.ico tvorka1-32.png tvorka1-16.png; do
    cmp "$out/$f" "$2/$f" || { echo "$f is stale: rebuild target tvorka1_icon_artwork"; exit 1; }
done
