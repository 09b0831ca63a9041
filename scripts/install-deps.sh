#!/usr/bin/env bash
# Installs the Debian packages the build, the game, the tests and the benchmarks need, when any
# is missing. Further package names on the command line are installed as well (the fuzzers ask
# for Clang this way).
set -euo pipefail

# The two validators of the installed menu entries and metainfo are a few megabytes beside Qt's
# hundreds, so every test run has them and their checks run instead of being skipped; so has the
# screen-reader test its accessibility bus, its reader's library and its keyboard. The scores
# server needs its HTTP library and the two database drivers; its tests a PostgreSQL server
# (for a throwaway cluster) and a browser that plays the player's.
packages=(cmake ninja-build g++ qt6-base-dev qt6-multimedia-dev libgtest-dev libbenchmark-dev xvfb xauth time
  desktop-file-utils appstream at-spi2-core dbus-daemon python3-pyatspi xdotool
  libcpp-httplib-dev libqt6sql6-sqlite libqt6sql6-psql postgresql chromium xdg-utils "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
