#!/usr/bin/env bash
# The Windows installer in a fresh 64-bit Wine prefix, as on a 64-bit Windows: a silent install puts
# the program into Program Files, the 32-bit one into Program Files (x86), with a Start-menu
# shortcut and an Apps and Features entry; the installed program starts and closes with status 0;
# a later version, of the other architecture, replaces it, leaving one entry and one shortcut; and
# a silent uninstall leaves no file, folder or registry key behind.
# Usage: tst_installer.sh MSI LATER_MSI, each named NAME-VERSION-ARCH.msi as the build names it.

msi=${1:-} later=${2:-}
source "$(dirname "$0")/lib.sh"

[[ -f "$msi" && -f "$later" ]] || fail "usage: tst_installer.sh MSI LATER_MSI (no file '$msi' or '$later')"

# The version that Apps and Features must show and the folder the program goes to follow from the
# file's name.
installer_of() {
    [[ "$(basename "$1")" =~ ^Tvorka1-([0-9]+(\.[0-9]+)*)-(x86|x64)\.msi$ ]] ||
        fail "'$1' is not named Tvorka1-VERSION-x86.msi or -x64.msi"
    version=${BASH_REMATCH[1]}
    if [[ ${BASH_REMATCH[3]} == x64 ]]; then
        program_files='Program Files' side=64
    else
        program_files='Program Files (x86)' side=32
    fi
    program_dir="$WINEPREFIX/drive_c/$program_files/Tvorka1"
}

pass() { echo "PASS: $*"; }
# Joins the first lines of its input into one, for a one-line failure.
one_line() { sed '/^$/d' | head -n 5 | paste -sd ';' -; }

# Apps and Features lists the entries of 64-bit programs, and those of 32-bit ones from the
# registry's 32-bit view. Each query names its view, as the 64-bit reg.exe sees the 64-bit one by
# default and the 32-bit one the other.
uninstall_root='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

# Every file and folder of the prefix's C: drive.
list_files() {
    (cd "$WINEPREFIX/drive_c" && find . | sort)
}

# Writes the whole registry to $1, without the times at which its keys were written. Stopping the
# prefix makes Wine write it out, and is quicker than exporting it with regedit.
save_registry() {
    stop_wine
    sed -E 's/^(\[.*\]) [0-9]+$/\1/' "$WINEPREFIX"/{system,user,userdef}.reg >"$1"
}

# Prints the Windows Installer form of product code $1: {A-B-C-D-E} with A, B and C reversed
# and each byte of D and E with its two digits swapped.
packed_guid() {
    local hex=${1//[\{\}-]/}
    echo "$(rev <<<"${hex:0:8}")$(rev <<<"${hex:8:4}")$(rev <<<"${hex:12:4}")$(sed 's/\(.\)\(.\)/\2\1/g' <<<"${hex:16}")"
}

# Prints the registry value $2 of key $1, in the view $4 (32 or 64, default 64); fails with what
# reg says, for $3, when there is none.
registry_value() {
    local out status=0
    out=$(wine_tool 64 15 reg query "$1" /v "$2" /reg:"${4:-64}" 2>&1 | tr -d '\r') || status=$?
    ((status == 0)) || fail "$3 has no $2: $(one_line <<<"$out") ($status)"
    sed -n "s/^    $2    REG_[A-Z_]*    //p" <<<"$out"
}

# Fails unless the Windows file $1 is an icon file (its header reads 0, 0, 1, 0).
check_icon() {
    local file
    file=$(unix_path "$1") || fail "no Unix path for $1"
    [[ -f "$file" ]] || fail "$2: its icon $1 does not exist"
    [[ "$(od -An -tx1 -N4 "$file" | tr -d ' ')" == 00000100 ]] || fail "$2: $1 is no icon file"
}

# Installs MSI $1 silently and checks the program, its one uninstall entry and its one shortcut.
install_and_check() {
    installer_of "$1"
    local status=0
    wine_tool 64 60 msiexec /i "$(winepath_of "$1")" /qn || status=$?
    ((status == 0)) || fail "the silent install of $(basename "$1") ended with status $status"
    pass "silent install of $(basename "$1")"

    [[ "$(head -c 2 "$program_dir/tvorka1.exe" 2>/dev/null)" == MZ ]] ||
        fail "no program at C:\\$program_files\\Tvorka1\\tvorka1.exe"
    pass "the program is in C:\\$program_files\\Tvorka1"

    # The entry whose DisplayName is Tvorka1; its key is the product code.
    local keys name value expected check icon
    # Each entry as its view and key; a view without a program of its kind may have no such key.
    keys=$(for view in 64 32; do
        wine_tool 64 15 reg query "$uninstall_root" /s /reg:$view | tr -d '\r' |
            awk -v view=$view '/^HKEY_/ { key = $0 } $1 == "DisplayName" && $3 == "Tvorka1" { print view, key }' || true
    done)
    (($(grep -c . <<<"$keys") == 1)) || fail "expected one uninstall entry named Tvorka1, found: $(one_line <<<"${keys:-none}")"
    [[ "$keys" =~ ^(32|64)\ (.*\\(\{[0-9A-F-]{36}\}))$ ]] ||
        fail "the uninstall entry $keys is not named by a product code"
    local view=${BASH_REMATCH[1]} key=${BASH_REMATCH[2]}
    product=${BASH_REMATCH[3]}
    products+=("$product")
    for check in "DisplayVersion=$version" "Publisher=The Tvorka1 developers"; do
        name=${check%%=*} expected=${check#*=}
        value=$(registry_value "$key" "$name" "the uninstall entry" "$view") || exit 1
        [[ "$value" == "$expected" ]] || fail "the uninstall entry's $name is '$value', not '$expected'"
    done
    # Apps and Features shows the icon that Windows Installer keeps for the product.
    icon=$(registry_value "HKLM\\Software\\Classes\\Installer\\Products\\$(packed_guid "$product")" ProductIcon \
        "the product") || exit 1
    check_icon "$icon" "the uninstall entry"
    pass "one uninstall entry Tvorka1 $version by The Tvorka1 developers, with its icon"

    # Windows puts a per-machine shortcut in the all-users menu; Wine 8 in the user's.
    shortcuts=$(find "$WINEPREFIX/drive_c/ProgramData" "$WINEPREFIX/drive_c/users" \
        -path '*/Microsoft/Windows/Start Menu/Programs/Tvorka1.lnk' 2>/dev/null) || true
    (($(grep -c . <<<"$shortcuts") == 1)) ||
        fail "expected one Start-menu shortcut Tvorka1.lnk, found: $(one_line <<<"${shortcuts:-none}")"
    grep -qaF "C:\\$program_files\\Tvorka1\\tvorka1.exe" "$shortcuts" || fail "the shortcut does not start the program"
    local shortcut_icon
    shortcut_icon=$(strings -a -el "$shortcuts" | grep -oiE '[a-z]:\\.*\.ico$' | head -n 1) || true
    [[ -n "$shortcut_icon" ]] || fail "the shortcut has no icon"
    check_icon "$shortcut_icon" "the shortcut"
    pass "one Start-menu shortcut ${shortcuts#"$WINEPREFIX/drive_c/"} to the program, with its icon"
}

start_wine
save_registry "$scratch/before.reg"
list_files >"$scratch/before.files"
products=()
install_and_check "$msi"
first_dir=$program_dir

# taskkill without /f posts WM_CLOSE to the program's windows, as their close button does. It runs
# on the program's side, and only the program's end with status 0 shows that the close arrived.
wine "C:\\$program_files\\Tvorka1\\tvorka1.exe" </dev/null &
pid=$!
cleanup_pids+=("$pid")
wait_window Form1 15 >/dev/null || fail "the installed program showed no window Form1 within 15 s"
# Here, not inside the taskkill line below, so that a side this Wine lacks fails in its own words.
wine_loader "$side" >/dev/null
said=$(wine_tool "$side" 15 taskkill /im tvorka1.exe 2>&1 | tr -d '\r') || true
if [[ $said == *"not find"* ]]; then
    fail "Wine's $side-bit taskkill cannot see the $side-bit program here: $(one_line <<<"$said")"
fi
[[ $said != *"FAIL: "* ]] || fail "${said#*FAIL: }"
wait_exit "$pid" 10
((exit_status == 0)) || fail "the installed program ended with status $exit_status after taskkill said: $(one_line <<<"$said")"
pass "the installed program shows Form1, takes the close from Wine's $side-bit taskkill and ends with status 0"

# Windows Installer knows both architectures as one product line: the later one replaces the first.
install_and_check "$later"
[[ ! -e "$first_dir" ]] || fail "the later version left the first one's folder: $(ls -A "$first_dir" | one_line)"
pass "the later version replaced the first"

status=0
wine_tool 64 60 msiexec /x "$(winepath_of "$later")" /qn || status=$?
((status == 0)) || fail "the silent uninstall ended with status $status"
pass "silent uninstall"

save_registry "$scratch/after.reg"

[[ ! -e "$program_dir" ]] || fail "C:\\$program_files\\Tvorka1 is left: $(ls -A "$program_dir" | one_line)"
[[ ! -e "$shortcuts" ]] || fail "the shortcut is left"
# Windows Installer's own folder may stay, empty.
left=$(comm -13 "$scratch/before.files" <(list_files) | grep -vx './windows/Installer') || true
[[ -z "$left" ]] || fail "left on C: $(one_line <<<"$left")"
pass "no file or folder left"

pattern=tvorka1
for product in "${products[@]}"; do pattern+="|${product//[\{\}]/}|$(packed_guid "$product")"; done
left=$(comm -13 <(grep -iE "$pattern" "$scratch/before.reg" | sort) <(grep -iE "$pattern" "$scratch/after.reg" | sort))
[[ -z "$left" ]] || fail "left in the registry: $(one_line <<<"$left")"
pass "no registry key or value left"
