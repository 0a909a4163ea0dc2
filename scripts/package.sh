#!/usr/bin/env bash
# Builds the Debian package from a build of its own (optimised, no sanitizers, no
# tests) and prints its path: build-package/galvane_<version>_<arch>.deb.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-package"
"$root/scripts/setup.sh" "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
rm -f "$build"/galvane_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/galvane_*.deb
