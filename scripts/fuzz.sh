#!/usr/bin/env bash
# Builds the fuzz targets (fuzz/) with clang, libFuzzer and the address and
# undefined-behaviour sanitizers in build/fuzz, replays every kept regression
# input, then fuzzes every target for its share of a bounded time, as many at
# once as there are cores (JOBS).
#
#   scripts/fuzz.sh                  a minute in all (for test.sh): 30 s on two cores
#   scripts/fuzz.sh --long 3600      an hour in all, shared among the targets (half on two cores)
#   scripts/fuzz.sh --time 120 page  two minutes on the named targets only
#
# A crash, leak, undefined behaviour, out-of-memory or hang is written to
# fuzz/regressions/<target>/ (commit it with the fix) and makes the script
# exit non-zero. The growing corpus stays in build/fuzz/corpus/<target>.
set -euo pipefail
cd "$(dirname "$0")/.."

total=60
if [ $# -gt 0 ] && { [ "$1" = "--long" ] || [ "$1" = "--time" ]; }; then
  total="${2:?--long and --time take a number of seconds}"
  shift 2
fi

build=build/fuzz
cmake -S fuzz -B "$build" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j"${JOBS:-$(nproc)}" >/dev/null
# The targets fuzz/CMakeLists.txt lists.
IFS=';' read -r -a all_targets <"$build/fuzz_targets.txt"
targets=("${@:-${all_targets[@]}}")

# intercept_tls_get_addr=0: see test.sh (LeakSanitizer's tracer crashing at exit).
export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=1:handle_abort=1:intercept_tls_get_addr=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"

rm -rf "$build/seeds"
"$build/fuzz_make_corpus" "$build/seeds"

dictionary_of() {
  case "$1" in
    config|clean_page) ;;
    import_picture|svg) echo "-dict=fuzz/import.dict" ;;
    *) echo "-dict=fuzz/pictures.dict" ;;
  esac
}

# Per-input limits: a picture of the largest accepted size decodes in a few
# seconds under the sanitizers and takes a few hundred MB.
limits=(-timeout=25 -rss_limit_mb=3072 -malloc_limit_mb=2048 -report_slow_units=1000000)

status=0
replay() { # target
  local kept=(fuzz/regressions/"$1"/*)
  [ -e "${kept[0]}" ] || return 0
  if ! "$build/fuzz_$1" "${limits[@]}" "${kept[@]}" >"$build/replay-$1.log" 2>&1; then
    echo "FAIL: fuzz_$1 fails on a kept regression input (see $build/replay-$1.log)" >&2
    status=1
  fi
}

# Fuzzes one target for the given seconds; its log is build/fuzz/fuzz-<target>.log.
fuzz_one() { # target, seconds
  local target="$1" seconds="$2"
  mkdir -p "$build/corpus/$target" "fuzz/regressions/$target"
  # shellcheck disable=SC2046
  "$build/fuzz_$target" "${limits[@]}" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="fuzz/regressions/$target/" $(dictionary_of "$target") \
    "$build/corpus/$target" "$build/seeds/$target" >"$build/fuzz-$target.log" 2>&1
}

executions=0
report() { # target, seconds, the fuzzer's exit status
  local target="$1" seconds="$2" log="$build/fuzz-$1.log"
  if [ "$3" -ne 0 ]; then
    echo "FAIL: fuzz_$target found a fault, kept in fuzz/regressions/$target/ (see $log)" >&2
    status=1
  fi
  local done_here
  done_here=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n1)
  executions=$((executions + ${done_here:-0}))
  printf '%-16s %5ss %9s runs  corpus %s\n' "$target" "$seconds" "${done_here:-?}" \
    "$(find "$build/corpus/$target" -type f | wc -l)"
}

for target in "${targets[@]}"; do
  replay "$target"
done
# The targets share the time; as many run at once as there are cores.
share=$((total / ${#targets[@]}))
[ "$share" -ge 2 ] || share=2
at_once=${JOBS:-$(nproc)}
declare -A running=() # pid -> target
collect() { # waits for one fuzzer to end and reports it
  local finished result
  wait -n -p finished "${!running[@]}" && result=0 || result=$?
  report "${running[$finished]}" "$share" "$result"
  unset "running[$finished]"
}
for target in "${targets[@]}"; do
  [ ${#running[@]} -lt "$at_once" ] || collect
  fuzz_one "$target" "$share" &
  running[$!]=$target
done
while [ ${#running[@]} -gt 0 ]; do
  collect
done
rmdir fuzz/regressions/* 2>/dev/null || true
echo "fuzzed ${#targets[@]} targets for ${share}s each, ${at_once} at once: $executions runs; status $status"
exit $status
