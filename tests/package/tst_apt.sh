#!/usr/bin/env bash
# The Debian package as a user meets it on a machine that has nothing else: apt-get installs it with
# what it depends on alone (no recommended package), the installed tvorka1 opens its window on X11
# and on Wayland at scales 1 and 2, and apt-get remove takes every file it brought. What shows the
# window (Xvfb, openbox, Weston) brings no Qt package, so the window proves the package's own
# dependencies. It changes the machine, so it runs only in a throwaway root: tools/debian.sh runs
# it in a fresh one, with the package that the package command made alone in another.
# Usage: TVORKA1_THROWAWAY_ROOT=1 bash tests/package/tst_apt.sh DIR    (DIR holds the package)
[[ ${TVORKA1_THROWAWAY_ROOT:-} == 1 ]] || { echo "tst_apt.sh installs a package: run it in a throwaway root" >&2; exit 2; }
source tests/x11/lib.sh
debs=("${1:-}"/tvorka1_*.deb)
[[ -f ${debs[0]} ]] || fail "usage: tst_apt.sh DIR, where DIR holds tvorka1_VERSION_ARCH.deb"
deb=$(realpath "${debs[0]}")

log=/tmp/tvorka1-apt.log
apt() {
    DEBIAN_FRONTEND=noninteractive apt-get -y -q --no-install-recommends "$@" >>"$log" 2>&1 ||
        fail "apt-get $1: $(tail -n 3 "$log")"
}
qt_packages() { { dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' 'libqt6*' 'qt6-*' 2>/dev/null || true; } | awk '$1 == "ii" { print $2 }'; }
apt update
apt install "$deb"
[[ $(command -v tvorka1) == /usr/bin/tvorka1 ]] || fail "no tvorka1 on the PATH after installing"
qt=$(qt_packages)
apt install xvfb x11-utils xdotool wmctrl openbox dbus weston
[[ $(qt_packages) == "$qt" ]] || fail "the X server or Weston brought Qt packages: $(comm -13 <(echo "$qt") <(qt_packages) | paste -sd ' ')"
echo "installed $(basename "$deb") with $(wc -l <<<"$qt") Qt packages: $(paste -sd ' ' <<<"$qt")"

program=/usr/bin/tvorka1
source tests/wayland/lib.sh
start_x
for scale in 1 2; do
    QT_SCALE_FACTOR=$scale launch tvorka1
    size=$(xwininfo -id "$id" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w " x " h }')
    [[ $size == "$((497 * scale)) x $((338 * scale))" ]] || fail "X11, scale $scale: the window is $size"
    close_window "$id" "$pid"
    echo "PASS: X11, scale $scale: Form1, $size, closes with 0"

    start_weston "$scale"
    start_program "apt-$scale"
    wanted=('xdg_toplevel[@#][0-9]*\.set_title("Form1")' "wl_surface[@#][0-9]*\\.set_buffer_scale($scale)"
        'wl_surface[@#][0-9]*\.attach(wl_buffer')
    deadline=$((SECONDS + 30 * factor))
    for line in "${wanted[@]}"; do
        until grep -qs "$line" "$sandbox/apt-$scale.log"; do
            kill -0 "$pid" 2>/dev/null || fail "Wayland, scale $scale: the program ended: $(grep -v '^\[' "$sandbox/apt-$scale.log" | tail -n 3)"
            ((SECONDS < deadline)) || fail "Wayland, scale $scale: the program never told the compositor $line"
            sleep 0.1
        done
    done
    grep -q "$plugin" "/proc/$pid/maps" || fail "Wayland, scale $scale: Qt's Wayland plugin is not loaded"
    kill "$pid"
    wait_exit "$pid" 5
    kill "$weston_pid"
    wait_exit "$weston_pid" 5
    echo "PASS: Wayland, scale $scale: Form1 drawn at buffer scale $scale, through Qt's Wayland plugin"
done

files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }')
apt remove tvorka1
left=$(while read -r file; do [[ -e $file ]] && echo "$file"; done <<<"$files") || true
[[ -z $left ]] || fail "left after removing: $left"
echo "PASS: $(basename "$deb") installs with apt-get, opens its window on X11 and Wayland at scales 1 and 2, and goes with every file"
