# Shared by the tests that run the real program: a private X server with a window manager.
# Source it; it cleans up on exit.

# Once: sourced again (by another shared file), it would forget what the caller has to clean up.
[[ -z ${x11_lib_loaded:-} ]] || return 0
x11_lib_loaded=1
set -euo pipefail
# Nothing of the caller's desktop reaches the tests: no display, session bus or accessibility bus.
unset QT_QPA_PLATFORM WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Every time limit below is multiplied by TVORKA1_TIME_FACTOR, where the machine is that many
# times slower than the limits were made for (an emulated root of another architecture).
factor=${TVORKA1_TIME_FACTOR:-1}

# Every command that talks to the X server ends by itself, even when the program or the server
# hangs: a call that takes longer than this fails its test instead of waiting forever.
x_timeout=$((${X_TIMEOUT:-10} * factor))
for command in xdotool wmctrl import xprop xwininfo xclip xdpyinfo; do
    eval "$command() { timeout --kill-after=2 \"\$x_timeout\" $command \"\$@\"; }"
done

cleanup_pids=()
cleanup_paths=()
cleanup() {
    for pid in "${cleanup_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    for path in "${cleanup_paths[@]}"; do rm -rf "$path"; done
}
trap cleanup EXIT

# Starts a session bus of the test's own, as a desktop session has one, and exports its address.
# Without one, the program's accessibility bridge asks libdbus for a bus, which starts dbus-launch
# where it is installed, and the daemon that starts outlives the test. The services it starts on
# demand (the AT-SPI bus launcher) end with it; they keep settings in memory, not in HOME.
start_session_bus() {
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    GSETTINGS_BACKEND=memory dbus-daemon --session --nofork --nopidfile \
        --address="unix:path=$XDG_RUNTIME_DIR/bus" --print-address=3 3>"$fifo" >/dev/null 2>&1 &
    cleanup_pids+=($!)
    read -r -t $((10 * factor)) DBUS_SESSION_BUS_ADDRESS <"$fifo" || fail "the session bus did not start"
    rm -f "$fifo"
    export DBUS_SESSION_BUS_ADDRESS
}

# Turns the desktop's accessibility on, as the desktop's settings do for a screen reader: the
# AT-SPI bus launcher, started by the session bus on demand, hears that assistive technology is
# in use and starts the accessibility bus and its registry. Qt's bridge in programs started from
# then on joins that bus. Sets accessibility_bus to the bus's socket.
start_accessibility() {
    timeout 10 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled variant:boolean:true \
        >/dev/null || fail "the AT-SPI bus launcher did not start"
    local reply
    reply=$(timeout 10 dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress) || fail "the AT-SPI bus did not start"
    [[ "$reply" =~ unix:path=([^,]+) ]] || fail "the AT-SPI bus is at '$reply'"
    accessibility_bus=${BASH_REMATCH[1]}
}

# Starts Xvfb on a free display, exports DISPLAY, and waits until the server takes connections:
# Xvfb names its display as soon as it listens, which on a loaded machine can be seconds before it
# answers. -noreset: an X server resets itself when its last client leaves, and a client that
# comes during the reset (openbox, right after the probe below left) fails to open the display.
start_xvfb() {
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
    cleanup_pids+=($!)
    local number
    read -r -t $((20 * factor)) number <"$fifo" || fail "Xvfb did not start"
    rm -f "$fifo"
    export DISPLAY=":$number"
    local deadline=$((SECONDS + 20 * factor))
    until xdpyinfo >/dev/null 2>&1; do
        ((SECONDS < deadline)) || fail "Xvfb on $DISPLAY takes no connection"
        sleep 0.05
    done
}

# Starts Xvfb on a free display, a session bus and openbox on it, and waits until openbox
# manages windows.
start_x() {
    start_xvfb
    # A private runtime folder, as a desktop session gives each user.
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
    cleanup_paths+=("$XDG_RUNTIME_DIR")
    start_session_bus
    local log="$XDG_RUNTIME_DIR/openbox.log"
    openbox >"$log" 2>&1 &
    cleanup_pids+=($!)
    # A loaded machine can take some seconds to start it.
    local deadline=$((SECONDS + 20 * factor))
    while ((SECONDS < deadline)); do
        wmctrl -m >/dev/null 2>&1 && return 0
        sleep 0.05
    done
    fail "openbox did not start: $(tail -n 3 "$log")"
}

# Client-area places of the controls that the tests use, in pixels (window/form1.h gives twips).
astabil=(30 44)
monostabil=(30 16)
r1=(50 80)
selector_arrow=(130 82)
selector_list=(82 95 50 10) # where the first selector's list opens, below its field
picture=(170 10 317 317)

# Waits up to $2 seconds (default 30) for a window titled exactly $1 and prints its id. The window
# of an idle machine shows within a second, and the wait ends then; with every core busy, a
# program's start (some 50 libraries, the font database, the session bus) was seen to take over ten.
wait_window() {
    local deadline=$((SECONDS + ${2:-30} * factor))
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
    local start now limit=$((${2:-2} * 1000 * factor))
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
    for _ in $(seq $((40 * factor))); do
        [[ "$(area_sum "$1" "$2" "$3" "$4" "$5")" != "$6" ]] && return 0
        sleep 0.05
    done
    return 1
}
