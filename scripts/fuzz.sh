#!/usr/bin/env bash
# Fuzzes every reader of files: builds the fuzz targets of tests/fuzz with Clang, libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer, and runs each for SECONDS (default 60), two at
# a time. A finding leaves its reproducer under build-fuzz/findings/<target>/ and fails the
# script; copy it into tests/fuzz/regressions/<target>/ and the normal tests run it from then on.
set -euo pipefail
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"

bash "$root/scripts/install-deps.sh" clang libclang-rt-14-dev
mkdir -p "$build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DZINDREL_BUILD_GAME=OFF -DBUILD_TESTING=ON -DZINDREL_FUZZ=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=undefined -fno-omit-frame-pointer" \
  > "$build/configure.log" 2>&1 || { cat "$build/configure.log"; exit 1; }
cmake --build "$build" --target fuzz_targets

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
  "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$build/findings/$target/" \
    "$build/corpus/$target" "${seeds[@]}" > "$build/logs/$target.log" 2>&1
}
export -f run_target
export build root seconds

targets=(mission_reader mission_load file_system language settings creator_mission wave_header
  saved_game pack_check language_check)
status=0
printf '%s\n' "${targets[@]}" | xargs -P 2 -I{} bash -c 'run_target {}' || status=1

echo "fuzzing, $seconds s per target:"
for target in "${targets[@]}"; do
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$build/logs/$target.log" | grep -o '[0-9]*$' || echo "?")
  found=$(find "$build/findings/$target" -type f | wc -l)
  printf '  %-16s %10s runs  %s finding(s)\n' "$target" "$runs" "$found"
  [ "$found" -eq 0 ] || status=1
done
if [ "$status" -ne 0 ]; then
  echo "A fuzz target found a problem: see build-fuzz/findings/ and build-fuzz/logs/." >&2
fi
exit "$status"
