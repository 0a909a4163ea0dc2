#!/usr/bin/env bash
# A 640 × 480 screen shows the display warning; "Quitter" ends the navigator.
source "$(dirname "$0")/../runner.sh"

start_screen 640 480
layout_app
write_record "$app/TEMPO.GXS" 23 "ECRANOK"
write_record "$app/TEMPO.GXS" 1 "OUI" # start-up would reset it after the warning
start_navigator
warning=$(wait_window "Affichage mal adapté" 20) || fail "no display warning"
shot "warning"
no_window "Solstice - LUMEN" || fail "main window shown"
click "$warning" 438 146 # "Quitter"
navigator_ended 10 || fail "the navigator goes on after Quitter"
expect_record TEMPO.GXS 1 "OUI"
echo "PASS"
