#!/usr/bin/env bash
# A database with a wrong signature starts the installer and shows no window.
source "$(dirname "$0")/../runner.sh"

start_screen 800 600
layout_app
write_record "$app/GLXNOV.glb" 1 "BASE XX"
start_navigator
navigator_ended 20 || fail "the navigator did not hand over"
started_program DEPLOY2.EXE 20 || fail "DEPLOY2.EXE not started"
no_window "Solstice - LUMEN" || fail "main window shown"
echo "PASS"
