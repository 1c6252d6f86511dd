# Shared by the tests that run a Windows program under Wine: a private X server and a fresh Wine
# prefix of the test's own. Source it; everything it starts ends, and everything it makes goes,
# when the test exits, also on failure or on a signal.

# What the X11 tests share: fail, the X commands' timeouts, the cleanup lists, wait_window and
# wait_exit.
source "$(dirname "${BASH_SOURCE[0]}")/../x11/lib.sh"
# Nothing of the caller's Wine reaches the tests either.
unset WINEARCH WINELOADER WINESERVER WINEDLLPATH WINEPREFIX XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME TMPDIR

# The prefix's processes end first, while the X server they draw on still runs.
wine_cleanup() {
    [[ -n "${WINEPREFIX:-}" && -d "$WINEPREFIX" ]] || return 0
    timeout 10 wineserver -k >/dev/null 2>&1 || true
    timeout 10 wineserver -w >/dev/null 2>&1 || true
    # Debian's wineserver keeps its socket in a folder of its own under the system's temporary
    # folder, named after the prefix's device and inode, and leaves it behind.
    local device inode server
    read -r device inode < <(stat -c '%D %i' "$WINEPREFIX")
    server=$(printf 'server-%x-%x' "0x$device" "$inode")
    for folder in /tmp/wine-*/"$server" /tmp/.wine-"$(id -u)"/"$server"; do
        [[ -d $folder ]] || continue
        rm -rf "$folder"
        rmdir "$(dirname "$folder")" 2>/dev/null || true
    done
}
trap 'wine_cleanup; cleanup' EXIT
# A timeout or Ctrl-C still cleans up.
trap 'exit 143' TERM
trap 'exit 130' INT

# CTest ends a test that outlives its TIMEOUT with SIGKILL, which leaves the prefix and its
# processes behind: the test ends itself first, after $TEST_DEADLINE seconds, and cleans up. Set
# it some 30 s below the test's TIMEOUT (default 210, for 240). The running command is ended too,
# as the shell runs its trap only after that command.
watchdog() {
    sleep "$1" &
    local sleeper=$!
    trap 'kill "$sleeper" 2>/dev/null; exit 0' TERM
    wait "$sleeper"
    echo "FAIL: the test did not end within $1 s" >&2
    kill -TERM "$2"
    # shellcheck disable=SC2046 # one id a word
    kill -TERM $(ps -o pid= --ppid "$2") 2>/dev/null
}
# The shell that sourced this file, also where that is a subshell.
test_shell=$BASHPID
watchdog "${TEST_DEADLINE:-210}" "$test_shell" &
cleanup_pids+=($!)

# Runs "LOADER $3..." with no input and fails the test when it takes longer than $2 seconds; returns
# the program's exit status otherwise (the low byte of a Windows exit code). The timeout ends the
# program; the exit trap ends the rest of the prefix.
run_limited() {
    local loader=$1 limit=$2 status=0
    shift 2
    timeout --kill-after=5 "$limit" "$loader" "$@" </dev/null || status=$?
    ((status != 124 && status != 137)) || fail "$loader $* did not end within $limit s"
    return "$status"
}

# Runs a Windows program of ours, "wine $2...", within $1 seconds: Wine starts it on the side its
# own header names.
wine_run() {
    run_limited wine "$@"
}

# Wine's own programs (wineboot, reg, winepath, msiexec, taskkill) come in a 32- and a 64-bit build,
# and which one runs is the loader's choice: Debian's `wine` takes the 32-bit loader wherever
# wine32:i386 is installed, and there Wine 8's 32-bit taskkill cannot see a 64-bit program. So each
# runs through wine_tool, which names its side: 64, the prefix's own, as on 64-bit Windows, or the
# side of the program it acts on. Usage: wine_tool SIDE LIMIT PROGRAM [ARGUMENT...]
wine_tool() {
    local side=$1 loader
    shift
    loader=$(wine_loader "$side") || exit 1
    run_limited "$loader" "$@"
}

# Prints the Wine loader that runs Windows programs of side $1 (32 or 64): the one whose ELF class
# is that side's. Fails in one line where this machine's Wine has none.
wine_loader() {
    local loader class want=02
    [[ $1 == 64 ]] || want=01
    for loader in /usr/lib/wine/wine64 /usr/lib/wine/wine /usr/lib/*/wine/wine64 /usr/lib/*/wine/wine; do
        [[ -x $loader ]] || continue
        class=$(od -An -tx1 -j4 -N1 "$loader" | tr -d ' ')
        [[ $class == "$want" ]] && echo "$loader" && return 0
    done
    local package="wine64"
    [[ $1 == 64 ]] || package="wine32:i386"
    fail "this machine's Wine has no loader for $1-bit Windows programs (Debian package: $package)"
}

# Starts Xvfb on a free display and a fresh Wine prefix drawing on it, at $1 dots per inch when
# given (Windows' 100 % is 96, 125 % is 120), as the Windows that $WINDOWS_VERSION names where it is
# set (win7, say). Exports DISPLAY, WINEPREFIX, WINEDEBUG and
# WINEDLLOVERRIDES; HOME and the prefix are in the folder $scratch, the test's own, which
# the test may use for its files too.
start_wine() {
    local dpi=${1:-}
    [[ -z "$dpi" || "$dpi" =~ ^[1-9][0-9]*$ ]] || fail "start_wine: '$dpi' is not a number of dots per inch"
    local tool
    for tool in Xvfb:xvfb xdpyinfo:x11-utils xdotool:xdotool wine:"wine wine64" wineserver:wine; do
        command -v "${tool%%:*}" >/dev/null || fail "${tool%%:*} is missing (Debian package: ${tool#*:})"
    done
    local fonts=(/usr/share/wine/fonts/*.ttf)
    [[ -f "${fonts[0]}" ]] || fail "no fonts in /usr/share/wine/fonts (Debian package: fonts-wine)"
    # Here, where its words reach the test's output: below, the tools' output goes to a log.
    wine_loader 64 >/dev/null

    scratch=$(mktemp -d -t tvorka1-wine.XXXXXX)
    cleanup_paths+=("$scratch")
    mkdir "$scratch/home"

    start_xvfb

    # Wine links the prefix's user folders to HOME's, and its menu builder and caches write
    # there. TMPDIR stays unset: Debian's Wine 10 aborts at start wherever it is set.
    export HOME="$scratch/home"
    export WINEPREFIX="$scratch/prefix"
    export WINEDEBUG=-all
    # No download of Mono or Gecko, no menu entries or file associations on the host.
    export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"

    local log="$scratch/wineboot.log" status=0
    wine_tool 64 60 wineboot --init >"$log" 2>&1 || status=$?
    ((status == 0)) || fail "wineboot --init failed ($status): $(tail -n 3 "$log")"

    # Without its own copies the prefix draws Tahoma and the caption buttons in other fonts.
    cp "${fonts[@]}" "$WINEPREFIX/drive_c/windows/Fonts/"

    # Managed=N: Wine draws the frame itself and ends at once without a window manager, where a
    # managed window costs two seconds at every exit. LogPixels is read as each process starts.
    local settings="$scratch/settings.reg"
    {
        printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\n"Managed"="N"\n'
        [[ -z "$dpi" ]] || printf '\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\n"LogPixels"=dword:%08x\n' "$dpi"
        [[ -z "${WINDOWS_VERSION:-}" ]] || printf '\n[HKEY_CURRENT_USER\\Software\\Wine]\n"Version"="%s"\n' "$WINDOWS_VERSION"
    } >"$settings"
    status=0
    wine_tool 64 30 reg import "$(winepath_of "$settings")" >"$log" 2>&1 || status=$?
    ((status == 0)) || fail "reg import of the prefix's settings failed ($status): $(tail -n 1 "$log")"
    # Wine 10 keeps the DPI its desktop process read at boot: the prefix starts again with the
    # settings in place.
    stop_wine
}

# Ends every process of the prefix and waits for its wineserver to end, which writes the registry
# to the prefix's system.reg, user.reg and userdef.reg. The next wine command starts it again.
stop_wine() {
    timeout 10 wineserver -k >/dev/null 2>&1 || true # fails when none runs
    timeout 20 wineserver -w || fail "the prefix's wineserver did not end"
}

# Prints the Windows path of Unix path $1: the prefix's Z: drive is /.
winepath_of() {
    local path
    path=$(realpath -m "$1")
    echo "Z:${path//\//\\}"
}

# Prints the Unix path of Windows path $1, as Wine resolves it in the prefix.
unix_path() {
    wine_tool 64 15 winepath -u "$1" | tr -d '\r'
}
