#!/usr/bin/env bash
# The real program as a native Wayland client: its own headless Weston at output scale 1 and then
# 2, no X server, and the program started with nothing but what a Wayland session sets. Its window
# is Form1 with a 497 x 338 client area, tells the compositor the desktop entry's name as its
# application id, and shows the monostable diagram at one image pixel per device pixel, as a
# screenshot of the compositor proves.
# Usage: tst_wayland.sh PROGRAM FIND_PICTURE MONOSTABLE_BMP DESKTOP_ENTRY_DIR OUT_DIR

program=$(realpath "$1")
find_picture=$2
diagram=$3
entries=("$4"/*.desktop)
out=$5
source "$(dirname "$0")/lib.sh"

for tool in weston-screenshooter convert identify; do
    command -v "$tool" >/dev/null || fail "missing $tool (weston / imagemagick)"
done
((${#entries[@]} == 1)) && [[ -f ${entries[0]} ]] || fail "expected one desktop entry in $4"
app_id=$(basename "${entries[0]}" .desktop)
mkdir -p "$out"

# Client area places in logical pixels: the picture box at (168, 8), 321 px square with a 2 px
# border, so its picture shows from (170, 10), 317 px square. At one image pixel per device
# pixel the box shows as much of the diagram as fits in 317 x scale device pixels.
inner=(170 10 317)
read -r image_w image_h <<<"$(identify -format '%w %h' "$diagram")"
background='rgb(32,64,96)'

# Takes screenshots until the diagram is on screen, for up to 15 seconds; sets shot, px and py
# (the picture's device pixel place).
wait_picture() {
    local dir=$sandbox/shots-$1 deadline=$((SECONDS + 15 * factor)) found
    mkdir -p "$dir"
    while ((SECONDS < deadline)); do
        kill -0 "$pid" 2>/dev/null || fail "the program ended: $(grep -v '^\[' "$sandbox/$1.log" | tail -n 3)"
        rm -f "$dir"/*.png
        (cd "$dir" && env -i XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" \
            timeout 5 weston-screenshooter >/dev/null 2>&1) || true
        shot=$(find "$dir" -name '*.png' -print -quit)
        if [[ -n $shot ]] && found=$("$find_picture" "$shot" "$diagram" \
            "$((image_w < inner[2] * scale ? image_w : inner[2] * scale))" \
            "$((image_h < inner[2] * scale ? image_h : inner[2] * scale))"); then
            read -r px py <<<"$found"
            return 0
        fi
        sleep 0.2
    done
    [[ -n $shot ]] && cp "$shot" "$out/wayland-$1-failed.png"
    fail "the monostable diagram did not appear 1:1 on the screen (last screenshot in $out)"
}

# The window's extent on the screenshot: all that is not the desktop's background.
window_box() {
    read -r bw bh bx by <<<"$(convert "$shot" -bordercolor "$background" -border 1 -format '%@' info: |
        sed 's/[x+]/ /g')"
    bx=$((bx - 1)) by=$((by - 1))
}

# Ends the program, and waits until the compositor shows nothing but its background, so that the
# next screenshot cannot find this window's diagram: a loaded compositor can show a window for a
# while after its client has gone.
stop_program() {
    kill "$pid"
    wait_exit "$pid" 5
    local dir=$sandbox/empty deadline=$((SECONDS + 15 * factor))
    mkdir -p "$dir"
    while ((SECONDS < deadline)); do
        rm -f "$dir"/*.png
        (cd "$dir" && env -i XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" \
            timeout 5 weston-screenshooter >/dev/null 2>&1) || true
        shot=$(find "$dir" -name '*.png' -print -quit)
        [[ -n $shot && $(identify -format '%k' "$shot") == 1 ]] && return 0
        sleep 0.2
    done
    fail "the window stayed on the screen after its program ended"
}

for scale in 1 2; do
    start_weston "$scale"

    # As a Wayland session starts it.
    start_program "session-$scale"
    wait_picture "session-$scale"
    cp "$shot" "$out/wayland-scale$scale.png"
    log=$sandbox/session-$scale.log
    maps=$(cat "/proc/$pid/maps")
    grep -q "$plugin" <<<"$maps" || fail "the Qt Wayland plugin is not loaded"
    grep -q 'libqxcb' <<<"$maps" && fail "the X11 plugin is loaded"
    # WAYLAND_DEBUG writes an object as wl_registry@2 up to libwayland 1.22, as wl_registry#2 since.
    grep -q 'wl_registry[@#][0-9]*\.bind(.*"xdg_wm_base"' "$log" || fail "no xdg_wm_base bound"
    grep -q 'xdg_toplevel[@#][0-9]*\.set_title("Form1")' "$log" || fail "the window title is not Form1"
    grep -q "xdg_toplevel[@#][0-9]*\.set_app_id(\"$app_id\")" "$log" ||
        fail "application id is not $app_id: $(grep -o 'set_app_id(.*)' "$log")"
    grep -q "wl_surface[@#][0-9]*\.set_buffer_scale($scale)" "$log" || fail "buffers are not at scale $scale"
    read -r gw gh < <(grep -o 'set_window_geometry(0, 0, [0-9]*, [0-9]*)' "$log" | tail -n 1 |
        sed 's/.*(0, 0, \([0-9]*\), \([0-9]*\))/\1 \2/')
    window_box
    ((bw == gw * scale && bh == gh * scale)) ||
        fail "on screen ${bw}x$bh, window geometry ${gw}x$gh at scale $scale"
    # Qt draws its own frame here; the picture's place gives its left and top, and the sides and
    # bottom of Qt's frames are equally thick.
    left=$((px - inner[0] * scale - bx)) top=$((py - inner[1] * scale - by))
    cw=$(((bw - 2 * left) / scale)) ch=$(((bh - top - left) / scale))
    [[ "$cw x $ch" == "497 x 338" ]] || fail "client area $cw x $ch inside a frame of $left and $top px"
    stop_program
    echo "PASS: scale $scale: native Wayland client, Form1, app id $app_id, client area 497 x 338" \
        "in a ${gw}x$gh frame, diagram 1:1 at device ($px, $py)"

    # Without Qt's frame, as where the compositor draws it: the surface is the client area itself.
    start_program "bare-$scale" QT_WAYLAND_DISABLE_WINDOWDECORATION=1
    wait_picture "bare-$scale"
    window_box
    ((bw == 497 * scale && bh == 338 * scale)) || fail "bare surface is ${bw}x$bh at scale $scale"
    ((px - bx == inner[0] * scale && py - by == inner[1] * scale)) ||
        fail "diagram at ($((px - bx)), $((py - by))) of the surface, not at ${inner[0]}, ${inner[1]} x $scale"
    # The window's first size is the definition's, however slowly the compositor answers.
    first=$(grep -o -m1 'create_buffer(new id wl_buffer[@#][0-9]*, 0, [0-9]*, [0-9]*,' "$sandbox/bare-$scale.log" |
        sed 's/.*, 0, \([0-9]*\), \([0-9]*\),/\1 x \2/')
    [[ $first == "$((497 * scale)) x $((338 * scale))" ]] || fail "the first buffer is $first"
    stop_program
    echo "PASS: scale $scale: bare surface $((497 * scale)) x $((338 * scale)) device pixels, diagram at" \
        "(${inner[0]}, ${inner[1]}) x $scale"

    kill "$weston_pid"
    wait_exit "$weston_pid" 5
done
