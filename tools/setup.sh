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
    # tools/windows.sh: the cross-compiler for 64-bit Windows (GCC's win32 thread model, which needs
    # no DLL of its own), the installer's wixl, and Wine with its fonts on a headless X server for
    # the tests.
    [windows]="g++ cmake ninja-build g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64 wixl wine wine64 fonts-wine xvfb xdotool imagemagick binutils"
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
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

if [[ " $* " == *" build "* && ! -f build/CMakeCache.txt ]]; then
    cmake -S . -B build -G Ninja
fi
