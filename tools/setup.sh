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
    # tools/debian.sh: a fresh Debian root to run the tests in, made by mmdebstrap, which needs no
    # script of its own for a new release; qemu-user-static runs a root of another architecture.
    [root]="mmdebstrap"
    [emulation]="qemu-user-static binfmt-support arch-test"
    # tools/windows.sh: the cross-compilers for 32- and 64-bit Windows (GCC's win32 thread model,
    # which needs no DLL of its own), the installer's wixl, and Wine with its fonts on a headless X
    # server for the tests. Wine's 32-bit half, for the 32-bit tests, is wine32:i386 below. libmsi's
    # Python bindings give the installer the source's time and a package code of its content.
    # tools/web.sh: emscripten for the browser build; for its tests the three engines, Chromium,
    # Firefox ESR and WebKitGTK (its WebDriver, which starts its MiniBrowser, on Xvfb), with Node.js
    # and npm (puppeteer-core, from npm with the lock file), a font, and a static server (python3);
    # g++ for the build-time tool that the build runs on this machine.
    # The other two engines follow, each as the archive allows (engines, below).
    [web]="emscripten chromium fonts-dejavu-core nodejs npm python3 g++ cmake ninja-build"
    [windows]="g++ cmake ninja-build g++-mingw-w64-i686-win32 binutils-mingw-w64-i686 g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64 wixl python3-gi gir1.2-libmsi-1.0 wine wine64 fonts-wine xvfb x11-utils xdotool imagemagick binutils"
    # tools/release.sh: the portable programs and the page's folder go as zips.
    [release]="zip"
)

sudo=()
(($(id -u) == 0)) || sudo=(sudo)
updated=0
# apt-get update, once a set-up, unless the sources changed.
update() {
    ((updated)) && return 0
    "${sudo[@]}" apt-get update -q || return
    updated=1
}

installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}
release() {
    (. /etc/os-release && echo "${VERSION_CODENAME:-unknown}")
}
# Prints apt's reason why the archive cannot install these packages; fails where it can (or where
# apt-get update fails, which the set-up then meets with apt's own words).
refused() {
    local plan
    update >/dev/null || return 1
    plan=$(apt-get install -s -q "$@" 2>&1) && return 1
    grep -m1 '^E: ' <<<"$plan" | cut -c4-
}

# The Windows part, chosen per release and architecture. TVORKA1_NO_WINDOWS says why it is left
# out, for tools/windows.sh and tools/test.sh, which name it in their last line.
windows_left_out() {
    local architecture
    architecture=$(dpkg --print-architecture)
    # Debian builds Wine for amd64 (and i386) alone, and the Windows programs are proven only
    # under Wine: on arm64 and the rest, nothing of the Windows part.
    if [[ $architecture != amd64 ]]; then
        echo "Debian's Wine is built for amd64, not $architecture"
        return
    fi
    # Required on Debian 12 and 13; testing has been without Wine for weeks at a time.
    left_out Wine wine wine64 fonts-wine
}
# The browser part, chosen per release: on Debian 12 and 13 it is required; elsewhere taken where
# the archive can install it. TVORKA1_NO_WEB says why it is left out, for tools/web.sh and
# tools/test.sh. The browser tests' other engines are chosen each in the same way on its own:
# TVORKA1_NO_FIREFOX and TVORKA1_NO_WEBKIT say why one is left out, for its tests, which then skip.
# Prints why Debian cannot install packages $2...; fails where it can, or on Debian 12 and 13,
# where they are required. $1 names them.
left_out() {
    local codename reason what=$1
    shift
    codename=$(release)
    [[ $codename == bookworm || $codename == trixie ]] && return 1
    reason=$(refused "$@") || return 1
    echo "Debian $codename cannot install $what: $reason"
}
declare -A engines=([FIREFOX]="firefox-esr" [WEBKIT]="webkit2gtk-driver xvfb")

groups=("$@")
# The choices below ask apt in subshells, which cannot tell the next that the index is fresh: it
# is updated once here, where one of them may ask.
[[ $(release) == bookworm || $(release) == trixie ]] || update >/dev/null || true
if [[ " $* " == *" web "* && -z ${TVORKA1_NO_WEB:-} ]] && reason=$(left_out "the browser build's tools" ${packages[web]}); then
    export TVORKA1_NO_WEB=$reason
fi
if [[ -n ${TVORKA1_NO_WEB:-} ]]; then
    groups=("${groups[@]/web/}")
    echo "Leaving out the browser part: $TVORKA1_NO_WEB"
elif [[ " $* " == *" web "* ]]; then
    for engine in "${!engines[@]}"; do
        why=TVORKA1_NO_$engine
        if [[ -z ${!why:-} ]] && reason=$(left_out "${engines[$engine]}" ${engines[$engine]}); then
            export "$why=$reason"
        fi
        if [[ -n ${!why:-} ]]; then
            echo "Leaving out the ${engine,,} tests: ${!why}"
        else
            packages[web]+=" ${engines[$engine]}"
        fi
    done
fi
if [[ " $* " == *" windows "* && -z ${TVORKA1_NO_WINDOWS:-} ]] && reason=$(windows_left_out); then
    export TVORKA1_NO_WINDOWS=$reason
fi
if [[ -n ${TVORKA1_NO_WINDOWS:-} ]]; then
    groups=("${groups[@]/windows/}")
    echo "Leaving out the Windows part: $TVORKA1_NO_WINDOWS"
fi

wanted=()
for group in "${groups[@]}"; do
    [[ -n $group ]] || continue
    read -ra list <<<"${packages[$group]}"
    wanted+=("${list[@]}")
done

missing=()
for package in "${wanted[@]}"; do
    # A Node.js from elsewhere (NodeSource's carries its own npm) serves as well as Debian's, which
    # could not be installed beside it.
    [[ ($package == nodejs || $package == npm) && -n $(command -v node) && -n $(command -v npm) ]] && continue
    installed "$package" || missing+=("$package")
done

# Debian's Wine runs 32-bit programs only with wine32 of the i386 architecture, which the machine
# must first be told to take. Where the archive cannot give it (we met an i386 index out of step
# with amd64's, so that apt-get update failed), or the kernel runs no 32-bit programs (an amd64
# kernel built without them, as on some virtual machines), the rest of the set-up goes on without
# it. TVORKA1_NO_WINE32 then says why, for tools/windows.sh, which skips the 32-bit tests, and for
# the later set-ups of the same run, which do not try again.
runs_i386() {
    if ! command -v arch-test >/dev/null; then
        update >/dev/null && DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends arch-test >/dev/null
    fi
    arch-test -n i386 >/dev/null 2>&1
}
add_wine32() {
    local added=0 log
    if ! runs_i386; then
        TVORKA1_NO_WINE32="this machine's kernel runs no 32-bit x86 programs"
        return
    fi
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        echo "Adding the i386 architecture for wine32:i386"
        "${sudo[@]}" dpkg --add-architecture i386
        added=1
    fi
    log=$(mktemp)
    updated=0
    if ! update >"$log" 2>&1; then
        TVORKA1_NO_WINE32="apt-get update failed with i386: $(grep -m1 '^E: ' "$log" | cut -c4-)"
    elif ! apt-get install -s -q wine32:i386 >"$log" 2>&1; then
        TVORKA1_NO_WINE32="the archive cannot install it: $(grep -m1 -E 'Depends:|^E: ' "$log" | sed 's/^ *//')"
    else
        missing+=(wine32:i386)
    fi
    rm -f "$log"
    if [[ -n ${TVORKA1_NO_WINE32:-} ]]; then
        ((added)) && "${sudo[@]}" dpkg --remove-architecture i386
        updated=0
    fi
}
# Where wine32 is installed but cannot run, Debian's wine starts its 32-bit loader for every
# program, and the 64-bit tests would fail too: say so rather than let each test fail.
if [[ " ${groups[*]} " == *" windows "* ]] && installed wine32:i386 && ! runs_i386; then
    echo "tools/setup.sh: wine32:i386 is installed, but this machine's kernel runs no 32-bit x86 programs, so Debian's wine cannot start any program: remove it (apt-get remove wine32:i386)" >&2
    exit 1
fi
if [[ " ${groups[*]} " == *" windows "* && -z ${TVORKA1_NO_WINE32:-} ]] && ! installed wine32:i386; then
    add_wine32
    if [[ -n ${TVORKA1_NO_WINE32:-} ]]; then
        export TVORKA1_NO_WINE32="no wine32:i386: $TVORKA1_NO_WINE32"
        echo "$TVORKA1_NO_WINE32"
    fi
fi

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

if [[ " $* " == *" build "* && ! -f build/CMakeCache.txt ]]; then
    cmake -S . -B build -G Ninja
fi
