#!/usr/bin/env bash
# Builds the whole project (core, both programs, tests) a second time with AddressSanitizer and
# UndefinedBehaviorSanitizer, in build-asan (see asan-configure.sh), and runs every test in it.
# Any report fails the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-asan"

bash "$root/scripts/asan-configure.sh"
cmake --build "$build"

export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$root/tests/sanitizer/lsan.supp"
cd "$build"
ctest --output-on-failure -j2
