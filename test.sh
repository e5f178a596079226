#!/usr/bin/env bash
# Installs what is missing, builds Tintaro twice (a normal build and one with
# the address and undefined-behaviour sanitizers), starts the servers the
# tests need, runs every test on both builds, builds, checks, installs and
# removes the Debian package, then fuzzes the file loaders for about a minute.
#
#   ./test.sh          the whole suite, as CI runs it
#   ./test.sh --long   the same with a 100,000-event random session, 100 kill
#                      runs and an hour of fuzzing
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh

long=0
if [ "${1:-}" = "--long" ]; then
  long=1
  export TINTARO_SESSION_EVENTS=100000 TINTARO_KILL_RUNS=100
fi

jobs=2
configure_and_build() { # build dir, extra cmake arguments...
  local dir="$1"; shift
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTINTARO_WERROR=ON "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
}
configure_and_build build/test
configure_and_build build/asan -DTINTARO_SANITIZE=ON -DCMAKE_CXX_FLAGS=-O1

source scripts/test-servers.sh
trap stop_servers EXIT
start_servers

timeouts=()
[ $long -eq 1 ] && timeouts=(--timeout 14400)
status=0
ctest --test-dir build/test --output-on-failure -j"$jobs" "${timeouts[@]}" || status=1
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" \
LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0" \
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
  ctest --test-dir build/asan --output-on-failure -j"$jobs" "${timeouts[@]}" || status=1

JOBS=$jobs scripts/package-test.sh || status=1

if [ $long -eq 1 ]; then
  scripts/fuzz.sh --long 3600 || status=1
else
  scripts/fuzz.sh || status=1
fi
exit $status
