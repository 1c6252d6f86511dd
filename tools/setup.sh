# Set-up shared by start.sh and test.sh: installs the Debian packages that are missing, then
# configures and builds into build/. Source it with the package groups needed, e.g.
#   source tools/setup.sh build run test

set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

declare -A packages=(
    [build]="g++ cmake ninja-build qt6-base-dev pkg-config libxcb1-dev libxcb-xtest0-dev"
    [run]="qt6-qpa-plugins fonts-dejavu-core"
    [test]="xvfb openbox xdotool wmctrl x11-utils xclip imagemagick strace desktop-file-utils appstream dbus dbus-x11 at-spi2-core python3-pyatspi"
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

if ((${#missing[@]})); then
    sudo=()
    (($(id -u) == 0)) || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

[[ -f build/CMakeCache.txt ]] || cmake -S . -B build -G Ninja
cmake --build build
