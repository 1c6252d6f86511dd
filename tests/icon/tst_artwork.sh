#!/bin/bash
# The committed icon files are exactly what the generator draws today, and every theme size is the
# drawing itself: a whole-pixel enlargement of the 16- or 32-pixel image, the 16-pixel image in the
# middle of a transparent square, or rectangles on the 32-pixel grid.
# Usage: tst_artwork.sh <tvorka1_icongen> <app/icon dir>
set -euo pipefail
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
timeout 30 "$1" "$out"
files=(tvorka1.ico tvorka1.svg)
for size in 16 22 24 32 48 64 128 256; do files+=("tvorka1-$size.png"); done
for f in "${files[@]}"; do
    cmp "$out/$f" "$2/$f" || fail "$f is stale: rebuild target tvorka1_icon_artwork"
done
extra=$(comm -13 <(printf '%s\n' "${files[@]}" | sort) <(cd "$out" && ls | sort))
[[ -z "$extra" ]] || fail "the generator writes files that are not checked: $extra"

for tool in convert compare rsvg-convert; do
    command -v "$tool" >/dev/null || fail "missing $tool (imagemagick / librsvg2-bin)"
done
# Two pictures are the same where their sizes and their pixels' bytes are: red, green, blue and
# alpha, with every fully transparent pixel as transparent black. What ImageMagick writes as raw
# bytes is the same in versions 6 and 7; what compare prints is not.
pixels() { convert "$1" -alpha on -background none -alpha background -depth 8 rgba:-; }
same() {
    local a b
    a=$(identify -format '%w x %h' "$1") b=$(identify -format '%w x %h' "$2")
    [[ $a == "$b" ]] || fail "$3: $a against $b"
    cmp -s <(pixels "$1") <(pixels "$2") ||
        fail "$3: $(cmp -l <(pixels "$1") <(pixels "$2") | wc -l) bytes of their pixels differ"
}

cd "$out"
for pair in 48:16:3 64:32:2 128:32:4 256:32:8; do
    IFS=: read -r size from factor <<<"$pair"
    convert "tvorka1-$from.png" -filter point -resize "$((factor * 100))%" "expected-$size.png"
    same "tvorka1-$size.png" "expected-$size.png" "$size px is not the $from px image at $factor x"
done
for size in 22 24; do
    offset=$(((size - 16) / 2))
    convert -size "${size}x$size" xc:none tvorka1-16.png -geometry "+$offset+$offset" -composite \
        "expected-$size.png"
    same "tvorka1-$size.png" "expected-$size.png" "$size px is not the 16 px image centred"
done
# Drawn at 32 px the scalable icon is the 32 px image; at 96 px each of its pixels is 3 x 3.
rsvg-convert -w 32 -h 32 tvorka1.svg -o svg-32.png
same svg-32.png tvorka1-32.png "the SVG at 32 px"
rsvg-convert -w 96 -h 96 tvorka1.svg -o svg-96.png
convert tvorka1-32.png -filter point -resize 300% expected-96.png
same svg-96.png expected-96.png "the SVG at 96 px"
echo "icon files are current; every theme size is the drawing at whole pixels"
