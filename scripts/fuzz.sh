#!/usr/bin/env bash
# Fuzzes every reader of files: builds the fuzz targets of tests/fuzz with Clang, libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer (in build-asan, the sanitizer build, see
# asan-configure.sh) and runs each for SECONDS (default 60), or with --runs N until it has made
# N inputs, two at a time; it prints each target's inputs, rate and coverage. Corpora, logs and
# findings are kept in build-fuzz/. A finding leaves its reproducer under
# build-fuzz/findings/<target>/ and fails the script; copy it into
# tests/fuzz/regressions/<target>/ and the normal tests run it from then on.
#   scripts/fuzz.sh [SECONDS]
#   scripts/fuzz.sh --runs N [TARGET]...
set -euo pipefail
seconds=60
runs=0
if [ "${1:-}" = --runs ]; then
  runs=${2:?--runs needs a number of inputs}
  shift 2
elif [ -n "${1:-}" ]; then
  seconds=$1
  shift
fi
root=$(cd "$(dirname "$0")/.." && pwd)
programs="$root/build-asan"
build="$root/build-fuzz"

bash "$root/scripts/asan-configure.sh"
cmake --build "$programs" --target fuzz_targets

mkdir -p "$build/findings" "$build/corpus" "$build/logs"
# The targets save files a few times per input; a memory-backed temporary folder keeps the
# flushes to the disk from setting the pace.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export TMPDIR=$(mktemp -d /dev/shm/zindrel-fuzz.XXXXXX)
  trap 'rm -rf "$TMPDIR"' EXIT
fi
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

run_target() {
  local target=$1
  mkdir -p "$build/corpus/$target" "$build/findings/$target"
  local seeds=("$root/tests/fuzz/corpus/$target")
  [ -d "$root/tests/fuzz/regressions/$target" ] && seeds+=("$root/tests/fuzz/regressions/$target")
  # The first folder is the working corpus, kept between runs; the others are only read.
  local limit=(-max_total_time="$seconds")
  [ "$runs" -gt 0 ] && limit=(-runs="$runs")
  # New inputs grow up to the longest seed or 4 KiB, whichever is more. A regression case is
  # replayed too, but a long one (a 38 KB mission) must not make every input that long: the
  # normal tests run it whole.
  local longest
  longest=$(find "$root/tests/fuzz/corpus/$target" -type f -printf '%s\n' | sort -n | tail -n 1)
  limit+=(-max_len=$((longest > 4096 ? longest : 4096)))
  local started=$(date +%s.%N)
  local status=0
  "$programs/tests/fuzz/fuzz_$target" "${limit[@]}" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$build/findings/$target/" \
    "$build/corpus/$target" "${seeds[@]}" > "$build/logs/$target.log" 2>&1 || status=$?
  echo "$started $(date +%s.%N)" > "$build/logs/$target.time"
  return "$status"
}
export -f run_target
export build programs root seconds runs

targets=(mission_reader mission_load file_system language settings creator_mission wave_header
  saved_game pack_check language_check)
[ $# -gt 0 ] && targets=("$@")
status=0
printf '%s\n' "${targets[@]}" | xargs -P 2 -I{} bash -c 'run_target {}' || status=1

if [ "$runs" -gt 0 ]; then echo "fuzzing, $runs inputs per target:"; else echo "fuzzing, $seconds s per target:"; fi
for target in "${targets[@]}"; do
  log="$build/logs/$target.log"
  made=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
  # The rate over the whole run, the corpus loading included; the edges covered at the end.
  rate=$(awk -v made="$made" '{ t = $2 - $1; if (t > 0 && made ~ /^[0-9]+$/) printf "%.0f", made / t; else print "?" }' \
    "$build/logs/$target.time" 2>/dev/null || echo "?")
  coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | grep -o '[0-9]*' || echo "?")
  found=$(find "$build/findings/$target" -type f | wc -l)
  printf '  %-16s %10s inputs %7s a second  coverage %6s  %s finding(s)\n' "$target" "$made" \
    "$rate" "$coverage" "$found"
  [ "$found" -eq 0 ] || status=1
done
if [ "$status" -ne 0 ]; then
  echo "A fuzz target found a problem: see build-fuzz/findings/ and build-fuzz/logs/." >&2
fi
exit "$status"
