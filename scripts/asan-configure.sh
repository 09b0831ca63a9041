#!/usr/bin/env bash
# Configures build-asan, the one build with AddressSanitizer and UndefinedBehaviorSanitizer: the
# whole project (core, both programs, tests) and the libFuzzer programs of the readers, all with
# Clang. scripts/sanitize.sh runs every test in it and scripts/fuzz.sh runs its fuzz programs, so
# the full check compiles the project twice (this and the normal build), not three times.
# Warnings are the normal build's business: the sanitizers make the compiler see false ones.
# The files are compiled in batches (a unity build): the Qt and GoogleTest headers, most of
# every file's compile time, are then read once per batch. A file that forgets an include still
# fails the normal build, which compiles every file on its own (the game's window files start
# from a precompiled header of the Qt headers they share, so theirs are the exception).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-asan"

bash "$root/scripts/install-deps.sh" clang libclang-rt-14-dev
# A build folder configured with another compiler (as this one was before it used Clang) is
# started afresh: CMake cannot change the compiler of an existing build.
if [ -f "$build/CMakeCache.txt" ] && ! grep -q '^CMAKE_CXX_COMPILER:.*clang++' "$build/CMakeCache.txt"; then
  rm -rf "$build"
fi
mkdir -p "$build"
# The list of functions the fuzzers count no coverage in is part of the flags, so a change to it
# compiles everything again.
uncounted="$root/tests/fuzz/uncounted.txt"
uncountedVersion=$(cksum < "$uncounted" | cut -d' ' -f1)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DZINDREL_WERROR=OFF -DZINDREL_BUILD_BENCH=OFF -DZINDREL_MAN_PAGES=OFF -DZINDREL_FUZZ=ON -DZINDREL_TEST_OPTIMIZATION=-O0 -DCMAKE_UNITY_BUILD=ON \
  -DCMAKE_CXX_FLAGS="-O1 -fsanitize=address,undefined,fuzzer-no-link -fsanitize-coverage-ignorelist=$uncounted -DZINDREL_UNCOUNTED=$uncountedVersion -fno-sanitize-recover=undefined -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  > "$build/configure.log" 2>&1 || { cat "$build/configure.log"; exit 1; }
