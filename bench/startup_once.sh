#!/usr/bin/env bash
# One start-up of each program measured by scripts/bench.sh, so that the suite proves
# the measurement runs.   startup_once.sh MAPWAIT MINIMALWINDOW GALVANE.EXE
set -euo pipefail
source "$(dirname "$0")/xscreen.sh"
trap stop_bench_screen EXIT
start_bench_screen
export QT_QPA_PLATFORM=xcb

app=$(mktemp -d)
trap 'stop_bench_screen; rm -rf "$app"' EXIT
cp -a "$(dirname "$3")/." "$app"
"$1" "Fenêtre minimale" 0 "$2"
(cd "$app" && "$1" "Solstice - LUMEN" 0 ./GALVANE.EXE)
