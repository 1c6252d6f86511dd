#!/usr/bin/env bash
# Runs a Windows test program under Wine on its own Xvfb and fresh prefix, at the given DPI, and
# checks that the program under test wrote no file and no registry value of its own. A test program
# that cannot run here ends with 77, and so does this, which CTest reports as skipped.
# Usage: tst_windows.sh DPI PROGRAM [ARGUMENT...]   (arguments that name files as Linux paths)
source "$(dirname "$0")/lib.sh"
dpi=$1 program=$2
shift 2
start_wine "$dpi"
arguments=()
for argument in "$@"; do
    if [[ -e $argument ]]; then arguments+=("$(winepath_of "$argument")"); else arguments+=("$argument"); fi
done
files() { (cd "$WINEPREFIX/drive_c" && find . -path ./windows -prune -o -type f -print | sort); }
before=$(files)
status=0
wine_run 200 "$program" "${arguments[@]}" || status=$?
((status == 0 || status == 77)) ||
    fail "$(basename "$program") ${arguments[*]:0:1} at $dpi dpi ended with status $status"
stop_wine
new=$(comm -13 <(echo "$before") <(files))
[[ -z $new ]] || fail "files written: $new"
! grep -il tvorka1 "$WINEPREFIX"/*.reg || fail "registry values of its own"
echo "PASS: $(basename "$program") ${arguments[*]:0:1} at $dpi dpi; no file and no registry value written"
exit "$status"
