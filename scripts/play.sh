#!/usr/bin/env bash
# Installs what is missing, builds the game with its application folder and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja
cmake --build "$build" --target zindrel quenbry zindrel-scores

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Zindrel is a desktop game and needs a display (X11 or Wayland)." >&2
  echo "The application folder is ready: $build/Zindrel" >&2
  exit 1
fi
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"

# Without a highscore address of the player's own, a scores server of ours runs beside the
# game for as long as it does, so TEST_HIGHSCORE lands on a real list.
if [ -z "${ZINDREL_HIGHSCORE_URL:-}" ]; then
  state="${XDG_STATE_HOME:-$HOME/.local/state}/zindrel-scores"
  mkdir -p "$state"
  coproc scores { exec "$build/Zindrel/zindrel-scores" --database "sqlite:$state/scores.sqlite" \
    --listen 127.0.0.1:0; }
  trap 'kill "$scores_PID" 2>/dev/null || true' EXIT
  read -r line <&"${scores[0]}" || line=
  address=$(grep -o 'http://[^/ ]*' <<<"$line" || true)
  if [ -n "$address" ]; then
    export ZINDREL_HIGHSCORE_URL="$address"
    echo "The highscore list: $address/ (kept in $state/scores.sqlite)"
  fi
fi
"$build/Zindrel/zindrel"
