#!/usr/bin/env bash
# The real program under Xvfb and openbox, traced: it writes nothing outside /dev, /proc and its
# runtime folder, creates nothing in HOME or the current folder, opens no network socket; and two
# instances started together are independent.
# Usage: tst_isolation.sh PROGRAM

program=$(realpath "$1")
source "$(dirname "$0")/lib.sh"

# strace needs ptrace, which an emulator of another architecture (qemu-user) and some sandboxes
# lack: there nothing can be traced, and the test is skipped (77) rather than failed.
if ! why=$(strace -qq -o /dev/null true 2>&1); then
    echo "SKIP: strace cannot trace here: ${why%%$'\n'*}"
    exit 77
fi

start_x

# One traced run in a fresh HOME, current folder and runtime folder; $1 says which desktop, and
# $2... are the local sockets of the buses it must have joined.
traced_run() {
    local sandbox
    sandbox=$(mktemp -d)
    cleanup_paths+=("$sandbox")
    mkdir -m 700 "$sandbox/home" "$sandbox/cwd" "$sandbox/runtime"

    # LeakSanitizer cannot run under ptrace; the sanitizer build's other tests cover leaks.
    (cd "$sandbox/cwd" && HOME="$sandbox/home" XDG_RUNTIME_DIR="$sandbox/runtime" \
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
        exec strace -f -qq -o "$sandbox/trace" -e trace=%file,%network "$program") &
    pid=$!
    cleanup_pids+=("$pid")
    id=$(wait_window Form1)

    # Use it the way a user would: switch circuits, type, open a selector's list and close it.
    local before
    before=$(area_sum "$id" "${picture[@]}")
    click_at "$id" "${astabil[@]}"
    wait_area_change "$id" "${picture[@]}" "$before" || fail "$1: the diagram did not switch"
    click_at "$id" "${monostabil[@]}"
    click_at "$id" "${r1[@]}"
    xdotool type --delay 20 "10k"
    xdotool key Tab Tab Tab alt+Down
    sleep 0.2
    xdotool key Escape
    close_window "$id" "$pid" 5

    # Every write, create, remove or rename must stay in /dev, /proc or the runtime folder.
    local allowed="^\"(/dev/|/proc/|$sandbox/runtime[/\"])" writes line path network left
    writes=$(grep -E '(open|openat|creat)\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC)|(^|[ (])(mkdir|mkdirat|unlink|unlinkat|rename|renameat2?|link|linkat|symlink|symlinkat|truncate|chmod|fchmodat|chown|fchownat|utimensat)\(' "$sandbox/trace" || true)
    while IFS= read -r line; do
        [[ -z "$line" ]] && continue
        path=$(grep -oE '"[^"]*"' <<<"$line" | head -n 1)
        [[ "$path" =~ $allowed ]] || fail "$1: writes outside the allowed folders: $line"
    done <<<"$writes"
    network=$(grep -E 'socket\((AF_INET|AF_INET6|AF_PACKET)' "$sandbox/trace" || true)
    [[ -z "$network" ]] || fail "$1: opened a network socket: $network"
    # It starts no program of its own (libdbus would start dbus-launch if it found no session bus).
    local started
    started=$(grep -E '(^|[ (])execve\(' "$sandbox/trace" | grep -vF "execve(\"$program\"" || true)
    [[ -z "$started" ]] || fail "$1: started another program: $started"
    left=$(find "$sandbox/home" "$sandbox/cwd" -mindepth 1)
    [[ -z "$left" ]] || fail "$1: left files behind: $left"
    local bus
    for bus in "${@:2}"; do
        grep -qF "sun_path=\"$bus\"" "$sandbox/trace" || fail "$1: never joined the bus at $bus"
    done
    echo "PASS: $1: traced run wrote nothing outside /dev, /proc and the runtime folder, opened no network socket"
}

traced_run "session bus" "$XDG_RUNTIME_DIR/bus"
# A desktop with a screen reader: Qt's bridge joins the accessibility bus as well.
start_accessibility
traced_run "accessibility on" "$XDG_RUNTIME_DIR/bus" "$accessibility_bus"

# Two instances: switching one leaves the other as it was.
"$program" &
first=$!
"$program" &
second=$!
cleanup_pids+=("$first" "$second")
for _ in $(seq 200); do
    ids=$(xdotool search --onlyvisible --name '^Form1$' 2>/dev/null || true)
    (($(wc -w <<<"$ids") == 2)) && break
    sleep 0.05
done
(($(wc -w <<<"$ids") == 2)) || fail "two instances did not give two windows"
read -r -d '' a b <<<"$ids" || true
# Side by side, so that neither covers the other in the screen grabs.
xdotool windowmove --sync "$a" 0 0 windowmove --sync "$b" 512 0
sleep 0.3
monostable=$(area_sum "$a" "${picture[@]}")
[[ "$(area_sum "$b" "${picture[@]}")" == "$monostable" ]] || fail "the two windows start differently"
click_at "$a" "${astabil[@]}"
wait_area_change "$a" "${picture[@]}" "$monostable" || fail "the first window did not switch"
astable=$(area_sum "$a" "${picture[@]}")
sleep 0.3
[[ "$(area_sum "$b" "${picture[@]}")" == "$monostable" ]] || fail "switching one window changed the other"
click_at "$b" "${astabil[@]}"
wait_area_change "$b" "${picture[@]}" "$monostable" || fail "the second window did not switch"
[[ "$(area_sum "$b" "${picture[@]}")" == "$astable" ]] || fail "the windows show different astable diagrams"

close_window "$a" "$(xdotool getwindowpid "$a")"
close_window "$b" "$(xdotool getwindowpid "$b")"
echo "PASS: two instances gave two independent windows"
