# Shared by the tests that run the real program: a private X server with a window manager.
# Source it; it cleans up on exit.

set -euo pipefail
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cleanup_pids=()
cleanup_paths=()
cleanup() {
    for pid in "${cleanup_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    for path in "${cleanup_paths[@]}"; do rm -rf "$path"; done
}
trap cleanup EXIT

# Starts Xvfb on a free display and openbox on it, and waits until openbox manages windows.
start_x() {
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    cleanup_pids+=($!)
    local number
    read -r -t 10 number <"$fifo" || fail "Xvfb did not start"
    rm -f "$fifo"
    export DISPLAY=":$number"
    # A private runtime folder, as a desktop session gives each user.
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
    cleanup_paths+=("$XDG_RUNTIME_DIR")
    openbox >/dev/null 2>&1 &
    cleanup_pids+=($!)
    for _ in $(seq 100); do
        wmctrl -m >/dev/null 2>&1 && return 0
        sleep 0.05
    done
    fail "openbox did not start"
}

# Client-area places of the controls that the tests use, in pixels (window/form1.h gives twips).
astabil=(30 44)
monostabil=(30 16)
r1=(50 80)
selector_arrow=(130 82)
selector_list=(82 95 50 10) # where the first selector's list opens, below its field
picture=(170 10 317 317)

# Waits up to $2 seconds (default 10) for a window titled exactly $1 and prints its id.
wait_window() {
    local deadline=$((SECONDS + ${2:-10}))
    while ((SECONDS < deadline)); do
        local id
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
        [[ -n "$id" ]] && echo "$id" && return 0
        sleep 0.05
    done
    fail "no window titled '$1' appeared"
}

# Waits up to $2 seconds (default 2) for child process $1 to end; sets exit_status and elapsed_ms.
wait_exit() {
    local start now limit=$((${2:-2} * 1000))
    start=$(date +%s%3N)
    while kill -0 "$1" 2>/dev/null; do
        now=$(date +%s%3N)
        ((now - start <= limit)) || fail "process $1 still running after ${2:-2} s"
        sleep 0.02
    done
    elapsed_ms=$(($(date +%s%3N) - start))
    exit_status=0
    wait "$1" || exit_status=$?
}

# Starts the command "$@" in the background and waits for its window; sets pid and id.
launch() {
    "$@" &
    pid=$!
    cleanup_pids+=("$pid")
    id=$(wait_window Form1)
}

# Closes window $1 through the window manager, as its close button does, and expects process $2
# to end with status 0 within $3 seconds (default 2); sets elapsed_ms.
close_window() {
    wmctrl -i -c "$1"
    wait_exit "$2" "${3:-2}"
    ((exit_status == 0)) || fail "exit status $exit_status after closing"
}

# Clicks at client position ($2, $3) of window $1.
click_at() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

# Prints a checksum of the client area rectangle W x H at (X, Y) of window $1: usage ID X Y W H.
area_sum() {
    import -window "$1" -crop "$4x$5+$2+$3" +repage rgb:- 2>/dev/null | md5sum | cut -d' ' -f1
}

# Waits up to 2 seconds for the checksum of an area (arguments as area_sum) to differ from $6.
wait_area_change() {
    for _ in $(seq 40); do
        [[ "$(area_sum "$1" "$2" "$3" "$4" "$5")" != "$6" ]] && return 0
        sleep 0.05
    done
    return 1
}
