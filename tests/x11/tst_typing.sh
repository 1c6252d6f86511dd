#!/usr/bin/env bash
# The real program under Xvfb and openbox: what is typed right after start lands in the "R1" field.
# Usage: tst_typing.sh PROGRAM

program=$1
source "$(dirname "$0")/lib.sh"

start_x
launch "$program"

# The window manager hands the new window the keyboard; the field's text comes back through the clipboard.
for _ in $(seq 100); do
    [[ "$(xdotool getwindowfocus 2>/dev/null)" == "$id" ]] && break
    sleep 0.05
done
xdotool type --delay 30 "4k7"
xdotool key ctrl+a ctrl+c
text=$(xclip -o -selection clipboard 2>/dev/null || true)
[[ "$text" == "4k7" ]] || fail "the R1 field holds '$text'"

close_window "$id" "$pid"
echo "PASS: typed text landed in the R1 field"
