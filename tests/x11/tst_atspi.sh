#!/usr/bin/env bash
# The real program under Xvfb and openbox, read by an AT-SPI client on the accessibility bus of
# its desktop, as a screen reader reads it: roles, names, descriptions and states, and the
# diagrams' states and events when the circuit changes.
# Usage: tst_atspi.sh PROGRAM

program=$1
source "$(dirname "$0")/lib.sh"

# Debian's python3, where python3-pyatspi installs, whatever python3 comes first on PATH.
python=/usr/bin/python3
"$python" -c 'import pyatspi' 2>/dev/null || fail "python3-pyatspi is missing (bash tools/test.sh installs it)"

start_x
start_accessibility
launch "$program"
timeout 60 "$python" "$(dirname "$0")/accessibility_tree.py" "$id" \
    "${astabil[@]}" "${monostabil[@]}" "${selector_arrow[@]}" || fail "the accessibility tree"
close_window "$id" "$pid"
echo "PASS: the window reads right through AT-SPI"
