#!/usr/bin/env bash
# The Windows executable as it ships: a program of the GUI subsystem, so that no console opens
# beside Form1, whose headers name Windows 7 (6.1), and which imports only functions of Windows' own
# DLLs that Windows 7 SP1 has, each one listed in imports.txt, so that it is all there is to copy and
# starts on every Windows from 7 on.
# Usage: tst_exe.sh OBJDUMP EXE
set -euo pipefail
objdump=$1 exe=$2
list="$(dirname "$0")/imports.txt"
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
headers=$("$objdump" -p "$exe")
grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" || fail "not a GUI program: $(grep Subsystem <<<"$headers")"
for field in OSystem Subsystem; do
    version=$(awk -v f="$field" '$1 == "Major" f "Version" { major = $2 } $1 == "Minor" f "Version" { minor = $2 }
        END { print major "." minor }' <<<"$headers")
    [[ $version == 6.1 ]] || fail "the headers' ${field/OSystem/OS} version is $version, not 6.1 (Windows 7)"
done

# DLL!function, the DLL's name in lower case, as Windows looks it up. Each import is a line of its
# address, its hint (binutils 2.41 on: ordinal, then hint) and its name, last.
imports=$(awk '/DLL Name:/ { dll = tolower($3); next } /^$/ { next }
    dll && NF >= 3 && $1 ~ /^[0-9a-f]+$/ && $NF ~ /^[A-Za-z_]/ && $NF !~ /^[0-9a-f]+$/ { print dll "!" $NF }' <<<"$headers" | sort -u)
[[ -n $imports ]] || fail "no imports read from $exe"
! grep -E '^(shcore|api-ms-win-|ucrtbase)' <<<"$imports" ||
    fail "imports from a DLL that Windows 7 lacks (look the function up at run time instead)"
unlisted=$(comm -23 <(echo "$imports") <(grep -v '^#' "$list" | awk '{ print $1 }' | sort -u))
[[ -z $unlisted ]] || fail "imports not in imports.txt (Windows 7 SP1 must export each): $(tr '\n' ' ' <<<"$unlisted")"
newer=$(grep -v '^#' "$list" | awk '$2 !~ /^(2000|XP|Vista|7)$/') || true
[[ -z $newer ]] || fail "imports.txt lists what Windows 7 lacks: $newer"
echo "PASS: GUI subsystem for Windows 6.1; $(wc -l <<<"$imports") imports, each listed, from" \
    "$(cut -d'!' -f1 <<<"$imports" | uniq | tr '\n' ' ')"
