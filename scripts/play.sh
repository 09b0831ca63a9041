#!/usr/bin/env bash
# Installs what is missing, builds the game with its application folder and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja
cmake --build "$build" --target zindrel quenbry

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Zindrel is a desktop game and needs a display (X11 or Wayland)." >&2
  echo "The application folder is ready: $build/Zindrel" >&2
  exit 1
fi
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
exec "$build/Zindrel/zindrel"
