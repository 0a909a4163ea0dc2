#!/usr/bin/env bash
# Dispotune on a 1280 × 1024 screen applies the recommended 800 × 600 mode through
# XRandR, checks again, finds the display suitable and starts the navigator.
source "$(dirname "$0")/../runner.sh"
source "$(dirname "$0")/../dispotune.sh"

start_screen 1280 1024
add_mode 800 600
layout_app
start_dispotune
window=$(wait_window "$form" 30) || fail "no Dispotune window"
sleep 0.5
shot "recommendation"
recommendation_shown "$window" || fail "no recommended mode shown"

click "$window" "${apply_at[@]}"
wait_window "Solstice - LUMEN" 30 >/dev/null || fail "the navigator was not started"
[ "$(screen_size)" = 800x600 ] || fail "the screen is $(screen_size)"
no_window "$form" || fail "the Dispotune window stays"
shot "navigator"
echo "PASS"
