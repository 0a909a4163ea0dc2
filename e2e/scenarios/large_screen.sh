#!/usr/bin/env bash
# A 1024 × 768 screen hands over to dispotune.exe once; the next start goes on with
# an 800 × 600 window in the middle of the screen.
source "$(dirname "$0")/../runner.sh"

start_screen 1024 768
layout_app
stand_in dispotune.exe
write_record "$app/TEMPO.GXS" 23 "ECRANAVOIR"
start_navigator
navigator_ended 20 || fail "the navigator did not hand over"
expect_record TEMPO.GXS 23 "ECRANOK"
started_program dispotune.exe 10 || fail "dispotune.exe not started"
no_window "Solstice - LUMEN" || fail "main window shown"

start_navigator
window=$(wait_window "Solstice - LUMEN" 20) || fail "no main window on the second start"
sleep 0.5
shot "centred"
expect_record TEMPO.GXS 23 "ECRANAVOIR"
expect_centred_on_1024 "$window"
echo "PASS"
