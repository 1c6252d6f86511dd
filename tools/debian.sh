#!/usr/bin/env bash
# Runs the package command and then the README's test command, on the plain build, in a fresh
# minimal root of a Debian release: the machine of a newcomer who has nothing but the base system;
# then, in a second fresh root, installs that package with apt-get, opens its window and removes it
# (tests/package/tst_apt.sh). Each root gets proc, dev and a tmpfs on /tmp, and is unmounted and
# removed afterwards, also on failure or interruption.
# Usage: bash tools/debian.sh RELEASE [--arch ARCH] [--share DIR] [-- COMMAND...]
#          (bookworm, trixie, forky; arm64)
# COMMAND runs in one root's copy of the tree instead: bash tools/loaded.sh 20, say. --share: DIR's
# files are the root's /share, and what COMMAND leaves there comes back into DIR.
# A root of another architecture runs under qemu-user-static through binfmt_misc, about ten times
# slower: every time limit of the tests is then multiplied by TVORKA1_TIME_FACTOR (10); what they
# check stays the same; the browser part is left out there. The base system is kept as
# build/debian/RELEASE-ARCH-minbase.tar.gz, so a second run downloads only what the test command
# installs. TVORKA1_DEBIAN_MIRROR names another mirror.
set -euo pipefail
release=${1:-} architecture=$(dpkg --print-architecture) share=
command=()
shift || true
usage() {
    echo "usage: bash tools/debian.sh RELEASE [--arch ARCH] [--share DIR] [-- COMMAND...]   (e.g. forky --arch arm64)" >&2
    exit 2
}
while (($#)); do
    case $1 in
    --arch) [[ -n ${2:-} ]] || usage; architecture=$2; shift 2 ;;
    --share) [[ -d ${2:-} ]] || usage; share=$(realpath "$2"); shift 2 ;;
    --) shift; (($#)) || usage; command=("$@"); break ;;
    *) usage ;;
    esac
done
[[ $release =~ ^[a-z]+$ && $architecture =~ ^[a-z0-9]+$ ]] || usage

# The package is made first, by the package command alone, so that nothing the test command installs
# decides what it depends on; it is installed in a root of its own, which has nothing but what it
# depends on and what shows a window.
if ((${#command[@]} == 0)); then
    packages=$(mktemp -d)
    trap 'rm -rf "$packages"' EXIT
    # Stopped, this waits for the root in hand to be unmounted and removed.
    trap 'exit 143' TERM
    trap 'exit 130' INT
    # One line, as the result's line repeats it.
    make_and_test='bash tools/package.sh >/tmp/package.log 2>&1 || { tail -n 20 /tmp/package.log; exit 1; }'
    make_and_test+='; cp build/package/*.deb /share/ && bash tools/test.sh --plain'
    bash "$0" "$release" --arch "$architecture" --share "$packages" -- bash -c "$make_and_test"
    bash "$0" "$release" --arch "$architecture" --share "$packages" -- bash tests/package/tst_apt.sh /share
    exit
fi

# The base system's cache, made here so that the tree's build/ stays the caller's, not root's.
mkdir -p build/debian
# Mounting and chroot need root.
if (($(id -u) != 0)); then
    exec sudo TVORKA1_DEBIAN_MIRROR="${TVORKA1_DEBIAN_MIRROR:-}" NODE_EXTRA_CA_CERTS="${NODE_EXTRA_CA_CERTS:-}" \
        TVORKA1_NO_WEB="${TVORKA1_NO_WEB:-}" \
        SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-}" bash "$0" "$release" --arch "$architecture" \
        ${share:+--share "$share"} -- "${command[@]}"
fi
# TVORKA1_NO_WEB, where the caller sets it, leaves the browser part out and says why.
foreign=0 no_web=${TVORKA1_NO_WEB:-}
[[ $architecture == "$(dpkg --print-architecture)" ]] || foreign=1
if ((foreign)); then
    source "$(dirname "$0")/setup.sh" root emulation
    # The kernel runs the root's programs through qemu once binfmt_misc knows it.
    mountpoint -q /proc/sys/fs/binfmt_misc || mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
    update-binfmts --enable >/dev/null 2>&1 || true
    arch-test "$architecture" >/dev/null || { echo "tools/debian.sh: this machine cannot run $architecture" >&2; exit 1; }
    factor=${TVORKA1_TIME_FACTOR:-10}
    # The browser build is WebAssembly, the same whatever machine builds it; its tests run in the
    # amd64 roots, and under emulation they are left out.
    no_web="left out under emulation: its output, WebAssembly, is the same on every architecture"
else
    source "$(dirname "$0")/setup.sh" root
    factor=${TVORKA1_TIME_FACTOR:-1}
fi
mirror=${TVORKA1_DEBIAN_MIRROR:-http://deb.debian.org/debian}
cache=$PWD/build/debian/$release-$architecture-minbase.tar.gz
# Outside the tree, where nothing that walks build/ meets its mounts.
root=$(realpath "$(mktemp -d "${TMPDIR:-/var/tmp}/tvorka1-$release.XXXXXX")")

say() { echo "tools/debian.sh: $*" >&2; }

cleanup() {
    local status=$?
    trap - EXIT INT TERM
    # Whatever still runs inside (a server a test left behind) holds the mounts.
    local process
    for process in /proc/[0-9]*; do
        [[ $(readlink "$process/root" 2>/dev/null) == "$root" ]] && kill -KILL "${process#/proc/}" 2>/dev/null
    done
    local point
    for point in tmp dev proc; do
        mountpoint -q "$root/$point" || continue
        umount -R "$root/$point" 2>/dev/null || umount -R -l "$root/$point"
    done
    if findmnt -rn -o TARGET | grep -q "^$root/"; then
        say "$root is still mounted; left in place"
        exit 1
    fi
    rm -rf --one-file-system "$root"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

if [[ ! -f $cache ]]; then
    say "making the $release $architecture base system (once; kept as ${cache#"$PWD"/})"
    # A release under development (testing) signs its index for a week at a time, and a mirror's
    # snapshot may be older: the throwaway root, and it alone, takes an index past its date.
    mmdebstrap --variant=minbase --architectures="$architecture" \
        --aptopt='Acquire::Check-Valid-Until "false"' \
        "$release" "$cache.part.tar.gz" "$mirror" >"$root.log" 2>&1 || {
        tail -n 20 "$root.log" >&2
        rm -f "$root.log" "$cache.part.tar.gz"
        exit 1
    }
    rm -f "$root.log"
    mv "$cache.part.tar.gz" "$cache"
fi
tar -C "$root" --numeric-owner -xzf "$cache"

bash "$(dirname "$0")/copy_tree.sh" . "$root/src"
[[ -z $share ]] || cp -r "$share/." "$root/share"
cp /etc/resolv.conf "$root/etc/resolv.conf"
# A network that inspects TLS (a company's proxy, a sandbox) has a certificate authority of its own,
# which the host's administrator added: the root trusts it as well once its ca-certificates is in,
# and Node.js, which reads only its own list, is told of it as on the host.
if [[ -d /usr/local/share/ca-certificates ]]; then
    mkdir -p "$root/usr/local/share"
    cp -r /usr/local/share/ca-certificates "$root/usr/local/share/"
fi
# No service starts inside the root when its package is installed.
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod 755 "$root/usr/sbin/policy-rc.d"

mount -t proc proc "$root/proc"
mount --rbind /dev "$root/dev"
mount --make-rslave "$root/dev"
mount -t tmpfs -o mode=1777 tmpfs "$root/tmp"

say "running ${command[*]} in a fresh Debian $release $architecture (time factor $factor)"
status=0
start=$SECONDS
chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    ${NODE_EXTRA_CA_CERTS:+NODE_EXTRA_CA_CERTS="$NODE_EXTRA_CA_CERTS"} ${no_web:+TVORKA1_NO_WEB="$no_web"} \
    ${SOURCE_DATE_EPOCH:+SOURCE_DATE_EPOCH="$SOURCE_DATE_EPOCH"} \
    TVORKA1_TIME_FACTOR="$factor" TVORKA1_THROWAWAY_ROOT=1 bash -c 'cd /src && exec "$@"' command "${command[@]}" ||
    status=$?
[[ -z $share || $status != 0 ]] || cp -r "$root/share/." "$share"
took="$(((SECONDS - start) / 60)) min $(((SECONDS - start) % 60)) s"
qt=$(chroot "$root" dpkg-query -W -f='${Version}\n' libqt6core6t64 libqt6core6 2>/dev/null | grep -m1 . || echo none)
about="Debian $release $architecture ($(cat "$root/etc/debian_version"), Qt ${qt%%[+~-]*})"
if ((status == 0)); then
    say "$about: ${command[*]} passed in $took"
else
    say "$about: ${command[*]} FAILED with status $status after $took"
fi
exit "$status"
