#!/usr/bin/env bash
# The Windows executable as it ships: a program of the GUI subsystem, so that no console opens
# beside Form1, which imports no DLL but Windows' own, so that it is all there is to copy.
# Usage: tst_exe.sh OBJDUMP EXE
set -euo pipefail
objdump=$1 exe=$2
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
headers=$("$objdump" -p "$exe")
grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" || fail "not a GUI program: $(grep Subsystem <<<"$headers")"
dlls=$(sed -n 's/^\s*DLL Name: //p' <<<"$headers" | tr 'A-Z' 'a-z' | sort)
windows="comctl32.dll gdi32.dll kernel32.dll msvcrt.dll ole32.dll oleaut32.dll user32.dll"
for dll in $dlls; do
    [[ " $windows " == *" $dll "* ]] || fail "imports $dll, which Windows does not ship"
done
echo "PASS: GUI subsystem; imports $(tr '\n' ' ' <<<"$dlls")"
