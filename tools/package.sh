#!/usr/bin/env bash
# Installs what is missing, builds the program with Debian's compiler and linker flags in
# build-package/, and makes the Debian package build/package/tvorka1_<version>_<arch>.deb.
# The run group holds what Qt loads at run time, which the package names by the packages that
# hold it here.
source "$(dirname "$0")/setup.sh" build run package

# The flags Debian builds its packages with: hardening (fortified libc calls, stack protector,
# read-only relocations bound at start) and file paths independent of this folder.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CXXFLAGS LDFLAGS
[[ -f build-package/CMakeCache.txt ]] ||
    cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=OFF
cmake --build build-package --target tvorka1
deb=$(bash packaging/make_deb.sh build-package build/package)
echo "Package: $deb"
if command -v lintian >/dev/null; then
    timeout 240 lintian "$deb" || true
fi
