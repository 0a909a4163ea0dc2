#!/usr/bin/env bash
# An 800 × 600 screen shows the main window on the general summary.
source "$(dirname "$0")/../runner.sh"

start_on_summary
shot "summary"
read -r x y width height < <(window_geometry "$window")
[ "$width" -le 800 ] && [ "$height" -le 600 ] || fail "window ${width}x${height}"
no_window "Galvane" || fail "the cover window is still shown"
expect_record TEMPO.GXS 23 "ECRANAVOIR"
for r in 1 7 20; do expect_record TEMPO.GXS "$r" "NON"; done
echo "PASS"
