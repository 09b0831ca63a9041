#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what an installation holds.
#   check_install.sh BUILD_DIR layout     the programs, module, data, menu entries, icons,
#                                         manual pages, metainfo and the scores server's unit are
#                                         where the system looks for them, and the installed
#                                         programs answer --version and --help
#   check_install.sh BUILD_DIR validate   desktop-file-validate and appstreamcli accept the menu
#                                         entries and metainfo (skipped, exit 77, without them)
set -euo pipefail
build=$1
mode=$2

if [ "$mode" = validate ]; then
  for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" > /dev/null; then
      echo "SKIPPED: $tool is not installed (Debian packages desktop-file-utils and appstream)"
      exit 77
    fi
  done
fi

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cmake --install "$build" --prefix "$stage" > "$stage.log" 2>&1 || { cat "$stage.log"; exit 1; }
rm -f "$stage.log"
share=$stage/share
failed=0
fail() { echo "FAIL: $*"; failed=1; }

if [ "$mode" = layout ]; then
  for file in games/zindrel games/quenbry games/zindrel-check share/zindrel/zindrel.zdl share/zindrel/Lang/English.zdl \
    share/zindrel/FileSystem/defaultfs.zdl share/zindrel/Sound/newmail.wav \
    share/zindrel/MissionPack/Quenbry.zdl share/zindrel/MissionPack/Rookie/m1.zdl \
    share/applications/org.zindrel.Zindrel.desktop share/applications/org.zindrel.Quenbry.desktop \
    share/metainfo/org.zindrel.Zindrel.metainfo.xml share/metainfo/org.zindrel.Quenbry.metainfo.xml \
    share/icons/hicolor/scalable/apps/org.zindrel.Zindrel.svg \
    share/icons/hicolor/48x48/apps/org.zindrel.Quenbry.png share/doc/zindrel/README.md \
    share/doc/zindrel/copyright share/doc/zindrel/changelog.gz; do
    [ -f "$stage/$file" ] || fail "$file is not installed"
  done
  # The scores server and its unit, where the build has it.
  if [ -x "$build/Zindrel/zindrel-scores" ]; then
    for file in bin/zindrel-scores lib/systemd/system/zindrel-scores.service \
      share/doc/zindrel-scores/copyright; do
      [ -f "$stage/$file" ] || fail "$file is not installed"
    done
    # systemd accepts the unit, pointed at the staged program and manual page.
    if command -v systemd-analyze > /dev/null && [ -d "$build/man" ]; then
      sed "s|/usr/bin/zindrel-scores|$stage/bin/zindrel-scores|" \
        "$stage/lib/systemd/system/zindrel-scores.service" > "$stage/zindrel-scores.service"
      MANPATH="$share/man" systemd-analyze verify "$stage/zindrel-scores.service" ||
        fail "systemd-analyze verify zindrel-scores.service"
    fi
  fi
  # The manual pages, where the build made them (help2man at hand).
  if [ -d "$build/man" ]; then
    for page in man6/zindrel.6.gz man6/quenbry.6.gz man6/zindrel-check.6.gz; do
      [ -f "$share/man/$page" ] || fail "the manual page $page is not installed"
    done
    zcat "$share/man/man6/zindrel.6.gz" | grep -qF -- '\-\-user\-data' ||
      fail "the manual page of zindrel does not list --user-data"
  fi
  [ -n "$(find "$stage" -name zindrel_sound.so -path '*/zindrel/*')" ] || fail "no sound module"
  # Nothing the player writes is shipped.
  for leftover in Zindrel.ini Save; do
    [ ! -e "$share/zindrel/$leftover" ] || fail "$leftover is installed"
  done
  # The icon sizes are what their folders say.
  for png in "$share"/icons/hicolor/*x*/apps/*.png; do
    size=$(basename "$(dirname "$(dirname "$png")")")
    actual=$(od -An -tu1 -j16 -N8 "$png" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }')
    [ "$size" = "$actual" ] || fail "$png is $actual"
  done
  # Help and version need no display.
  version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$stage/games/zindrel" --version)
  [ "$version" = "Zindrel 1.21" ] || fail "zindrel --version says '$version'"
  env -u DISPLAY -u WAYLAND_DISPLAY "$stage/games/quenbry" --help | grep -q -- '--user-data <DIR>' ||
    fail "quenbry --help does not list --user-data"
  # The installed checker finds the installed game's data by itself.
  env -u DISPLAY -u WAYLAND_DISPLAY "$stage/games/zindrel-check" --quiet \
    "$share/zindrel/MissionPack/Rookie" > /dev/null || fail "zindrel-check on the installed Rookie pack"
  for desktop in "$share"/applications/*.desktop; do
    program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
    [ -x "$stage/games/$program" ] || fail "$desktop starts $program, which is not installed"
  done
else
  desktop-file-validate "$share"/applications/*.desktop || fail "desktop-file-validate"
  for metainfo in "$share"/metainfo/*.xml; do
    appstreamcli validate --no-net --explain "$metainfo" || fail "appstreamcli validate $metainfo"
  done
fi
[ "$failed" -eq 0 ] && echo "installation $mode: all checks passed"
exit "$failed"
