#!/usr/bin/env bash
# Builds everything and starts the navigator on the demo course. Without a display a
# virtual one is started and a screenshot of what the navigator shows is saved.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
"$root/scripts/setup.sh" "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo

app="$build/app"
echo "Application directory ready: $app"
if [ ! -x "$app/GALVANE.EXE" ]; then
    echo "The navigator is not built yet: nothing more to start."
    exit 0
fi

if [ -n "${DISPLAY:-}" ]; then
    cd "$app" && exec ./GALVANE.EXE
fi

shots="$build/screenshots"
mkdir -p "$shots"
Xvfb :77 -screen 0 800x600x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $navigator $xvfb 2>/dev/null || true' EXIT
export DISPLAY=:77
sleep 1
(cd "$app" && ./GALVANE.EXE) &
navigator=$!
sleep 5
import -window root "$shots/navigator.png"
echo "No display here: the navigator ran on a virtual one; what it showed is in $shots/navigator.png"
