#!/usr/bin/env bash
# Installs what is missing, builds Tintaro twice (a normal build and one with
# the address and undefined-behaviour sanitizers), starts the servers the
# tests need and runs every test on both builds.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh

jobs=2
configure_and_build() { # build dir, extra cmake arguments...
  local dir="$1"; shift
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTINTARO_WERROR=ON "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
}
configure_and_build build/test -DTINTARO_BENCH=ON
configure_and_build build/asan -DTINTARO_SANITIZE=ON -DCMAKE_CXX_FLAGS=-O1

source scripts/test-servers.sh
trap stop_servers EXIT
start_servers

status=0
ctest --test-dir build/test --output-on-failure -j"$jobs" || status=1
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" \
LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0" \
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
  ctest --test-dir build/asan --output-on-failure -j"$jobs" || status=1
exit $status
