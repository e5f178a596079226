#!/usr/bin/env bash
# Installs what is missing, builds Tintaro twice (the release build that goes
# into the Debian package, with the tests, and a debug build with assertions
# and the address and undefined-behaviour sanitizers), starts the servers the
# tests need, runs every test on both builds, checks, installs and removes the
# package made from the first build, then fuzzes the file loaders for a
# minute shared among the cores. Each stage says how long it took.
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

jobs=$(nproc)
export JOBS=$jobs
started=$SECONDS
stage_started=$SECONDS
stage() { # what was done
  echo "test.sh: $1 took $((SECONDS - stage_started)) s ($((SECONDS - started)) s in all)"
  stage_started=$SECONDS
}

release_build=(build/test -DTINTARO_TESTS=ON -DTINTARO_WERROR=ON)
scripts/make-package.sh "${release_build[@]}" >/dev/null
stage "the release build"
# Line tables are all the sanitizers' reports need, and much cheaper to make
# than full debug information.
# Its book is copied from the release build's, whose generator laid it out;
# its own generator is still run by its tests.
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTINTARO_WERROR=ON -DTINTARO_SANITIZE=ON \
  -DCMAKE_CXX_FLAGS=-O1 -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
  -DTINTARO_BOOK_FROM="$PWD/build/test" >/dev/null
cmake --build build/asan -j"$jobs"
stage "the sanitizer build"

source scripts/test-servers.sh
trap stop_servers EXIT
start_servers

timeouts=()
[ $long -eq 1 ] && timeouts=(--timeout 14400)
status=0
ctest --test-dir build/test --output-on-failure -j"$jobs" "${timeouts[@]}" || status=1
stage "the tests of the release build"
# intercept_tls_get_addr=0: this GCC's sanitizer runtime can take a block of
# dynamic thread-local storage for a header of old glibc versions and read
# outside it; LeakSanitizer's tracer then crashes at exit now and then, after
# every check has passed, without any leak to report.
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:intercept_tls_get_addr=0" \
LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0" \
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
  ctest --test-dir build/asan --output-on-failure -j"$jobs" "${timeouts[@]}" || status=1
stage "the tests of the sanitizer build"

scripts/package-test.sh "${release_build[@]}" || status=1
stage "the package test"

if [ $long -eq 1 ]; then
  scripts/fuzz.sh --long 3600 || status=1
else
  scripts/fuzz.sh || status=1
fi
stage "fuzzing"
exit $status
