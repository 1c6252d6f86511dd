#!/usr/bin/env bash
# Runs the Windows test program under Wine on its own Xvfb and fresh prefix, at the given DPI.
# Usage: tst_windows.sh DPI WINTEST MODE PROGRAM [FILE...]   (paths as Linux paths)
source "$(dirname "$0")/lib.sh"
dpi=$1 wintest=$2 mode=$3
shift 3
start_wine "$dpi"
arguments=()
for path in "$@"; do arguments+=("$(winepath -w "$path" 2>/dev/null)"); done
status=0
timeout --kill-after=5 200 wine "$wintest" "$mode" "${arguments[@]}" || status=$?
((status == 0)) || fail "wintest $mode at $dpi dpi ended with status $status"
echo "PASS: wintest $mode at $dpi dpi"
