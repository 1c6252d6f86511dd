#!/usr/bin/env bash
# The real program under Xvfb and openbox: its window, and its end when the window is closed.
# Usage: tst_window.sh PROGRAM

program=$1
source "$(dirname "$0")/lib.sh"

start_x
launch "$program"

geometry=$(xwininfo -id "$id")
width=$(awk '/^ *Width:/ {print $2}' <<<"$geometry")
height=$(awk '/^ *Height:/ {print $2}' <<<"$geometry")
[[ "$width x $height" == "497 x 338" ]] || fail "client area is $width x $height"

# The window manager places the window: the program asks for no position of its own.
hints=$(timeout 5 xprop -id "$id" WM_NORMAL_HINTS) || fail "no size hints"
grep -q "specified location" <<<"$hints" && fail "the program placed its window: $hints"

# Closing through the window manager asks nothing and ends the program at once.
close_window "$id" "$pid"
echo "PASS: window 497 x 338 titled Form1; closed in $elapsed_ms ms with status 0"
