#!/usr/bin/env bash
# Installs what is missing, builds the scores server and starts it on 127.0.0.1 with a SQLite
# file in the folder it names; further options go to the server (see zindrel-scores --help).
#   scripts/scores.sh [OPTION]...      (the default address is http://127.0.0.1:8077/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
state="${ZINDREL_SCORES_STATE:-${XDG_STATE_HOME:-$HOME/.local/state}/zindrel-scores}"

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target zindrel-scores
mkdir -p "$state"
echo "The highscore list is kept in $state/scores.sqlite"
exec "$build/Zindrel/zindrel-scores" --database "sqlite:$state/scores.sqlite" "$@"
