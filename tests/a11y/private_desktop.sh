#!/usr/bin/env bash
# A private desktop for a test that plays the real game through its windows: its own X server,
# D-Bus session and AT-SPI bus, and the game's data (the built language and machine, the test's
# own FileSystem and MissionPack folders); then the test's Python script runs as
#   SCRIPT GAME DATA_FOLDER USER_FOLDER [ARGUMENT]...
# Exits 77 (skipped) when the machine lacks the programs it needs.
#   private_desktop.sh BUILD_DIR TEST_DATA_FOLDER SCRIPT [ARGUMENT]...
set -euo pipefail
build=$1
test_data=$2
script=$3
shift 3
launcher=/usr/libexec/at-spi-bus-launcher
for needed in Xvfb xdotool dbus-run-session /usr/bin/python3 "$launcher"; do
  command -v "$needed" >/dev/null || { echo "skipped: $needed is missing"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "skipped: pyatspi is missing"; exit 77; }

# In the sanitizer build: the X keyboard library reads its atom names with strndup past their
# end, which the strict string checks report; that code is the system's, not ours.
if [ -n "${ASAN_OPTIONS:-}" ]; then
  export ASAN_OPTIONS="${ASAN_OPTIONS//strict_string_checks=1/strict_string_checks=0}"
fi

work=$(mktemp -d)
trap 'kill "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
# The game's data: the shipped language, the test's own machine and pack.
mkdir -p "$work/data/Lang" "$work/user"
cp "$build/Zindrel/Lang/English.zdl" "$work/data/Lang/"
cp "$build/Zindrel/zindrel.zdl" "$work/data/"
cp -r "$test_data/FileSystem" "$test_data/MissionPack" "$work/data/"

# A display of our own: Xvfb picks a free number and tells it.
exec 3<> "$work/display"
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$work/display")"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

dbus-run-session -- bash -c '
  "$0" --launch-immediately >/dev/null 2>&1 &
  bus=$!
  sleep 1
  /usr/bin/python3 "$@"
  status=$?
  kill $bus 2>/dev/null
  exit $status' "$launcher" "$script" "$build/Zindrel/zindrel" "$work/data" "$work/user" "$@"
