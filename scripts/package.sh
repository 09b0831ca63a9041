#!/usr/bin/env bash
# Builds the Debian packages, installed under /usr, in build-package/: zindrel (the game,
# Quenbry and the pack checker) and zindrel-scores (the highscore server and its systemd unit);
# puts both .debs into the project's folder and checks them with lintian:
#   sudo apt-get install ./zindrel_*.deb ./zindrel-scores_*.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-package"

# dpkg-shlibdeps (in dpkg-dev, which uses file) turns what the programs link into the
# packages' dependencies on Debian's runtime libraries; help2man writes the manual pages;
# lintian checks the packages as Debian's own are checked.
bash "$root/scripts/install-deps.sh" dpkg-dev file help2man lintian
# Debian's hardening: fortified C library calls, a stack protector, read-only relocations bound
# at start.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DBUILD_TESTING=OFF -DZINDREL_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="-D_FORTIFY_SOURCE=2 -fstack-protector-strong" \
  -DCMAKE_EXE_LINKER_FLAGS="-Wl,-z,relro,-z,now" -DCMAKE_SHARED_LINKER_FLAGS="-Wl,-z,relro,-z,now" \
  -DCMAKE_MODULE_LINKER_FLAGS="-Wl,-z,relro,-z,now"
cmake --build "$build"
rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB)
status=0
for package in "$build"/*.deb; do
  cp "$package" "$root/"
  echo "Package: $root/$(basename "$package")"
  dpkg-deb --info "$package" | sed -n 's/^ Depends:/  Depends:/p'
  # An error or a warning fails the build.
  lintian --fail-on error,warning "$package" 2>&1 | grep -v 'running with root privileges' ||
    true
  lintian --fail-on error,warning "$package" >/dev/null 2>&1 || status=1
done
exit "$status"
