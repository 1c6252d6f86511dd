#!/usr/bin/env bash
# The real program in broken environments: each gives either the normal window or one clear line
# on stderr and a non-zero exit; never an abort, a crash or a hang.
# Usage: tst_environment.sh PROGRAM

program=$1
source "$(dirname "$0")/lib.sh"

scratch=$(mktemp -d)
cleanup_paths+=("$scratch")

# Runs the program with the environment changes $2..., expecting one line on stderr that starts
# with $1 and an exit status that is neither 0 nor a signal's, within ten seconds.
expect_one_line() {
    local start="$1" status=0 err
    shift
    err=$(env "$@" timeout 10 "$program" 2>&1 >/dev/null) || status=$?
    ((status != 0 && status < 124)) || fail "$*: exit status $status"
    [[ $(wc -l <<<"$err") -eq 1 && "$err" == "$start"* ]] || fail "$*: said '$err'"
    echo "one line and status $status with $*: $err"
}

# Runs the program with the environment changes $1..., expecting the normal window, which then
# closes with status 0; whatever it says on stderr is shown, and must not be a crash.
expect_window() {
    echo "with $*:"
    env "$@" "$program" 2>"$scratch/err" &
    local pid=$! id
    cleanup_pids+=("$pid")
    id=$(wait_window Form1)
    close_window "$id" "$pid"
    echo "  normal window$([[ -s "$scratch/err" ]] && echo "; it said: $(tr '\n' ' ' <"$scratch/err")")"
}

expect_one_line "Tvorka1: cannot open the window: " -u DISPLAY -u WAYLAND_DISPLAY
expect_one_line "Tvorka1: cannot open the window: " DISPLAY=:4095
expect_one_line "Tvorka1: cannot open the window: " QT_QPA_PLATFORM=nonesuch
# Qt 6.8 warns in several lines about a locale that is not UTF-8 before it finds no display.
expect_one_line "Tvorka1: cannot open the window: " -u DISPLAY -u WAYLAND_DISPLAY LC_ALL=C LANG=C

start_x
touch "$scratch/file"
mkdir -m 555 "$scratch/readonly"
expect_window HOME="$scratch/missing"
expect_window HOME="$scratch/file/home" # not a folder: unwritable even for root
expect_window HOME="$scratch/readonly"
expect_window -u HOME
expect_window LC_ALL=xx_YY.UTF-8
expect_window LC_ALL=C LANG=C
expect_window LANG=tr_TR.UTF-8
expect_window XDG_RUNTIME_DIR="$scratch/missing"
expect_window XDG_RUNTIME_DIR="$scratch/readonly"
echo "PASS: broken environments give the normal window or one line and a non-zero exit"
