#!/usr/bin/env bash
# Builds the Debian package of the game and Quenbry, installed under /usr, in build-package/,
# and puts zindrel_<version>_<arch>.deb into the project's folder:
#   sudo apt-get install ./zindrel_*.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-package"

# dpkg-shlibdeps (in dpkg-dev, which uses file) turns what the programs link into the
# package's dependencies on Debian's Qt 6 runtime libraries.
bash "$root/scripts/install-deps.sh" dpkg-dev file
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DBUILD_TESTING=OFF -DZINDREL_BUILD_BENCH=OFF
cmake --build "$build"
(cd "$build" && cpack -G DEB)
package=$(ls -t "$build"/zindrel_*.deb | head -n 1)
cp "$package" "$root/"
echo "Package: $root/$(basename "$package")"
dpkg-deb --info "$package" | sed -n 's/^ Depends:/Depends:/p'
