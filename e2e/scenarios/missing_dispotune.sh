#!/usr/bin/env bash
# Without dispotune.exe the navigator says so and shows no main window.
source "$(dirname "$0")/../runner.sh"

start_screen 800 600
layout_app
rm -f "$app/dispotune.exe"
start_navigator
wait_window "Exécution impossible" 20 >/dev/null || fail "no message"
shot "message"
no_window "Solstice - LUMEN" || fail "main window shown"
press "Exécution impossible" Return || fail "the message stays"
navigator_ended 10 || fail "the navigator goes on"
no_window "Solstice - LUMEN" || fail "main window shown"
echo "PASS"
