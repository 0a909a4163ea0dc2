#!/usr/bin/env bash
# An 800 × 600 × 24 screen at 96 DPI: the navigator starts at once, without Dispotune.
source "$(dirname "$0")/../runner.sh"
source "$(dirname "$0")/../dispotune.sh"

start_screen 800 600
layout_app
start_navigator
wait_window "Solstice - LUMEN" 30 >/dev/null || fail "no main window"
no_window "$form" || fail "the Dispotune window is shown"
dispotune_running && fail "dispotune.exe was started"
expect_record TEMPO.GXS 23 ""
shot "navigator"
echo "PASS"
