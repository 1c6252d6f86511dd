#!/usr/bin/env bash
# The real program under Xvfb and openbox: closing the window at any moment (right after it
# appears, with a list or a menu open, in the middle of a switch or of typing) ends the process
# with status 0 within two seconds.
# Usage: tst_closing.sh PROGRAM

program=$1
source "$(dirname "$0")/lib.sh"

# Each case: what the user does between the window appearing and closing it.
right_after_start() { :; }
after_a_moment() { sleep 0.2; }
with_a_list_open() {
    # A selector's list, empty as always: it covers what lies below the field.
    local below
    below=$(area_sum "$1" "${selector_list[@]}")
    click_at "$1" "${selector_arrow[@]}"
    wait_area_change "$1" "${selector_list[@]}" "$below" || fail "the selector's list did not open"
}
with_a_menu_open() {
    xdotool mousemove --window "$1" "${r1[@]}" click 3
    sleep 0.2
}
in_the_middle_of_switching() {
    for _ in 1 2 3; do
        click_at "$1" "${astabil[@]}"
        click_at "$1" "${monostabil[@]}"
    done
}
while_typing() {
    click_at "$1" "${r1[@]}"
    xdotool type --delay 5 "4k7 2n2 " &
    typist=$!
}

typist=
start_x
for case in right_after_start after_a_moment with_a_list_open with_a_menu_open \
    in_the_middle_of_switching while_typing; do
    echo "$case:"
    launch "$program"
    "$case" "$id"
    close_window "$id" "$pid"
    echo "  closed with status 0 in $elapsed_ms ms"
    [[ -z "$typist" ]] || wait "$typist" || true # it may find the window gone
    typist=
done
echo "PASS: closing at any moment ends the program with status 0 within two seconds"
