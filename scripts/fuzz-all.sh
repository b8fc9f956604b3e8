#!/usr/bin/env bash
# Runs every fuzz harness (or the ones named) for a given time each, with libFuzzer under AddressSanitizer
# and UndefinedBehaviorSanitizer, one after the other at low priority.  Not part of CI.
#
#   scripts/fuzz-all.sh [SECONDS] [HARNESS ...]     default 600 seconds each, every harness
#
# Each harness starts from its seeds in the repository (tests/fuzz/corpus/<name>, and the TIFF one in
# tests/tiffio32/fuzz/corpus) and keeps what it finds in build/fuzz/work/<name>, so the committed
# corpora stay small.  A crash, leak or hang leaves its input in build/fuzz/work/<name>/artifacts/;
# make it a test.  The summary lists each harness with its run time, executions and result.
set -uo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-600}
shift || true
if ! [[ $seconds =~ ^[0-9]+$ ]]; then
  echo "usage: scripts/fuzz-all.sh [SECONDS] [HARNESS ...]" >&2
  exit 2
fi
if ! command -v clang++ >/dev/null; then
  echo "fuzz-all: clang is needed (apt-get install clang)" >&2
  exit 1
fi

build=build/fuzz
export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}
export CMAKE_C_COMPILER_LAUNCHER=${CMAKE_C_COMPILER_LAUNCHER:-ccache}
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DQUILL_FUZZ=ON -DQUILL_SANITIZE=ON -DQUILL_GUI=OFF >/dev/null || exit 1

mapfile -t all < <(cd tests/fuzz && ls fuzz_*.cpp | sed 's/\.cpp$//'; echo fuzz_tiff_reader)
harnesses=("$@")
[[ ${#harnesses[@]} -eq 0 ]] && harnesses=("${all[@]}")
nice cmake --build "$build" -j"$(nproc)" --target "${harnesses[@]}" >/dev/null || exit 1

seeds_of() {
  if [[ $1 == fuzz_tiff_reader ]]; then echo tests/tiffio32/fuzz/corpus; else echo "tests/fuzz/corpus/$1"; fi
}
binary_of() {
  if [[ $1 == fuzz_tiff_reader ]]; then echo "$build/tests/tiffio32/fuzz/$1"; else echo "$build/tests/fuzz/$1"; fi
}

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$(pwd)/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
summary=()
failed=0
for name in "${harnesses[@]}"; do
  work=$build/work/$name
  mkdir -p "$work/corpus" "$work/artifacts"
  seeds=$(seeds_of "$name")
  mkdir -p "$seeds"
  start=$(date +%s)
  nice "$(binary_of "$name")" "$work/corpus" "$seeds" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=2560 \
    -max_len=65536 -print_final_stats=1 -artifact_prefix="$work/artifacts/" >"$work/log" 2>&1
  status=$?
  took=$(($(date +%s) - start))
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$work/log" | grep -o '[0-9]*$' | tail -1)
  if [[ $status -eq 0 ]]; then result=clean; else result="FAILED (status $status, see $work/log)"; failed=1; fi
  summary+=("$(printf '%-22s %5ss %10s runs  %s' "$name" "$took" "${runs:-?}" "$result")")
  echo "${summary[-1]}"
done
echo
echo "fuzz-all: $seconds s each, $(date -u +%Y-%m-%dT%H:%MZ)"
printf '%s\n' "${summary[@]}"
exit $failed
