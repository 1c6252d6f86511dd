#!/usr/bin/env bash
# Copies the source tree as it stands, changes not yet committed included, without builds: every
# file git tracks or would track, or outside git everything but build*/.
# Usage: bash tools/copy_tree.sh SOURCE_DIR DEST_DIR
set -euo pipefail
source=$1 dest=$2
mkdir -p "$dest"
if git -C "$source" rev-parse --git-dir >/dev/null 2>&1; then
    git -C "$source" ls-files -z --cached --others --exclude-standard |
        (cd "$source" && while IFS= read -r -d '' f; do [[ -e $f ]] && printf '%s\0' "$f"; done |
            tar --null -T - -cf -) | tar -C "$dest" -xf -
else
    tar -C "$source" --exclude='./build*' -cf - . | tar -C "$dest" -xf -
fi
