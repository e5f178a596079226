#!/usr/bin/env bash
# Builds Tintaro's Debian package: installs what is missing, builds a release
# for the prefix /usr with Debian's build and hardening flags in
# build/package/, makes the package there and prints its path as the last
# line.
#
#   scripts/make-package.sh              (JOBS=n sets the parallel jobs)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
dir=build/package
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DTINTARO_TESTS=OFF \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >&2
cmake --build "$dir" -j"${JOBS:-$(nproc)}" >&2
rm -f "$dir"/tintaro_*.deb
(cd "$dir" && cpack -G DEB >&2)
ls "$dir"/tintaro_*.deb
