#!/usr/bin/env bash
# The Debian package as a user meets it, through the real package manager: apt-get installs it
# with what it depends on, the installed program shows its window and closes with status 0, and
# apt-get remove takes every file it brought. It changes the machine, so it runs only in a
# throwaway root: tools/debian.sh runs it there after the test command.
# Usage: TVORKA1_THROWAWAY_ROOT=1 bash tests/package/tst_apt.sh     (from the tree's top)
[[ ${TVORKA1_THROWAWAY_ROOT:-} == 1 ]] || { echo "tst_apt.sh installs a package: run it in a throwaway root" >&2; exit 2; }
bash tools/package.sh >/tmp/tvorka1-package.log 2>&1 || { tail -n 20 /tmp/tvorka1-package.log; exit 1; }
source tests/x11/lib.sh
deb=$(realpath build/package/tvorka1_*.deb)
DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb" >/tmp/tvorka1-apt.log 2>&1 ||
    fail "apt-get install: $(tail -n 3 /tmp/tvorka1-apt.log)"
[[ $(command -v tvorka1) == /usr/bin/tvorka1 ]] || fail "no tvorka1 on the PATH after installing"
start_x
launch tvorka1
close_window "$id" "$pid"
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }')
DEBIAN_FRONTEND=noninteractive apt-get remove -y -q tvorka1 >>/tmp/tvorka1-apt.log 2>&1 ||
    fail "apt-get remove: $(tail -n 3 /tmp/tvorka1-apt.log)"
left=$(while read -r file; do [[ -e $file ]] && echo "$file"; done <<<"$files") || true
[[ -z $left ]] || fail "left after removing: $left"
echo "PASS: $(basename "$deb") installs with apt-get, shows Form1, closes with 0, and goes with every file"
