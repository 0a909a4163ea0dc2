#!/usr/bin/env bash
# A flag file without version 2.01 and no disc asks for the disc.
source "$(dirname "$0")/../runner.sh"

start_screen 800 600
layout_app
write_record "$app/TEMPO.GXS" 22 "2.00"
start_navigator
wait_window "Fin de l'installation" 20 >/dev/null || fail "no installation message"
shot "message"
no_window "Solstice - LUMEN" || fail "main window shown"
press "Fin de l'installation" Escape || fail "the message stays"
navigator_ended 10 || fail "the navigator goes on after Cancel"
echo "PASS"
