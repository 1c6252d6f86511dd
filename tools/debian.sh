#!/usr/bin/env bash
# Runs the README's test command, on the plain build, in a fresh minimal root of a Debian release:
# the machine of a newcomer who has nothing but the base system. The root gets proc, dev and a
# tmpfs on /tmp, and is unmounted and removed afterwards, also on failure or interruption.
# Usage: bash tools/debian.sh RELEASE      (bookworm, trixie, ...)
# The base system is kept as build/debian/RELEASE-minbase.tar.gz, so a second run downloads only
# what the test command installs. TVORKA1_DEBIAN_MIRROR names another mirror.
set -euo pipefail
release=${1:-}
if [[ ! $release =~ ^[a-z]+$ ]]; then
    echo "usage: bash tools/debian.sh RELEASE   (e.g. bookworm or trixie)" >&2
    exit 2
fi
# Mounting and chroot need root.
if (($(id -u) != 0)); then
    exec sudo TVORKA1_DEBIAN_MIRROR="${TVORKA1_DEBIAN_MIRROR:-}" bash "$0" "$@"
fi
source "$(dirname "$0")/setup.sh" root
mirror=${TVORKA1_DEBIAN_MIRROR:-http://deb.debian.org/debian}
cache=$PWD/build/debian/$release-minbase.tar.gz
mkdir -p build/debian
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

if [[ -f $cache ]]; then
    tar -C "$root" --numeric-owner -xzf "$cache"
else
    say "making the $release base system (once; kept as ${cache#"$PWD"/})"
    debootstrap --variant=minbase "$release" "$root" "$mirror" >"$root.log" 2>&1 || {
        tail -n 20 "$root.log" >&2
        rm -f "$root.log"
        exit 1
    }
    rm -f "$root.log"
    chroot "$root" apt-get clean
    tar -C "$root" --numeric-owner -czf "$cache.part" . && mv "$cache.part" "$cache"
fi

bash "$(dirname "$0")/copy_tree.sh" . "$root/src"
cp /etc/resolv.conf "$root/etc/resolv.conf"
# No service starts inside the root when its package is installed.
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod 755 "$root/usr/sbin/policy-rc.d"

mount -t proc proc "$root/proc"
mount --rbind /dev "$root/dev"
mount --make-rslave "$root/dev"
mount -t tmpfs -o mode=1777 tmpfs "$root/tmp"

say "running bash tools/test.sh --plain in a fresh Debian $release"
status=0
chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    bash -c 'cd /src && bash tools/test.sh --plain' || status=$?
if ((status == 0)); then
    say "Debian $release ($(cat "$root/etc/debian_version")): the test command passed"
else
    say "Debian $release ($(cat "$root/etc/debian_version")): the test command FAILED with status $status"
fi
exit "$status"
