# Set-up shared by the README's commands: installs the Debian packages that are missing, then, where
# the build group is asked for, configures build/ if it is not configured yet. Source it with the
# package groups needed, e.g.
#   source tools/setup.sh build run test
# The caller builds what it needs.

set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

declare -A packages=(
    [build]="g++ cmake ninja-build qt6-base-dev pkg-config libxcb1-dev libxcb-xtest0-dev"
    # The platform plugins for X11 and Wayland, and a font.
    [run]="qt6-qpa-plugins qt6-wayland fonts-dejavu-core"
    [test]="xvfb openbox xdotool wmctrl x11-utils xclip imagemagick librsvg2-bin strace desktop-file-utils appstream weston lintian dbus dbus-x11 at-spi2-core python3-pyatspi"
    # CPack's DEB generator finds the run-time libraries with dpkg-shlibdeps and the binaries with file.
    [package]="dpkg-dev file"
    # tools/debian.sh: a fresh Debian root to run the tests in.
    [root]="debootstrap"
    # tools/windows.sh: the cross-compilers for 32- and 64-bit Windows (GCC's win32 thread model,
    # which needs no DLL of its own), the installer's wixl, and Wine with its fonts on a headless X
    # server for the tests. Wine's 32-bit half, for the 32-bit tests, is wine32:i386 below.
    [windows]="g++ cmake ninja-build g++-mingw-w64-i686-win32 binutils-mingw-w64-i686 g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64 wixl wine wine64 fonts-wine xvfb xdotool imagemagick binutils"
)

wanted=()
for group in "$@"; do
    read -ra list <<<"${packages[$group]}"
    wanted+=("${list[@]}")
done

missing=()
for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done

sudo=()
(($(id -u) == 0)) || sudo=(sudo)
updated=0

# Debian's Wine runs 32-bit programs only with wine32 of the i386 architecture, which the machine
# must first be told to take. Where the archive cannot give it (we met an i386 index out of step
# with amd64's, so that apt-get update failed), the architecture goes again and the rest of the
# set-up goes on. TVORKA1_NO_WINE32 then says why, for tools/windows.sh, which skips the 32-bit
# tests, and for the later set-ups of the same run, which do not try again.
add_wine32() {
    if [[ $(dpkg --print-architecture) != amd64 ]]; then
        TVORKA1_NO_WINE32="Wine's 32-bit half is for amd64 machines"
        return
    fi
    local added=0 log
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        echo "Adding the i386 architecture for wine32:i386"
        "${sudo[@]}" dpkg --add-architecture i386
        added=1
    fi
    log=$(mktemp)
    if ! "${sudo[@]}" apt-get update -q >"$log" 2>&1; then
        TVORKA1_NO_WINE32="apt-get update failed with i386: $(grep -m1 '^E: ' "$log" | cut -c4-)"
    elif ! apt-get install -s -q wine32:i386 >"$log" 2>&1; then
        TVORKA1_NO_WINE32="the archive cannot install it: $(grep -m1 -E 'Depends:|^E: ' "$log" | sed 's/^ *//')"
    else
        updated=1
        missing+=(wine32:i386)
    fi
    rm -f "$log"
    if [[ -n ${TVORKA1_NO_WINE32:-} ]] && ((added)); then
        "${sudo[@]}" dpkg --remove-architecture i386
    fi
}
if [[ " $* " == *" windows "* && -z ${TVORKA1_NO_WINE32:-} ]] &&
    ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'; then
    add_wine32
    if [[ -n ${TVORKA1_NO_WINE32:-} ]]; then
        export TVORKA1_NO_WINE32="no wine32:i386: $TVORKA1_NO_WINE32"
        echo "$TVORKA1_NO_WINE32"
    fi
fi

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    ((updated)) || "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

if [[ " $* " == *" build "* && ! -f build/CMakeCache.txt ]]; then
    cmake -S . -B build -G Ninja
fi
