#!/usr/bin/env bash
# Prints the time, in seconds since 1970, that every build writes where a file keeps a time
# (SOURCE_DATE_EPOCH), so that builds of the same source at any time give the same bytes: the
# environment's SOURCE_DATE_EPOCH where set; else, in a git clone, its last commit's time; else,
# in a tree that git archive made, that commit's time, which it wrote into packaging/commit-time;
# else (a copy made by neither, as tools/debian.sh's) the release date of app/CMakeLists.txt at
# noon UTC, the date its changelog carries.
# Usage: bash tools/source_date.sh [--write FILE]   (--write: into FILE, touched only when it changes)
set -euo pipefail
tree=$(realpath "$(dirname "$0")/..")
say() { echo "tools/source_date.sh: $*" >&2; exit 1; }
if [[ -n ${SOURCE_DATE_EPOCH:-} ]]; then
    [[ $SOURCE_DATE_EPOCH =~ ^[0-9]+$ ]] || say "SOURCE_DATE_EPOCH is '$SOURCE_DATE_EPOCH', not a number of seconds"
    epoch=$SOURCE_DATE_EPOCH
elif [[ -e $tree/.git ]]; then
    epoch=$(git -C "$tree" log -1 --format=%ct) || say "git cannot read the last commit of $tree"
elif read -r epoch <"$tree/packaging/commit-time" && [[ $epoch =~ ^[0-9]+$ ]]; then
    :
else
    release=$(sed -n 's/^set(TVORKA1_RELEASE_DATE "\([0-9-]*\)")$/\1/p' "$tree/app/CMakeLists.txt")
    epoch=$(date -u -d "$release 12:00" +%s) || say "no release date in app/CMakeLists.txt"
fi
if [[ ${1:-} == --write ]]; then
    [[ $(cat "$2" 2>/dev/null) == "$epoch" ]] || echo "$epoch" >"$2"
else
    echo "$epoch"
fi
