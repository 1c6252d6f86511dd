#!/usr/bin/env bash
# The program finds its libraries in the system's folders only. Started from a folder that holds a
# library under every name it loads, each one announcing itself when loaded, it loads none of them
# and opens its window as usual; and no binary of the build carries an RPATH or RUNPATH entry that
# is empty, relative or the current folder.
# Usage: tst_library_search.sh PROGRAM BUILD_DIR CXX_COMPILER

program=$(realpath "$1")
build=$2
cxx=$3
source "$(dirname "$0")/lib.sh"
unset LD_LIBRARY_PATH LD_PRELOAD

# Every ELF file the build made: no search folder that depends on where it is started.
checked=0
while IFS= read -r -d '' file; do
    [[ $(head -c 4 "$file" | od -An -c | tr -d ' ') == '177ELF' ]] || continue
    checked=$((checked + 1))
    while IFS= read -r line; do
        paths=$(sed -n 's/.*(\(RPATH\|RUNPATH\)).*\[\(.*\)\]$/\2/p' <<<"$line")
        [[ -z "$paths" || "$paths:" == *::* || "$paths" == :* ]] && fail "$file has an empty entry: $line"
        IFS=: read -ra entries <<<"$paths"
        for entry in "${entries[@]}"; do
            # Absolute, or relative to the binary's own folder; never to the folder it starts in.
            [[ "$entry" == /* || "$entry" == '$ORIGIN'* || "$entry" == '${ORIGIN}'* ]] ||
                fail "$file has the relative entry '$entry': $line"
        done
    done < <(readelf -d "$file" 2>/dev/null | grep -E '\((RPATH|RUNPATH)\)' || true)
done < <(find "$build" -type f \( -perm -u+x -o -name '*.so*' \) -print0)
((checked > 10)) || fail "found only $checked ELF files under $build"
echo "PASS: $checked ELF files of the build have no empty or relative search path"

# One tiny library, planted under each name the program loads, in the start folder and in lib/.
sandbox=$(mktemp -d)
cleanup_paths+=("$sandbox")
mkdir "$sandbox/cwd" "$sandbox/cwd/lib"
cat >"$sandbox/planted.cpp" <<EOF
#include <fcntl.h>
#include <unistd.h>
__attribute__((constructor)) static void announce() {
    const int fd = open("$sandbox/loaded", O_WRONLY | O_CREAT | O_APPEND, 0600);
    if (fd >= 0) {
        (void)!write(fd, "loaded\n", 7);
        close(fd);
    }
}
EOF
timeout 60 "$cxx" -shared -fPIC -o "$sandbox/planted.so" "$sandbox/planted.cpp" || fail "cannot build the planted library"

names=$(ldd "$program" | awk '$1 !~ /^linux-vdso/ {print $1}' | xargs -n 1 basename | sort -u)
[[ $names == *libQt6Widgets.so.6* && $names == *libc.so.6* ]] || fail "ldd lists no Qt or libc: $names"
while IFS= read -r name; do
    cp "$sandbox/planted.so" "$sandbox/cwd/$name"
    cp "$sandbox/planted.so" "$sandbox/cwd/lib/$name"
done <<<"$names"
# The planted library does announce itself wherever it is loaded.
LD_PRELOAD="$sandbox/cwd/libQt6Core.so.6" timeout 10 true
[[ -s "$sandbox/loaded" ]] || fail "the planted library does not announce itself"
rm "$sandbox/loaded"

start_x
cd "$sandbox/cwd"
launch "$program"
cd - >/dev/null
[[ -e "$sandbox/loaded" ]] && fail "a planted library was loaded"
maps=$(cat "/proc/$pid/maps") || fail "cannot read the program's memory map"
grep -F "$sandbox/" <<<"$maps" && fail "the program maps files of its start folder"
grep -q '/libQt6Widgets\.so\.6' <<<"$maps" || fail "no Qt Widgets library in the memory map"
geometry=$(xwininfo -id "$id")
width=$(awk '/^ *Width:/ {print $2}' <<<"$geometry")
height=$(awk '/^ *Height:/ {print $2}' <<<"$geometry")
[[ "$width x $height" == "497 x 338" ]] || fail "client area is $width x $height"
close_window "$id" "$pid"
[[ -e "$sandbox/loaded" ]] && fail "a planted library was loaded"
echo "PASS: started among $(wc -l <<<"$names") planted libraries, it loaded none and opened Form1 497 x 338"
