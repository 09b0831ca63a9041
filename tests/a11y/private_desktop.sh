#!/usr/bin/env bash
# The screen-reader test: the game in a private X server, D-Bus session and AT-SPI bus, read by
# screen_reader_test.py. Exits 77 (skipped) when the machine lacks the programs it needs.
#   screen_reader_test.sh BUILD_DIR
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
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
cp -r "$here/data/FileSystem" "$here/data/MissionPack" "$work/data/"

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
  /usr/bin/python3 "$1" "$2" "$3" "$4"
  status=$?
  kill $bus 2>/dev/null
  exit $status' "$launcher" "$here/screen_reader_test.py" "$build/Zindrel/zindrel" \
  "$work/data" "$work/user"
