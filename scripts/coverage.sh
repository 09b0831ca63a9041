#!/usr/bin/env bash
# The line coverage of each file reader by the committed corpus: builds the fuzz programs with
# Clang's source-based coverage (in build-coverage, without the game's windows), runs every seed
# and regression case of tests/fuzz through its target once, and prints the line coverage of
# each reader's source file, then of all of them together.
#   scripts/coverage.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-coverage"

bash "$root/scripts/install-deps.sh" clang libclang-rt-14-dev llvm
tools=$(ls -d /usr/lib/llvm-*/bin 2>/dev/null | sort -V | tail -n 1)
mkdir -p "$build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DZINDREL_BUILD_GAME=OFF \
  -DZINDREL_FUZZ=ON -DCMAKE_UNITY_BUILD=ON \
  -DCMAKE_CXX_FLAGS="-O1 -fprofile-instr-generate -fcoverage-mapping -fsanitize=fuzzer-no-link" \
  -DCMAKE_EXE_LINKER_FLAGS="-fprofile-instr-generate" > "$build/configure.log" 2>&1 ||
  { cat "$build/configure.log"; exit 1; }
cmake --build "$build" --target fuzz_targets > "$build/build.log" 2>&1 ||
  { tail -n 40 "$build/build.log"; exit 1; }

targets=(mission_reader mission_load file_system language settings creator_mission wave_header
  saved_game pack_check language_check)
rm -rf "$build/profiles"
mkdir -p "$build/profiles"
objects=()
for target in "${targets[@]}"; do
  inputs=("$root/tests/fuzz/corpus/$target")
  [ -d "$root/tests/fuzz/regressions/$target" ] && inputs+=("$root/tests/fuzz/regressions/$target")
  # -runs=0: every input of the folders once, and nothing new.
  LLVM_PROFILE_FILE="$build/profiles/$target.profraw" "$build/tests/fuzz/fuzz_$target" -runs=0 \
    "${inputs[@]}" > "$build/profiles/$target.log" 2>&1
  objects+=(-object "$build/tests/fuzz/fuzz_$target")
done
"$tools/llvm-profdata" merge -sparse "$build"/profiles/*.profraw -o "$build/profiles/all.profdata"

# The readers: every file that turns bytes of a file into the game's or the checker's data.
readers=(app/file_routines.cpp app/lang_table.cpp app/settings.cpp app/wave_file.cpp
  console/file_system.cpp mission/mission_reader.cpp mission/mission_loader.cpp
  mission/saved_games.cpp creator/mission_fields.cpp checker/file_text.cpp
  checker/mission_facts.cpp checker/pack_checker.cpp checker/language_checker.cpp)
echo "Line coverage of the readers by the committed corpus ($(cat "$root"/tests/fuzz/corpus/*/* 2>/dev/null | wc -c) bytes of seeds):"
"$tools/llvm-cov" report "${objects[@]:1}" -instr-profile "$build/profiles/all.profdata" \
  "${readers[@]/#/$root/}" | awk -v root="$root/" '
    /^Filename/ { for (i = 1; i <= NF; ++i) if ($i == "Lines") col = i; next }
    /^---/ || NF == 0 { next }
    { name = $1; sub(root, "", name); lines = $(NF - 5); missed = $(NF - 4); cover = $(NF - 3)
      printf "  %-32s %6s lines %6s missed  %7s\n", name, lines, missed, cover }'
