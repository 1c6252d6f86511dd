#!/usr/bin/env bash
# Installs what is missing, builds every download of a release with the build settings the tests
# use (tools/package.sh, tools/windows.sh, tools/web.sh), puts them into dist/ with their SHA-256
# sums, runs the installer's test on the 64-bit installer there (and the 32-bit one where Wine runs
# 32-bit programs), and ends with one line per file: its name, size and what it is for. Every file
# carries the source's time (tools/source_date.sh), so every build of a commit gives the same bytes.
# Where this machine leaves the Windows or the browser part out (tools/setup.sh), so does the
# release, and its last line says so.
# Usage: bash tools/release.sh [--arch arm64] [--no-tests]
#          --arch arm64: adds the arm64 package, made in an emulated root (tools/debian.sh; slow)
#          --no-tests: without the installer's test
#        bash tools/release.sh --verify
#          makes the release twice, first here (in a fresh clone where the tree has changes not
#          committed), then in a fresh clone of this commit at a path of another length, and
#          compares every file; names each that differs with its first difference
set -euo pipefail
cd "$(dirname "$0")/.."
say() { echo "tools/release.sh: $*" >&2; }
usage() {
    echo "usage: bash tools/release.sh [--arch arm64] [--no-tests] | --verify" >&2
    exit 2
}
arm64=0 tests=1 verify=0
while (($#)); do
    case $1 in
    --arch) [[ ${2:-} == arm64 ]] || usage; arm64=1; shift 2 ;;
    --no-tests) tests=0; shift ;;
    --verify) verify=1; shift ;;
    *) usage ;;
    esac
done

# A release is made from a commit: that is what its source archive holds and what anyone can build
# again. A tree without git (the source archive itself) makes everything but that archive.
git=0 changes=
if [[ -e .git ]]; then
    git=1
    changes=$(git status --porcelain) || { say "git cannot read this tree"; exit 1; }
fi

# Two releases of the commit, the second from nothing in a fresh clone, then every file of one
# against the other's. A tree without changes makes the first itself, with the build folders it
# has (CI's, which its test command has just built from nothing); else a first clone does.
if ((verify)); then
    ((git && !arm64)) || usage
    commit=$(git rev-parse HEAD)
    work=$(mktemp -d "${TMPDIR:-/tmp}/tvorka1-verify.XXXXXX")
    trap 'rm -rf "$work"' EXIT
    start=$SECONDS
    # Paths of different lengths, so that a path kept anywhere shifts what follows it too.
    copies=("$PWD" "$work/second-copy/tvorka1")
    if [[ -n $changes ]]; then
        say "verifying the commit ${commit:0:12}: the changes not committed here are not in it"
        copies[0]=$work/a/tvorka1
    fi
    for n in 0 1; do
        copy=${copies[n]} log=$work/release-$n.log
        if ((n == 1)) || [[ -n $changes ]]; then
            git clone -q --no-checkout . "$copy"
            git -C "$copy" checkout -q --detach "$commit"
        fi
        echo "tools/release.sh: making the release in $copy"
        bash "$copy/tools/release.sh" --no-tests >"$log" 2>&1 || {
            tail -n 20 "$log" >&2
            say "the release in $copy failed"
            exit 1
        }
    done
    one=${copies[0]}/dist two=${copies[1]}/dist
    different=0
    files=$(cd "$one" && ls) others=$(cd "$two" && ls)
    if [[ $files != "$others" ]]; then
        say "the two releases hold different files: $(diff <(echo "$files") <(echo "$others") | grep '^[<>]' | paste -sd ' ')"
        different=1
    fi
    for file in $files; do
        [[ -f $two/$file ]] || continue
        cmp -s "$one/$file" "$two/$file" && continue
        different=1
        if command -v diffoscope >/dev/null; then
            echo "DIFFERS: $file:"
            diffoscope --no-progress "$one/$file" "$two/$file" | head -n 40 || true
        else
            echo "DIFFERS: $file: $(cmp "$one/$file" "$two/$file" 2>&1 | sed "s|$work/||g")"
        fi
    done
    took="$(((SECONDS - start) / 60)) min $(((SECONDS - start) % 60)) s"
    if ((different)); then
        say "the two builds of $commit differ (in $took)"
        exit 1
    fi
    echo "The same bytes from both builds of ${commit:0:12}, at two paths, in $took: $(wc -w <<<"$files") files"
    exit 0
fi

[[ -z $changes ]] || { say "the tree has changes that are not committed (git status); a release is made from a commit"; exit 1; }
source tools/setup.sh build run package windows web release
SOURCE_DATE_EPOCH=$(bash tools/source_date.sh)
export SOURCE_DATE_EPOCH

bash tools/package.sh
[[ -n ${TVORKA1_NO_WINDOWS:-} ]] || bash tools/windows.sh --no-tests
[[ -n ${TVORKA1_NO_WEB:-} ]] || bash tools/web.sh --no-serve

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-package/CMakeCache.txt)
rm -rf dist
mkdir dist
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
left_out=()

# A zip of folder $2 of the stage: its files in name order, owned by nobody, 0644, each with the
# source's time (which zip keeps in local time).
zip_folder() {
    (
        cd "$stage"
        find "$2" -type f -exec chmod 0644 {} + -exec touch -d "@$SOURCE_DATE_EPOCH" {} +
        find "$2" -type f | LC_ALL=C sort | TZ=UTC zip -q -X -D "$OLDPWD/dist/$1" -@
    )
}

cp build/package/tvorka1_"${version}"_*.deb dist/
if ((arm64)); then
    # The same Debian release as this machine's, for arm64, from the same source time.
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    mkdir -p build/release-arm64
    rm -f build/release-arm64/*.deb
    bash tools/debian.sh "$codename" --arch arm64 --share build/release-arm64 -- \
        bash -c 'bash tools/package.sh && cp build/package/*.deb /share/'
    cp build/release-arm64/tvorka1_"${version}"_arm64.deb dist/
fi

if [[ -z ${TVORKA1_NO_WINDOWS:-} ]]; then
    for architecture in x86 x64; do
        cp "build-windows-$architecture/package/Tvorka1-$version-$architecture.msi" dist/
        folder=tvorka1-$version-windows-$architecture
        mkdir "$stage/$folder"
        cp "build-windows-$architecture/tvorka1.exe" "$stage/$folder/"
        cp LICENSE "$stage/$folder/LICENSE.txt"
        zip_folder "$folder.zip" "$folder"
    done
else
    left_out+=("the Windows files ($TVORKA1_NO_WINDOWS)")
fi

if [[ -z ${TVORKA1_NO_WEB:-} ]]; then
    cmake --install build-web --prefix "$stage/tvorka1-$version-web" >/dev/null
    zip_folder "tvorka1-$version-web.zip" "tvorka1-$version-web"
    cp build-web/tvorka1.html dist/
else
    left_out+=("the browser files ($TVORKA1_NO_WEB)")
fi

if ((git)); then
    # git archive keeps each file's mode and the commit's time; gzip -n adds no name or time.
    git archive --format=tar --prefix="tvorka1-$version/" HEAD | gzip -9n >"dist/tvorka1-$version.tar.gz"
else
    left_out+=("the source archive (this tree is no git clone)")
fi

(cd dist && LC_ALL=C sha256sum -- * >SHA256SUMS)

# The installer as a user meets it, from dist/: the later version that replaces it is the test's own.
if ((tests)) && [[ -z ${TVORKA1_NO_WINDOWS:-} ]]; then
    for pair in x64:x86 x86:x64; do
        architecture=${pair%:*}
        if [[ $architecture == x86 && -n ${TVORKA1_NO_WINE32:-} ]]; then
            left_out+=("the 32-bit installer's test ($TVORKA1_NO_WINE32)")
            continue
        fi
        later=$(echo "build-windows-$architecture/tests/windows/Tvorka1-"*"-${pair#*:}.msi")
        bash tests/windows/tst_installer.sh "dist/Tvorka1-$version-$architecture.msi" "$later"
    done
fi

release=$(. /etc/os-release && echo "Debian $VERSION_ID ($VERSION_CODENAME)")
# Each kind of download in the order a reader looks for it, with what it is for.
kinds=(
    "*_amd64.deb|$release, amd64: sudo apt-get install ./FILE"
    "*_arm64.deb|$release, arm64: sudo apt-get install ./FILE"
    "*-x86.msi|the installer for Windows 7 SP1 to 11, 32- and 64-bit and ARM64: the one to take"
    "*-x64.msi|the installer for 64-bit Windows 7 SP1 to 11"
    "*-windows-x86.zip|the portable program for any Windows 7 SP1 to 11, and its licence: nothing to install"
    "*-windows-x64.zip|the portable program for 64-bit Windows, and its licence"
    "*-web.zip|the page for a web server: its folder, served as it is"
    "*.html|the page in one file, opened from disk in a browser"
    "*.tar.gz|the source, which builds each of these files again, byte for byte"
    "SHA256SUMS|the SHA-256 of each: sha256sum -c SHA256SUMS"
)
echo
echo "Release $version in dist/:"
for kind in "${kinds[@]}"; do
    for file in dist/${kind%%|*}; do
        [[ -f $file ]] || continue
        name=${file#dist/} purpose=${kind#*|}
        printf '%-34s %7s  %s\n' "$name" "$(numfmt --to=iec-i --suffix=B "$(stat -c %s "$file")")" "${purpose//FILE/$name}"
    done
done
((${#left_out[@]} == 0)) || echo "Left out: $(printf '%s; ' "${left_out[@]}" | sed 's/; $//')"
