#!/usr/bin/env bash
# Builds the fuzz targets (fuzz/) with clang, libFuzzer and the address and
# undefined-behaviour sanitizers in build/fuzz, replays every kept regression
# input, then fuzzes each target in turn for a bounded time.
#
#   scripts/fuzz.sh                  about a minute in all (for test.sh)
#   scripts/fuzz.sh --long 3600      an hour in all, shared among the targets
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
all_targets=(page palette texture icon animation background config import_picture clean_page svg jpeg_layout)
targets=("${@:-${all_targets[@]}}")

build=build/fuzz
cmake -S fuzz -B "$build" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j2 >/dev/null

export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=1:handle_abort=1"
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

executions=0
run() { # target, seconds
  local target="$1" seconds="$2" log="$build/fuzz-$1.log"
  mkdir -p "$build/corpus/$target" "fuzz/regressions/$target"
  # shellcheck disable=SC2046
  if "$build/fuzz_$target" "${limits[@]}" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="fuzz/regressions/$target/" $(dictionary_of "$target") \
      "$build/corpus/$target" "$build/seeds/$target" >"$log" 2>&1; then
    :
  else
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
share=$((total / ${#targets[@]}))
[ "$share" -ge 2 ] || share=2
for target in "${targets[@]}"; do
  run "$target" "$share"
done
rmdir fuzz/regressions/* 2>/dev/null || true
echo "fuzzed ${#targets[@]} targets for ${total}s: $executions runs; status $status"
exit $status
