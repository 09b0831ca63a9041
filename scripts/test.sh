#!/usr/bin/env bash
# Installs what is missing, builds the game, its tests and benchmarks, and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DZINDREL_WERROR=ON -DBUILD_TESTING=ON
cmake --build "$build"

# Qt wants a private runtime folder; the window tests run on the offscreen platform.
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
cd "$build"
ctest --output-on-failure -j2
