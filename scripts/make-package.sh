#!/usr/bin/env bash
# Builds Tintaro's Debian package: installs what is missing, builds a release
# for the prefix /usr with Debian's build and hardening flags, makes the
# package in the build folder and prints its path as the last line.
#
#   scripts/make-package.sh                      in build/package, no tests
#   scripts/make-package.sh DIR [CMAKE ARGS...]  in DIR, with these arguments
#                                                too (test.sh builds its tests
#                                                this way, so the build it
#                                                tests is the one it packages)
# JOBS=n sets the parallel jobs.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
dir="${1:-build/package}"
[ $# -gt 0 ] && shift
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# Debian's flags, less the debug information: the package is stripped
# (CPACK_STRIP_FILES), and making it would double the build time.
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS) -g0"
ldflags="$(dpkg-buildflags --get LDFLAGS)"
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DTINTARO_TESTS=OFF \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" "$@" >&2
cmake --build "$dir" -j"${JOBS:-$(nproc)}" >&2
rm -f "$dir"/tintaro_*.deb
(cd "$dir" && cpack -G DEB >&2)
ls "$dir"/tintaro_*.deb
