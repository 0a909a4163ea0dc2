#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer, the
# benchmarks included, builds the Debian package (from a build of its own: no
# sanitizers there), and runs the whole test suite (unit, window and end-to-end tests,
# the package's among them, and each benchmark once, briefly).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-test"
"$root/scripts/setup.sh" "$build" -DCMAKE_BUILD_TYPE=Debug -DGALVANE_SANITIZE=ON -DGALVANE_BENCH=ON
"$root/scripts/package.sh"

cd "$build"
ctest --output-on-failure -j 2
