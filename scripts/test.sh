#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs the
# whole test suite (unit, window and end-to-end tests).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-test"
"$root/scripts/setup.sh" "$build" -DCMAKE_BUILD_TYPE=Debug -DGALVANE_SANITIZE=ON

cd "$build"
ctest --output-on-failure -j 2
