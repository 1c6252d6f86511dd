# Shared by the tests that run the program on Wayland: a headless Weston of the test's own, with
# no X server, and the program started with nothing but what a Wayland session sets. Source it
# after setting program; it cleans up on exit (tests/x11/lib.sh).

source "$(dirname "${BASH_SOURCE[0]}")/../x11/lib.sh"
unset DISPLAY

command -v weston >/dev/null || fail "missing weston"
# Up to Qt 6.9 the plugin is libqwayland-generic.so (and -egl), from Qt 6.10 on libqwayland.so.
plugin='platforms/libqwayland[-.]'
find /usr/lib -path '*/qt6/plugins/platforms/*' -name 'libqwayland*.so' | grep -q . ||
    fail "no Qt Wayland platform plugin in /usr/lib/*/qt6/plugins/platforms"

sandbox=$(mktemp -d)
cleanup_paths+=("$sandbox")
cat >"$sandbox/weston.ini" <<INI
[core]
idle-time=0
[shell]
panel-position=none
background-color=0xff204060
INI

# Starts a headless Weston at output scale $1 with its own runtime folder and socket; sets
# weston_pid, runtime and socket.
start_weston() {
    runtime=$sandbox/runtime-$1
    socket=tvorka1-test-$$-$1
    mkdir -m 700 "$runtime"
    env -i PATH="$PATH" HOME="$sandbox" XDG_RUNTIME_DIR="$runtime" \
        weston --config="$sandbox/weston.ini" --backend=headless-backend.so --use-pixman \
        --width=1024 --height=768 --scale="$1" --socket="$socket" --debug \
        --log="$sandbox/weston-$1.log" >/dev/null 2>&1 &
    weston_pid=$!
    cleanup_pids+=("$weston_pid")
    for _ in $(seq $((200 * factor))); do
        [[ -S $runtime/$socket ]] && return 0
        kill -0 "$weston_pid" 2>/dev/null || break
        sleep 0.05
    done
    fail "weston did not start: $(tail -n 5 "$sandbox/weston-$1.log" 2>/dev/null)"
}

# Starts $program as a Wayland session would, plus WAYLAND_DEBUG to see what it tells the
# compositor (into $sandbox/$1.log) and whatever the sanitizer build passes; extra variables come
# as arguments. Sets pid.
start_program() {
    local name=$1
    shift
    local sanitizer=()
    for v in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS; do
        [[ -n ${!v:-} ]] && sanitizer+=("$v=${!v}")
    done
    env -i PATH="$PATH" HOME="$sandbox" XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" \
        XDG_SESSION_TYPE=wayland WAYLAND_DEBUG=1 "${sanitizer[@]}" "$@" \
        "$program" 2>"$sandbox/$name.log" >/dev/null &
    pid=$!
    cleanup_pids+=("$pid")
}
